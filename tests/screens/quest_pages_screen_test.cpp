// The mission log and the mission board: what a page shows of a mission, which missions the board
// offers, taking one, and the log rebuilt from the pilot's missions without running them.
#include "screens/quest_log_screen.h"

#include "core/keys.h"
#include "quest_pages_fixture.h"
#include "screens/main_menu_screen.h"
#include "screens/mission_board_screen.h"
#include "ui/button.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

class QuestLogTest : public QuestPagesTest {
protected:
    void OpenLog()
    {
        gCurrentScreen = gQuestLogScreen;
        gQuestLogScreen->Enter();
    }
    void OpenBoard()
    {
        gMissionBoardScreen->SetReturnScreen(gMainMenuScreen);
        gCurrentScreen = gMissionBoardScreen;
        gMissionBoardScreen->Enter();
    }
    static void Click(CScreen& screen, int buttonId)
    {
        const CButton* button = screen.GetButton(buttonId);
        ASSERT_NE(button, nullptr) << buttonId;
        screen.OnMouseDown(0, button->x + 5, button->y + 5);
        screen.OnMouseUp(0, button->x + 5, button->y + 5);
    }
};

TEST_F(QuestLogTest, WithNothingToShowTheRewardsReadZero)
{
    FlyNewPilot();
    Content("update quest set min_level = 99;");
    OpenLog();
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kNameText), "Quest is NULL");
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kCreditText), "$0");
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kExperienceText), "");
    OpenBoard();
    EXPECT_EQ(gMissionBoardScreen->OfferCount(), 0);
    EXPECT_EQ(Text(*gMissionBoardScreen, CMissionBoardScreen::kCreditText), "Credit Reward:    $0");
    EXPECT_EQ(Text(*gMissionBoardScreen, CMissionBoardScreen::kExperienceText), "Experience Gained: 0");
    Click(*gMissionBoardScreen, CMissionBoardScreen::kAcceptButton);
    EXPECT_TRUE(gPlayerShip->mActiveQuests.empty()) << "nothing to accept";
}

TEST_F(QuestLogTest, DescriptionsStopAtTheLastLineTheScreenHas)
{
    FlyNewPilot();
    OnlyOwnQuests();
    AddQuest(1001, 12, {{"goto", 5}});
    OpenBoard();
    gPlayerShip->AcceptQuest(1001);
    OpenLog();
    struct {
        CScreen* screen;
        int firstText;
        int shownLines;
        int rewardText;
        const char* reward;
    } const cases[] = {
        {gQuestLogScreen, CQuestLogScreen::kFirstDescriptionText, 11, CQuestLogScreen::kCreditText, "$77"},
        {gMissionBoardScreen, CMissionBoardScreen::kFirstDescriptionText, 10, CMissionBoardScreen::kCreditText,
         "Credit Reward:    $77"},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < c.shownLines; ++i)
            EXPECT_EQ(Text(*c.screen, c.firstText + i), "Line " + std::to_string(i + 1));
        EXPECT_EQ(Text(*c.screen, c.rewardText), c.reward) << "a line ran into the rewards";
    }
}

struct StepListCase {
    const char* name;
    int currentStep;
    int stepsDone;
    std::vector<std::pair<std::string, uint32_t>> lines;
};

class StepListTest : public QuestLogTest, public ::testing::WithParamInterface<StepListCase> {};

