// Plain value types of the sound layer: result codes, the WAVE format, buffer descriptions
// and the numeric flags the game passes.
#pragma once

#include <cstdint>

namespace audio {

// Result codes. Callers compare them with these values, as numbers.
using Result = int32_t;
constexpr Result kOk = 0;
constexpr Result kFail = static_cast<Result>(0x80004005u);
constexpr Result kInvalidParam = static_cast<Result>(0x80070057u);
constexpr Result kOutOfMemory = static_cast<Result>(0x8007000Eu);
constexpr Result kBadFormat = static_cast<Result>(0x88780064u);
constexpr Result kControlUnavailable = static_cast<Result>(0x8878001Eu);
constexpr Result kBufferLost = static_cast<Result>(0x88780096u);
inline bool Failed(Result r)
{
    return r < 0;
}

constexpr uint16_t kFormatPcm = 1;

// The 18-byte header of a WAVE "fmt " chunk; extraSize bytes of format data follow it in the
// file (none for PCM).
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

// Buffer capabilities.
constexpr uint32_t kCapsCtrlPan = 0x40;
constexpr uint32_t kCapsCtrlVolume = 0x80;

// Largest buffer a device makes.
constexpr uint32_t kMaxBufferBytes = 0x0FFFFFFF;

struct BufferDesc {
    uint32_t size = 36;
    uint32_t flags = 0;
    uint32_t bufferBytes = 0;
    const WaveFormat* format = nullptr;
};

// Status bits.
constexpr uint32_t kStatusPlaying = 0x1;
constexpr uint32_t kStatusBufferLost = 0x2;
constexpr uint32_t kStatusLooping = 0x4;

// Play flags.
constexpr uint32_t kPlayLooping = 0x1;

// Lock flags: kLockEntireBuffer ignores the offset and size.
constexpr uint32_t kLockEntireBuffer = 0x2;

// Volume in hundredths of a decibel; pan from all left to all right.
constexpr int32_t kVolumeMin = -10000;
constexpr int32_t kVolumeMax = 0;
constexpr int32_t kPanLeft = -10000;
constexpr int32_t kPanRight = 10000;

}  // namespace audio
