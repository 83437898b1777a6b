// Resizing decoded images: bilinear for textures stretched to powers of two, nearest pixel
// for backdrops.
#include "platform/gfx/image.h"

#include <algorithm>
#include <cmath>

namespace gfx {

uint32_t NextPowerOfTwo(uint32_t n)
{
    uint32_t p = 1;
    while (p < n && p < 0x80000000u)
        p <<= 1;
    return p;
}

Image ResamplePoint(const Image& image, uint32_t width, uint32_t height)
{
    Image out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * height);
    for (uint32_t y = 0; y < height; ++y) {
        const uint32_t sy = static_cast<uint32_t>((static_cast<uint64_t>(y) * 2 + 1) * image.height / (2ull * height));
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t sx =
                static_cast<uint32_t>((static_cast<uint64_t>(x) * 2 + 1) * image.width / (2ull * width));
            out.pixels[static_cast<size_t>(y) * width + x] = image.pixels[static_cast<size_t>(sy) * image.width + sx];
        }
    }
    return out;
}

Image ResampleLinear(const Image& image, uint32_t width, uint32_t height)
{
    Image out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<size_t>(width) * height);
    auto at = [&](uint32_t x, uint32_t y, int shift) {
        return static_cast<float>((image.pixels[static_cast<size_t>(y) * image.width + x] >> shift) & 0xFF);
    };
    for (uint32_t y = 0; y < height; ++y) {
        // Pixel centres line up: the first and last rows land on the source's first and last.
        const float fy = std::clamp((y + 0.5f) * image.height / height - 0.5f, 0.0f, image.height - 1.0f);
        const uint32_t y0 = static_cast<uint32_t>(fy);
        const uint32_t y1 = std::min(y0 + 1, image.height - 1);
        const float ty = fy - y0;
        for (uint32_t x = 0; x < width; ++x) {
            const float fx = std::clamp((x + 0.5f) * image.width / width - 0.5f, 0.0f, image.width - 1.0f);
            const uint32_t x0 = static_cast<uint32_t>(fx);
            const uint32_t x1 = std::min(x0 + 1, image.width - 1);
            const float tx = fx - x0;
            uint32_t pixel = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const float top = at(x0, y0, shift) * (1 - tx) + at(x1, y0, shift) * tx;
                const float bottom = at(x0, y1, shift) * (1 - tx) + at(x1, y1, shift) * tx;
                const auto value = static_cast<uint32_t>(std::lround(top * (1 - ty) + bottom * ty));
                pixel |= std::min(value, 255u) << shift;
            }
            out.pixels[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    return out;
}

}  // namespace gfx
