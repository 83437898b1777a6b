// The road: the game played from its start through the real frame loop. This stretch enters
// the first system and flies in it.
#include <cmath>
#include <functional>
#include <string>

#include "core/keys.h"
#include "core/message_log.h"
#include "engine/resource_manager.h"
#include "road_driver.h"
#include "screens/flight_screen.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"
#include "support/headless_game.h"
#include "world/device_object.h"
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

    // Flies the player's ship toward the object with held keys, as a player would: turn with A
    // or D until the nose points at it, then thrust with W. Stops once done() holds.
    bool FlyToward(int objectId, int maxFrames, const std::function<bool()>& done)
    {
        int held = 0;
        for (int frame = 0; frame < maxFrames && !done(); ++frame) {
            CWorldObject* target = gResourceManager->FindObject(objectId);
            if (!target)
                return done();
            const Vec3 to = Vec3::Difference(target->mPosition, gPlayerShip->mPosition);
            float off = std::atan2(-to.x, to.y) - gPlayerShip->mRotation.z;
            while (off > 3.14159f)
                off -= 6.28318f;
            while (off < -3.14159f)
                off += 6.28318f;
            const int key = off > 0.15f ? kKeyA : off < -0.15f ? kKeyD : kKeyW;
            if (key != held) {
                if (held)
                    road.Release(held);
                road.Press(key);
                held = key;
            }
            road.Frames(1, SteerFromKeys);
            if (HasFailure())
                break;
        }
        if (held)
            road.Release(held);
        road.Frames(1, SteerFromKeys);
        return done();
    }
    static bool Logged(const std::string& line)
    {
        for (const std::string& message : FlightMessages()) {
            if (message == line)
                return true;
        }
        return false;
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

TEST_F(RoadTest, ANewPilotMinesPicksUpAndTravelsThroughAWormholeAndBack)
{
    road.Step("the main menu runs");
    road.Frames(10);
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    RowList<CreateShipRow> rows;
    const CreateShipRow hull = *gGameDatabase.GetCreateShips(rows).front();
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Road Miner", hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 2, 2, 3, 1, 2,
                                      0xFFFFFFFFu, hull.affiliate));
    CPlayerShip& ship = *gPlayerShip;
    ClearFlightMessages();

    road.Step("mine the ore fields until the hold is full");
    for (int lump : {1006, 1015, 1016}) {
        ASSERT_TRUE(FlyToward(lump, 6000, [&] { return !gResourceManager->FindObject(lump)->mActive; }))
            << road.CurrentStep() << ": lump " << lump << " was never reached";
        if (Logged("Cargo bay is full"))
            break;
    }
    EXPECT_TRUE(Logged("Cargo bay is full")) << road.CurrentStep();
    EXPECT_EQ(ship.CargoTons(), ship.mCargoCapacity) << road.CurrentStep();

    road.Step("pick up the device floating near the field");
    const int carried = ship.mCarriedCount;
    ASSERT_TRUE(FlyToward(1013, 6000, [&] { return !gResourceManager->FindObject(1013)->mActive; }))
        << road.CurrentStep();
    EXPECT_EQ(ship.mCarriedCount, carried + 1) << road.CurrentStep();
    EXPECT_TRUE(Logged(std::string(GetDeviceName(11)) + " acquired")) << road.CurrentStep();

    road.Step("a damaged hull takes the repair kit");
    ship.mHitPoints = ship.mMaxHitPoints / 4;
    const int damaged = ship.mHitPoints;
    ASSERT_TRUE(FlyToward(1012, 6000, [&] { return !gResourceManager->FindObject(1012)->mActive; }))
        << road.CurrentStep();
    EXPECT_GT(ship.mHitPoints, damaged) << road.CurrentStep();

    road.Step("fly through the wormhole to Cinder");
    const int varnBackdrop = gFlightScreen->BackdropPlane().textureSpriteId;
    ASSERT_TRUE(FlyToward(1004, 8000, [&] { return gResourceManager->mCurrentSystemId == 3; })) << road.CurrentStep();
    EXPECT_NE(gFlightScreen->BackdropPlane().textureSpriteId, varnBackdrop) << road.CurrentStep();
    // The key's release frame may nudge the ship on from where it arrived.
    EXPECT_LT(Vec3Length(Vec3::Difference(ship.mPosition, Vec3(-520.0f, -450.0f, 30.0f))), 1.0f) << road.CurrentStep();

    road.Step("and back through the wormhole to Varn");
    ASSERT_TRUE(FlyToward(3002, 4000, [&] { return gResourceManager->mCurrentSystemId == 1; })) << road.CurrentStep();
    EXPECT_EQ(gFlightScreen->BackdropPlane().textureSpriteId, varnBackdrop) << road.CurrentStep();
    EXPECT_LT(Vec3Length(Vec3::Difference(ship.mPosition, Vec3(470.0f, -400.0f, 30.0f))), 1.0f) << road.CurrentStep();
    EXPECT_TRUE(ship.mActive) << road.CurrentStep();
}

}  // namespace
