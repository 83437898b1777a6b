// Decoding PNG and JPEG images of every colour type, and the resampling of the loader.
#include "platform/gfx/image.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "image_files.h"

namespace gfx {
namespace {

using testing::EncodeJpeg;
using testing::EncodePng;

TEST(ImagePng, EveryColourTypeBecomesArgb)
{
    Image image;
    // Grey: one byte, opaque.
    ASSERT_EQ(DecodeImage(EncodePng(2, 1, PNG_FORMAT_GRAY, {0x00, 0x80}), &image), kOk);
    ASSERT_EQ(image.width, 2u);
    EXPECT_EQ(image.pixels[0], 0xFF000000u);
    EXPECT_EQ(image.pixels[1], 0xFF808080u);

    ASSERT_EQ(DecodeImage(EncodePng(1, 1, PNG_FORMAT_GA, {0x40, 0x7F}), &image), kOk);
    EXPECT_EQ(image.pixels[0], 0x7F404040u) << "grey with alpha keeps its alpha";

    ASSERT_EQ(DecodeImage(EncodePng(2, 1, PNG_FORMAT_RGB, {0x11, 0x22, 0x33, 0xAA, 0xBB, 0xCC}), &image), kOk);
    EXPECT_EQ(image.pixels[0], 0xFF112233u) << "red, green and blue land in their own bytes";
    EXPECT_EQ(image.pixels[1], 0xFFAABBCCu);

    ASSERT_EQ(DecodeImage(EncodePng(1, 2, PNG_FORMAT_RGBA, {1, 2, 3, 4, 5, 6, 7, 8}), &image), kOk);
    ASSERT_EQ(image.height, 2u);
    EXPECT_EQ(image.pixels[0], 0x04010203u);
    EXPECT_EQ(image.pixels[1], 0x08050607u) << "the second row is the second pixel: rows top-down";
}

TEST(ImagePng, PalettesWithAndWithoutTransparency)
{
    Image image;
    const std::vector<uint8_t> opaqueMap = {255, 0, 0, 255, 0, 0, 255, 255};
    ASSERT_EQ(DecodeImage(EncodePng(2, 1, PNG_FORMAT_RGBA_COLORMAP, {1, 0}, opaqueMap), &image), kOk);
    EXPECT_EQ(image.pixels[0], 0xFF0000FFu);
    EXPECT_EQ(image.pixels[1], 0xFFFF0000u);

    const std::vector<uint8_t> clearMap = {0, 255, 0, 0, 0, 255, 0, 255};
    ASSERT_EQ(DecodeImage(EncodePng(2, 1, PNG_FORMAT_RGBA_COLORMAP, {0, 1}, clearMap), &image), kOk);
    EXPECT_EQ(image.pixels[0] >> 24, 0u) << "a transparent palette entry has alpha 0";
    EXPECT_EQ(image.pixels[1], 0xFF00FF00u);
}

TEST(ImageJpeg, BaselineAndProgressiveColourAndGrey)
{
    // Flat colours survive JPEG at full quality within a step or two.
    std::vector<uint8_t> rgb;
    for (int i = 0; i < 16 * 16; ++i) {
        rgb.push_back(200);
        rgb.push_back(100);
        rgb.push_back(50);
    }
    for (bool progressive : {false, true}) {
        Image image;
        ASSERT_EQ(DecodeImage(EncodeJpeg(16, 16, 3, rgb, progressive), &image), kOk) << progressive;
        ASSERT_EQ(image.width, 16u);
        ASSERT_EQ(image.height, 16u);
        const uint32_t p = image.pixels[8 * 16 + 8];
        EXPECT_EQ(p >> 24, 0xFFu);
        EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 200, 3);
        EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 100, 3);
        EXPECT_NEAR(static_cast<int>(p & 0xFF), 50, 3);
    }
    Image grey;
    ASSERT_EQ(DecodeImage(EncodeJpeg(8, 8, 1, std::vector<uint8_t>(64, 90), true), &grey), kOk);
    const uint32_t g = grey.pixels[0];
    EXPECT_NEAR(static_cast<int>(g & 0xFF), 90, 2);
    EXPECT_EQ((g >> 16) & 0xFF, g & 0xFF) << "grey spreads to all three channels";
}

