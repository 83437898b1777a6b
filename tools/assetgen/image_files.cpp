// PNG and JPEG output of the generator.
#include "image_files.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace assetgen {

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

}  // namespace

bool WritePng(const CCanvas& canvas, const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<uint8_t> bytes = canvas.Bytes();
    std::vector<png_bytep> rows(static_cast<size_t>(canvas.Height()));
    for (int y = 0; y < canvas.Height(); ++y)
        rows[y] = bytes.data() + static_cast<size_t>(y) * canvas.Width() * 4;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fprintf(stderr, "assetgen: libpng failed on %s\n", path.c_str());
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.Width()), static_cast<png_uint_32>(canvas.Height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool WriteJpeg(const CCanvas& canvas, const std::string& path, int quality)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.get());
    cinfo.image_width = static_cast<JDIMENSION>(canvas.Width());
    cinfo.image_height = static_cast<JDIMENSION>(canvas.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> rgba = canvas.Bytes();
    std::vector<uint8_t> row(static_cast<size_t>(canvas.Width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint8_t* src = rgba.data() + static_cast<size_t>(cinfo.next_scanline) * canvas.Width() * 4;
        for (int x = 0; x < canvas.Width(); ++x)
            for (int k = 0; k < 3; ++k)
                row[static_cast<size_t>(x) * 3 + k] = src[x * 4 + k];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace assetgen
