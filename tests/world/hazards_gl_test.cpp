// A nebula and a vortex of Cinder drawn by the real renderer through the world pass: each shows
// where it stands and nothing shows when it is moved away. Each frame is also written as a PNG
// for a look. Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "core/camera.h"
#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/os/message_queue.h"
#include "platform/os/window.h"
#include "screens/flight_screen.h"
#include "support/game_folder.h"
#include "support/png_file.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"
#include "world/world_object.h"

namespace {

// Pixels of the centre square that are not black.
int LitPixels(const std::vector<uint32_t>& frame, int half)
{
    int lit = 0;
    for (int y = 300 - half; y < 300 + half; ++y) {
        for (int x = 400 - half; x < 400 + half; ++x) {
            if ((frame[static_cast<size_t>(y) * 800 + x] & 0x00FFFFFFu) > 0x00080808u)
                ++lit;
        }
    }
    return lit;
}

class HazardPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (auto error = os::OpenGameWindow("Varnok hazard test", &mWindow)) {
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        os::ClearMessages();
        gWindow = mWindow.get();
        gGfxBackend = gfx::Backend::kOpenGl;
        ASSERT_EQ(InitDevice(false), gfx::kOk);
        mSavedScreen = gCurrentScreen;
        gCurrentScreen = gFlightScreen;
        gFlightScreen->SetSystemBackdrop(3);
        gFrameTimeMs = 33;
        gFrameScale = 0.33f;
    }
    void TearDown() override
    {
        if (!mWindow)
            return;
        gResourceManager->DeleteWorldObjects();
        // The caches hold textures and meshes of this device; they must go before it does.
        gResourceManager->ReleaseAll();
        delete gCursor.GetSpriteControl();
        gCursor.SetSpriteControl(nullptr);
        gCurrentScreen = mSavedScreen;
        ReleasePlatformObjects();
        gWindow = nullptr;
        mWindow.reset();
        os::ClearMessages();
    }
    // A few frames with the camera above the point, looking down on the flight plane.
    std::vector<uint32_t> FramesAbove(const Vec3& point, float height)
    {
        if (CSpriteControl* cursor = gCursor.GetSpriteControl())
            cursor->visible = 0;
        for (int frame = 0; frame < 3; ++frame) {
            gCamera.SetEye(point.x, point.y, height);
            gCamera.SetTarget(point.x, point.y, 30.0f);
            gCamera.Apply();
            RenderFrame();
        }
        return gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
    }
    void Keep(const std::string& name, const std::vector<uint32_t>& frame)
    {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / ("varnok_" + name + ".png");
        ASSERT_TRUE(testpng::Write(path.string(), 800, 600, frame));
        std::printf("[ picture  ] %s\n", path.string().c_str());
    }

    TempGameFolder mFolder;
    std::unique_ptr<os::Window> mWindow;
    CScreen* mSavedScreen = nullptr;
};

struct HazardCase {
    const char* name;
    int objectId;
    bool nebula;
    float height;
};

class HazardPixelCaseTest : public HazardPixelTest, public ::testing::WithParamInterface<HazardCase> {};

TEST_P(HazardPixelCaseTest, IsDrawnWhereItStands)
{
    const HazardCase& c = GetParam();
    auto& map = c.nebula ? gResourceManager->mNebulae : gResourceManager->mObjects;
    ASSERT_EQ(map.count(c.objectId), 1u);
    CWorldObject* hazard = map.at(c.objectId);
    const Vec3 place = hazard->mPosition;
    const std::vector<uint32_t> shown = FramesAbove(place, c.height);
    Keep(c.name, shown);
    hazard->SetPosition(Vec3(place.x + 2000.0f, place.y, 30.0f));
    const std::vector<uint32_t> gone = FramesAbove(place, c.height);
    EXPECT_GT(LitPixels(shown, 40), 40 * 40) << "the centre is mostly dark";
    EXPECT_LT(LitPixels(gone, 40), LitPixels(shown, 40) / 4) << "the centre stays lit without the hazard";
}

INSTANTIATE_TEST_SUITE_P(Cinder, HazardPixelCaseTest,
                         ::testing::Values(HazardCase{"nebula", 3016, true, -90.0f},
                                           HazardCase{"vortex", 3007, false, -60.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
