// What both backends' sound buffers share: the sample bytes (shared with duplicates), locking,
// volume and pan bookkeeping, and the lost state with its restore.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio/device.h"

namespace audio {

// Checks a description against what the devices play; kOk or the code to return.
Result ValidateBufferDesc(const BufferDesc& desc);

class BufferBase : public SoundBuffer {
public:
    Result Lock(uint32_t offset, uint32_t size, void** part1, uint32_t* size1, void** part2, uint32_t* size2,
                uint32_t flags) override;
    Result Unlock(void* part1, uint32_t size1, void* part2, uint32_t size2) override;
    Result Restore() override;
    Result SetVolume(int32_t volume) override;
    Result GetVolume(int32_t* volume) override;
    Result SetPan(int32_t pan) override;
    Result GetPan(int32_t* pan) override;
    const WaveFormat& GetFormat() const override { return mFormat; }
    uint32_t GetBufferBytes() const override { return static_cast<uint32_t>(mBytes->size()); }

    // Loses the buffer as the platform does when another program takes the sound device:
    // it stops, reports kStatusBufferLost and refuses the next refusedRestores restores.
    void Lose(uint32_t refusedRestores);
    bool IsLost() const { return mLost; }

protected:
    explicit BufferBase(const BufferDesc& desc);
    // A duplicate: shares the source's bytes, takes its volume and pan.
    explicit BufferBase(const BufferBase& source);

    // The bytes changed (Unlock); backends refresh what they derive from them.
    virtual Result OnDataChanged() { return kOk; }
    // Volume or pan changed.
    virtual void OnLevelsChanged() {}
    virtual void OnLost() = 0;

    const std::vector<uint8_t>& Bytes() const { return *mBytes; }
    int32_t Volume() const { return mVolume; }
    int32_t Pan() const { return mPan; }

private:
    std::shared_ptr<std::vector<uint8_t>> mBytes;
    WaveFormat mFormat;
    uint32_t mCaps = 0;
    int32_t mVolume = kVolumeMax;
    int32_t mPan = 0;
    bool mLocked = false;
    bool mLost = false;
    uint32_t mRefusedRestores = 0;
};

}  // namespace audio
