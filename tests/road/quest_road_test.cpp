// The road of the first mission: a new pilot arriving in Varn is hailed by Traffic Control and
// takes the job, flies to the beacon the arrow points at, pages through the call that follows
// with Space, drives off the raiders, delivers the salvage, is paid, is offered the next job, and
// finds the finished one kept after quitting and continuing.

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
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
    road.Frames(5);
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(FramesUntil(60, [] { return CenterMessage() == "Orders from Varn Traffic Control."; }))
        << road.CurrentStep();
    const CQuest* done = gPlayerShip->FindQuest(kFirstLight);
    ASSERT_NE(done, nullptr) << road.CurrentStep();
    EXPECT_EQ(done->mState, kQuestComplete) << road.CurrentStep();
    EXPECT_EQ(gPlayerShip->mActiveQuests.count(kBlockade), 1u) << road.CurrentStep();
}

TEST_F(QuestRoadTest, TheOreFieldOffersTheForgeJobThatMiningAndTheForgeMastersCallFinish)
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

    road.Step("the ore is aboard and the forge master calls");
    ASSERT_TRUE(FramesUntil(60, [] { return Logged("The hold is full of good ore."); })) << road.CurrentStep();
    ASSERT_TRUE(FramesUntil(20, [] {
        return Text(gFlightScreen, CFlightScreen::kFirstHailText) == "Forge master here. That ore smells good.";
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
