// JPEG decoding through libjpeg; any warning (a file cut short, damaged data) fails the load
// rather than giving a half-grey picture.
#include "platform/gfx/image.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace gfx {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning about the data; fail instead of going on.
    if (level < 0)
        std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// The row buffer comes from libjpeg's own pool, so an error jump out of here leaks nothing.
bool ReadRows(jpeg_decompress_struct* info, std::vector<uint32_t>* pixels)
{
    JSAMPARRAY rows = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                 info->output_width * info->output_components, 1);
    while (info->output_scanline < info->output_height) {
        const uint32_t y = info->output_scanline;
        if (jpeg_read_scanlines(info, rows, 1) != 1)
            return false;
        uint32_t* out = pixels->data() + static_cast<size_t>(y) * info->output_width;
        for (uint32_t x = 0; x < info->output_width; ++x) {
            const uint8_t* p = rows[0] + static_cast<size_t>(x) * info->output_components;
            const uint32_t r = p[0];
            const uint32_t g = info->output_components == 3 ? p[1] : p[0];
            const uint32_t b = info->output_components == 3 ? p[2] : p[0];
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    return true;
}

}  // namespace

Result DecodeJpeg(const std::vector<uint8_t>& bytes, Image* image)
{
    *image = Image{};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    // On the heap: only the pointer lives across setjmp, and it never changes.
    const auto pixels = std::make_unique<std::vector<uint32_t>>();
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return kInvalidData;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK || info.image_width == 0 ||
        info.image_height == 0 || info.image_width > kMaxImageSide || info.image_height > kMaxImageSide) {
        jpeg_destroy_decompress(&info);
        return kInvalidData;
    }
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    pixels->resize(static_cast<size_t>(info.output_width) * info.output_height);
    const bool complete = ReadRows(&info, pixels.get());
    jpeg_finish_decompress(&info);
    const uint32_t width = info.output_width, height = info.output_height;
    jpeg_destroy_decompress(&info);
    if (!complete)
        return kInvalidData;
    image->width = width;
    image->height = height;
    image->pixels = std::move(*pixels);
    return kOk;
}

}  // namespace gfx
