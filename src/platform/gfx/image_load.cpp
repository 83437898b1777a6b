// Loading image files into textures and surfaces.
#include "platform/gfx/image_load.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "platform/gfx/file_stamp.h"
#include "platform/gfx/image.h"

namespace gfx {

namespace {

struct DecodedFile {
    FileStamp stamp;
    std::shared_ptr<const Image> image;
};

// A system entry releases the textures and makes them again from the same files: the decoded
// images are kept, keyed by the file's full path, and used again while its size and time of
// change are the same, so only the decoding is saved.
Result LoadDecodedImage(const char* gamePath, std::shared_ptr<const Image>* image)
{
    static std::map<std::filesystem::path, DecodedFile> decoded;
    const std::optional<FileStamp> stamp = StampOf(gamePath);
    if (stamp) {
        auto found = decoded.find(stamp->path);
        if (found != decoded.end() && found->second.stamp.Matches(*stamp)) {
            *image = found->second.image;
            return kOk;
        }
    }
    auto fresh = std::make_shared<Image>();
    if (Result r = LoadImageFile(gamePath, fresh.get()); Failed(r)) {
        if (stamp)
            decoded.erase(stamp->path);
        return r;
    }
    if (stamp)
        decoded[stamp->path] = DecodedFile{*stamp, fresh};
    *image = std::move(fresh);
    return kOk;
}

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
    std::shared_ptr<const Image> decoded;
    if (Result r = LoadDecodedImage(gamePath, &decoded); Failed(r))
        return r;
    const uint32_t width = NextPowerOfTwo(decoded->width);
    const uint32_t height = NextPowerOfTwo(decoded->height);
    if (width > kMaxImageSide || height > kMaxImageSide)
        return kInvalidData;
    const Image* image = decoded.get();
    Image stretched;
    if (width != decoded->width || height != decoded->height) {
        stretched = ResampleLinear(*decoded, width, height);
        image = &stretched;
    }
    Texture* created = nullptr;
    if (Result r = device->CreateTexture(width, height, 1, 0, kFormatA8R8G8B8, kPoolManaged, &created); Failed(r))
        return r;
    void* bits = nullptr;
    int32_t pitch = 0;
    if (Result r = created->LockRect(0, &bits, &pitch); Failed(r)) {
        created->Release();
        return r;
    }
    CopyRows(*image, bits, pitch);
    created->UnlockRect(0);
    *texture = created;
    return kOk;
}

Result LoadSurfaceFromFile(Surface* surface, const char* gamePath)
{
    if (!surface || !gamePath)
        return kInvalidCall;
    std::shared_ptr<const Image> decoded;
    if (Result r = LoadDecodedImage(gamePath, &decoded); Failed(r))
        return r;
    const SurfaceDesc desc = surface->GetDesc();
    const Image* image = decoded.get();
    Image scaled;
    if (decoded->width != desc.width || decoded->height != desc.height) {
        scaled = ResamplePoint(*decoded, desc.width, desc.height);
        image = &scaled;
    }
    void* bits = nullptr;
    int32_t pitch = 0;
    if (Result r = surface->LockRect(&bits, &pitch); Failed(r))
        return r;
    CopyRows(*image, bits, pitch);
    return surface->UnlockRect();
}

}  // namespace gfx
