// Reading image files and telling their formats apart.
#include "platform/gfx/image.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/os/path.h"

namespace gfx {

namespace {

// Larger than any image the game ships; a bigger file is not read into memory.
constexpr std::streamoff kMaxFileBytes = 64 * 1024 * 1024;

}  // namespace

Result DecodeImage(const std::vector<uint8_t>& bytes, Image* image)
{
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    *image = Image{};
    if (bytes.size() >= 8 && std::equal(kPngSignature, kPngSignature + 8, bytes.begin()))
        return DecodePng(bytes, image);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        return DecodeJpeg(bytes, image);
    return kInvalidData;
}

Result LoadImageFile(const std::string& gamePath, Image* image)
{
    *image = Image{};
    std::ifstream file(os::NativePath(gamePath), std::ios::binary | std::ios::ate);
    if (!file)
        return kNotFound;
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kMaxFileBytes)
        return kInvalidData;
    file.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size))
        return kNotFound;
    return DecodeImage(bytes, image);
}

}  // namespace gfx
