// Fuzz harness: PNG and JPEG decoding on any bytes, then the resampling the texture loader does.
#include "platform/gfx/image.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    gfx::Image image;
    if (gfx::Failed(gfx::DecodeImage(std::vector<uint8_t>(data, data + size), &image)))
        return 0;
    gfx::ResampleLinear(image, gfx::NextPowerOfTwo(image.width), gfx::NextPowerOfTwo(image.height));
    gfx::ResamplePoint(image, 64, 48);
    return 0;
}