TEST(ImageDecode, BrokenAndUnknownDataFailCleanly)
{
    Image image;
    const std::vector<uint8_t> png = EncodePng(8, 8, PNG_FORMAT_RGB, std::vector<uint8_t>(8 * 8 * 3, 7));
    const std::vector<uint8_t> jpeg = EncodeJpeg(32, 32, 3, std::vector<uint8_t>(32 * 32 * 3, 7), false);
    ASSERT_FALSE(png.empty());
    ASSERT_FALSE(jpeg.empty());
    for (size_t keep : {size_t(0), size_t(4), size_t(20), png.size() / 2, png.size() - 13}) {
        std::vector<uint8_t> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_EQ(DecodeImage(cut, &image), kInvalidData) << "PNG cut to " << keep;
        EXPECT_TRUE(image.pixels.empty());
    }
    for (size_t keep : {size_t(3), size_t(40), jpeg.size() / 2, jpeg.size() - 2}) {
        std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_EQ(DecodeImage(cut, &image), kInvalidData) << "JPEG cut to " << keep;
    }
    // A flipped byte inside the pixel data breaks its checksum.
    std::vector<uint8_t> damaged = png;
    const uint8_t idat[4] = {'I', 'D', 'A', 'T'};
    auto chunk = std::search(damaged.begin(), damaged.end(), idat, idat + 4);
    ASSERT_NE(chunk, damaged.end());
    chunk[6] ^= 0xFF;
    EXPECT_EQ(DecodeImage(damaged, &image), kInvalidData);
    const std::vector<uint8_t> bitmap = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeImage(bitmap, &image), kInvalidData);
}

TEST(ImageResample, PowerOfTwoSizes)
{
    EXPECT_EQ(NextPowerOfTwo(1), 1u);
    EXPECT_EQ(NextPowerOfTwo(3), 4u);
    EXPECT_EQ(NextPowerOfTwo(64), 64u);
    EXPECT_EQ(NextPowerOfTwo(65), 128u);
    EXPECT_EQ(NextPowerOfTwo(600), 1024u);
}

TEST(ImageResample, LinearStretchKeepsEdgesAndBlendsBetween)
{
    Image image;
    image.width = 3;
    image.height = 1;
    image.pixels = {0xFF000000u, 0xFF000000u, 0x00FFFFFFu};
    Image out = ResampleLinear(image, 4, 2);
    ASSERT_EQ(out.width, 4u);
    ASSERT_EQ(out.height, 2u);
    EXPECT_EQ(out.pixels[0], 0xFF000000u) << "the first pixel stays";
    EXPECT_EQ(out.pixels[3], 0x00FFFFFFu) << "the last pixel stays, its alpha too";
    const uint32_t between = out.pixels[2];
    EXPECT_GT(between & 0xFF, 0u);
    EXPECT_LT(between & 0xFF, 255u);
    EXPECT_EQ(out.pixels[4 + 2], between) << "a one-row image stretches to equal rows";
}

TEST(ImageResample, PointScalingTakesTheNearestPixel)
{
    Image image;
    image.width = 2;
    image.height = 2;
    image.pixels = {1, 2, 3, 4};
    Image out = ResamplePoint(image, 4, 3);
    // Row centres 0.33, 1.0 and 1.67 of the source's two rows.
    EXPECT_EQ(out.pixels, std::vector<uint32_t>({1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
    Image down = ResamplePoint(out, 2, 2);
    EXPECT_EQ(down.pixels, std::vector<uint32_t>({1, 2, 3, 4}));
}

}  // namespace
}  // namespace gfx