TEST_P(StepListTest, ListsDoneStepsInWhiteTheOpenOneInRedAndNeverTheTalks)
{
    const StepListCase& c = GetParam();
    FlyNewPilot();
    AddQuest(1002, 2, {{"goto", 5}, {"conversation", 5}, {"deliver", 5}, {"interrupt", 5}, {"acquire", 5}});
    gPlayerShip->AcceptQuest(1002);
    CQuest& quest = *gPlayerShip->mActiveQuests.at(1002);
    quest.mCurrentStep = c.currentStep;
    for (int i = 0; i < c.stepsDone; ++i)
        quest.Step(i)->mStatus = 1;
    OpenLog();
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kStateText), "Incomplete");
    EXPECT_EQ(gQuestLogScreen->GetTextControl(CQuestLogScreen::kNameText)->colour, kRed);
    for (int i = 0; i < CQuestLogScreen::kStepLineLimit; ++i) {
        const int id = CQuestLogScreen::kFirstStepText + i;
        if (i < static_cast<int>(c.lines.size())) {
            EXPECT_EQ(Text(*gQuestLogScreen, id), c.lines[i].first) << "line " << i;
            EXPECT_EQ(gQuestLogScreen->GetTextControl(id)->colour, c.lines[i].second) << "line " << i;
        } else {
            EXPECT_FALSE(Shown(*gQuestLogScreen, id)) << "line " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepListTest,
    ::testing::Values(StepListCase{"FirstStepOpen", 0, 0, {{"Begin 1", kRed}}},
                      StepListCase{"TalksSkipped", 2, 2, {{"Done 1", kWhite}, {"Begin 3", kRed}}},
                      StepListCase{"LastStepOpen", 4, 4, {{"Done 1", kWhite}, {"Done 3", kWhite}, {"Begin 5", kRed}}},
                      StepListCase{"TalkUnderWay", 1, 1, {{"Done 1", kWhite}}}),
    [](const ::testing::TestParamInfo<StepListCase>& info) { return std::string(info.param.name); });

TEST_F(QuestLogTest, AFinishedMissionShowsItsClosingConversation)
{
    FlyNewPilot();
    AddQuest(1003, 1, {{"goto", 5}, {"conversation", 5}});
    Content("insert into quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) "
            "values (1, 100302, 1, 1, 'Well done.'), (2, 100302, 2, 1, 'Come back soon.');");
    auto* quest = new CQuest(1003);
    quest->mState = kQuestComplete;
    gPlayerShip->mCompletedQuests[1003] = quest;
    OpenLog();
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kStateText), "Complete");
    EXPECT_EQ(gQuestLogScreen->GetTextControl(CQuestLogScreen::kNameText)->colour, kWhite);
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kFirstStepText), "Well done.");
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kFirstStepText + 1), "Come back soon.");
    EXPECT_FALSE(Shown(*gQuestLogScreen, CQuestLogScreen::kFirstStepText + 2));
}

TEST_F(QuestLogTest, EveryOpeningListsThePilotsMissionsAsTheyAreNow)
{
    FlyNewPilot();
    AddQuest(1004, 1, {{"goto", 5}});
    gPlayerShip->AcceptQuest(1004);
    OpenLog();
    ASSERT_EQ(gQuestLogScreen->ShownQuest(), gPlayerShip->mActiveQuests.at(1004));
    gQuestLogScreen->OnKeyDown(kKeyEscape);
    EXPECT_EQ(gCurrentScreen, gFlightScreen);
    // Respawn gives up the missions under way; the log must not show the freed one.
    gPlayerShip->DropActiveQuests();
    OpenLog();
    EXPECT_EQ(gQuestLogScreen->ShownQuest(), nullptr);
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kNameText), "Quest is NULL");
}

TEST_F(QuestLogTest, ReadingAMissionDoesNotRunIt)
{
    FlyNewPilot();
    AddQuest(1005, 1, {{"deliver", 1}, {"goto", 5}});
    gPlayerShip->AcceptQuest(1005);
    CQuest& quest = *gPlayerShip->mActiveQuests.at(1005);
    // The ship sits on the delivery point: an update would complete the step.
    quest.Step(0)->mGoal = gPlayerShip->mPosition;
    OpenLog();
    EXPECT_EQ(quest.mCurrentStep, 0);
    EXPECT_EQ(quest.Step(0)->mStatus, 0);
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kFirstStepText), "Begin 1");
}

// The chain's page is titled and told by the mission under way, and lists the chain's steps.
TEST_F(QuestLogTest, AChainShowsAsOnePageUnderTheMissionUnderWay)
{
    FlyNewPilot();
    AddQuest(1006, 1, {{"goto", 5}});
    AddQuest(1007, 3, {{"goto", 5}}, 1006);
    Content("insert into quest_ties (quest_id, next_quest_id) values (1006, 1007);");
    gPlayerShip->AcceptQuest(1006);
    gPlayerShip->mActiveQuests.at(1006)->Step(0)->mStatus = 1;
    OpenLog();
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kNameText), "Mission 1006");
    EXPECT_FALSE(Shown(*gQuestLogScreen, CQuestLogScreen::kFirstDescriptionText + 1)) << "1006 has one line";
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kFirstStepText), "Done 1");
    EXPECT_EQ(Text(*gQuestLogScreen, CQuestLogScreen::kFirstStepText + 1), "Begin 1");
    EXPECT_EQ(gQuestLogScreen->GetTextControl(CQuestLogScreen::kFirstStepText + 1)->colour, kRed);
    EXPECT_EQ(gPlayerShip->FindQuest(1007), nullptr) << "showing the chain takes no mission";
}

