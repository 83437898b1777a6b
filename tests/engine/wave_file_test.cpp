// Tests of CWaveFile: header checks, formats, and reads bounded by the data chunk and the file.
#include "engine/wave_file.h"

#include <gtest/gtest.h>

#include "engine/wave_test_files.h"

namespace {

using wavetest::Bytes;
using wavetest::WaveSpec;

class WaveFileTest : public ::testing::Test {
protected:
    std::string Write(const WaveSpec& spec) { return folder.Write("sound.wav", wavetest::MakeWave(spec)); }

    wavetest::TempFolder folder;
    CWaveFile wave;
};

TEST_F(WaveFileTest, ReadsAPcmFileWhole)
{
    WaveSpec spec;
    spec.channels = 2;
    spec.bits = 16;
    spec.rate = 22050;
    spec.data = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(wave.Open(Write(spec).c_str(), nullptr, kWaveOpenRead), audio::kOk);
    const audio::WaveFormat* f = wave.GetFormat();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->formatTag, audio::kFormatPcm);
    EXPECT_EQ(f->channels, 2);
    EXPECT_EQ(f->samplesPerSec, 22050u);
    EXPECT_EQ(f->avgBytesPerSec, 22050u * 4);
    EXPECT_EQ(f->blockAlign, 4);
    EXPECT_EQ(f->bitsPerSample, 16);
    EXPECT_EQ(f->extraSize, 0);
    EXPECT_EQ(wave.GetSize(), 8u);

    uint8_t buffer[16] = {};
    uint32_t read = 99;
    EXPECT_EQ(wave.Read(buffer, 5, &read), audio::kOk);
    EXPECT_EQ(read, 5u);
    EXPECT_EQ(wave.Read(buffer + 5, 16, &read), audio::kOk);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(Bytes(buffer, buffer + 8), spec.data);
    // Everything read: further reads copy nothing.
    EXPECT_EQ(wave.Read(buffer, 16, &read), audio::kOk);
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(wave.GetSize(), 8u);
}

TEST_F(WaveFileTest, RewindMakesTheWholeDataUnreadAgain)
{
    WaveSpec spec;
    spec.data = {10, 20, 30};
    ASSERT_EQ(wave.Open(Write(spec).c_str(), nullptr, kWaveOpenRead), audio::kOk);
    uint8_t buffer[3];
    uint32_t read = 0;
    wave.Read(buffer, 3, &read);
    ASSERT_EQ(wave.Rewind(), audio::kOk);
    EXPECT_EQ(wave.Read(buffer, 3, &read), audio::kOk);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(buffer[0], 10);
}

TEST_F(WaveFileTest, NonPcmFormatCarriesItsExtraBytes)
{
    WaveSpec spec;
    spec.formatTag = 2;
    spec.bits = 4;
    spec.formatExtra = {0xAA, 0xBB, 0xCC, 0xDD};
    spec.data = {1, 2};
    ASSERT_EQ(wave.Open(Write(spec).c_str(), nullptr, kWaveOpenRead), audio::kOk);
    ASSERT_NE(wave.GetFormat(), nullptr);
    EXPECT_EQ(wave.GetFormat()->formatTag, 2);
    EXPECT_EQ(wave.GetFormat()->extraSize, 4);
    EXPECT_EQ(wave.GetFormatExtra(), spec.formatExtra);
    EXPECT_EQ(wave.GetSize(), 2u);
}

