// Tests of the resource manager's sound side on the silent device: loading, the five-copy
// limit, distance and pan laws, the background sound and the sound switch.
#include <algorithm>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "core/camera.h"
#include "core/message_log.h"
#include "core/vec3.h"
#include "db/db_fixture.h"
#include "engine/resource_manager.h"
#include "engine/wave_test_files.h"
#include "platform/audio/buffer_base.h"
#include "platform/os/clock.h"
#include "support/scoped_global.h"

namespace {

using wavetest::Bytes;
using wavetest::WaveSpec;

constexpr int kBeep = 12;

// Silent audio at volume 80, sound on, for the life of a test.
struct SoundLevels {
    ScopedGlobal<audio::Backend> backend{gSoundBackend, audio::Backend::kSilent};
    ScopedGlobal<decltype(gSoundOff)> off{gSoundOff, 0};
    ScopedGlobal<decltype(gSoundVolume)> volume{gSoundVolume, 80};
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        os::SetManualTime(true, 5000);
        gCamera.SetEye(0.0f, 0.0f, -30.0f);
        manager = new CResourceManager();
        ASSERT_EQ(manager->InitSound(), audio::kOk);
        // 8-bit mono at 8000 Hz: 800 bytes last 100 ms.
        WaveSpec beep;
        beep.data = Bytes(800, 0xC0);
        beepPath = folder.Write("beep.wav", wavetest::MakeWave(beep));
    }

    void TearDown() override
    {
        delete manager;
        gSoundReady = 0;
        os::SetManualTime(false);
    }

    size_t CopiesOf(int id) { return manager->mSoundBuffers.count(id); }

    int PlayingCopiesOf(int id)
    {
        int playing = 0;
        auto range = manager->mSoundBuffers.equal_range(id);
        for (auto it = range.first; it != range.second; ++it) {
            uint32_t status = 0;
            it->second->GetStatus(&status);
            playing += (status & audio::kStatusPlaying) ? 1 : 0;
        }
        return playing;
    }

    // Plays the beep at a place and returns the buffer that took the request.
    audio::SoundBuffer* PlayBeepAt(const Vec3& where)
    {
        SoundRequest request;
        request.soundId = kBeep;
        request.position = &where;
        manager->PlaySoundAt(request);
        auto range = manager->mSoundBuffers.equal_range(kBeep);
        return range.first == range.second ? nullptr : std::prev(range.second)->second;
    }

    std::vector<uint8_t> Contents(audio::SoundBuffer* buffer)
    {
        void* p = nullptr;
        uint32_t n = 0;
        EXPECT_EQ(buffer->Lock(0, 0, &p, &n, nullptr, nullptr, audio::kLockEntireBuffer), audio::kOk);
        std::vector<uint8_t> bytes(static_cast<uint8_t*>(p), static_cast<uint8_t*>(p) + n);
        buffer->Unlock(p, n, nullptr, 0);
        return bytes;
    }

    wavetest::TempFolder folder;
    SoundLevels levels;
    std::string beepPath;
    CResourceManager* manager = nullptr;
};

TEST_F(SoundTest, LoadedSoundIsFiledUnderItsIdWithTheFileData)
{
    audio::SoundBuffer* b = manager->LoadSoundFile(kBeep, beepPath.c_str());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(CopiesOf(kBeep), 1u);
    EXPECT_EQ(Contents(b), Bytes(800, 0xC0));
    EXPECT_EQ(b->GetFormat().samplesPerSec, 8000u);
}

TEST_F(SoundTest, ShortFilesKeepJustTheDataTheyHold)
{
    WaveSpec eight;
    eight.data = {1, 2, 3};
    eight.claimedDataSize = 8;
    audio::SoundBuffer* b8 = manager->LoadSoundFile(1, folder.Write("short8.wav", wavetest::MakeWave(eight)).c_str());
    ASSERT_NE(b8, nullptr);
    EXPECT_EQ(Contents(b8), (Bytes{1, 2, 3}));

    WaveSpec sixteen;
    sixteen.bits = 16;
    sixteen.data = {0x11, 0x22, 0x33, 0x44};
    sixteen.claimedDataSize = 10;
    audio::SoundBuffer* b16 =
        manager->LoadSoundFile(2, folder.Write("short16.wav", wavetest::MakeWave(sixteen)).c_str());
    ASSERT_NE(b16, nullptr);
    EXPECT_EQ(Contents(b16), (Bytes{0x11, 0x22, 0x33, 0x44}));

    // The 44-byte file whose data chunk claims 256 MB holds no sound and sizes no buffer.
    WaveSpec hostile;
    hostile.claimedDataSize = 256u << 20;
    EXPECT_EQ(manager->LoadSoundFile(3, folder.Write("hostile.wav", wavetest::MakeWave(hostile)).c_str()), nullptr);
}

