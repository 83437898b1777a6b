// Decoded images and the resampling the texture loader does: PNG and JPEG files become
// 32-bit A8R8G8B8 pixels, rows top-down.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/gfx_types.h"

namespace gfx {

struct Image {
    uint32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, width x height
};

// The largest side we decode; anything bigger is refused rather than allocated.
constexpr uint32_t kMaxImageSide = 8192;

// PNG (every colour type, palette transparency, 16-bit) or JPEG (baseline and progressive,
// grey or colour), told apart by their signatures. kInvalidData for anything else or for a
// file that is cut short or damaged; the image is left empty then.
Result DecodeImage(const std::vector<uint8_t>& bytes, Image* image);
Result DecodePng(const std::vector<uint8_t>& bytes, Image* image);
Result DecodeJpeg(const std::vector<uint8_t>& bytes, Image* image);

// Reads and decodes a file named as the game names it ("raster\ship.png");
// kNotFound when it cannot be read.
Result LoadImageFile(const std::string& gamePath, Image* image);

uint32_t NextPowerOfTwo(uint32_t n);
// Resized with bilinear filtering (stretching up blends neighbouring pixels).
Image ResampleLinear(const Image& image, uint32_t width, uint32_t height);
// Resized by taking the nearest pixel.
Image ResamplePoint(const Image& image, uint32_t width, uint32_t height);

}  // namespace gfx