TEST_F(WaveFileTest, NonPcmExtraBytesMustLieInsideTheFormatChunk)
{
    WaveSpec spec;
    spec.data = {1, 2};
    Bytes file = wavetest::MakeWave(spec);
    file[20] = 2;  // a non-PCM tag in a 16-byte "fmt ": no room for the extra-size word
    EXPECT_EQ(wave.Open(folder.Write("noword.wav", file).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    WaveSpec overlong;
    overlong.formatTag = 2;
    overlong.formatExtra = {1, 2};
    overlong.data = {1, 2};
    Bytes counted = wavetest::MakeWave(overlong);
    counted[36] = 40;  // the extra-size word counts more bytes than the chunk holds
    EXPECT_EQ(wave.Open(folder.Write("overlong.wav", counted).c_str(), nullptr, kWaveOpenRead), audio::kFail);
}

TEST_F(WaveFileTest, BadHeadersFail)
{
    WaveSpec wrongForm;
    wrongForm.form = "AVI ";
    wrongForm.data = {1};
    EXPECT_EQ(wave.Open(Write(wrongForm).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    WaveSpec noData;
    noData.withData = false;
    EXPECT_EQ(wave.Open(Write(noData).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    WaveSpec good;
    good.data = {1, 2};
    Bytes shortFmt = wavetest::MakeWave(good);
    shortFmt[16] = 14;  // "fmt " size below 16
    EXPECT_EQ(wave.Open(folder.Write("short.wav", shortFmt).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    Bytes notRiff = wavetest::MakeWave(good);
    notRiff[0] = 'X';
    EXPECT_EQ(wave.Open(folder.Write("x.wav", notRiff).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    Bytes cut = wavetest::MakeWave(good);
    cut.resize(30);  // ends inside "fmt "
    EXPECT_EQ(wave.Open(folder.Write("cut.wav", cut).c_str(), nullptr, kWaveOpenRead), audio::kFail);

    // After a failed open nothing is left open.
    uint8_t b;
    uint32_t read;
    EXPECT_EQ(wave.Read(&b, 1, &read), kWaveNotInitialized);
    EXPECT_EQ(wave.Rewind(), kWaveNotInitialized);
}

TEST_F(WaveFileTest, OversizedDataChunkFails)
{
    WaveSpec spec;
    spec.data = {1, 2, 3, 4};
    Bytes file = wavetest::MakeWave(spec);
    // The data chunk claims far more than the RIFF chunk around it.
    file[40] = 0xFF;
    file[41] = 0xFF;
    file[42] = 0xFF;
    file[43] = 0x7F;
    EXPECT_EQ(wave.Open(folder.Write("big.wav", file).c_str(), nullptr, kWaveOpenRead), audio::kFail);
}

TEST_F(WaveFileTest, DataClaimingMoreThanTheFileHoldsIsCutToItsBytes)
{
    struct Case {
        Bytes data;
        uint32_t claimed;
    };
    // A file cut short, and the hostile 44-byte file whose data chunk claims 256 MB.
    for (const Case& c : {Case{{1, 2, 3}, 10}, Case{{}, 256u << 20}, Case{{9, 8, 7, 6}, 0x7FFFFF00u}}) {
        WaveSpec spec;
        spec.data = c.data;
        spec.claimedDataSize = c.claimed;
        ASSERT_EQ(wave.Open(Write(spec).c_str(), nullptr, kWaveOpenRead), audio::kOk) << c.claimed;
        EXPECT_EQ(wave.GetSize(), c.data.size());
        Bytes buffer(16, 0xEE);
        uint32_t read = 99;
        EXPECT_EQ(wave.Read(buffer.data(), static_cast<uint32_t>(buffer.size()), &read), audio::kOk);
        ASSERT_EQ(read, c.data.size());
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + read), c.data);
    }
}

TEST_F(WaveFileTest, ArgumentsAndMissingFiles)
{
    EXPECT_EQ(wave.Open(nullptr, nullptr, kWaveOpenRead), audio::kInvalidParam);
    EXPECT_EQ(wave.Open("sound\\none.wav", nullptr, 2), audio::kInvalidParam);
    EXPECT_EQ(wave.Open((folder.Path() / "missing.wav").c_str(), nullptr, kWaveOpenRead), audio::kFail);
    EXPECT_EQ(wave.GetFormat(), nullptr);
    EXPECT_EQ(wave.GetSize(), 0u);
    uint8_t b;
    uint32_t read;
    EXPECT_EQ(wave.Read(&b, 1, &read), kWaveNotInitialized);

    WaveSpec spec;
    spec.data = {1};
    ASSERT_EQ(wave.Open(Write(spec).c_str(), nullptr, kWaveOpenRead), audio::kOk);
    EXPECT_EQ(wave.Read(nullptr, 1, &read), audio::kInvalidParam);
    EXPECT_EQ(wave.Read(&b, 1, nullptr), audio::kInvalidParam);
}

TEST_F(WaveFileTest, GamePathsWithBackslashesOpen)
{
    WaveSpec spec;
    spec.data = {1, 2};
    std::filesystem::create_directories(folder.Path() / "sound");
    folder.Write("sound/beep.wav", wavetest::MakeWave(spec));
    std::string gamePath = folder.Path().string() + "\\sound\\beep.wav";
    EXPECT_EQ(wave.Open(gamePath.c_str(), nullptr, kWaveOpenRead), audio::kOk);
    EXPECT_EQ(wave.GetSize(), 2u);
}

}  // namespace

namespace {

// Every sound the build ships opens as PCM the sound devices take.
TEST(ShippedSounds, AllOpenAsEightOrSixteenBitPcm)
{
    std::filesystem::path folder = std::filesystem::path(VARNOK_GAME_DIR) / "sound";
    if (!std::filesystem::exists(folder))
        GTEST_SKIP() << "no generated sounds in " << folder;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".wav")
            continue;
        ++count;
        CWaveFile wave;
        ASSERT_EQ(wave.Open(entry.path().c_str(), nullptr, kWaveOpenRead), audio::kOk) << entry.path();
        const audio::WaveFormat* f = wave.GetFormat();
        EXPECT_EQ(f->formatTag, audio::kFormatPcm) << entry.path();
        EXPECT_TRUE(f->bitsPerSample == 8 || f->bitsPerSample == 16) << entry.path();
        EXPECT_GT(wave.GetSize(), 0u) << entry.path();
    }
    EXPECT_GT(count, 0);
}

}  // namespace