TEST_F(SoundTest, UnloadableFilesGiveNoBuffer)
{
    ClearFlightMessages();
    EXPECT_EQ(manager->LoadSoundFile(1, (folder.Path() / "missing.wav").c_str()), nullptr);
    WaveSpec empty;
    EXPECT_EQ(manager->LoadSoundFile(1, folder.Write("empty.wav", wavetest::MakeWave(empty)).c_str()), nullptr);
    WaveSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.bits = 4;
    adpcm.data = {1, 2, 3, 4};
    EXPECT_EQ(manager->LoadSoundFile(1, folder.Write("adpcm.wav", wavetest::MakeWave(adpcm)).c_str()), nullptr);
    EXPECT_EQ(CopiesOf(1), 0u);
    EXPECT_TRUE(FlightMessages().empty());
}

TEST_F(SoundTest, OverlappingRequestsPlayDuplicatesUpToFive)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    Vec3 here(0.0f, 0.0f, 30.0f);
    PlayBeepAt(here);
    EXPECT_EQ(CopiesOf(kBeep), 1u);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 1);
    PlayBeepAt(here);
    EXPECT_EQ(CopiesOf(kBeep), 2u);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 2);
    for (int i = 0; i < 3; ++i)
        PlayBeepAt(here);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 5);
    // The sixth overlapping request is dropped.
    PlayBeepAt(here);
    EXPECT_EQ(CopiesOf(kBeep), 5u);

    // Once they have ended the first free buffer is reused; nothing new is made.
    os::AdvanceManualTime(100);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 0);
    PlayBeepAt(here);
    EXPECT_EQ(CopiesOf(kBeep), 5u);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 1);
    uint32_t status = 0;
    manager->mSoundBuffers.find(kBeep)->second->GetStatus(&status);
    EXPECT_TRUE(status & audio::kStatusPlaying);
}

TEST_F(SoundTest, DuplicateTakesTheLevelsOfItsOwnPlace)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    PlayBeepAt(Vec3(-150.0f, 0.0f, 30.0f));
    audio::SoundBuffer* dup = PlayBeepAt(Vec3(150.0f, 0.0f, 30.0f));
    ASSERT_EQ(CopiesOf(kBeep), 2u);
    int32_t pan = 0, firstPan = 0;
    dup->GetPan(&pan);
    manager->mSoundBuffers.find(kBeep)->second->GetPan(&firstPan);
    EXPECT_EQ(pan, 10000);
    EXPECT_EQ(firstPan, -10000);
}

TEST_F(SoundTest, PanFollowsOnlyTheDifferenceInX)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    gCamera.SetEye(500.0f, 40.0f, -30.0f);
    int32_t pan = 1;
    PlayBeepAt(Vec3(500.0f, 290.0f, 30.0f))->GetPan(&pan);
    EXPECT_EQ(pan, 0);
    os::AdvanceManualTime(100);
    PlayBeepAt(Vec3(650.0f, 40.0f, 30.0f))->GetPan(&pan);
    EXPECT_EQ(pan, 10000);
    os::AdvanceManualTime(100);
    PlayBeepAt(Vec3(479.5f, 40.0f, 30.0f))->GetPan(&pan);
    EXPECT_EQ(pan, -2100);
}

TEST_F(SoundTest, VolumeIsFlatWithin200UnitsAndFallsBeyond)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    int32_t volume = 1;
    // The eye is 60 units above the plane: height never counts.
    PlayBeepAt(Vec3(0.0f, 199.0f, 30.0f))->GetVolume(&volume);
    EXPECT_EQ(volume, -500);
    os::AdvanceManualTime(100);

    // d2 + 1 = 80000 makes the attenuation exactly one half.
    const float x = 282.840942f;
    ASSERT_EQ(x * x, 79999.0f);
    PlayBeepAt(Vec3(x, 0.0f, 30.0f))->GetVolume(&volume);
    EXPECT_EQ(volume, -1500);
    os::AdvanceManualTime(100);

    gSoundVolume = 100;
    PlayBeepAt(Vec3(100.0f, 0.0f, 30.0f))->GetVolume(&volume);
    EXPECT_EQ(volume, 0);
}

