// File reading for the content checks.
#include "content/game_files.h"

#include <fstream>
#include <iterator>

namespace content_check {

std::string GameDir()
{
    return VARNOK_GAME_DIR;
}

std::string DatabasePath()
{
    return GameDir() + "/config/varnok.dat";
}

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsPowerOfTwo(int v)
{
    return v > 0 && (v & (v - 1)) == 0;
}

}  // namespace content_check
