// The sound device: the interface the game plays sounds through, with the semantics of the
// sound API it was written for. Two backends implement it: sdl/ (mixes and plays through SDL2
// audio) and silent/ (no output; buffers play for their real duration on the game clock).
//
// Objects are reference counted: Release returns the count left, and an object is destroyed
// when it reaches zero. Callers that "release until the count is zero" loop on it. A buffer
// keeps what it needs of its device alive, so releasing the device first never leaves a buffer
// dangling, but the game still releases its buffers first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/audio/audio_types.h"
#include "platform/ref_counted.h"

namespace audio {

using Object = platform::RefCounted;

// A secondary buffer: sample data in its own WAVE format, with its own play state, volume and
// pan. Duplicates share the sample data.
class SoundBuffer : public Object {
public:
    // kStatusPlaying while a one-shot has not reached its end or a looping buffer runs;
    // kStatusLooping with it; kStatusBufferLost while the buffer must be restored.
    virtual Result GetStatus(uint32_t* status) = 0;
    // Locks size bytes from offset; a range that wraps past the end comes back as two parts
    // (part2 null and size2 0 otherwise). The data changes take effect at Unlock.
    virtual Result Lock(uint32_t offset, uint32_t size, void** part1, uint32_t* size1, void** part2, uint32_t* size2,
                        uint32_t flags) = 0;
    virtual Result Unlock(void* part1, uint32_t size1, void* part2, uint32_t size2) = 0;
    // Starts from the current position (the start once a one-shot has played to its end);
    // kPlayLooping repeats until Stop. kBufferLost while lost.
    virtual Result Play(uint32_t reserved, uint32_t priority, uint32_t flags) = 0;
    // Keeps the position.
    virtual Result Stop() = 0;
    // kBufferLost while the buffer cannot be restored yet; the data survives a restore.
    virtual Result Restore() = 0;
    // Hundredths of a decibel, kVolumeMin (silence) to kVolumeMax; needs kCapsCtrlVolume.
    virtual Result SetVolume(int32_t volume) = 0;
    virtual Result GetVolume(int32_t* volume) = 0;
    // kPanLeft to kPanRight; a positive pan lowers the left side by pan/100 dB, a negative one
    // the right side. Needs kCapsCtrlPan.
    virtual Result SetPan(int32_t pan) = 0;
    virtual Result GetPan(int32_t* pan) = 0;
    virtual const WaveFormat& GetFormat() const = 0;
    virtual uint32_t GetBufferBytes() const = 0;
};

class Device : public Object {
public:
    // PCM only: 8-bit unsigned or 16-bit signed, one or two channels, any rate; bufferBytes
    // 1 to kMaxBufferBytes. The data starts as silence. kBadFormat for anything else.
    virtual Result CreateSoundBuffer(const BufferDesc& desc, SoundBuffer** buffer) = 0;
    // The duplicate shares the sample data and starts stopped at position 0, with the
    // source's volume and pan.
    virtual Result DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer** duplicate) = 0;
};

enum class Backend { kSdl, kSilent };

// Opens a device of that backend. Returns an error text (and no device) when it cannot start;
// the silent backend always starts.
std::optional<std::string> CreateDevice(Backend backend, Device** device);

}  // namespace audio
