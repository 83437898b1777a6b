// The main menu drawn by the real renderer: every button's image lands in the box its row
// gives it. Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#include "screens/main_menu_screen.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "db/game_database.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/os/message_queue.h"
#include "platform/os/window.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"

namespace {

// How many pixels of a box differ between two frames by more than a small tolerance.
int ChangedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int left, int top, int right,
                  int bottom)
{
    int changed = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            uint32_t pa = a[static_cast<size_t>(y) * 800 + x];
            uint32_t pb = b[static_cast<size_t>(y) * 800 + x];
            for (int shift = 0; shift < 24; shift += 8) {
                if (std::abs(static_cast<int>((pa >> shift) & 0xFF) - static_cast<int>((pb >> shift) & 0xFF)) > 8) {
                    ++changed;
                    break;
                }
            }
        }
    }
    return changed;
}

}  // namespace

class MainMenuPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (auto error = os::OpenGameWindow("Varnok menu test", &mWindow)) {
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        mFolder.Enter();
        os::ClearMessages();
        gWindow = mWindow.get();
        gGfxBackend = gfx::Backend::kOpenGl;
        ASSERT_EQ(InitDevice(false), gfx::kOk);
        gCurrentScreen = &mMenu;
    }
    void TearDown() override
    {
        delete gCursor.GetSpriteControl();
        gCursor.SetSpriteControl(nullptr);
        if (mWindow) {
            ReleasePlatformObjects();
            gWindow = nullptr;
            mWindow.reset();
        }
        os::ClearMessages();
    }

    std::vector<uint32_t> Frame()
    {
        RenderFrame();
        return gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
    }

    GameFolder mFolder;
    std::unique_ptr<os::Window> mWindow;
    CMainMenuScreen mMenu;
    ScopedGlobal<CScreen*> mScreen{gCurrentScreen};
};

TEST_F(MainMenuPixelTest, ButtonsAreDrawnWhereTheirRowsPutThem)
{
    Frame();
    // The cursor is kept well away from the buttons.
    gCursor.GetSpriteControl()->x = 0;
    gCursor.GetSpriteControl()->y = 0;
    std::vector<uint32_t> withButtons = Frame();
    const int ids[] = {2, 3, 4, 5, 6, 11};
    for (int id : ids)
        mMenu.GetButton(id)->visible = 0;
    std::vector<uint32_t> without = Frame();
    ASSERT_EQ(withButtons.size(), 800u * 600u);

    for (int id : ids) {
        const ButtonRecord* row = gGameDatabase.GetButton(id);
        ASSERT_NE(row, nullptr);
        const CButton* button = mMenu.GetButton(id);
        int left = row->x_pos;
        int top = row->y_pos;
        int right = left + button->width;
        int bottom = top + button->height;
        int area = button->width * button->height;
        // The image fills most of its box...
        EXPECT_GT(ChangedPixels(withButtons, without, left, top, right, bottom), area / 2) << "button " << id;
        // ...and nothing of it spills beyond the box.
        EXPECT_EQ(ChangedPixels(withButtons, without, left - 6, top, left, bottom), 0) << "left of " << id;
        EXPECT_EQ(ChangedPixels(withButtons, without, right, top, right + 6, bottom), 0) << "right of " << id;
        EXPECT_EQ(ChangedPixels(withButtons, without, left, top - 6, right, top), 0) << "above " << id;
        EXPECT_EQ(ChangedPixels(withButtons, without, left, bottom, right, bottom + 6), 0) << "below " << id;
    }
}
