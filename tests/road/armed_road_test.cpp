// The road through Cinder: a new pilot is fired on by the battery, destroys it and is paid, then
// runs into the drifting mine. Until the in-flight screen flies the ship from the keys, the pilot
// is placed where the fights happen.
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "road_fixture.h"
#include "screens/flight_screen.h"
#include "ships/armor.h"
#include "ships/player_ship.h"
#include "ships/shield.h"

namespace {

constexpr int kCinder = 3;
constexpr int kCinderBattery = 3004;
constexpr int kDriftingMine = 3005;
constexpr int kPulseLaser = 10;

class ArmedRoadTest : public RoadTest {
protected:
    // What the pilot has left before the hull breaks: hull, shield and armor points.
    static int Health(const CPlayerShip& ship)
    {
        return ship.mHitPoints + (ship.mShield ? ship.mShield->mPoints : 0) + (ship.mArmor ? ship.mArmor->mPoints : 0);
    }
};

TEST_F(ArmedRoadTest, TheBatteryFiresOnThePilotWhoDestroysItAndTheMineGoesOff)
{
    road.Step("the main menu runs");
    road.Frames(5);
    ASSERT_FALSE(HasFailure());

    road.Step("a new pilot enters Cinder below the battery");
    RowList<CreateShipRow> rows;
    const CreateShipRow* hull = gGameDatabase.GetCreateShips(rows).front();
    ReplacePlayerShip(new CPlayerShip(hull->ship_id, "Road Pilot", hull->weapon_id_1, hull->weapon_id_2,
                                      hull->engine_device_id, hull->shield_device_id, hull->armor_device_id, 2, 2, 3, 1,
                                      2, 0xFFFFFFFFu, hull->affiliate));
    CPlayerShip* pilot = gPlayerShip;
    gFlightScreen->SetSystemBackdrop(kCinder);
    gCurrentScreen = gFlightScreen;
    ASSERT_EQ(gResourceManager->mObjects.count(kCinderBattery), 1u) << road.CurrentStep();
    ASSERT_EQ(gResourceManager->mObjects.count(kDriftingMine), 1u) << road.CurrentStep();
    CWorldObject* battery = gResourceManager->mObjects.at(kCinderBattery);
    pilot->mPosition = Vec3(battery->mPosition.x, battery->mPosition.y - 50.0f, 30.0f);
    const int healthy = Health(*pilot);

    road.Step("the battery turns and fires");
    FramesUntil(1200, [&] { return Health(*pilot) < healthy; });
    ASSERT_LT(Health(*pilot), healthy) << road.CurrentStep() << ": the battery never hit the pilot";
    const int afterBattery = Health(*pilot);

    road.Step("the pilot fires back until the battery falls");
    int shots = 0;
    FramesUntil(2000, [&] {
        if (battery->mActive && shots++ % 25 == 0)
            gResourceManager->LaunchWeapon(kPulseLaser, pilot, &pilot->mPosition, &battery->mPosition);
        return battery->mActive == 0;
    });
    ASSERT_EQ(battery->mActive, 0) << road.CurrentStep() << " after " << shots << " frames";
    EXPECT_GT(pilot->mExperience, 0) << road.CurrentStep() << ": destroying the battery pays nothing";
    EXPECT_NE(pilot->mActive, 0) << road.CurrentStep() << ": a fair fight leaves the pilot alive";

    // The ring spreads from below the plane: it reaches a ship 10 away once it has grown, one
    // 20 away never.
    road.Step("the pilot flies over the mine");
    CWorldObject* mine = gResourceManager->mObjects.at(kDriftingMine);
    pilot->mPosition = Vec3(mine->mPosition.x, mine->mPosition.y + 10.0f, 30.0f);
    const int beforeMine = Health(*pilot);
    FramesUntil(600, [&] { return Health(*pilot) < beforeMine; });
    EXPECT_EQ(mine->mActive, 0) << road.CurrentStep();
    EXPECT_LT(Health(*pilot), beforeMine) << road.CurrentStep() << ": the mine's ring never struck";
    EXPECT_LE(Health(*pilot), afterBattery);
}

}  // namespace
