// Tests of the silent backend: buffer rules shared by both backends, and play state on the
// game clock.
#include "platform/audio/silent/silent_device.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/audio/buffer_base.h"
#include "platform/os/clock.h"

namespace {

audio::WaveFormat Pcm(uint16_t channels, uint16_t bits, uint32_t rate)
{
    audio::WaveFormat f;
    f.formatTag = audio::kFormatPcm;
    f.channels = channels;
    f.bitsPerSample = bits;
    f.samplesPerSec = rate;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

class SilentDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        os::SetManualTime(true, 1000);
        device = audio::silent::CreateDevice();
    }
    void TearDown() override
    {
        for (audio::SoundBuffer* b : made)
            b->Release();
        device->Release();
        os::SetManualTime(false);
    }

    audio::SoundBuffer* Make(const audio::WaveFormat& format, uint32_t bytes)
    {
        audio::BufferDesc desc;
        desc.flags = audio::kCapsCtrlPan | audio::kCapsCtrlVolume;
        desc.bufferBytes = bytes;
        desc.format = &format;
        audio::SoundBuffer* buffer = nullptr;
        EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kOk);
        if (buffer)
            made.push_back(buffer);
        return buffer;
    }

    bool Playing(audio::SoundBuffer* b)
    {
        uint32_t status = 0;
        EXPECT_EQ(b->GetStatus(&status), audio::kOk);
        return (status & audio::kStatusPlaying) != 0;
    }

    audio::Device* device = nullptr;
    std::vector<audio::SoundBuffer*> made;
};

TEST_F(SilentDeviceTest, RefusesWhatCannotBePlayed)
{
    audio::WaveFormat adpcm = Pcm(1, 16, 8000);
    adpcm.formatTag = 2;
    audio::WaveFormat bits24 = Pcm(1, 24, 8000);
    audio::WaveFormat badAlign = Pcm(2, 16, 8000);
    badAlign.blockAlign = 2;
    audio::WaveFormat good = Pcm(1, 8, 8000);

    audio::BufferDesc desc;
    desc.bufferBytes = 100;
    audio::SoundBuffer* buffer = reinterpret_cast<audio::SoundBuffer*>(1);
    EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kInvalidParam);
    EXPECT_EQ(buffer, nullptr);
    for (const audio::WaveFormat* f : {&adpcm, &bits24, &badAlign}) {
        desc.format = f;
        EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kBadFormat);
    }
    desc.format = &good;
    desc.bufferBytes = 0;
    EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kInvalidParam);
    desc.bufferBytes = audio::kMaxBufferBytes + 1;
    EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kInvalidParam);
    desc.size = 20;
    desc.bufferBytes = 10;
    EXPECT_EQ(device->CreateSoundBuffer(desc, &buffer), audio::kInvalidParam);
}

TEST_F(SilentDeviceTest, NewBuffersHoldSilenceOfTheirFormat)
{
    for (uint16_t bits : {8, 16}) {
        audio::SoundBuffer* b = Make(Pcm(1, bits, 8000), 6);
        void* p1 = nullptr;
        uint32_t n1 = 0;
        ASSERT_EQ(b->Lock(0, 0, &p1, &n1, nullptr, nullptr, audio::kLockEntireBuffer), audio::kOk);
        ASSERT_EQ(n1, 6u);
        for (uint32_t i = 0; i < n1; ++i)
            EXPECT_EQ(static_cast<uint8_t*>(p1)[i], bits == 8 ? 0x80 : 0) << bits;
        EXPECT_EQ(b->Unlock(p1, n1, nullptr, 0), audio::kOk);
    }
}

TEST_F(SilentDeviceTest, LockRangesWrapAndCannotNest)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 10);
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(b->Lock(6, 6, &p1, &n1, &p2, &n2, 0), audio::kOk);
    EXPECT_EQ(n1, 4u);
    EXPECT_EQ(n2, 2u);
    EXPECT_EQ(static_cast<uint8_t*>(p1) - static_cast<uint8_t*>(p2), 6);
    void* again = nullptr;
    uint32_t n = 0;
    EXPECT_EQ(b->Lock(0, 1, &again, &n, nullptr, nullptr, 0), audio::kInvalidParam);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), audio::kOk);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), audio::kInvalidParam);
    EXPECT_EQ(b->Lock(10, 1, &p1, &n1, nullptr, nullptr, 0), audio::kInvalidParam);
    EXPECT_EQ(b->Lock(0, 11, &p1, &n1, nullptr, nullptr, 0), audio::kInvalidParam);
    // A wrapping range needs somewhere to put its second part.
    EXPECT_EQ(b->Lock(6, 6, &p1, &n1, nullptr, nullptr, 0), audio::kInvalidParam);
}

