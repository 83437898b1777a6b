// Shared sound-buffer bookkeeping.
#include "platform/audio/buffer_base.h"

namespace audio {

namespace {
constexpr uint32_t kDescSize = 36;
constexpr uint32_t kMinRate = 100;
constexpr uint32_t kMaxRate = 200000;
}  // namespace

Result ValidateBufferDesc(const BufferDesc& desc)
{
    if (desc.size != kDescSize || !desc.format)
        return kInvalidParam;
    if (desc.bufferBytes == 0 || desc.bufferBytes > kMaxBufferBytes)
        return kInvalidParam;
    const WaveFormat& f = *desc.format;
    if (f.formatTag != kFormatPcm || (f.channels != 1 && f.channels != 2) ||
        (f.bitsPerSample != 8 && f.bitsPerSample != 16) || f.samplesPerSec < kMinRate || f.samplesPerSec > kMaxRate ||
        f.blockAlign != f.channels * f.bitsPerSample / 8)
        return kBadFormat;
    return kOk;
}

BufferBase::BufferBase(const BufferDesc& desc)
    : mBytes(std::make_shared<std::vector<uint8_t>>(desc.bufferBytes,
                                                    desc.format->bitsPerSample == 8 ? uint8_t{0x80} : uint8_t{0})),
      mFormat(*desc.format),
      mCaps(desc.flags)
{
    mFormat.extraSize = 0;
}

BufferBase::BufferBase(const BufferBase& source)
    : SoundBuffer(),
      mBytes(source.mBytes),
      mFormat(source.mFormat),
      mCaps(source.mCaps),
      mVolume(source.mVolume),
      mPan(source.mPan)
{
}

Result BufferBase::Lock(uint32_t offset, uint32_t size, void** part1, uint32_t* size1, void** part2, uint32_t* size2,
                        uint32_t flags)
{
    if (!part1 || !size1)
        return kInvalidParam;
    const uint32_t total = GetBufferBytes();
    if (flags & kLockEntireBuffer) {
        offset = 0;
        size = total;
    }
    if (mLocked || offset >= total || size == 0 || size > total)
        return kInvalidParam;
    uint32_t first = size <= total - offset ? size : total - offset;
    uint32_t second = size - first;
    if (second > 0 && (!part2 || !size2))
        return kInvalidParam;
    *part1 = mBytes->data() + offset;
    *size1 = first;
    if (part2)
        *part2 = second > 0 ? mBytes->data() : nullptr;
    if (size2)
        *size2 = second;
    mLocked = true;
    return kOk;
}

Result BufferBase::Unlock(void*, uint32_t, void*, uint32_t)
{
    if (!mLocked)
        return kInvalidParam;
    mLocked = false;
    return OnDataChanged();
}

Result BufferBase::Restore()
{
    if (!mLost)
        return kOk;
    if (mRefusedRestores > 0) {
        --mRefusedRestores;
        return kBufferLost;
    }
    mLost = false;
    return kOk;
}

void BufferBase::Lose(uint32_t refusedRestores)
{
    mLost = true;
    mRefusedRestores = refusedRestores;
    OnLost();
}

Result BufferBase::SetVolume(int32_t volume)
{
    if (!(mCaps & kCapsCtrlVolume))
        return kControlUnavailable;
    if (volume < kVolumeMin || volume > kVolumeMax)
        return kInvalidParam;
    mVolume = volume;
    OnLevelsChanged();
    return kOk;
}

Result BufferBase::GetVolume(int32_t* volume)
{
    if (!volume)
        return kInvalidParam;
    if (!(mCaps & kCapsCtrlVolume))
        return kControlUnavailable;
    *volume = mVolume;
    return kOk;
}

Result BufferBase::SetPan(int32_t pan)
{
    if (!(mCaps & kCapsCtrlPan))
        return kControlUnavailable;
    if (pan < kPanLeft || pan > kPanRight)
        return kInvalidParam;
    mPan = pan;
    OnLevelsChanged();
    return kOk;
}

Result BufferBase::GetPan(int32_t* pan)
{
    if (!pan)
        return kInvalidParam;
    if (!(mCaps & kCapsCtrlPan))
        return kControlUnavailable;
    *pan = mPan;
    return kOk;
}

}  // namespace audio