// A chain is one page under its first mission: paging either way meets each page once.
TEST_F(QuestLogTest, PagesWrapAroundBothWays)
{
    FlyNewPilot();
    for (int id : {1011, 1012, 1013, 1014}) {
        AddQuest(id, 1, {{"goto", 5}});
        gPlayerShip->AcceptQuest(id);
    }
    Content("insert into quest_ties (quest_id, next_quest_id) values (1013, 1014);");
    OpenLog();
    const auto shown = [] { return gQuestLogScreen->ShownQuest()->mQuestId; };
    EXPECT_EQ(shown(), 1013) << "the log opens on the highest page";
    Click(*gQuestLogScreen, CQuestLogScreen::kNextButton);
    EXPECT_EQ(shown(), 1011);
    Click(*gQuestLogScreen, CQuestLogScreen::kNextButton);
    EXPECT_EQ(shown(), 1012);
    Click(*gQuestLogScreen, CQuestLogScreen::kNextButton);
    EXPECT_EQ(shown(), 1013);
    Click(*gQuestLogScreen, CQuestLogScreen::kPreviousButton);
    EXPECT_EQ(shown(), 1012);
    Click(*gQuestLogScreen, CQuestLogScreen::kPreviousButton);
    EXPECT_EQ(shown(), 1011);
    EXPECT_FALSE(gQuestLogScreen->GetButton(CQuestLogScreen::kPreviousButton)->visible) << "on the first page";
}

// A trigger of the mission, when it has one: a find's trigger (the find aboard or not), or one
// that the prerequisite's end removes.
struct OfferCase {
    const char* name;
    bool prerequisiteTaken;
    bool prerequisiteDone;
    bool offered;
    const char* trigger = "";
    bool findAboard = false;
};

class OfferTest : public QuestLogTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(OfferTest, AMissionWaitsForItsPrerequisiteAndWhatItsTriggerAsks)
{
    const OfferCase& c = GetParam();
    FlyNewPilot();
    OnlyOwnQuests();
    AddQuest(1020, 1, {{"goto", 5}});
    AddQuest(1021, 1, {{"goto", 5}}, 1020);
    Content("update quest set min_level = 99 where quest_id = 1020;");
    if (std::string(c.trigger) == "device")
        Content("insert into quest_trigger values (1021, 1021, 5, 'device', 0.0, 0.0, 0.0, 5, 0, 0, 0);");
    if (std::string(c.trigger) == "removed")
        Content("insert into quest_trigger values (1021, 1021, 1, 'position', 0.0, 0.0, 10.0, 0, 0, 0, 1020);");
    if (c.findAboard) {
        ASSERT_TRUE(gPlayerShip->AddCarriedDevice(gGameDatabase.CreateDevice(5)));
    }
    if (c.prerequisiteTaken)
        gPlayerShip->AcceptQuest(1020);
    if (c.prerequisiteDone) {
        gPlayerShip->mCompletedQuests[1020] = gPlayerShip->mActiveQuests.at(1020);
        gPlayerShip->mActiveQuests.erase(1020);
    }
    OpenBoard();
    EXPECT_EQ(gMissionBoardScreen->OfferCount(), c.offered ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Offers, OfferTest,
                         ::testing::Values(OfferCase{"NotTaken", false, false, false},
                                           OfferCase{"UnderWay", true, false, true},
                                           OfferCase{"Finished", true, true, true},
                                           OfferCase{"BeforeTheFind", true, false, false, "device"},
                                           OfferCase{"AfterTheFind", true, false, true, "device", true},
                                           OfferCase{"RemovedByThePrerequisite", true, true, false, "removed"}),
                         [](const ::testing::TestParamInfo<OfferCase>& info) { return std::string(info.param.name); });

TEST_F(QuestLogTest, TakingAnOfferReturnsToTheStationAndTheOfferIsGone)
{
    FlyNewPilot();
    OnlyOwnQuests();
    AddQuest(1030, 1, {{"goto", 5}});
    AddQuest(1031, 2, {{"goto", 5}}, 0, 120, 45);
    OpenBoard();
    ASSERT_EQ(gMissionBoardScreen->OfferCount(), 2);
    Click(*gMissionBoardScreen, CMissionBoardScreen::kNextButton);
    ASSERT_EQ(gMissionBoardScreen->ShownOffer()->mQuestId, 1031);
    EXPECT_EQ(Text(*gMissionBoardScreen, CMissionBoardScreen::kCreditText), "Credit Reward:    $120");
    EXPECT_EQ(Text(*gMissionBoardScreen, CMissionBoardScreen::kExperienceText), "Experience Gained: 45");
    Click(*gMissionBoardScreen, CMissionBoardScreen::kAcceptButton);
    EXPECT_EQ(gCurrentScreen, gMainMenuScreen) << "back to the screen that opened the board";
    ASSERT_EQ(gPlayerShip->mActiveQuests.count(1031), 1u);
    OpenBoard();
    ASSERT_EQ(gMissionBoardScreen->OfferCount(), 1);
    EXPECT_EQ(gMissionBoardScreen->ShownOffer()->mQuestId, 1030);
}

}  // namespace
