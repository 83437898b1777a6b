// Helpers of the content checks: where the built game folder is and reading its files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace content_check {

std::string GameDir();
std::string DatabasePath();  // config/varnok.dat of the game folder

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path);

bool IsPowerOfTwo(int v);

}  // namespace content_check