TEST_F(SoundTest, InterfaceSoundsIgnoreTheCamera)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    gCamera.SetEye(5000.0f, 5000.0f, -30.0f);
    SoundRequest request;
    request.soundId = kBeep;
    request.position = &gZeroVector;
    manager->PlaySoundAt(request);
    audio::SoundBuffer* b = manager->mSoundBuffers.find(kBeep)->second;
    int32_t volume = 1, pan = 1;
    b->GetVolume(&volume);
    b->GetPan(&pan);
    EXPECT_EQ(volume, -500);
    EXPECT_EQ(pan, 0);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 1);
}

TEST_F(SoundTest, NothingPlaysWhileSoundIsOff)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    gSoundOff = 1;
    PlayBeepAt(Vec3(0.0f, 0.0f, 30.0f));
    manager->PlaySound(kBeep);
    EXPECT_EQ(PlayingCopiesOf(kBeep), 0);
    EXPECT_EQ(manager->mBackgroundSound, nullptr);
}

TEST_F(SoundTest, LostBufferIsRestoredBeforePlaying)
{
    audio::SoundBuffer* b = manager->LoadSoundFile(kBeep, beepPath.c_str());
    ASSERT_NE(b, nullptr);
    dynamic_cast<audio::BufferBase&>(*b).Lose(2);
    PlayBeepAt(Vec3(0.0f, 0.0f, 30.0f));
    EXPECT_EQ(PlayingCopiesOf(kBeep), 1);
}

TEST_F(SoundTest, BufferThatStaysLostIsGivenUp)
{
    audio::SoundBuffer* b = manager->LoadSoundFile(kBeep, beepPath.c_str());
    ASSERT_NE(b, nullptr);
    auto& base = dynamic_cast<audio::BufferBase&>(*b);
    base.Lose(1000000);
    PlayBeepAt(Vec3(0.0f, 0.0f, 30.0f));
    EXPECT_EQ(PlayingCopiesOf(kBeep), 0);
    EXPECT_TRUE(base.IsLost());
}

TEST_F(SoundTest, ReinitialisingReleasesEveryBufferAndStaysReady)
{
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    ASSERT_NE(manager->LoadSoundFile(kBeep + 1, beepPath.c_str()), nullptr);
    EXPECT_EQ(manager->InitSound(), audio::kOk);
    EXPECT_TRUE(manager->mSoundBuffers.empty());
    EXPECT_EQ(manager->mBackgroundSound, nullptr);
    EXPECT_NE(manager->mSoundDevice, nullptr);
    EXPECT_EQ(gSoundReady, 1);
    EXPECT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
}

TEST_F(SoundTest, AudioThatCannotStartFallsBackToSilenceWithOneLine)
{
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    gSoundBackend = audio::Backend::kSdl;
    testing::internal::CaptureStderr();
    audio::Result r = manager->InitSound();
    std::string err = testing::internal::GetCapturedStderr();
    if (previous)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(r, audio::kOk);
    EXPECT_EQ(gSoundReady, 1);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // The silent device stands in: sounds load and report playing.
    ASSERT_NE(manager->LoadSoundFile(kBeep, beepPath.c_str()), nullptr);
    PlayBeepAt(Vec3(0.0f, 0.0f, 30.0f));
    EXPECT_EQ(PlayingCopiesOf(kBeep), 1);
}

// LoadSound and the background sound end to end: rows in a temporary content database, files
// in the game folder's sound/ folder.
class SoundFromDatabaseTest : public DbFixture {
protected:
    static constexpr int kHum = 9901;
    static constexpr int kDrone = 9902;
    static constexpr int kMissingFile = 9903;
    static constexpr int kNoRow = 9904;

    void SetUp() override
    {
        DbFixture::SetUp();
        WaveSpec hum;
        hum.data = Bytes(800, 0xA0);
        WriteFile("sound/hum.wav", wavetest::MakeWave(hum));
        WaveSpec drone;
        drone.bits = 16;
        drone.data = Bytes(1600, 0x10);
        WriteFile("sound/drone.wav", wavetest::MakeWave(drone));
        Content(
            "insert or replace into sound values (9901, 'hum.wav'), (9902, 'drone.wav'), "
            "(9903, 'gone.wav')");
        ASSERT_TRUE(gGameDatabase.Open(ContentFile(), SaveFile()));
        folder.Enter();
        os::SetManualTime(true, 1000);
        manager = new CResourceManager();
        manager->InitSound();
    }

