// A reader of RIFF chunk files (WAVE sounds), in place of the platform's multimedia file I/O.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace os {

constexpr uint32_t MakeFourCc(char a, char b, char c, char d)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) | (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |
           (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24);
}
constexpr uint32_t kFourCcRiff = MakeFourCc('R', 'I', 'F', 'F');
constexpr uint32_t kFourCcList = MakeFourCc('L', 'I', 'S', 'T');

// Descend flags: search the parent for a chunk of that id, or for a RIFF chunk of that form type.
constexpr uint32_t kDescendFindChunk = 0x10;
constexpr uint32_t kDescendFindRiff = 0x20;

struct ChunkInfo {
    uint32_t id = 0;
    uint32_t size = 0;         // bytes of data the file holds, not counting the header or the pad byte
    uint32_t claimedSize = 0;  // bytes of data as the header claims them
    uint32_t formType = 0;     // RIFF and LIST chunks only
    uint32_t dataOffset = 0;   // file offset of the data (for RIFF and LIST: of the form type)
};

// The whole file is held in memory, so every read is bounded by what the file really holds.
// A chunk's claim must lie inside its parent's claim; a truncated file may claim more than it
// holds, and the size reported is cut to the bytes really there, so no claim sizes a buffer.
class RiffReader {
public:
    // False when the file cannot be read.
    bool OpenFile(const std::string& path);
    // Reads from its own copy of the block.
    void OpenMemory(const void* data, size_t size);
    void Close();
    bool IsOpen() const { return mOpen; }

    // Reads the chunk header at the current position (flags 0) or searches forward from it,
    // skipping other chunks, for chunk->id (kDescendFindChunk) or for a RIFF chunk of form type
    // chunk->formType (kDescendFindRiff). With a parent the search stops at the parent's end.
    // On success the position is the chunk's data (past the form type for RIFF and LIST).
    bool Descend(ChunkInfo* chunk, const ChunkInfo* parent, uint32_t flags);
    // Moves past the end of the chunk and its pad byte.
    bool Ascend(const ChunkInfo& chunk);
    // Returns the bytes copied: fewer than asked only at the end of the file.
    size_t Read(void* buffer, size_t size);
    // Absolute offset; false beyond the end of the file.
    bool Seek(uint32_t offset);
    uint32_t Tell() const { return mPosition; }
    uint32_t FileSize() const { return static_cast<uint32_t>(mData.size()); }

private:
    bool ReadHeader(ChunkInfo* chunk, uint64_t limit);

    std::vector<uint8_t> mData;
    uint32_t mPosition = 0;
    bool mOpen = false;
};

}  // namespace os
