// The main menu on the shipped rows: its controls and mirrored buttons, its notices, the
// cursor sprite, and the quit button ending the game when driven by injected input.
#include "screens/main_menu_screen.h"

#include "app/frame.h"
#include "core/keys.h"
#include "support/ui_fixture.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"

class MainMenuTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        gCurrentScreen = &menu;
    }
    void TearDown() override
    {
        delete gCursor.GetSpriteControl();
        gCursor.SetSpriteControl(nullptr);
        UiFixture::TearDown();
    }

    // Moves the cursor by injected motion records to (x, y).
    void MoveTo(int x, int y)
    {
        int cx = 0;
        int cy = 0;
        gCursor.GetPosition(&cx, &cy);
        Mouse(input::kMouseX, x - cx);
        Mouse(input::kMouseY, y - cy);
    }
    // A click of the left button at the centre of a menu button, one frame per record.
    void ClickButton(int id)
    {
        CButton* button = menu.GetButton(id);
        ASSERT_NE(button, nullptr);
        int left = button->flippedX ? button->x - button->width : button->x;
        MoveTo(left + button->width / 2, button->y + button->height / 2);
        RunFrame();
        Mouse(input::kMouseButton0, input::kPressedBit);
        RunFrame();
        Mouse(input::kMouseButton0, 0);
        RunFrame();
    }
    bool SpriteShown(int id) { return menu.GetSpriteControl(id) && menu.GetSpriteControl(id)->visible; }

    CMainMenuScreen menu;
};

TEST_F(MainMenuTest, EntersWithItsRowsAndMirrorsTheRightColumn)
{
    RunFrame();
    EXPECT_TRUE(menu.IsEntered());
    const int buttons[] = {2, 3, 4, 5, 6, 11};
    for (int id : buttons) {
        CButton* button = menu.GetButton(id);
        ASSERT_NE(button, nullptr) << id;
        const ButtonRecord* row = gGameDatabase.GetButton(id);
        ASSERT_NE(row, nullptr);
        bool mirrored = id == 3 || id == 6 || id == 11;
        EXPECT_EQ(button->flippedX, mirrored ? 1 : 0) << id;
        EXPECT_EQ(button->x, row->x_pos + (mirrored ? button->width : 0)) << id;
        EXPECT_EQ(button->y, row->y_pos) << id;
        EXPECT_GT(button->width, 0) << id;
    }
    EXPECT_NE(menu.GetSpriteControl(13), nullptr);
    EXPECT_FALSE(SpriteShown(7));
    EXPECT_FALSE(SpriteShown(10));
    EXPECT_EQ(menu.GetBackdrop(), gGameDatabase.GetScreen(1)->sprite_id);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(MainMenuTest, MakesTheCursorSpriteOnceAndItFollowsTheMouse)
{
    RunFrame();
    CSpriteControl* cursor = gCursor.GetSpriteControl();
    ASSERT_NE(cursor, nullptr);
    menu.SetEntered(false);
    RunFrame();
    EXPECT_EQ(gCursor.GetSpriteControl(), cursor);

    MoveTo(400, 300);
    TakeSprites();
    RunFrame();
    EXPECT_EQ(cursor->x, 385);
    EXPECT_EQ(cursor->y, 285);
    auto sprites = TakeSprites();
    ASSERT_FALSE(sprites.empty());
    // Drawn last, over the screen.
    EXPECT_EQ(sprites.back().texture, SpriteTexture(cursor->spriteId));
    EXPECT_EQ(sprites.back().x, 385);
    EXPECT_EQ(sprites.back().y, 285);
}

TEST_F(MainMenuTest, PulsesItsTitleSprite)
{
    RunFrame();
    EXPECT_EQ(menu.GetSpriteControl(13)->colour, 0x00FFFFFFu | (static_cast<uint32_t>(gPulse) << 24));
}

TEST_F(MainMenuTest, QuitButtonEndsTheGameLoop)
{
    RunFrame();
    ClickButton(CMainMenuScreen::kQuitButton);
    EXPECT_TRUE(os::QuitPosted());
    os::Message message;
    ASSERT_TRUE(os::PeekMessage(&message));
    EXPECT_EQ(message.type, os::MessageType::kQuit);
    EXPECT_EQ(message.param, 0) << "the player's own quit ends the game as a failure";
}

TEST_F(MainMenuTest, PressAndReleaseOffTheQuitButtonDoNotQuit)
{
    RunFrame();
    CButton* quit = menu.GetButton(CMainMenuScreen::kQuitButton);
    MoveTo(quit->x - quit->width / 2, quit->y + quit->height / 2);
    Mouse(input::kMouseButton0, input::kPressedBit);
    RunFrame();
    EXPECT_EQ(quit->state, 0);
    MoveTo(5, 5);
    Mouse(input::kMouseButton0, 0);
    RunFrame();
    EXPECT_EQ(quit->state, 1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(MainMenuTest, EscapeQuits)
{
    RunFrame();
    Key(kKeyEscape, true);
    RunFrame();
    EXPECT_TRUE(os::QuitPosted());
}

TEST_F(MainMenuTest, ContinueWithoutAPilotShowsItsNoticeUntilTheNextPress)
{
    RunFrame();
    ClickButton(CMainMenuScreen::kContinueButton);
    EXPECT_TRUE(SpriteShown(CMainMenuScreen::kNoPilotSprite));
    RunFrame();
    EXPECT_TRUE(SpriteShown(CMainMenuScreen::kNoPilotSprite));
    Mouse(input::kMouseButton0, input::kPressedBit);
    RunFrame();
    EXPECT_FALSE(SpriteShown(CMainMenuScreen::kNoPilotSprite));
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(MainMenuTest, NewPilotWithEveryNumberTakenShowsTheFullNotice)
{
    folder.Save("DELETE FROM player_test;");
    RunFrame();
    ClickButton(CMainMenuScreen::kNewPilotButton);
    EXPECT_TRUE(SpriteShown(CMainMenuScreen::kPilotsFullSprite));
}
