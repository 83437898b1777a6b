// Textures and surfaces loaded from image files on the headless device.
#include "platform/gfx/image_load.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "image_files.h"
#include "platform/gfx/headless/headless_device.h"

namespace gfx {
namespace {

class ImageLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mDir = std::filesystem::temp_directory_path() /
               ("varnok_image_load_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(mDir / "raster");
        mSystem = CreateSystem(Backend::kHeadless);
        PresentParams p;
        p.backBufferWidth = 800;
        p.backBufferHeight = 600;
        p.backBufferFormat = kFormatA8R8G8B8;
        ASSERT_EQ(mSystem->CreateDevice(0, 0, p, &mDevice), kOk);
    }
    void TearDown() override
    {
        if (mDevice)
            mDevice->Release();
        if (mSystem)
            mSystem->Release();
        std::filesystem::remove_all(mDir);
    }
    // The game's own way of naming the file: a backslash inside.
    std::string GamePath(const std::string& name)
    {
        testing::WriteFile((mDir / "raster" / name).string(), mBytes);
        return mDir.string() + "/raster\\" + name;
    }

    std::filesystem::path mDir;
    std::vector<uint8_t> mBytes;
    System* mSystem = nullptr;
    Device* mDevice = nullptr;
};

TEST_F(ImageLoadTest, TextureIsStretchedToPowersOfTwoAndReportsThatSize)
{
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 3 * 5; ++i)
        rgba.insert(rgba.end(), {10, 20, 30, 255});
    mBytes = testing::EncodePng(3, 5, PNG_FORMAT_RGBA, rgba);
    Texture* texture = nullptr;
    ASSERT_EQ(CreateTextureFromFile(mDevice, GamePath("odd.png").c_str(), &texture), kOk);
    SurfaceDesc desc;
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), kOk);
    EXPECT_EQ(desc.width, 4u);
    EXPECT_EQ(desc.height, 8u);
    EXPECT_EQ(desc.pool, kPoolManaged);
    void* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(texture->LockRect(0, &bits, &pitch), kOk);
    EXPECT_EQ(static_cast<uint32_t*>(bits)[7 * 4 + 3], 0xFF0A141Eu) << "a flat image stays flat when stretched";
    texture->UnlockRect(0);
    texture->Release();
}

TEST_F(ImageLoadTest, PowerOfTwoImagesLoadUnchanged)
{
    mBytes = testing::EncodePng(2, 2, PNG_FORMAT_RGBA, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 1, 2, 3, 4});
    Texture* texture = nullptr;
    ASSERT_EQ(CreateTextureFromFile(mDevice, GamePath("sheet.png").c_str(), &texture), kOk);
    void* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(texture->LockRect(0, &bits, &pitch), kOk);
    const auto* px = static_cast<uint32_t*>(bits);
    EXPECT_EQ(px[0], 0xFFFF0000u);
    EXPECT_EQ(px[1], 0x8000FF00u);
    EXPECT_EQ(px[2], 0x000000FFu);
    EXPECT_EQ(px[3], 0x04010203u);
    texture->UnlockRect(0);
    texture->Release();
}

TEST_F(ImageLoadTest, AFileChangedOrRemovedSinceItsLastLoadIsReadAgain)
{
    auto firstTexel = [this](const std::string& path) {
        Texture* texture = nullptr;
        EXPECT_EQ(CreateTextureFromFile(mDevice, path.c_str(), &texture), kOk);
        void* bits = nullptr;
        int32_t pitch = 0;
        if (!texture || Failed(texture->LockRect(0, &bits, &pitch)))
            return 0u;
        const uint32_t texel = *static_cast<uint32_t*>(bits);
        texture->UnlockRect(0);
        texture->Release();
        return texel;
    };
    mBytes = testing::EncodePng(1, 1, PNG_FORMAT_RGBA, {255, 0, 0, 255});
    const std::string path = GamePath("changes.png");
    EXPECT_EQ(firstTexel(path), 0xFFFF0000u);
    EXPECT_EQ(firstTexel(path), 0xFFFF0000u);
    // The same size, a later time of change.
    const std::filesystem::path native = mDir / "raster" / "changes.png";
    const auto written = std::filesystem::last_write_time(native);
    mBytes = testing::EncodePng(1, 1, PNG_FORMAT_RGBA, {0, 0, 255, 255});
    GamePath("changes.png");
    std::filesystem::last_write_time(native, written + std::chrono::seconds(2));
    EXPECT_EQ(firstTexel(path), 0xFF0000FFu);
    std::filesystem::remove(native);
    Texture* texture = nullptr;
    EXPECT_EQ(CreateTextureFromFile(mDevice, path.c_str(), &texture), kNotFound);
}

TEST_F(ImageLoadTest, MissingTruncatedAndUnknownFilesFailWithACode)
{
    Texture* texture = reinterpret_cast<Texture*>(1);
    EXPECT_EQ(CreateTextureFromFile(mDevice, (mDir.string() + "/raster\\none.png").c_str(), &texture), kNotFound);
    EXPECT_EQ(texture, nullptr);
    mBytes = testing::EncodePng(16, 16, PNG_FORMAT_RGB, std::vector<uint8_t>(16 * 16 * 3, 1));
    mBytes.resize(mBytes.size() / 2);
    EXPECT_EQ(CreateTextureFromFile(mDevice, GamePath("cut.png").c_str(), &texture), kInvalidData);
    mBytes = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_EQ(CreateTextureFromFile(mDevice, GamePath("anim.gif").c_str(), &texture), kInvalidData);
    mBytes.clear();
    EXPECT_EQ(CreateTextureFromFile(mDevice, GamePath("empty.jpg").c_str(), &texture), kInvalidData);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(CreateTextureFromFile(nullptr, "x.png", &texture), kInvalidCall);
}

TEST_F(ImageLoadTest, SurfaceGetsTheImageScaledWithPointFiltering)
{
    // 2x2 quadrants onto 800x600: each quadrant fills a quarter, no blended edge.
    mBytes = testing::EncodePng(2, 2, PNG_FORMAT_RGB, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
    Surface* surface = nullptr;
    ASSERT_EQ(mDevice->CreateImageSurface(800, 600, kFormatA8R8G8B8, &surface), kOk);
    ASSERT_EQ(LoadSurfaceFromFile(surface, GamePath("backdrop.png").c_str()), kOk);
    void* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(surface->LockRect(&bits, &pitch), kOk);
    const auto* px = static_cast<uint32_t*>(bits);
    EXPECT_EQ(px[0], 0xFFFF0000u);
    EXPECT_EQ(px[399], 0xFFFF0000u);
    EXPECT_EQ(px[400], 0xFF00FF00u);
    EXPECT_EQ(px[299 * 800 + 799], 0xFF00FF00u);
    EXPECT_EQ(px[300 * 800], 0xFF0000FFu);
    EXPECT_EQ(px[599 * 800 + 799], 0xFFFFFFFFu);
    surface->UnlockRect();

    mBytes = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16};
    EXPECT_EQ(LoadSurfaceFromFile(surface, GamePath("cut.jpg").c_str()), kInvalidData);
    ASSERT_EQ(surface->LockRect(&bits, &pitch), kOk);
    EXPECT_EQ(static_cast<uint32_t*>(bits)[0], 0xFFFF0000u) << "a failed load leaves the surface alone";
    surface->UnlockRect();
    surface->Release();
}

}  // namespace
}  // namespace gfx
