// CWaveFile on the RIFF chunk reader.
#include "engine/wave_file.h"

#include "platform/os/path.h"

namespace {
constexpr uint32_t kFourCcWave = os::MakeFourCc('W', 'A', 'V', 'E');
constexpr uint32_t kFourCcFmt = os::MakeFourCc('f', 'm', 't', ' ');
constexpr uint32_t kFourCcData = os::MakeFourCc('d', 'a', 't', 'a');
constexpr uint32_t kPcmFormatBytes = 16;

uint16_t Le16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

CWaveFile::~CWaveFile()
{
    Close();
    FreeFormat();
}

void CWaveFile::FreeFormat()
{
    mFormat = audio::WaveFormat{};
    mFormatExtra.clear();
    mHasFormat = false;
}

audio::Result CWaveFile::Open(const char* fileName, const audio::WaveFormat* format, uint32_t mode)
{
    if (!fileName || format || mode != kWaveOpenRead)
        return audio::kInvalidParam;
    FreeFormat();
    Close();
    mSize = 0;
    mRemaining = 0;
    // No executable resources to fall back on here: a file that cannot be opened fails.
    if (!mReader.OpenFile(os::NativePath(fileName)))
        return audio::kFail;
    audio::Result r = ReadHeader();
    if (!audio::Failed(r))
        r = Rewind();
    if (audio::Failed(r)) {
        Close();
        return r;
    }
    mSize = mChunk.size;
    return audio::kOk;
}

audio::Result CWaveFile::ReadHeader()
{
    if (!mReader.IsOpen())
        return kWaveNotInitialized;
    if (!mReader.Seek(0) || !mReader.Descend(&mRiffChunk, nullptr, 0))
        return audio::kFail;
    if (mRiffChunk.id != os::kFourCcRiff || mRiffChunk.formType != kFourCcWave)
        return audio::kFail;

    os::ChunkInfo fmt;
    fmt.id = kFourCcFmt;
    if (!mReader.Descend(&fmt, &mRiffChunk, os::kDescendFindChunk) || fmt.size < kPcmFormatBytes)
        return audio::kFail;
    uint8_t pcm[kPcmFormatBytes];
    if (mReader.Read(pcm, sizeof pcm) != sizeof pcm)
        return audio::kFail;
    audio::WaveFormat read;
    read.formatTag = Le16(pcm);
    read.channels = Le16(pcm + 2);
    read.samplesPerSec = Le32(pcm + 4);
    read.avgBytesPerSec = Le32(pcm + 8);
    read.blockAlign = Le16(pcm + 12);
    read.bitsPerSample = Le16(pcm + 14);
    std::vector<uint8_t> extra;
    if (read.formatTag != audio::kFormatPcm) {
        // The extra-size word and the bytes it counts must lie inside "fmt ", not in whatever
        // chunk follows it.
        uint8_t extraSize[2];
        if (fmt.size < kPcmFormatBytes + 2 || mReader.Read(extraSize, sizeof extraSize) != sizeof extraSize)
            return audio::kFail;
        read.extraSize = Le16(extraSize);
        if (kPcmFormatBytes + 2 + read.extraSize > fmt.size)
            return audio::kFail;
        extra.resize(read.extraSize);
        if (mReader.Read(extra.data(), extra.size()) != extra.size())
            return audio::kFail;
    }
    if (!mReader.Ascend(fmt))
        return audio::kFail;
    mFormat = read;
    mFormatExtra = std::move(extra);
    mHasFormat = true;
    return audio::kOk;
}

audio::Result CWaveFile::Rewind()
{
    if (!mReader.IsOpen())
        return kWaveNotInitialized;
    if (!mReader.Seek(mRiffChunk.dataOffset + 4))
        return audio::kFail;
    mChunk = os::ChunkInfo{};
    mChunk.id = kFourCcData;
    if (!mReader.Descend(&mChunk, &mRiffChunk, os::kDescendFindChunk))
        return audio::kFail;
    mRemaining = mChunk.size;
    return audio::kOk;
}

audio::Result CWaveFile::Read(uint8_t* buffer, uint32_t size, uint32_t* read)
{
    if (!mReader.IsOpen())
        return kWaveNotInitialized;
    if (!buffer || !read)
        return audio::kInvalidParam;
    *read = 0;
    uint32_t wanted = size < mRemaining ? size : mRemaining;
    auto copied = static_cast<uint32_t>(mReader.Read(buffer, wanted));
    mRemaining -= copied;
    *read = copied;
    return copied < wanted ? audio::kFail : audio::kOk;
}

audio::Result CWaveFile::Close()
{
    mReader.Close();
    return audio::kOk;
}
