// Image header probing and file reading for the content checks.
#include "content/game_files.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace content_check {

std::string GameDir() { return VARNOK_GAME_DIR; }

std::string DatabasePath() { return GameDir() + "/config/varnok.dat"; }

std::optional<std::vector<uint8_t>> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

uint32_t Big32(const uint8_t* p) { return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3]; }
int Big16(const uint8_t* p) { return (p[0] << 8) | p[1]; }

std::optional<ImageSize> ProbePng(const std::vector<uint8_t>& b) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    if (b.size() < 33 || std::memcmp(b.data(), kSignature, 8) != 0) return std::nullopt;
    if (Big32(&b[8]) != 13 || std::memcmp(&b[12], "IHDR", 4) != 0) return std::nullopt;
    ImageSize s{static_cast<int>(Big32(&b[16])), static_cast<int>(Big32(&b[20]))};
    if (s.width <= 0 || s.height <= 0) return std::nullopt;
    return s;
}

std::optional<ImageSize> ProbeJpeg(const std::vector<uint8_t>& b) {
    if (b.size() < 4 || b[0] != 0xff || b[1] != 0xd8) return std::nullopt;
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xff) return std::nullopt;
        uint8_t marker = b[i + 1];
        int length = Big16(&b[i + 2]);
        bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            if (i + 9 > b.size()) return std::nullopt;
            return ImageSize{Big16(&b[i + 7]), Big16(&b[i + 5])};
        }
        if (length < 2) return std::nullopt;
        i += 2 + static_cast<size_t>(length);
    }
    return std::nullopt;
}

}  // namespace

std::optional<ImageSize> ProbeImage(const std::vector<uint8_t>& bytes) {
    if (auto png = ProbePng(bytes)) return png;
    return ProbeJpeg(bytes);
}

bool IsPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

}  // namespace content_check
