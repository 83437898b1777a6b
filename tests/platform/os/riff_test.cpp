// Tests of the RIFF chunk reader on well-formed and broken chunk files.
#include "platform/os/riff.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

void Append32(Bytes* out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendId(Bytes* out, const char* id)
{
    out->insert(out->end(), id, id + 4);
}

Bytes Chunk(const char* id, const Bytes& data, uint32_t claimedSize)
{
    Bytes out;
    AppendId(&out, id);
    Append32(&out, claimedSize);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2)
        out.push_back(0);
    return out;
}

Bytes Chunk(const char* id, const Bytes& data)
{
    return Chunk(id, data, static_cast<uint32_t>(data.size()));
}

Bytes Riff(const char* form, const std::vector<Bytes>& chunks)
{
    Bytes body;
    AppendId(&body, form);
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    return Chunk("RIFF", body);
}

class RiffReaderTest : public ::testing::Test {
protected:
    os::RiffReader reader;
    os::ChunkInfo riff;

    void OpenAndDescendRiff(const Bytes& file)
    {
        reader.OpenMemory(file.data(), file.size());
        ASSERT_TRUE(reader.Descend(&riff, nullptr, 0));
        ASSERT_EQ(riff.id, os::kFourCcRiff);
    }

    bool Find(const char* id, os::ChunkInfo* chunk)
    {
        *chunk = os::ChunkInfo{};
        chunk->id = os::MakeFourCc(id[0], id[1], id[2], id[3]);
        return reader.Descend(chunk, &riff, os::kDescendFindChunk);
    }
};

TEST_F(RiffReaderTest, DescendsIntoRiffAndFindsChunksPastOddSizedOnes)
{
    Bytes file = Riff("WAVE", {Chunk("junk", {1, 2, 3}), Chunk("fmt ", {9, 8, 7, 6}), Chunk("data", {5, 6})});
    OpenAndDescendRiff(file);
    EXPECT_EQ(riff.formType, os::MakeFourCc('W', 'A', 'V', 'E'));
    EXPECT_EQ(riff.dataOffset, 8u);
    EXPECT_EQ(riff.size, file.size() - 8);

    os::ChunkInfo fmt;
    ASSERT_TRUE(Find("fmt ", &fmt));
    EXPECT_EQ(fmt.size, 4u);
    uint8_t bytes[4] = {};
    EXPECT_EQ(reader.Read(bytes, 4), 4u);
    EXPECT_EQ(bytes[0], 9);
    EXPECT_EQ(bytes[3], 6);
    ASSERT_TRUE(reader.Ascend(fmt));

    os::ChunkInfo data;
    ASSERT_TRUE(Find("data", &data));
    EXPECT_EQ(reader.Tell(), data.dataOffset);
    EXPECT_EQ(data.size, 2u);
}

TEST_F(RiffReaderTest, SeekBackAndSearchAgainFindsTheSameChunk)
{
    Bytes file = Riff("WAVE", {Chunk("fmt ", {1, 2}), Chunk("data", {3, 4, 5, 6})});
    OpenAndDescendRiff(file);
    os::ChunkInfo first, second;
    ASSERT_TRUE(Find("data", &first));
    uint8_t b[2];
    reader.Read(b, 2);
    ASSERT_TRUE(reader.Seek(riff.dataOffset + 4));
    ASSERT_TRUE(Find("data", &second));
    EXPECT_EQ(first.dataOffset, second.dataOffset);
    EXPECT_EQ(reader.Read(b, 1), 1u);
    EXPECT_EQ(b[0], 3);
}

TEST_F(RiffReaderTest, FindRiffMatchesTheFormType)
{
    Bytes file = Riff("AVI ", {Chunk("data", {1, 2})});
    Bytes wave = Riff("WAVE", {Chunk("data", {1, 2})});
    file.insert(file.end(), wave.begin(), wave.end());
    reader.OpenMemory(file.data(), file.size());
    os::ChunkInfo found;
    found.formType = os::MakeFourCc('W', 'A', 'V', 'E');
    ASSERT_TRUE(reader.Descend(&found, nullptr, os::kDescendFindRiff));
    EXPECT_EQ(found.dataOffset, wave.size() + 8);
}

