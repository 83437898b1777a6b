// The road: the game played from its start through the real frame loop. This stretch enters
// the first system and flies in it.
#include "core/keys.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "road_driver.h"
#include "screens/flight_screen.h"
#include "ships/engine.h"
#include "ships/lead_ship_ai.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"
#include "support/headless_game.h"
#include "world/world_object.h"

namespace {

class RoadTest : public HeadlessGame {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        // The road runs the game's own screens, not the fixture's recording ones.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
    }

    size_t ObjectCount() const
    {
        return gResourceManager->mObjects.size() + gResourceManager->mSuns.size() +
               gResourceManager->mWormholes.size() + gResourceManager->mNebulae.size();
    }

    // The in-flight screen does not steer the ship yet: this is what it will do each frame from
    // the held keys before the ship's update. Drawing the ship belongs inside the screen's frame,
    // so the road leaves it out.
    static bool SteerFromKeys(int)
    {
        CPlayerShip& ship = *gPlayerShip;
        if (gFlightScreen->ThrustKey())
            ship.Thrust();
        if (gFlightScreen->BrakeKey())
            ship.Brake();
        if (gFlightScreen->TurnLeftKey())
            ship.TurnLeft();
        if (gFlightScreen->TurnRightKey())
            ship.TurnRight();
        ship.Update();
        return true;
    }

    void TearDown() override
    {
        ReplacePlayerShip(nullptr);
        HeadlessGame::TearDown();
    }

    CRoadDriver road;
};

TEST_F(RoadTest, EntersTheFirstSystemAndFliesSixHundredFrames)
{
    road.Step("the main menu runs");
    road.Frames(10);
    ASSERT_FALSE(HasFailure());

    // There is no pilot screen yet: the system is entered the way the pilot screens will, through
    // the in-flight screen, which then becomes current.
    road.Step("enter the first system");
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    ASSERT_EQ(gResourceManager->mCurrentSystemId, 1) << road.CurrentStep();
    ASSERT_STREQ(gResourceManager->mSystemName, "Varn") << road.CurrentStep();
    ASSERT_EQ(gResourceManager->mSuns.count(1003), 1u) << road.CurrentStep() << ": the sun is missing";
    ASSERT_EQ(gResourceManager->mObjects.count(1002), 1u) << road.CurrentStep() << ": the planet is missing";
    const size_t objects = ObjectCount();

    road.Step("hold W for 40 frames");
    bool thrusting = false;
    road.HoldKey(kKeyW, 40, [&](int) {
        thrusting = thrusting || gFlightScreen->ThrustKey();
        return true;
    });
    EXPECT_TRUE(thrusting) << road.CurrentStep() << ": the in-flight screen never saw the key";
    EXPECT_FALSE(gFlightScreen->ThrustKey()) << road.CurrentStep() << ": the release did not arrive";

    road.Step("turn with A for 20 frames and move the mouse");
    road.HoldKey(kKeyA, 20);
    road.MoveMouse(40, -25);

    road.Step("fly 600 frames");
    const float planetTurn = gResourceManager->mObjects.at(1002)->mRotation.z;
    road.Frames(600, [&](int) { return ObjectCount() == objects && gResourceManager->mCurrentSystemId == 1; });
    EXPECT_NE(gResourceManager->mObjects.at(1002)->mRotation.z, planetTurn)
        << road.CurrentStep() << ": the planet does not turn, so the world pass did not run";
}

