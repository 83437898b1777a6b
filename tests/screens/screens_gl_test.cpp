// Every screen drawn by the real renderer: each visible text, button and checkbox of the screen
// shows in the box its row gives it, inside the frame. With VARNOK_SCREENSHOTS set to a folder, each
// screen is also written there as a PNG for a person to look at. Skipped without a display unless
// VARNOK_REQUIRE_GL=1 demands one.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/frame_png.h"
#include "support/gl_game.h"
#include "support/screen_cases.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_text.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

struct Box {
    std::string what;
    int left, top, right, bottom;
};

int ChangedPixels(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, const Box& box)
{
    int changed = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, GlGame::kHeight); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, GlGame::kWidth); ++x) {
            const size_t i = static_cast<size_t>(y) * GlGame::kWidth + static_cast<size_t>(x);
            changed += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF) ? 1 : 0;
        }
    }
    return changed;
}

class ScreensPixelTest : public GlGame, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override
    {
        GlGame::SetUp();
        if (Started())
            gCurrentScreen = GetParam().screen();
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
};

TEST_P(ScreensPixelTest, EveryVisibleCaptionAndButtonShowsInsideItsBox)
{
    Frame(20);
    gCursor.Show(false);
    const std::vector<uint32_t> shown = Frame();
    const std::vector<uint32_t> again = Frame();
    ASSERT_EQ(shown.size(), static_cast<size_t>(kWidth * kHeight));
    if (const std::string shots = ScreenshotFolder(); !shots.empty())
        WriteFramePng(shown, kWidth, kHeight, shots + "/" + GetParam().name + ".png");

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
