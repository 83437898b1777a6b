// Tests of the SDL backend's conversion and mixing, rendered into memory.
#include "platform/audio/sdl/sdl_device.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int kRate = 8000;

struct Levels {
    float peakLeft = 0, peakRight = 0;
};

class SdlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { device = audio::sdl::SdlDevice::OpenMemory(kRate); }
    void TearDown() override
    {
        for (audio::SoundBuffer* b : made)
            b->Release();
        device->Release();
    }

    // A square wave at full scale, frameCount frames long.
    audio::SoundBuffer* MakeTone(uint16_t channels, uint16_t bits, uint32_t rate, uint32_t frameCount)
    {
        audio::WaveFormat f;
        f.formatTag = audio::kFormatPcm;
        f.channels = channels;
        f.bitsPerSample = bits;
        f.samplesPerSec = rate;
        f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
        f.avgBytesPerSec = rate * f.blockAlign;
        audio::BufferDesc desc;
        desc.flags = audio::kCapsCtrlPan | audio::kCapsCtrlVolume;
        desc.bufferBytes = frameCount * f.blockAlign;
        desc.format = &f;
        audio::SoundBuffer* b = nullptr;
        EXPECT_EQ(device->CreateSoundBuffer(desc, &b), audio::kOk);
        if (!b)
            return nullptr;
        made.push_back(b);
        void* p = nullptr;
        uint32_t n = 0;
        EXPECT_EQ(b->Lock(0, 0, &p, &n, nullptr, nullptr, audio::kLockEntireBuffer), audio::kOk);
        auto* bytes = static_cast<uint8_t*>(p);
        for (uint32_t frame = 0; frame < frameCount; ++frame) {
            bool high = (frame / 8) % 2 == 0;
            for (uint16_t c = 0; c < channels; ++c) {
                if (bits == 8) {
                    bytes[frame * channels + c] = high ? 0xF0 : 0x10;
                } else {
                    int16_t s = high ? 24000 : -24000;
                    std::memcpy(bytes + 2 * (frame * channels + c), &s, 2);
                }
            }
        }
        EXPECT_EQ(b->Unlock(p, n, nullptr, 0), audio::kOk);
        return b;
    }

    Levels Mix(uint32_t frames)
    {
        std::vector<float> out(2 * frames, 99.0f);
        device->MixInto(out.data(), frames);
        Levels l;
        for (uint32_t i = 0; i < frames; ++i) {
            l.peakLeft = std::max(l.peakLeft, std::fabs(out[2 * i]));
            l.peakRight = std::max(l.peakRight, std::fabs(out[2 * i + 1]));
        }
        return l;
    }

    bool Playing(audio::SoundBuffer* b)
    {
        uint32_t status = 0;
        b->GetStatus(&status);
        return (status & audio::kStatusPlaying) != 0;
    }

    audio::sdl::SdlDevice* device = nullptr;
    std::vector<audio::SoundBuffer*> made;
};

TEST_F(SdlDeviceTest, NothingPlayingMixesSilence)
{
    MakeTone(1, 16, kRate, 800);
    Levels l = Mix(256);
    EXPECT_EQ(l.peakLeft, 0.0f);
    EXPECT_EQ(l.peakRight, 0.0f);
}

TEST_F(SdlDeviceTest, PlayedBufferSoundsUntilItsEndThenSilence)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 800);
    ASSERT_EQ(b->Play(0, 0, 0), audio::kOk);
    Levels l = Mix(400);
    EXPECT_GT(l.peakLeft, 0.5f);
    EXPECT_GT(l.peakRight, 0.5f);
    EXPECT_TRUE(Playing(b));
    Mix(400);
    EXPECT_FALSE(Playing(b));
    l = Mix(400);
    EXPECT_EQ(l.peakLeft, 0.0f);
    EXPECT_EQ(l.peakRight, 0.0f);
}

TEST_F(SdlDeviceTest, EightBitStereoAtAnotherRateIsConverted)
{
    audio::SoundBuffer* b = MakeTone(2, 8, 22050, 2205);  // 100 ms
    b->Play(0, 0, 0);
    Levels l = Mix(400);
    EXPECT_GT(l.peakLeft, 0.5f);
    EXPECT_GT(l.peakRight, 0.5f);
    Mix(400);
    // Resampled to 8000 Hz the sound lasts about 800 frames.
    EXPECT_FALSE(Playing(b));
}

TEST_F(SdlDeviceTest, PositivePanIsLouderOnTheRight)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 800);
    b->SetPan(1200);
    b->Play(0, 0, 0);
    Levels l = Mix(200);
    EXPECT_GT(l.peakRight, 0.5f);
    EXPECT_NEAR(l.peakLeft / l.peakRight, std::pow(10.0f, -1200 / 2000.0f), 0.01f);
}

TEST_F(SdlDeviceTest, VolumeScalesAndTheFloorIsSilence)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 800);
    b->Play(0, 0, audio::kPlayLooping);
    float full = Mix(100).peakLeft;
    b->SetVolume(-2000);
    EXPECT_NEAR(Mix(100).peakLeft, full * 0.1f, 0.01f);
    b->SetVolume(audio::kVolumeMin);
    EXPECT_EQ(Mix(100).peakLeft, 0.0f);
}

TEST_F(SdlDeviceTest, LoopingWrapsAndStopKeepsPosition)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 100);
    b->Play(0, 0, audio::kPlayLooping);
    EXPECT_GT(Mix(1000).peakLeft, 0.5f);
    EXPECT_TRUE(Playing(b));
    b->Stop();
    EXPECT_EQ(Mix(100).peakLeft, 0.0f);
    EXPECT_FALSE(Playing(b));
}

TEST_F(SdlDeviceTest, DuplicatesPlayTheSharedDataSideBySide)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 800);
    b->SetVolume(-2000);
    audio::SoundBuffer* dup = nullptr;
    ASSERT_EQ(device->DuplicateSoundBuffer(b, &dup), audio::kOk);
    made.push_back(dup);
    b->Play(0, 0, 0);
    float one = Mix(100).peakLeft;
    b->Stop();
    b->Play(0, 0, 0);
    dup->Play(0, 0, 0);
    EXPECT_GT(Mix(100).peakLeft, 1.5f * one);
}

TEST_F(SdlDeviceTest, ReleasingAPlayingBufferTakesItOutOfTheMix)
{
    audio::SoundBuffer* b = MakeTone(1, 16, kRate, 800);
    b->Play(0, 0, audio::kPlayLooping);
    made.clear();
    EXPECT_EQ(b->Release(), 0u);
    EXPECT_EQ(Mix(100).peakLeft, 0.0f);
}

TEST(SdlAudioOutput, DummyDriverOpensAndCloses)
{
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    audio::sdl::SdlDevice* device = nullptr;
    auto error = audio::sdl::SdlDevice::OpenOutput(&device);
    if (previous)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    ASSERT_FALSE(error.has_value()) << *error;
    ASSERT_NE(device, nullptr);
    EXPECT_GT(device->OutputRate(), 0);
    EXPECT_EQ(device->Release(), 0u);
}

}  // namespace
