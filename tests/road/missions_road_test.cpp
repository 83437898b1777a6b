// The roads of the missions after the first: each is offered where a player meets it, flown,
// fought and docked through input records to its pay, found finished in the mission log, and
// kept through a save and a continue.
#include "missions_road_fixture.h"
#include "screens/mission_board_screen.h"

namespace {

using namespace missions;

// Two missions under way: the seeds, taken from the Exchange's board, wait in Verdance while the
// arrow leads every step of the blockade; then they are flown in Verdance.
TEST_F(MissionsRoadTest, TheBlockadeIsFlownWithTheSeedsWaitingThenTheSeedsAndBothAreKept)
{
    // The third hull carries ammunition enough for the raiders and the warlord both.
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    CloseTheOrders();
    TakeFromTheExchangeBoard(kSeeds, 800);
    ASSERT_FALSE(HasFailure());
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gPlayerShip->mActiveQuests.size(), 2u) << road.CurrentStep();
    JumpAndFightTheWarlord();
    ASSERT_FALSE(HasFailure());

    road.Step("jump on to Verdance, where the seeds' escort begins");
    ASSERT_TRUE(JumpThrough(kCinderToVerdance, kVerdance)) << road.CurrentStep();
    EscortAndGuardTheSeeds();
    ASSERT_FALSE(HasFailure());
    EXPECT_TRUE(LogShowsFinished("Breaking the Blockade", "Warlord Kesh is no more.")) << road.CurrentStep();
    ExpectFinishedInTheLogAndKept("Seeds of the Bloom", "The seeds are unloaded and planted.");
    EXPECT_TRUE(LogShowsFinished("Breaking the Blockade", "Warlord Kesh is no more.")) << road.CurrentStep();
}

TEST_F(MissionsRoadTest, PicketDutyFollowsTheBlockadeIsFoughtPaidAndKept)
{
    // The chain before the duty is flown by input too: the first job, then the blockade.
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    FlyTheBlockade();
    ASSERT_FALSE(HasFailure());
    road.Step("fly back to Varn through the west wormhole");
    ASSERT_TRUE(JumpThrough(kWestWormhole, kGuardedVarn)) << road.CurrentStep() << ": not back in guarded Varn";

    FlyPicketDuty();
    ASSERT_FALSE(HasFailure());

    ExpectFinishedInTheLogAndKept("Picket Duty", "The raiders break off.");
}

TEST_F(MissionsRoadTest, SeedsOfTheBloomAreOfferedNearTheBloomEscortedPaidAndKept)
{
    MakePilotThroughTheMenus(2);
    ASSERT_FALSE(HasFailure());

    road.Step("jump east to Cinder, then on to Verdance");
    ASSERT_TRUE(JumpThrough(kEastWormhole, kCinder)) << road.CurrentStep();
    ASSERT_TRUE(JumpThrough(kCinderToVerdance, kVerdance)) << road.CurrentStep();

    FlySeedsOfTheBloom();
    ASSERT_FALSE(HasFailure());

    ExpectFinishedInTheLogAndKept("Seeds of the Bloom", "The seeds are unloaded and planted.");
}

TEST_F(MissionsRoadTest, TheUmbralLensIsOfferedByItsBeaconFoundDeliveredPaidAndKept)
{
    MakePilotThroughTheMenus(2);
    ASSERT_FALSE(HasFailure());

    road.Step("jump west to Umbral");
    ASSERT_TRUE(JumpThrough(kVarnToUmbral, kUmbral)) << road.CurrentStep();

    road.Step("pick up the drifting beacon: its search is offered");
    ASSERT_TRUE(FlyToward(kDriftingBeacon, 4000, [] { return gPlayerShip->mActiveQuests.count(kLens) != 0; }))
        << road.CurrentStep();
    EXPECT_TRUE(Logged("Drifting Beacon acquired")) << road.CurrentStep();
    RecoverTheLens();
    ASSERT_FALSE(HasFailure());

    ExpectFinishedInTheLogAndKept("The Umbral Lens", "The observers take the lens.");
}

TEST_F(MissionsRoadTest, AMissionIsTakenFromTheBoardAtTheExchange)
{
    MakePilotThroughTheMenus(2);
    ASSERT_FALSE(HasFailure());

    TakeFromTheExchangeBoard(kOre, 300);
    ASSERT_FALSE(HasFailure());

    road.Step("the board no longer offers what was taken");
    ClickStationButton(CStationScreen::kMissionsButton);
    road.Frames(1);
    for (int page = 0; page < 8 && gMissionBoardScreen->ShownOffer(); ++page) {
        EXPECT_NE(gMissionBoardScreen->ShownOffer()->mQuestId, kOre) << road.CurrentStep();
        ClickControl(gMissionBoardScreen, CMissionBoardScreen::kNextButton);
    }
    ClickControl(gMissionBoardScreen, CMissionBoardScreen::kBackButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();

    road.Step("launch; the mission log lists the ore job");
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    road.ClickAt(700, 344);
    ASSERT_EQ(gCurrentScreen, gQuestLogScreen) << road.CurrentStep();
    bool listed = false;
    for (int page = 0; page < 8 && !listed; ++page) {
        road.Frames(1);
        listed = Text(gQuestLogScreen, CQuestLogScreen::kNameText) == "Ore for the Forges";
        if (!listed)
            ClickLogButton(CQuestLogScreen::kNextButton);
    }
    EXPECT_TRUE(listed) << road.CurrentStep();
}

}  // namespace