TEST_F(SilentDeviceTest, VolumeAndPanKeepTheirRangesAndNeedTheirControls)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 10);
    int32_t v = 1;
    EXPECT_EQ(b->SetVolume(-1500), audio::kOk);
    EXPECT_EQ(b->SetVolume(1), audio::kInvalidParam);
    EXPECT_EQ(b->SetVolume(-10001), audio::kInvalidParam);
    EXPECT_EQ(b->GetVolume(&v), audio::kOk);
    EXPECT_EQ(v, -1500);
    EXPECT_EQ(b->SetPan(10000), audio::kOk);
    EXPECT_EQ(b->SetPan(10001), audio::kInvalidParam);
    EXPECT_EQ(b->GetPan(&v), audio::kOk);
    EXPECT_EQ(v, 10000);

    audio::WaveFormat f = Pcm(1, 8, 8000);
    audio::BufferDesc plain;
    plain.bufferBytes = 10;
    plain.format = &f;
    audio::SoundBuffer* noControls = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(plain, &noControls), audio::kOk);
    made.push_back(noControls);
    EXPECT_EQ(noControls->SetVolume(-100), audio::kControlUnavailable);
    EXPECT_EQ(noControls->SetPan(100), audio::kControlUnavailable);
}

TEST_F(SilentDeviceTest, OneShotPlaysForItsRealDurationThenReplaysFromTheStart)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 800);  // 100 ms
    EXPECT_FALSE(Playing(b));
    ASSERT_EQ(b->Play(0, 0, 0), audio::kOk);
    os::AdvanceManualTime(99);
    EXPECT_TRUE(Playing(b));
    os::AdvanceManualTime(1);
    EXPECT_FALSE(Playing(b));
    ASSERT_EQ(b->Play(0, 0, 0), audio::kOk);
    os::AdvanceManualTime(99);
    EXPECT_TRUE(Playing(b));
}

TEST_F(SilentDeviceTest, StopKeepsThePosition)
{
    audio::SoundBuffer* b = Make(Pcm(2, 16, 8000), 3200);  // 100 ms of stereo 16-bit
    b->Play(0, 0, 0);
    os::AdvanceManualTime(40);
    EXPECT_EQ(b->Stop(), audio::kOk);
    os::AdvanceManualTime(500);
    EXPECT_FALSE(Playing(b));
    b->Play(0, 0, 0);
    os::AdvanceManualTime(59);
    EXPECT_TRUE(Playing(b));
    os::AdvanceManualTime(1);
    EXPECT_FALSE(Playing(b));
}

TEST_F(SilentDeviceTest, LoopingPlaysUntilStopped)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 800);
    b->Play(0, 0, audio::kPlayLooping);
    os::AdvanceManualTime(10000);
    uint32_t status = 0;
    b->GetStatus(&status);
    EXPECT_EQ(status, audio::kStatusPlaying | audio::kStatusLooping);
    b->Stop();
    EXPECT_FALSE(Playing(b));
}

TEST_F(SilentDeviceTest, DuplicateSharesDataButNotPlayState)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 800);
    b->SetVolume(-700);
    b->SetPan(-300);
    b->Play(0, 0, 0);
    audio::SoundBuffer* dup = nullptr;
    ASSERT_EQ(device->DuplicateSoundBuffer(b, &dup), audio::kOk);
    made.push_back(dup);
    EXPECT_FALSE(Playing(dup));
    int32_t v = 0, p = 0;
    dup->GetVolume(&v);
    dup->GetPan(&p);
    EXPECT_EQ(v, -700);
    EXPECT_EQ(p, -300);

    void* p1 = nullptr;
    uint32_t n1 = 0;
    ASSERT_EQ(b->Lock(0, 4, &p1, &n1, nullptr, nullptr, 0), audio::kOk);
    std::memcpy(p1, "\x01\x02\x03\x04", 4);
    b->Unlock(p1, n1, nullptr, 0);
    ASSERT_EQ(dup->Lock(0, 4, &p1, &n1, nullptr, nullptr, 0), audio::kOk);
    EXPECT_EQ(std::memcmp(p1, "\x01\x02\x03\x04", 4), 0);
    dup->Unlock(p1, n1, nullptr, 0);

    // The duplicate outlives its source.
    made.erase(made.begin());
    b->Release();
    EXPECT_EQ(dup->Play(0, 0, 0), audio::kOk);
    EXPECT_TRUE(Playing(dup));
    EXPECT_EQ(device->DuplicateSoundBuffer(nullptr, &dup), audio::kInvalidParam);
}

TEST_F(SilentDeviceTest, LostBufferStopsAndRestoresAfterRefusals)
{
    audio::SoundBuffer* b = Make(Pcm(1, 8, 8000), 800);
    b->Play(0, 0, audio::kPlayLooping);
    auto* base = dynamic_cast<audio::BufferBase*>(b);
    ASSERT_NE(base, nullptr);
    base->Lose(2);
    uint32_t status = 0;
    b->GetStatus(&status);
    EXPECT_EQ(status, audio::kStatusBufferLost);
    EXPECT_EQ(b->Play(0, 0, 0), audio::kBufferLost);
    EXPECT_EQ(b->Restore(), audio::kBufferLost);
    EXPECT_EQ(b->Restore(), audio::kBufferLost);
    EXPECT_EQ(b->Restore(), audio::kOk);
    EXPECT_EQ(b->Play(0, 0, 0), audio::kOk);
    EXPECT_TRUE(Playing(b));
}

TEST(AudioFactory, SilentBackendAlwaysStarts)
{
    audio::Device* device = nullptr;
    EXPECT_FALSE(audio::CreateDevice(audio::Backend::kSilent, &device).has_value());
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->Release(), 0u);
}

}  // namespace