TEST_F(RiffReaderTest, MissingChunkFailsAtTheParentsEnd)
{
    // A "data" chunk after the RIFF chunk is outside it and must not be found.
    Bytes file = Riff("WAVE", {Chunk("fmt ", {1, 2})});
    Bytes outside = Chunk("data", {1, 2});
    file.insert(file.end(), outside.begin(), outside.end());
    OpenAndDescendRiff(file);
    os::ChunkInfo data;
    EXPECT_FALSE(Find("data", &data));
}

TEST_F(RiffReaderTest, ChunkClaimingMoreThanItsParentFails)
{
    Bytes file = Riff("WAVE", {Chunk("fmt ", {1, 2}, 0x7FFFFFF0), Chunk("data", {1, 2})});
    OpenAndDescendRiff(file);
    os::ChunkInfo chunk;
    EXPECT_FALSE(Find("fmt ", &chunk));
    ASSERT_TRUE(reader.Seek(riff.dataOffset + 4));
    // Skipping the broken chunk would jump outside the file: the search fails instead.
    EXPECT_FALSE(Find("data", &chunk));
}

TEST_F(RiffReaderTest, TruncatedOuterChunkReadsOnlyWhatTheFileHolds)
{
    Bytes file = Riff("WAVE", {Chunk("data", Bytes(100, 7))});
    file.resize(file.size() - 60);
    OpenAndDescendRiff(file);
    os::ChunkInfo data;
    ASSERT_TRUE(Find("data", &data));
    EXPECT_EQ(data.claimedSize, 100u);
    EXPECT_EQ(data.size, 40u);
    Bytes buffer(100, 0);
    EXPECT_EQ(reader.Read(buffer.data(), buffer.size()), 40u);
    EXPECT_EQ(buffer[39], 7);
    EXPECT_EQ(buffer[40], 0);
    EXPECT_EQ(reader.Read(buffer.data(), 1), 0u);
}

TEST_F(RiffReaderTest, HeaderCutShortFails)
{
    Bytes file = Riff("WAVE", {Chunk("fmt ", {1, 2})});
    for (size_t keep : {0u, 3u, 8u, 11u}) {
        reader.OpenMemory(file.data(), keep);
        os::ChunkInfo chunk;
        EXPECT_FALSE(reader.Descend(&chunk, nullptr, 0)) << keep;
    }
    reader.OpenMemory(file.data(), 16);
    ASSERT_TRUE(reader.Descend(&riff, nullptr, 0));
    os::ChunkInfo fmt;
    EXPECT_FALSE(Find("fmt ", &fmt));
}

TEST_F(RiffReaderTest, SeekAndAscendStayInsideTheFile)
{
    Bytes file = Riff("WAVE", {Chunk("data", {1, 2})});
    reader.OpenMemory(file.data(), file.size());
    EXPECT_TRUE(reader.Seek(static_cast<uint32_t>(file.size())));
    EXPECT_FALSE(reader.Seek(static_cast<uint32_t>(file.size()) + 1));
    os::ChunkInfo huge;
    huge.dataOffset = 8;
    huge.size = 1000;
    EXPECT_FALSE(reader.Ascend(huge));
    uint8_t b;
    EXPECT_EQ(reader.Read(&b, 1), 0u);
}

TEST_F(RiffReaderTest, ClosedReaderDoesNothing)
{
    os::ChunkInfo chunk;
    uint8_t b;
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Descend(&chunk, nullptr, 0));
    EXPECT_EQ(reader.Read(&b, 1), 0u);
    EXPECT_FALSE(reader.Seek(0));
}

TEST_F(RiffReaderTest, OpensFilesAndFailsOnMissingOnes)
{
    Bytes file = Riff("WAVE", {Chunk("data", {1, 2})});
    auto path = std::filesystem::temp_directory_path() / ("riff_test_" + std::to_string(::getpid()) + ".wav");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
    ASSERT_TRUE(reader.OpenFile(path.string()));
    EXPECT_EQ(reader.FileSize(), file.size());
    EXPECT_TRUE(reader.Descend(&riff, nullptr, 0));
    std::filesystem::remove(path);
    EXPECT_FALSE(reader.OpenFile(path.string()));
    EXPECT_FALSE(reader.IsOpen());
}

}  // namespace
