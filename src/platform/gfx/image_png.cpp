// PNG decoding through libpng's simplified reader, which expands every colour type.
#include "platform/gfx/image.h"

#include <png.h>

namespace gfx {

Result DecodePng(const std::vector<uint8_t>& bytes, Image* image)
{
    *image = Image{};
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return kInvalidData;
    if (png.width == 0 || png.height == 0 || png.width > kMaxImageSide || png.height > kMaxImageSide) {
        png_image_free(&png);
        return kInvalidData;
    }
    // B, G, R, A bytes are 0xAARRGGBB words on this little-endian target.
    png.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(static_cast<size_t>(png.width) * png.height);
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return kInvalidData;
    }
    image->width = png.width;
    image->height = png.height;
    image->pixels = std::move(pixels);
    return kOk;
}

}  // namespace gfx
