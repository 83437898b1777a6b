// Loading image files into textures and surfaces.
#include "platform/gfx/image_load.h"

#include <cstring>

#include "platform/gfx/image.h"

namespace gfx {

namespace {

void CopyRows(const Image& image, void* bits, int32_t pitch)
{
    for (uint32_t y = 0; y < image.height; ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<size_t>(y) * pitch,
                    image.pixels.data() + static_cast<size_t>(y) * image.width, image.width * 4);
}

}  // namespace

Result CreateTextureFromFile(Device* device, const char* gamePath, Texture** texture)
{
    if (!texture)
        return kInvalidCall;
    *texture = nullptr;
    if (!device || !gamePath)
        return kInvalidCall;
    Image image;
    if (Result r = LoadImageFile(gamePath, &image); Failed(r))
        return r;
    const uint32_t width = NextPowerOfTwo(image.width);
    const uint32_t height = NextPowerOfTwo(image.height);
    if (width > kMaxImageSide || height > kMaxImageSide)
        return kInvalidData;
    if (width != image.width || height != image.height)
        image = ResampleLinear(image, width, height);
    Texture* created = nullptr;
    if (Result r = device->CreateTexture(width, height, 1, 0, kFormatA8R8G8B8, kPoolManaged, &created); Failed(r))
        return r;
    void* bits = nullptr;
    int32_t pitch = 0;
    if (Result r = created->LockRect(0, &bits, &pitch); Failed(r)) {
        created->Release();
        return r;
    }
    CopyRows(image, bits, pitch);
    created->UnlockRect(0);
    *texture = created;
    return kOk;
}

Result LoadSurfaceFromFile(Surface* surface, const char* gamePath)
{
    if (!surface || !gamePath)
        return kInvalidCall;
    Image image;
    if (Result r = LoadImageFile(gamePath, &image); Failed(r))
        return r;
    const SurfaceDesc desc = surface->GetDesc();
    if (image.width != desc.width || image.height != desc.height)
        image = ResamplePoint(image, desc.width, desc.height);
    void* bits = nullptr;
    int32_t pitch = 0;
    if (Result r = surface->LockRect(&bits, &pitch); Failed(r))
        return r;
    CopyRows(image, bits, pitch);
    return surface->UnlockRect();
}

}  // namespace gfx
