// The roads of the missions after the first: each is offered where a player meets it, flown,
// fought and docked through input records to its pay, found finished in the mission log, and
// kept through a save and a continue.
#include "missions_road_fixture.h"
#include "screens/mission_board_screen.h"

namespace {

using namespace missions;

TEST_F(MissionsRoadTest, TheBlockadeIsTakenJumpedReportedFoughtPaidAndKept)
{
    // The third hull carries ammunition enough for the raiders and the warlord both.
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    FlyTheBlockade();
    ASSERT_FALSE(HasFailure());
    ExpectFinishedInTheLogAndKept("Breaking the Blockade", "Warlord Kesh is no more.");
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

// Two missions under way: the seeds, taken from the board, wait in Verdance while the blockade's
// steps in Varn and Cinder each have the arrow; then the seeds are flown in Verdance.
TEST_F(MissionsRoadTest, TheChainIsFlownWithTheSeedsWaitingAndTheArrowLeadsEveryStep)
{
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    CloseTheOrders();
    ASSERT_FALSE(HasFailure());

    road.Step("dock at the Exchange and take the seeds from its board");
    ASSERT_TRUE(FlyToward(kVarnExchange, 6000, [] { return gCurrentScreen == gStationScreen; })) << road.CurrentStep();
    road.Frames(2);
    ClickStationButton(CStationScreen::kMissionsButton);
    road.Frames(1);
    PageTheBoardTo(kSeeds);
    ASSERT_FALSE(HasFailure());
    ClickControl(gMissionBoardScreen, CMissionBoardScreen::kAcceptButton);
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    ASSERT_EQ(gPlayerShip->mActiveQuests.size(), 2u) << road.CurrentStep();

    JumpAndFightTheWarlord();
    ASSERT_FALSE(HasFailure());

    road.Step("jump on to Verdance, where the seeds' escort begins");
    ASSERT_TRUE(JumpThrough(kCinderToVerdance, kVerdance)) << road.CurrentStep();
    EscortAndGuardTheSeeds();
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

    road.Step("fly into the Varn Exchange and open its mission board");
    ASSERT_TRUE(FlyToward(kVarnExchange, 6000, [] { return gCurrentScreen == gStationScreen; })) << road.CurrentStep();
    road.Frames(2);
    ClickStationButton(CStationScreen::kMissionsButton);
    ASSERT_EQ(gCurrentScreen, gMissionBoardScreen) << road.CurrentStep();
    road.Frames(1);

    road.Step("page to the ore job and accept it; the board returns to the station");
    PageTheBoardTo(kOre);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(Text(gMissionBoardScreen, CMissionBoardScreen::kCreditText), "Credit Reward:    $300")
        << road.CurrentStep();
    ClickControl(gMissionBoardScreen, CMissionBoardScreen::kAcceptButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
    ASSERT_EQ(gPlayerShip->mActiveQuests.count(kOre), 1u) << road.CurrentStep();

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
