// CWaveFile: reads the format and the sample data of a RIFF WAVE sound file.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/audio/audio_types.h"
#include "platform/os/riff.h"

// Results besides audio::kOk, audio::kFail and audio::kInvalidParam.
constexpr audio::Result kWaveNotInitialized = static_cast<audio::Result>(0x800401F0u);

// The one open mode: the reader only reads.
constexpr uint32_t kWaveOpenRead = 1;

class CWaveFile {
public:
    CWaveFile() = default;
    ~CWaveFile();
    CWaveFile(const CWaveFile&) = delete;
    CWaveFile& operator=(const CWaveFile&) = delete;

    // Opens the file (a game path such as "sound\\beep.wav"), reads its header and moves to the
    // start of its "data" chunk. format must be null and mode kWaveOpenRead. A file that cannot
    // be opened gives kFail; any failure after the open closes it again.
    audio::Result Open(const char* fileName, const audio::WaveFormat* format, uint32_t mode);
    // Checks "RIFF"/"WAVE", then reads the "fmt " chunk (at least 16 bytes; non-PCM formats
    // carry an extra-size word and that many bytes more).
    audio::Result ReadHeader();
    // Size of the "data" chunk in bytes, cut to what the file holds: a truncated file keeps its
    // partial data, and a claim no file backs never sizes a buffer.
    uint32_t GetSize() const { return mSize; }
    // Back to the start of the "data" chunk; the whole chunk is unread again.
    audio::Result Rewind();
    // Copies up to size bytes of the data not yet read and sets *read to the bytes copied.
    audio::Result Read(uint8_t* buffer, uint32_t size, uint32_t* read);
    audio::Result Close();

    // The format read by ReadHeader, or null.
    const audio::WaveFormat* GetFormat() const { return mHasFormat ? &mFormat : nullptr; }
    // The bytes that follow the format header of a non-PCM format.
    const std::vector<uint8_t>& GetFormatExtra() const { return mFormatExtra; }

private:
    void FreeFormat();

    audio::WaveFormat mFormat;
    std::vector<uint8_t> mFormatExtra;
    bool mHasFormat = false;
    os::RiffReader mReader;
    os::ChunkInfo mChunk;  // the current chunk: "data" once rewound
    os::ChunkInfo mRiffChunk;
    uint32_t mSize = 0;       // the data chunk's held size, taken at Open
    uint32_t mRemaining = 0;  // data bytes not yet read; Rewind refills it
};
