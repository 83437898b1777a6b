// The conversation screen: pages of lines laid out around y 530, the faction's backdrop, paging
// with Space, the ways back to flight, and the camera on a speaker found afresh at each start.
#include "screens/conversation_screen.h"

#include "core/camera.h"
#include "core/keys.h"
#include "game_screens_fixture.h"
#include "ui/movie_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kStep = 9901;

class ConversationScreenTest : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        FlyNewPilot();
        screen = gConversationScreen;
        ASSERT_NE(screen, nullptr);
    }
    // `count` lines on the page `feed` of a step whose speaker is the object `speaker`.
    void AddPage(int feed, int count, int speaker = 0)
    {
        Content("INSERT OR IGNORE INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, "
                "system_id, target_object_id) VALUES (" +
                std::to_string(kStep) + ", 990, 1, 'interrupt', 1, " + std::to_string(speaker) +
                ");"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                std::to_string(count) + ") INSERT INTO quest_step_conversation SELECT " + std::to_string(feed) +
                " * 1000 + i, " + std::to_string(kStep) + ", " + std::to_string(feed) + ", i, 'Line ' || i FROM n;");
    }
    CTextControl* Line(int i) { return screen->GetTextControl(CConversationScreen::kFirstLine + i); }
    void Open(const char* keyword = "pirate")
    {
        screen->Start(kStep, keyword);
        screen->Open();
    }

    CConversationScreen* screen = nullptr;
};

struct PageCase {
    int lines;
    int shown;
    int firstY;
};

class ConversationPageTest : public ConversationScreenTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(ConversationPageTest, APageIsCentredOnY530WithAtMost31Lines)
{
    const PageCase page = GetParam();
    AddPage(1, page.lines);
    Open();

    EXPECT_EQ(screen->LineCount(), page.shown);
    for (int i = 0; i < page.shown; ++i) {
        ASSERT_NE(Line(i), nullptr);
        EXPECT_TRUE(Line(i)->visible) << i;
        EXPECT_EQ(Line(i)->x, 145);
        EXPECT_EQ(Line(i)->y, page.firstY + 15 * i) << i;
    }
    for (int id = CConversationScreen::kFirstLine + page.shown; id <= CConversationScreen::kLastLine; ++id)
        EXPECT_FALSE(screen->GetTextControl(id)->visible) << id;
    EXPECT_STREQ(Line(0)->text, "Line 1");
}

INSTANTIATE_TEST_SUITE_P(Lines, ConversationPageTest,
                         ::testing::Values(PageCase{5, 5, 500}, PageCase{1, 1, 530}, PageCase{40, 31, 305}));

class ConversationFactionTest : public ConversationScreenTest,
                                public ::testing::WithParamInterface<std::pair<int, int>> {};

// The screen's own backdrop is made sprite 2, an image of no faction, so that keeping it shows.
TEST_P(ConversationFactionTest, TheBackdropIsTheImageOfTheSystemsFaction)
{
    AddPage(1, 2);
    Content("UPDATE screen SET sprite_id = 2 WHERE screen_id = " + std::to_string(CConversationScreen::kScreenId) +
            ";");
    screen->Enter();
    ASSERT_EQ(screen->BackdropSpriteId(), 2);
    rm->mSystemType = GetParam().first;
    Open();
    EXPECT_EQ(screen->BackdropSpriteId(), GetParam().second);
}

// An unknown faction keeps the screen's own backdrop.
INSTANTIATE_TEST_SUITE_P(Factions, ConversationFactionTest,
                         ::testing::Values(std::make_pair(0, 1), std::make_pair(1, 38), std::make_pair(2, 40),
                                           std::make_pair(3, 42), std::make_pair(4, 44), std::make_pair(7, 2)));

TEST_F(ConversationScreenTest, SpaceTurnsThePagesAndAfterTheLastOneFlightReturns)
{
    AddPage(1, 3);
    AddPage(2, 2);
    Open("stranger");
    EXPECT_EQ(screen->GetMovieControl(CConversationScreen::kPortrait)->spriteId, 15109);
    EXPECT_TRUE(screen->GetTextControl(CConversationScreen::kFirstCaption)->visible);

    screen->OnKeyDown(kKeySpace);
    EXPECT_EQ(screen->Feed(), 2);
    EXPECT_EQ(screen->LineCount(), 2);
    EXPECT_FALSE(Line(2)->visible);
    EXPECT_EQ(gCurrentScreen, screen);

    screen->OnKeyDown(kKeySpace);
    EXPECT_EQ(gCurrentScreen, gFlightScreen);
    EXPECT_FALSE(screen->IsOpen());
    EXPECT_FALSE(gFlightScreen->IsEntered()) << "flight reloads on its next frame";
}

TEST_F(ConversationScreenTest, EscapeAndTheMiddleButtonLeaveAtOnce)
{
    AddPage(1, 3);
    AddPage(2, 2);
    for (int way = 0; way < 2; ++way) {
        Open();
        if (way == 0)
            screen->OnKeyDown(kKeyEscape);
        else
            screen->OnMouseUp(2, 400, 300);
        EXPECT_EQ(gCurrentScreen, gFlightScreen) << way;
    }
}

// The speaker of one conversation is not the next one's: each start looks it up, and without
// one the camera keeps its aim.
TEST_F(ConversationScreenTest, TheCameraFollowsTheSpeakerOfThisConversationOnly)
{
    Place(rm->mObjects, 90300, kTypePlanet, Vec3(120.0f, -40.0f, 30.0f), 20.0f);
    AddPage(1, 2, 90300);
    Open();
    screen->Frame();
    EXPECT_EQ(gCamera.GetTarget().x, 120.0f);
    EXPECT_EQ(gCamera.GetTarget().y, -40.0f);

    Content("UPDATE quest_step SET target_object_id = 90399 WHERE quest_step_id = " + std::to_string(kStep) + ";");
    gCamera.SetTarget(5.0f, 6.0f, 30.0f);
    Open();
    screen->Frame();
    EXPECT_EQ(gCamera.GetTarget().x, 5.0f);
    EXPECT_EQ(gCamera.GetTarget().y, 6.0f);
}

}  // namespace
