// CTextControl: glyph layout in every size, the length limit, the caret for an apostrophe and
// typing out.
#include "ui/text_control.h"

#include <string>

#include "app/frame.h"
#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 902;
}  // namespace

class TextControlTest : public UiFixture {
protected:
    std::vector<DrawnSprite> DrawOnce(CTextControl& text, uint32_t frameMs = 0)
    {
        gFrameTimeMs = frameMs;
        return Drawn([&] { text.Draw(); });
    }
};

TEST_F(TextControlTest, LaysOutGlyphsByTheCellWidthOfEachSize)
{
    const struct {
        const char* size;
        int sizeClass;
        int advance;
    } sizes[] = {{"small", 0, 8}, {"medium", 1, 10}, {"large", 2, 26}};
    int id = 90201;
    for (const auto& s : sizes) {
        TextRow(id, kScreen, 30, 40, "Hi You", s.size);
        CTextControl text(id++);
        auto sprites = DrawOnce(text);
        ASSERT_EQ(sprites.size(), 5u) << s.size;
        const char shown[] = "HiYou";
        const int column[] = {0, 1, 3, 4, 5};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(sprites[i].texture, GlyphTexture(shown[i], s.sizeClass)) << s.size << " " << i;
            EXPECT_EQ(sprites[i].x, 30 + column[i] * s.advance) << s.size << " " << i;
            EXPECT_EQ(sprites[i].y, 40) << s.size;
        }
    }
}

TEST_F(TextControlTest, KeepsTheFirst119Characters)
{
    TextRow(90201, kScreen, 0, 0, "", "small");
    CTextControl text(90201);
    text.SetText(std::string(200, 'x').c_str());
    EXPECT_EQ(std::string(text.text), std::string(119, 'x'));
    EXPECT_EQ(DrawOnce(text).size(), 119u);
    text.SetText("");
    EXPECT_TRUE(DrawOnce(text).empty());
}

TEST_F(TextControlTest, ShowsACaretForAnApostrophe)
{
    TextRow(90201, kScreen, 0, 0, "", "small");
    CTextControl text(90201);
    text.SetTextAt(12, 34, "it's");
    auto sprites = DrawOnce(text);
    ASSERT_EQ(sprites.size(), 4u);
    EXPECT_EQ(sprites[2].texture, GlyphTexture('^', 0));
    EXPECT_EQ(sprites[2].x, 12 + 16);
    EXPECT_EQ(sprites[2].y, 34);
    EXPECT_STREQ(text.text, "it^s");
}

TEST_F(TextControlTest, TypedTextOfTwelveIsWholeAfterThreeSteps)
{
    TextRow(90201, kScreen, 0, 0, "", "small");
    CTextControl text(90201);
    text.RevealTextAt(0, 0, "abcdefghijkl");
    EXPECT_EQ(DrawOnce(text, 10).size(), 6u);
    // 9 ms gathered is not yet a step.
    EXPECT_EQ(DrawOnce(text, 9).size(), 6u);
    EXPECT_EQ(DrawOnce(text, 1).size(), 11u);
    EXPECT_EQ(DrawOnce(text, 10).size(), 12u);
    text.SetText("abc");
    EXPECT_EQ(DrawOnce(text, 0).size(), 3u);
}

TEST_F(TextControlTest, HiddenTextDrawsNothing)
{
    TextRow(90201, kScreen, 0, 0, "abc");
    CTextControl text(90201);
    text.visible = 0;
    EXPECT_TRUE(DrawOnce(text).empty());
}
