// Silent buffers: play state kept against the game clock.
#include "platform/audio/silent/silent_device.h"

#include <new>

#include "platform/audio/buffer_base.h"
#include "platform/os/clock.h"

namespace audio::silent {

namespace {

class SilentBuffer final : public BufferBase {
public:
    explicit SilentBuffer(const BufferDesc& desc) : BufferBase(desc) {}
    explicit SilentBuffer(const SilentBuffer& source) : BufferBase(source) {}

    Result GetStatus(uint32_t* status) override
    {
        if (!status)
            return kInvalidParam;
        Advance();
        *status = 0;
        if (IsLost())
            *status |= kStatusBufferLost;
        if (mPlaying)
            *status |= kStatusPlaying | (mLooping ? kStatusLooping : 0);
        return kOk;
    }

    Result Play(uint32_t, uint32_t, uint32_t flags) override
    {
        if (IsLost())
            return kBufferLost;
        Advance();
        if (!mPlaying) {
            mPlaying = true;
            mStartMs = os::TimeMs();
        }
        mLooping = (flags & kPlayLooping) != 0;
        return kOk;
    }

    Result Stop() override
    {
        Advance();
        if (mPlaying) {
            mPlayedMs = PlayedMs();
            mPlaying = false;
        }
        return kOk;
    }

private:
    void OnLost() override { Stop(); }

    uint64_t DurationMs() const
    {
        const WaveFormat& f = GetFormat();
        uint64_t frames = GetBufferBytes() / f.blockAlign;
        return (frames * 1000 + f.samplesPerSec - 1) / f.samplesPerSec;
    }

    uint64_t PlayedMs() const { return mPlayedMs + static_cast<uint32_t>(os::TimeMs() - mStartMs); }

    // A one-shot that has reached its end stops and goes back to the start.
    void Advance()
    {
        if (!mPlaying)
            return;
        uint64_t played = PlayedMs();
        uint64_t duration = DurationMs();
        if (mLooping) {
            if (played >= duration && duration > 0) {
                mPlayedMs = played % duration;
                mStartMs = os::TimeMs();
            }
        } else if (played >= duration) {
            mPlaying = false;
            mPlayedMs = 0;
        }
    }

    bool mPlaying = false;
    bool mLooping = false;
    uint32_t mStartMs = 0;
    uint64_t mPlayedMs = 0;
};

class SilentDevice final : public Device {
public:
    Result CreateSoundBuffer(const BufferDesc& desc, SoundBuffer** buffer) override
    {
        if (!buffer)
            return kInvalidParam;
        *buffer = nullptr;
        Result r = ValidateBufferDesc(desc);
        if (Failed(r))
            return r;
        try {
            *buffer = new SilentBuffer(desc);
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        }
        return kOk;
    }

    Result DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer** duplicate) override
    {
        if (!duplicate)
            return kInvalidParam;
        *duplicate = nullptr;
        auto* original = dynamic_cast<SilentBuffer*>(source);
        if (!original)
            return kInvalidParam;
        *duplicate = new SilentBuffer(*original);
        return kOk;
    }
};

}  // namespace

Device* CreateDevice()
{
    return new SilentDevice();
}

}  // namespace audio::silent
