// RIFF chunk reading over an in-memory copy of the file.
#include "platform/os/riff.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace os {

namespace {
uint32_t ReadLe32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint64_t ChunkEnd(const ChunkInfo& chunk)
{
    return static_cast<uint64_t>(chunk.dataOffset) + chunk.size;
}

uint64_t ClaimedEnd(const ChunkInfo& chunk)
{
    return static_cast<uint64_t>(chunk.dataOffset) + chunk.claimedSize;
}
}  // namespace

bool RiffReader::OpenFile(const std::string& path)
{
    Close();
    // An empty file name leaves the folder, which opens but fails at the first read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad() || data.size() > std::numeric_limits<uint32_t>::max())
        return false;
    mData = std::move(data);
    mOpen = true;
    return true;
}

void RiffReader::OpenMemory(const void* data, size_t size)
{
    Close();
    const auto* bytes = static_cast<const uint8_t*>(data);
    mData.assign(bytes, bytes + size);
    mOpen = true;
}

void RiffReader::Close()
{
    mData.clear();
    mData.shrink_to_fit();
    mPosition = 0;
    mOpen = false;
}

bool RiffReader::ReadHeader(ChunkInfo* chunk, uint64_t limit)
{
    uint64_t headerEnd = static_cast<uint64_t>(mPosition) + 8;
    if (headerEnd > limit || headerEnd > mData.size())
        return false;
    chunk->id = ReadLe32(&mData[mPosition]);
    chunk->claimedSize = ReadLe32(&mData[mPosition + 4]);
    chunk->dataOffset = mPosition + 8;
    chunk->formType = 0;
    // An inner chunk must fit its parent, or a broken size would send the reader anywhere.
    if (ClaimedEnd(*chunk) > limit)
        return false;
    chunk->size = static_cast<uint32_t>(std::min<uint64_t>(chunk->claimedSize, mData.size() - chunk->dataOffset));
    mPosition = chunk->dataOffset;
    if (chunk->id == kFourCcRiff || chunk->id == kFourCcList) {
        if (chunk->size < 4 || static_cast<uint64_t>(mPosition) + 4 > mData.size())
            return false;
        chunk->formType = ReadLe32(&mData[mPosition]);
        mPosition += 4;
    }
    return true;
}

bool RiffReader::Descend(ChunkInfo* chunk, const ChunkInfo* parent, uint32_t flags)
{
    if (!mOpen || !chunk)
        return false;
    uint64_t limit = parent ? ClaimedEnd(*parent) : std::numeric_limits<uint64_t>::max();
    if (parent && mPosition < parent->dataOffset)
        return false;
    const uint32_t wantedId = chunk->id;
    const uint32_t wantedForm = chunk->formType;
    for (;;) {
        ChunkInfo found;
        if (!ReadHeader(&found, limit))
            return false;
        bool match = true;
        if (flags & kDescendFindChunk)
            match = found.id == wantedId;
        else if (flags & kDescendFindRiff)
            match = found.id == kFourCcRiff && found.formType == wantedForm;
        if (match) {
            *chunk = found;
            return true;
        }
        uint64_t next = ChunkEnd(found) + (found.size & 1);
        if (next >= limit || next >= mData.size())
            return false;
        mPosition = static_cast<uint32_t>(next);
    }
}

bool RiffReader::Ascend(const ChunkInfo& chunk)
{
    if (!mOpen)
        return false;
    uint64_t next = ChunkEnd(chunk) + (chunk.size & 1);
    if (next > mData.size()) {
        mPosition = static_cast<uint32_t>(mData.size());
        return false;
    }
    mPosition = static_cast<uint32_t>(next);
    return true;
}

size_t RiffReader::Read(void* buffer, size_t size)
{
    if (!mOpen || !buffer)
        return 0;
    size_t available = mData.size() - mPosition;
    size_t count = size < available ? size : available;
    if (count > 0)
        std::memcpy(buffer, mData.data() + mPosition, count);
    mPosition += static_cast<uint32_t>(count);
    return count;
}

bool RiffReader::Seek(uint32_t offset)
{
    if (!mOpen || offset > mData.size())
        return false;
    mPosition = offset;
    return true;
}

}  // namespace os
