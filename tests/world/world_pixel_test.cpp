// The world pass drawn by the real renderer: the first system's planet and sun land where the
// camera puts them. Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "core/camera.h"
#include "engine/resource_manager.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/os/message_queue.h"
#include "platform/os/window.h"
#include "support/game_folder.h"
#include "ui/cursor.h"
#include "ui/screen.h"
#include "ui/sprite_control.h"
#include "world/world_object.h"

namespace {

// Draws the world under the in-flight screen's blend and alpha-test states, nothing else.
class CWorldOnlyScreen : public CScreen {
public:
    void Enter() override {}
    int Frame() override
    {
        gCamera.Apply();
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
        gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendSrcAlpha);
        gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendInvSrcAlpha);
        gDevice->SetRenderState(gfx::kRsAlphaTestEnable, 1);
        gDevice->SetRenderState(gfx::kRsAlphaRef, 8);
        gDevice->SetRenderState(gfx::kRsAlphaFunc, gfx::kCmpGreaterEqual);
        gResourceManager->UpdateObjects();
        return 0;
    }
    void OnMouseUp(int, int, int) override {}
    void OnMouseDown(int, int, int) override {}
    void OnMouseMove(int, int) override {}
    void OnKeyDown(int) override {}
};

// Pixels of a box that differ between two frames by more than a small tolerance.
int ChangedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int cx, int cy, int half)
{
    int changed = 0;
    for (int y = cy - half; y < cy + half; ++y) {
        for (int x = cx - half; x < cx + half; ++x) {
            const size_t i = static_cast<size_t>(y) * 800 + x;
            for (int shift = 0; shift < 24; shift += 8) {
                if (std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF)) > 8) {
                    ++changed;
                    break;
                }
            }
        }
    }
    return changed;
}

class WorldPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (auto error = os::OpenGameWindow("Varnok world test", &mWindow)) {
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        mFolder.Enter();
        os::ClearMessages();
        gWindow = mWindow.get();
        gGfxBackend = gfx::Backend::kOpenGl;
        // A resource manager of its own: nothing cached on an earlier test's device is touched.
        mSavedManager = gResourceManager;
        gResourceManager = new CResourceManager;
        ASSERT_EQ(InitDevice(false), gfx::kOk);
        mSavedScreen = gCurrentScreen;
        gCurrentScreen = &mScreen;
        if (CSpriteControl* cursor = gCursor.GetSpriteControl()) {
            cursor->x = 0;
            cursor->y = 0;
        }
        gFrameScale = 1.0f;
    }
    void TearDown() override
    {
        gCurrentScreen = mSavedScreen;
        if (mWindow) {
            gResourceManager->DeleteWorldObjects();
            // Nothing made on this device outlives it in the caches.
            gResourceManager->ReleaseAll();
            delete gCursor.GetSpriteControl();
            gCursor.SetSpriteControl(nullptr);
            ReleasePlatformObjects();
            gWindow = nullptr;
            mWindow.reset();
        }
        if (mSavedManager) {
            delete gResourceManager;
            gResourceManager = mSavedManager;
        }
        os::ClearMessages();
    }
    std::vector<uint32_t> Frame()
    {
        RenderFrame();
        return gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
    }
    void Remove(std::map<int, CWorldObject*>& map, int id)
    {
        delete map.at(id);
        map.erase(id);
    }

    GameFolder mFolder;
    std::unique_ptr<os::Window> mWindow;
    CWorldOnlyScreen mScreen;
    CScreen* mSavedScreen = nullptr;
    CResourceManager* mSavedManager = nullptr;
};

TEST_F(WorldPixelTest, ThePlanetAndTheSunOfTheFirstSystemAreDrawnWhereTheCameraSeesThem)
{
    gResourceManager->EnterSystem(1);
    // 480 units above (-150, 375): Varn Prime (-300, 250) lands near pixel (174, 489) and the sun
    // (0, 500) near (626, 111).
    gCamera.Reset();
    gCamera.SetEye(-150.0f, 375.0f, -450.0f);
    gCamera.SetTarget(-150.0f, 375.0f, 30.0f);
    const std::vector<uint32_t> scene = Frame();
    ASSERT_EQ(scene.size(), 800u * 600u);

    Remove(gResourceManager->mObjects, 1002);
    const std::vector<uint32_t> withoutPlanet = Frame();
    Remove(gResourceManager->mSuns, 1003);
    const std::vector<uint32_t> empty = Frame();

    EXPECT_GT(ChangedPixels(scene, withoutPlanet, 174, 489, 40), 40 * 40 * 4 * 9 / 10) << "the planet's disc";
    EXPECT_EQ(ChangedPixels(scene, withoutPlanet, 174, 489 - 130, 20), 0) << "nothing of it above its disc";
    EXPECT_GT(ChangedPixels(withoutPlanet, empty, 626, 111, 30), 30 * 30 * 4 / 2) << "the sun's halo";
}

TEST_F(WorldPixelTest, AWormholeAndAnOreFieldAreDrawnWhereTheCameraSeesThem)
{
    gResourceManager->EnterSystem(1);
    // 480 units above (-350, -325): the wormhole (-500, -400) lands near pixel (174, 413) and the
    // ore field (-200, -250) near (626, 187).
    gCamera.Reset();
    gCamera.SetEye(-350.0f, -325.0f, -450.0f);
    gCamera.SetTarget(-350.0f, -325.0f, 30.0f);
    const std::vector<uint32_t> scene = Frame();
    ASSERT_EQ(scene.size(), 800u * 600u);

    Remove(gResourceManager->mWormholes, 1005);
    const std::vector<uint32_t> withoutWormhole = Frame();
    Remove(gResourceManager->mObjects, 1006);
    const std::vector<uint32_t> withoutLump = Frame();

    EXPECT_GT(ChangedPixels(scene, withoutWormhole, 174, 413, 10), 10 * 10 * 4 / 2) << "the whirl";
    EXPECT_GT(ChangedPixels(withoutWormhole, withoutLump, 626, 187, 4), 4 * 4 * 4 / 2) << "the lump";
}

}  // namespace
