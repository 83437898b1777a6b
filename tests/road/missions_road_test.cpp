// The roads of the missions after the first: each is offered where a player meets it, flown,
// fought and docked through input records to its pay, found finished in the mission log, and
// kept through a save and a continue.
#include "quests/quest.h"
#include "quest_road_fixture.h"
#include "screens/quest_log_screen.h"
#include "screens/station_screen.h"
#include "ui/button.h"

namespace {

class MissionsRoadTest : public QuestRoadTest {
protected:
    // Pages the mission log until a page lists the line among its steps done; a chain of
    // missions shares one page.
    bool LogShows(const std::string& line)
    {
        road.ClickAt(700, 344);
        if (gCurrentScreen != gQuestLogScreen)
            return false;
        bool found = false;
        for (int page = 0; page < 8 && !found; ++page) {
            road.Frames(1);
            for (int i = 0; i < CQuestLogScreen::kStepLineLimit && !found; ++i)
                found = Text(gQuestLogScreen, CQuestLogScreen::kFirstStepText + i) == line;
            if (!found)
                ClickLogButton(CQuestLogScreen::kNextButton);
        }
        road.ClickAt(690, 580);
        return found;
    }
    // The experience a reward leaves, split by the level as the pilot's levels do.
    void ExpectRewarded(int credits, int level, int experience, int nextLevel, int creditReward, int experienceReward)
    {
        EXPECT_EQ(gPlayerShip->mCredits, credits + creditReward) << road.CurrentStep();
        const int gained = experience + experienceReward / level;
        if (gained < nextLevel) {
            EXPECT_EQ(gPlayerShip->mLevel, level) << road.CurrentStep();
            EXPECT_EQ(gPlayerShip->mExperience, gained) << road.CurrentStep();
        } else {
            EXPECT_EQ(gPlayerShip->mLevel, level + 1) << road.CurrentStep();
            EXPECT_EQ(gPlayerShip->mExperience, gained - nextLevel) << road.CurrentStep();
        }
    }
    void ClickLogButton(int id)
    {
        const CButton* button = gQuestLogScreen->GetButton(id);
        if (button && button->visible)
            road.ClickAt(button->x + button->width / 2, button->y + button->height / 2);
    }
    // The mission log lists the mission's last step done, before and after a quit and a continue.
    void ExpectFinishedInTheLogAndKept(const std::string& name, const std::string& lastLine)
    {
        road.Step("the mission log shows " + name + " done");
        EXPECT_TRUE(LogShows(lastLine)) << road.CurrentStep();
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
        road.Step("quit through the options and continue: " + name + " stays finished");
        QuitThroughTheOptions();
        ASSERT_FALSE(HasFailure());
        ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
        road.Frames(5);
        road.ClickAt(150, 416);
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
        road.Frames(5);
        EXPECT_TRUE(LogShows(lastLine)) << road.CurrentStep();
    }
};

constexpr int kBlockade = 3;
constexpr int kEastWormhole = 1004;
constexpr int kWarlord = 3500;
constexpr int kCinderDepot = 3001;

TEST_F(MissionsRoadTest, TheBlockadeIsTakenJumpedFoughtReportedPaidAndKept)
{
    // The third hull carries ammunition enough for the raiders and the warlord both.
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    const int credits = gPlayerShip->mCredits;

    road.Step("the middle button closes the orders");
    ASSERT_TRUE(FramesUntil(40, [] { return gFlightScreen->IsHailOpen(); })) << road.CurrentStep();
    road.MoveTo(400, 120);
    road.Click(2);
    ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Jump to Cinder through the east wormhole."; }))
        << road.CurrentStep();

    road.Step("fly into the east wormhole to Cinder");
    FlyToward(kEastWormhole, 4000, [] { return gResourceManager->FindObject(kWarlord) != nullptr; });
    ASSERT_NE(gResourceManager->FindObject(kWarlord), nullptr) << road.CurrentStep();

    road.Step("fight Warlord Kesh until he is no more");
    ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Find Warlord Kesh and end the blockade."; }))
        << road.CurrentStep();
    FightUntilLogged("Warlord Kesh is no more.", 300);
    ASSERT_TRUE(Logged("Warlord Kesh is no more.")) << road.CurrentStep();
    ASSERT_NE(gPlayerShip->mActive, 0) << road.CurrentStep() << ": the warlord won";

    road.Step("fly into the Cinder Depot to report");
    ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Report at the Cinder Depot."; })) << road.CurrentStep();
    FlyToward(kCinderDepot, 4000, [] { return gCurrentScreen != gFlightScreen; });
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
    road.Frames(2);
    EXPECT_TRUE(gStationScreen->IsHailOpen()) << road.CurrentStep();
    EXPECT_EQ(Text(gStationScreen, CStationScreen::kFirstHailLine), "Cinder Depot here. We saw Kesh go down.")
        << road.CurrentStep();

    road.Step("Space closes the call; launch: the blockade is broken and paid");
    const int level = gPlayerShip->mLevel;
    const int experience = gPlayerShip->mExperience;
    const int nextLevel = gPlayerShip->mNextLevelExperience;
    road.Tap(kKeySpace);
    EXPECT_FALSE(gStationScreen->IsHailOpen()) << road.CurrentStep();
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_TRUE(FramesUntil(60, [] { return Logged("The blockade is broken. Varn trades again."); }))
        << road.CurrentStep();
    ExpectRewarded(credits, level, experience, nextLevel, 1500, 120);
    const CQuest* blockade = gPlayerShip->FindQuest(kBlockade);
    ASSERT_NE(blockade, nullptr) << road.CurrentStep();
    EXPECT_EQ(blockade->mState, kQuestComplete) << road.CurrentStep();

    ExpectFinishedInTheLogAndKept("Breaking the Blockade", "Warlord Kesh is no more.");
}

}  // namespace
