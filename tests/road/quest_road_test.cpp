// The road of the first mission: a new pilot arriving in Varn is hailed by Traffic Control and
// takes the job, flies to the beacon the arrow points at, pages through the call that follows
// with Space, drives off the raiders, delivers the salvage, is paid, is offered the next job, and
// finds the finished one kept after quitting and continuing; and the same job whose calls were
// edited to say nothing.

#include "quests/quest.h"

#include "quest_road_fixture.h"
#include "quests/quest_step.h"
#include "screens/main_menu_screen.h"

namespace {

constexpr int kFirstLight = 1;
constexpr int kBlockade = 3;

TEST_F(QuestRoadTest, TheFirstJobIsTakenFlownFoughtDeliveredPaidAndKept)
{
    FlyTheFirstJobAsANewPilot(0);
    ASSERT_FALSE(HasFailure());

    road.Step("quit through the options");
    QuitThroughTheOptions();
    ASSERT_FALSE(HasFailure());

    road.Step("continue: the first job stays done, the orders come again");
    StartAgain();
    ASSERT_FALSE(HasFailure());
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(FramesUntil(60, [] { return CenterMessage() == "Orders from Varn Traffic Control."; }))
        << road.CurrentStep();
    const CQuest* done = gPlayerShip->FindQuest(kFirstLight);
    ASSERT_NE(done, nullptr) << road.CurrentStep();
    EXPECT_EQ(done->mState, kQuestComplete) << road.CurrentStep();
    EXPECT_EQ(gPlayerShip->mActiveQuests.count(kBlockade), 1u) << road.CurrentStep();
}

// A player's edit takes every line from Traffic Control's two calls and from the raider who
// would speak: no box opens empty, and the job runs on to the fight and past it.
TEST_F(QuestRoadTest, CallsWithoutLinesOpenNothingAndTheFirstJobRunsOn)
{
    folder.Content(
        "DELETE FROM quest_step_conversation WHERE quest_step_id IN (11, 13);"
        "DELETE FROM lead_ship_message WHERE lead_ship_ai_id = 1500;");
    MakePilotThroughTheMenus(0);
    ASSERT_FALSE(HasFailure());
    bool hailed = false;
    bool conversed = false;
    const auto watch = [&] {
        hailed = hailed || gFlightScreen->IsHailOpen();
        conversed = conversed || gCurrentScreen == gConversationScreen;
    };

    road.Step("Traffic Control's call has nothing to say: the job's first flight is given at once");
    ASSERT_TRUE(FramesUntil(60, [&] {
        watch();
        return CenterMessage() == "Fly to the salvage beacon.";
    })) << road.CurrentStep();
    EXPECT_TRUE(Logged("Traffic Control signs off.")) << road.CurrentStep();

    road.Step("at the beacon the urgent call has nothing to say either, and the raiders come");
    ASSERT_TRUE(FramesUntil(20, [] { return gPlayerShip->mGuideTarget != nullptr; })) << road.CurrentStep();
    const Vec3 beacon = gPlayerShip->mGuideTarget->mPosition;
    FlyTowardPoint(
        [&](Vec3* at) {
            *at = beacon;
            return true;
        },
        3000,
        [&] {
            watch();
            return CenterMessage() == "Scrap raiders! Drive them off.";
        });
    ASSERT_EQ(CenterMessage(), "Scrap raiders! Drive them off.") << road.CurrentStep();
    EXPECT_FALSE(hailed) << road.CurrentStep();
    EXPECT_FALSE(conversed) << road.CurrentStep();

    road.Step("the silent raiders are fought to scrap, and no box is left open");
    FightUntilLogged("The raiders are scrap themselves now.", 200);
    ASSERT_TRUE(Logged("The raiders are scrap themselves now.")) << road.CurrentStep();
    EXPECT_FALSE(gFlightScreen->IsHailOpen()) << road.CurrentStep();
    ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Fly back to the Varn Exchange."; }))
        << road.CurrentStep();
}

TEST_F(QuestRoadTest, TheOreFieldOffersTheForgeJobThatMiningAndTheHaulersCallFinish)
{
    MakePilotThroughTheMenus(0);
    ASSERT_FALSE(HasFailure());
    const int credits = gPlayerShip->mCredits;

    road.Step("fly into the ore field: the forge job is offered on the way");
    constexpr int kOreField = 1006;
    ASSERT_TRUE(FlyToward(kOreField, 6000, [] { return !gResourceManager->FindObject(kOreField)->mActive; }))
        << road.CurrentStep();
    const int mined = gPlayerShip->GetCompoundAmount(1);
    EXPECT_GE(mined, 10) << road.CurrentStep();
    ASSERT_EQ(gPlayerShip->mActiveQuests.count(2), 1u) << road.CurrentStep();

    road.Step("the ore is aboard and the forge's hauler calls");
    ASSERT_TRUE(FramesUntil(60, [] { return Logged("The hold is full of good ore."); })) << road.CurrentStep();
    ASSERT_TRUE(FramesUntil(20, [] {
        return Text(gFlightScreen, CFlightScreen::kFirstHailText) == "Forge hauler here, for the forge master.";
    })) << road.CurrentStep();

    road.Step("the middle button closes the call; the forge takes ten tons and pays");
    road.MoveTo(400, 120);
    road.Click(2);
    ASSERT_TRUE(FramesUntil(40, [] { return Logged("The forges of Varn burn bright again."); })) << road.CurrentStep();
    EXPECT_EQ(CenterMessage(), "Mission Complete") << road.CurrentStep();
    EXPECT_EQ(gPlayerShip->GetCompoundAmount(1), mined - 10) << road.CurrentStep();
    EXPECT_EQ(gPlayerShip->mCredits, credits + 300) << road.CurrentStep();
}

}  // namespace