TEST_F(RoadTest, ANewPilotOfEveryHullFliesAndFiresItsStartingWeaponsDry)
{
    road.Step("the main menu runs");
    road.Frames(10);
    // As in the first stretch, the system is entered the way the pilot screens will.
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;

    RowList<CreateShipRow> rows;
    std::vector<CreateShipRow> hulls;
    for (const CreateShipRow* row : gGameDatabase.GetCreateShips(rows))
        hulls.push_back(*row);
    ASSERT_FALSE(hulls.empty());
    for (const CreateShipRow& hull : hulls) {
        const std::string name = "hull " + std::to_string(hull.ship_id);
        road.Step(name + ": a new pilot with the five points spent as the new-pilot screen allows");
        ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Road Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                          hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 2, 2, 3,
                                          1, 2, 0xFFFFFFFFu, hull.affiliate));
        CPlayerShip& ship = *gPlayerShip;
        ASSERT_NE(ship.mEngine, nullptr) << road.CurrentStep();

        road.Step(name + ": hold W");
        const Vec3 start = ship.mPosition;
        road.HoldKey(kKeyW, 60, SteerFromKeys);
        EXPECT_GT(Vec3Length(Vec3::Difference(ship.mPosition, start)), 1.0f) << road.CurrentStep();
        EXPECT_GE(ship.mMoveSpeed, 0.8f) << road.CurrentStep();

        road.Step(name + ": turn with A, then D");
        float heading = ship.mRotation.z;
        road.HoldKey(kKeyA, 10, SteerFromKeys);
        EXPECT_NE(ship.mRotation.z, heading) << road.CurrentStep();
        heading = ship.mRotation.z;
        road.HoldKey(kKeyD, 20, SteerFromKeys);
        EXPECT_NE(ship.mRotation.z, heading) << road.CurrentStep();

        road.Step(name + ": brake with S");
        const float speed = ship.mMoveSpeed;
        road.HoldKey(kKeyS, 30, SteerFromKeys);
        EXPECT_LT(ship.mMoveSpeed, speed) << road.CurrentStep();

        for (int slot = 0; slot < ship.mWeaponCount; ++slot) {
            ship.SelectWeaponSlot(slot);
            CWeaponInfo* weapon = ship.SelectedWeapon();
            road.Step(name + ": fire the " + weapon->mName);
            const int shotsBefore = static_cast<int>(gResourceManager->mObjects.size());
            const int energyBefore = ship.mEngine->mEnergy;
            const Vec3 aim(ship.mPosition.x, ship.mPosition.y + 40.0f, 30.0f);
            bool launched = false;
            road.Frames(weapon->mMaxAmmo > 0 ? 4000 : 120, [&](int frame) {
                ship.FireWeapon(&aim);
                SteerFromKeys(frame);
                launched = launched || static_cast<int>(gResourceManager->mObjects.size()) > shotsBefore ||
                           ship.mEngine->mEnergy < energyBefore;
                return true;
            });
            EXPECT_TRUE(launched) << road.CurrentStep() << ": nothing left the ship";
            if (weapon->mMaxAmmo > 0) {
                EXPECT_EQ(ship.GetAmmo(weapon->mDeviceId), 0) << road.CurrentStep() << ": the ammo never ran out";
            }
        }
        EXPECT_TRUE(ship.mActive) << name << ": the new pilot did not live to learn to fly";
    }
}

TEST_F(RoadTest, TheFirstSystemsWeakestPiratesPatrolHailAttackAndFallToTheNewPilotsFire)
{
    road.Step("the main menu runs, then the first system is entered");
    road.Frames(10);
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    ReplacePlayerShip(new CPlayerShip(1, "Road Pilot", 10, 11, 1, 3, 4, 2, 2, 3, 1, 2, 0xFFFFFFFFu, kAlignmentLawful));
    CPlayerShip& ship = *gPlayerShip;
    CLeadShipAI* pirate = gResourceManager->FindLeadShip(1020);
    ASSERT_NE(pirate, nullptr) << "the first system has no pirates";

    road.Step("the pirates patrol while the pilot waits at home");
    const Vec3 home = pirate->mPosition;
    road.Frames(300, [&](int) {
        ship.Update();
        return ship.mActive != 0;
    });
    EXPECT_GT(Vec3Length(Vec3::Difference(pirate->mPosition, home)), 5.0f) << road.CurrentStep();
    EXPECT_EQ(pirate->mHailed, 0) << road.CurrentStep() << ": hailed from across the system";

    // The pilot cannot steer toward a target yet; the road puts the ship where flying would.
    road.Step("the pilot comes within hailing distance");
    ship.SetPosition(Vec3::Sum(pirate->mPosition, Vec3(45.0f, 0.0f, 0.0f)));
    ship.SetDestination(ship.mPosition);
    const int hitPoints = ship.GetHitPoints();
    int frame = 0;
    for (; frame < 300 && !pirate->mHailed; ++frame) {
        road.Frames(1);
        ship.Update();
    }
    EXPECT_EQ(pirate->mHailed, 1) << road.CurrentStep();
    EXPECT_EQ(ship.mTarget, pirate) << road.CurrentStep() << ": the hail targets the pirate";

    road.Step("the pirates attack");
    for (frame = 0; frame < 1200 && ship.GetHitPoints() == hitPoints; ++frame) {
        ship.Update();
        road.Frames(1);
    }
    EXPECT_LT(ship.GetHitPoints(), hitPoints) << road.CurrentStep() << ": the pirates never hit";

    road.Step("the pilot fires back until the lead is destroyed");
    ship.SelectWeaponSlot(0);
    for (frame = 0; frame < 6000 && pirate->mActive && ship.mActive; ++frame) {
        const Vec3 aim = pirate->mPosition;
        if (Vec3Length(Vec3::Difference(aim, ship.mPosition)) > 40.0f)
            ship.SetPosition(Vec3::Sum(aim, Vec3(30.0f, 0.0f, 0.0f)));
        ship.FireWeapon(&aim);
        ship.Update();
        road.Frames(1);
    }
    EXPECT_EQ(pirate->mActive, 0) << road.CurrentStep() << ": the pirate outlived " << frame << " frames";
    EXPECT_EQ(ship.mActive, 1) << road.CurrentStep() << ": the new pilot lost to the weakest pirates";
    std::printf("[ road     ] the pirate fell after %d frames; the pilot kept %d of %d points\n", frame,
                ship.GetHitPoints(), hitPoints);
}

}  // namespace
