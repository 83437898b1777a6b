// The GL state a device last set, so a draw only sends what changed.
#pragma once

#include <cstdint>

namespace gfx::gl {

// Every field starts unknown (a value no real state has), so the first draw sets it.
struct GlStateCache {
    static constexpr uint32_t kUnknown = 0xFFFFFFFFu;

    uint32_t blendEnable = kUnknown;
    uint32_t blendSrc = kUnknown, blendDest = kUnknown;
    // Wider than a colour: white (0xFFFFFFFF) is a real texture factor, not "unknown".
    uint64_t blendColor = ~0ull;
    uint32_t depthTest = kUnknown, depthFunc = kUnknown, depthWrite = kUnknown;
    uint32_t cullMode = kUnknown;
    uint32_t fillMode = kUnknown;
    uint32_t lineSmooth = kUnknown;
    uint32_t magFilter = kUnknown, minFilter = kUnknown, addressU = kUnknown, addressV = kUnknown;
    uint32_t viewportX = kUnknown, viewportY = kUnknown, viewportW = kUnknown, viewportH = kUnknown;
    uint32_t layoutFvf = kUnknown, layoutStride = kUnknown;
};

}  // namespace gfx::gl
