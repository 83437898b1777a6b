// A newcomer's first hour as one road: a pilot made through the menus flies the first job (a
// conversation and a fight with raiders), mines, docks to sell and refuel, looks at the galaxy
// map, travels through a wormhole, crosses a nebula, is lost in a vortex and respawns beside the
// station, quits, continues, loads and is retired.
#include <string>

#include "quest_road_fixture.h"
#include "screens/galaxy_map_screen.h"
#include "screens/station_screen.h"
#include "ships/engine.h"

namespace {

constexpr int kFirstLight = 1;
constexpr int kVarnExchange = 1001;
constexpr int kEastWormhole = 1004;
constexpr int kCinder = 3;
constexpr int kAshVeil = 3016;
constexpr int kMaelstrom = 3007;
constexpr int kOreLumps[] = {1006, 1015, 1016};

using FirstHourRoadTest = QuestRoadTest;

TEST_F(FirstHourRoadTest, ANewcomersFirstHourFromTheMenusToRetirement)
{
    FlyTheFirstJobAsANewPilot(2);
    ASSERT_FALSE(HasFailure());
    CPlayerShip* ship = gPlayerShip;
    ASSERT_TRUE(ship->FindQuest(kFirstLight)) << "the first job is done";

    road.Step("mine the ore fields until the hold is full or the ore is gone");
    for (int lump : kOreLumps) {
        FlyToward(lump, 4000, [&] {
            CWorldObject* ore = gResourceManager->FindObject(lump);
            return !ore || !ore->mActive || Logged("Cargo bay is full");
        });
        if (Logged("Cargo bay is full"))
            break;
    }
    ASSERT_GT(ship->CargoTons(), 0) << road.CurrentStep();

    road.Step("dock at the Exchange; sell the ore and refuel");
    ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
    // The save point lies beside the station the pilot docked at.
    const Vec3 dockedAt = gResourceManager->FindObject(kVarnExchange)->mPosition;
    const int credits = ship->mCredits;
    const int sale = ship->GetCompoundSaleValue();
    ClickControl(gStationScreen, CStationScreen::kSellButton);
    EXPECT_EQ(ship->mCredits, credits + sale) << road.CurrentStep();
    EXPECT_EQ(ship->CargoTons(), 0) << road.CurrentStep();
    ClickControl(gStationScreen, CStationScreen::kRefuelButton);
    EXPECT_EQ(ship->mEngine->mFuel, ship->mEngine->mMaxFuel) << road.CurrentStep();

    road.Step("look at the galaxy map from the station, and close it");
    ClickControl(gStationScreen, CStationScreen::kGalaxyButton);
    ASSERT_EQ(gCurrentScreen, gGalaxyMapScreen) << road.CurrentStep();
    road.Frames(2);
    ClickControl(gGalaxyMapScreen, CGalaxyMapScreen::kCloseButton);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();

    road.Step("launch and travel to Cinder through the wormhole");
    ClickControl(gStationScreen, CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    ASSERT_TRUE(FlyToward(kEastWormhole, 6000, [] { return gResourceManager->mCurrentSystemId == kCinder; }))
        << road.CurrentStep();

    road.Step("fly through the Ash Veil, which drains the energy");
    const int energy = ship->mEngine->mEnergy;
    ASSERT_TRUE(FlyToward(kAshVeil, 6000, [&] { return ship->mEngine->mEnergy < energy - 20; })) << road.CurrentStep();

    road.Step("fly into the Maelstrom, which pulls the ship in and destroys it");
    ASSERT_TRUE(FlyToward(kMaelstrom, 6000, [] { return !gPlayerShip->mActive; })) << road.CurrentStep();
    road.Frames(30);

    road.Step("respawn beside the station the pilot last docked at");
    RespawnBeside(dockedAt);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(gResourceManager->mCurrentSystemId % 100, 1) << road.CurrentStep();
    const std::string name = ship->mPilotName;
    const int playerId = ship->mPlayerId;

    road.Step("quit, start again and continue: the same pilot, the first job still done");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(gPlayerShip->mPlayerId, playerId) << road.CurrentStep();
    EXPECT_TRUE(gPlayerShip->FindQuest(kFirstLight)) << road.CurrentStep();

    road.Step("quit, start again and load the pilot from the list");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    LoadTheFirstPilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_STREQ(gPlayerShip->mPilotName, name.c_str()) << road.CurrentStep();

    road.Step("quit, start again and retire the pilot");
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    RetireTheOnlyPilot();
}

}  // namespace
