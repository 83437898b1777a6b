// Every screen drawn by the real renderer: each visible text, button and checkbox of the screen
// shows in the box its row gives it, inside the frame. With VARNOK_SCREENSHOTS set to a folder, each
// screen is also written there as a PNG for a person to look at. Skipped without a display unless
// VARNOK_REQUIRE_GL=1 demands one.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/image_files.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "support/screen_cases.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_text.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Box {
    std::string what;
    int left, top, right, bottom;
};

int ChangedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, const Box& box)
{
    int changed = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, kHeight); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, kWidth); ++x) {
            const size_t i = static_cast<size_t>(y) * kWidth + static_cast<size_t>(x);
            changed += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF) ? 1 : 0;
        }
    }
    return changed;
}

void WritePng(const std::vector<uint32_t>& frame, const std::string& path)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(frame.size() * 4);
    for (uint32_t pixel : frame) {
        rgba.push_back(static_cast<uint8_t>(pixel >> 16));
        rgba.push_back(static_cast<uint8_t>(pixel >> 8));
        rgba.push_back(static_cast<uint8_t>(pixel));
        rgba.push_back(0xFF);
    }
    std::vector<uint8_t> png = gfx::testing::EncodePng(kWidth, kHeight, PNG_FORMAT_RGBA, rgba);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

class ScreensPixelTest : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override
    {
        folder.Enter();
        os::ClearMessages();
        os::SetManualTime(true, 1000);
        if (auto error = StartGame(gfx::Backend::kOpenGl)) {
            StopGame();
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        started = true;
        gCurrentScreen = GetParam().screen();
    }
    void TearDown() override
    {
        if (started)
            StopGame();
        gGameDatabase.Close();
        os::SetManualTime(false);
        os::ClearMessages();
    }

    // Later frames take no time, so that only what a test changes changes.
    std::vector<uint32_t> Frame(uint32_t ms = 0)
    {
        os::AdvanceManualTime(ms);
        EXPECT_EQ(RunFrame(), 0);
        return gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
    }

    // The visible controls that show a caption or an image of a known size.
    std::vector<Box> VisibleBoxes(CScreen& screen)
    {
        std::vector<Box> boxes;
        for (int id = 0; id < 3000; ++id) {
            if (CTextControl* text = screen.GetTextControl(id); text && text->visible && text->text[0]) {
                const int length = static_cast<int>(std::strlen(text->text));
                boxes.push_back({"text " + std::to_string(id), text->x, text->y, text->x + length * text->glyphAdvance,
                                 text->y + text->glyphHeight});
            }
            if (CButton* button = screen.GetButton(id); button && button->visible) {
                const int left = button->flippedX ? button->x - button->width : button->x;
                boxes.push_back({"button " + std::to_string(id), left, button->y, left + button->width,
                                 button->y + button->height});
            }
            if (CCheckBox* box = screen.GetCheckBox(id); box && box->visible)
                boxes.push_back(
                    {"checkbox " + std::to_string(id), box->x, box->y, box->x + box->width, box->y + box->height});
        }
        return boxes;
    }

    GameFolder folder;
    bool started = false;
    ScopedGlobal<CScreen*> current{gCurrentScreen};
    ScopedGlobal<int32_t> pulse{gPulse, 0};
};

TEST_P(ScreensPixelTest, EveryVisibleCaptionAndButtonShowsInsideItsBox)
{
    Frame(20);
    gCursor.Show(false);
    const std::vector<uint32_t> shown = Frame();
    const std::vector<uint32_t> again = Frame();
    ASSERT_EQ(shown.size(), static_cast<size_t>(kWidth * kHeight));
    if (const char* folderName = std::getenv("VARNOK_SCREENSHOTS"))
        WritePng(shown, std::string(folderName) + "/" + GetParam().name + ".png");

    CScreen& screen = *gCurrentScreen;
    const std::vector<Box> boxes = VisibleBoxes(screen);
    ASSERT_FALSE(boxes.empty()) << "the screen shows no control";
    for (const Box& box : boxes) {
        EXPECT_GE(box.left, 0) << box.what;
        EXPECT_GE(box.top, 0) << box.what;
        EXPECT_LE(box.right, kWidth) << box.what << " runs off the right edge";
        EXPECT_LE(box.bottom, kHeight) << box.what << " runs off the bottom";
    }
    // Hidden one at a time, each control takes its pixels with it.
    for (const Box& box : boxes) {
        const std::string kind = box.what.substr(0, box.what.find(' '));
        const int id = std::stoi(box.what.substr(box.what.find(' ') + 1));
        uint8_t* visible = kind == "text"     ? &screen.GetTextControl(id)->visible
                           : kind == "button" ? &screen.GetButton(id)->visible
                                              : &screen.GetCheckBox(id)->visible;
        *visible = 0;
        const std::vector<uint32_t> without = Frame();
        *visible = 1;
        EXPECT_GT(ChangedPixels(shown, without, box), ChangedPixels(shown, again, box))
            << box.what << " draws nothing where its row puts it";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreensPixelTest, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

}  // namespace
