// The image header probe the content check relies on.
#include "content/game_files.h"

#include <gtest/gtest.h>

namespace {

using content_check::ProbeImage;

std::vector<uint8_t> PngHeader(uint32_t w, uint32_t h) {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {w, h})
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
    b.resize(33, 0);
    return b;
}

TEST(GameFilesTest, ProbesPngAndJpegSizesAndRejectsDamage) {
    auto png = ProbeImage(PngHeader(800, 600));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, 800);
    EXPECT_EQ(png->height, 600);

    std::vector<uint8_t> bad = PngHeader(64, 64);
    bad[1] = 'Q';
    EXPECT_FALSE(ProbeImage(bad));
    EXPECT_FALSE(ProbeImage(PngHeader(0, 16)));
    EXPECT_FALSE(ProbeImage({0x89, 'P'}));

    // SOI, an APP0 segment to skip, then a baseline frame of 600 rows and 800 columns.
    std::vector<uint8_t> jpeg = {0xff, 0xd8, 0xff, 0xe0, 0, 4, 0, 0, 0xff, 0xc0, 0, 11, 8, 0x02, 0x58, 0x03, 0x20, 3};
    auto size = ProbeImage(jpeg);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 800);
    EXPECT_EQ(size->height, 600);
    jpeg.resize(10);
    EXPECT_FALSE(ProbeImage(jpeg));
}

TEST(GameFilesTest, PowerOfTwo) {
    EXPECT_TRUE(content_check::IsPowerOfTwo(1));
    EXPECT_TRUE(content_check::IsPowerOfTwo(256));
    EXPECT_FALSE(content_check::IsPowerOfTwo(0));
    EXPECT_FALSE(content_check::IsPowerOfTwo(800));
    EXPECT_FALSE(content_check::IsPowerOfTwo(-4));
}

}  // namespace