    void TearDown() override
    {
        delete manager;
        gSoundReady = 0;
        os::SetManualTime(false);
        gGameDatabase.Close();
        DbFixture::TearDown();
    }

    void WriteFile(const std::string& name, const Bytes& bytes)
    {
        folder.WriteFile(name, {bytes.begin(), bytes.end()});
    }

    uint32_t Status(audio::SoundBuffer* b)
    {
        uint32_t status = 0;
        EXPECT_EQ(b->GetStatus(&status), audio::kOk);
        return status;
    }

    SoundLevels levels;
    CResourceManager* manager = nullptr;
};

TEST_F(SoundFromDatabaseTest, LoadSoundReadsTheRowsFile)
{
    audio::SoundBuffer* b = manager->LoadSound(kDrone);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetBufferBytes(), 1600u);
    EXPECT_EQ(b->GetFormat().bitsPerSample, 16);
    EXPECT_EQ(manager->mSoundBuffers.count(kDrone), 1u);
}

TEST_F(SoundFromDatabaseTest, NoRowNoFileOrNoDeviceGiveNull)
{
    EXPECT_EQ(manager->LoadSound(kNoRow), nullptr);
    EXPECT_EQ(manager->LoadSound(kMissingFile), nullptr);
    // A missing row must not reuse the previous query's file.
    ASSERT_NE(manager->LoadSound(kHum), nullptr);
    EXPECT_EQ(manager->LoadSound(kNoRow), nullptr);
    gSoundReady = 0;
    EXPECT_EQ(manager->LoadSound(kHum), nullptr);
    EXPECT_EQ(manager->mSoundBuffers.size(), 1u);
}

TEST_F(SoundFromDatabaseTest, FirstRequestLoadsAndPlays)
{
    SoundRequest request;
    request.soundId = kHum;
    request.position = &gZeroVector;
    manager->PlaySoundAt(request);
    ASSERT_EQ(manager->mSoundBuffers.count(kHum), 1u);
    EXPECT_TRUE(Status(manager->mSoundBuffers.find(kHum)->second) & audio::kStatusPlaying);
}

TEST_F(SoundFromDatabaseTest, BackgroundLoopsAtTheFlatVolume)
{
    manager->PlaySound(kHum);
    audio::SoundBuffer* bg = manager->mBackgroundSound;
    ASSERT_NE(bg, nullptr);
    os::AdvanceManualTime(60000);
    EXPECT_EQ(Status(bg), audio::kStatusPlaying | audio::kStatusLooping);
    int32_t volume = 1, pan = 1;
    bg->GetVolume(&volume);
    bg->GetPan(&pan);
    EXPECT_EQ(volume, -500);
    EXPECT_EQ(pan, 0);
}

TEST_F(SoundFromDatabaseTest, NextBackgroundReplacesThePreviousOne)
{
    manager->PlaySound(kHum);
    manager->PlaySound(kDrone);
    ASSERT_NE(manager->mBackgroundSound, nullptr);
    EXPECT_EQ(manager->mBackgroundSound->GetFormat().bitsPerSample, 16);
    EXPECT_TRUE(Status(manager->mBackgroundSound) & audio::kStatusPlaying);
    // The old one is stopped and gone, not left behind in the multimap.
    EXPECT_EQ(manager->mSoundBuffers.count(kHum), 0u);
    EXPECT_EQ(manager->mSoundBuffers.count(kDrone), 1u);

    // Coming back to the same screen again and again keeps one copy.
    for (int i = 0; i < 4; ++i)
        manager->PlaySound(kDrone);
    EXPECT_EQ(manager->mSoundBuffers.count(kDrone), 1u);
}

TEST_F(SoundFromDatabaseTest, BackgroundThatFailsToLoadLeavesSilence)
{
    manager->PlaySound(kHum);
    manager->PlaySound(kMissingFile);
    EXPECT_EQ(manager->mBackgroundSound, nullptr);
    EXPECT_TRUE(manager->mSoundBuffers.empty());
}

}  // namespace
