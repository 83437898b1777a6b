// Small PNG and JPEG files made in memory for the image tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace gfx::testing {

// pixels: channels per pixel as the format says (grey, grey+alpha, RGB, RGBA); for a
// colour-mapped format, one index per pixel and the map's RGBA entries.
inline std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, uint32_t format,
                                      const std::vector<uint8_t>& pixels, const std::vector<uint8_t>& colormap = {})
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = width;
    png.height = height;
    png.format = format;
    if (format & PNG_FORMAT_FLAG_COLORMAP)
        png.colormap_entries = static_cast<png_uint_32>(colormap.size() / 4);
    png_alloc_size_t size = 0;
    const void* map = colormap.empty() ? nullptr : colormap.data();
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, map))
        return {};
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, pixels.data(), 0, map))
        return {};
    bytes.resize(size);
    return bytes;
}

// components 1 (grey) or 3 (RGB).
inline std::vector<uint8_t> EncodeJpeg(uint32_t width, uint32_t height, int components,
                                       const std::vector<uint8_t>& pixels, bool progressive)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < height) {
        JSAMPROW row =
            const_cast<uint8_t*>(pixels.data()) + static_cast<size_t>(info.next_scanline) * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return bytes;
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

}  // namespace gfx::testing
