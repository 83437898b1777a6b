// Helpers of the content checks: where the built game folder is and what its image files say of themselves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace content_check {

std::string GameDir();
std::string DatabasePath();  // config/varnok.dat of the game folder

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path);

struct ImageSize {
    int width = 0;
    int height = 0;
};

// Width and height from a PNG's IHDR or a JPEG's frame header; nothing when the bytes are neither
// or the header is damaged.
std::optional<ImageSize> ProbeImage(const std::vector<uint8_t>& bytes);

bool IsPowerOfTwo(int v);

}  // namespace content_check
