// Writes a frame read back from the GL renderer as a PNG, for a person to look at: the GL tests
// do it when VARNOK_SCREENSHOTS names a folder, and scripts/screenshot-tour collects them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/image_files.h"

// The folder VARNOK_SCREENSHOTS names, or empty when no shots are wanted.
inline std::string ScreenshotFolder()
{
    const char* folder = std::getenv("VARNOK_SCREENSHOTS");
    return folder ? folder : "";
}

// frame holds width x height pixels as 0xAARRGGBB; the PNG is written opaque.
inline void WriteFramePng(const std::vector<uint32_t>& frame, int width, int height, const std::string& path)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(frame.size() * 4);
    for (uint32_t pixel : frame) {
        rgba.push_back(static_cast<uint8_t>(pixel >> 16));
        rgba.push_back(static_cast<uint8_t>(pixel >> 8));
        rgba.push_back(static_cast<uint8_t>(pixel));
        rgba.push_back(0xFF);
    }
    std::vector<uint8_t> png =
        gfx::testing::EncodePng(static_cast<uint32_t>(width), static_cast<uint32_t>(height), PNG_FORMAT_RGBA, rgba);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}
