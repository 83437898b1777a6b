// The road: the game played from its start through the real frame loop, by input records only:
// from the main menu to a new pilot in flight, the options, quitting and continuing, mining,
// pick-ups and a trip through a wormhole and back.
#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/keys.h"
#include "core/message_log.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "road_fixture.h"
#include "screens/flight_screen.h"
#include "screens/info_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"
#include "support/draw_dump.h"
#include "support/headless_game.h"
#include "world/device_object.h"
#include "world/world_object.h"

namespace {

TEST_F(RoadTest, FromTheMainMenuANewPilotFliesQuitsAndContinues)
{
    road.Step("the main menu runs");
    road.Frames(10);
    ASSERT_EQ(gCurrentScreen, gMainMenuScreen);

    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFailure());
    ASSERT_NE(gPlayerShip, nullptr);
    EXPECT_STREQ(gPlayerShip->mPilotName, "Rin");
    EXPECT_EQ(gPlayerShip->mNavigation, 3) << "two points went to navigation";
    EXPECT_EQ(gPlayerShip->mScience, 3) << "two points went to science";
    EXPECT_EQ(gPlayerShip->mTactical, 2);
    ASSERT_EQ(gResourceManager->mCurrentSystemId, gPlayerShip->mSystemId);
    const size_t objects = ObjectCount();

    road.Step("hold W for 40 frames");
    const Vec3 start = gPlayerShip->mPosition;
    road.HoldKey(kKeyW, 40);
    EXPECT_GT(Vec3Length(Vec3::Difference(gPlayerShip->mPosition, start)), 1.0f) << road.CurrentStep();
    EXPECT_FALSE(gFlightScreen->ThrustKey()) << road.CurrentStep() << ": the release did not arrive";

    road.Step("turn with A for 20 frames");
    const float heading = gPlayerShip->mRotation.z;
    road.HoldKey(kKeyA, 20);
    EXPECT_NE(gPlayerShip->mRotation.z, heading) << road.CurrentStep();

    road.Step("hold the left button in open space to fire");
    road.MoveTo(600, 150);
    const int energy = gPlayerShip->mEngine->mEnergy;
    const size_t before = gResourceManager->mObjects.size();
    bool fired = false;
    gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseButton0, input::kPressedBit);
    road.Frames(30, [&](int) {
        fired = fired || gResourceManager->mObjects.size() > before || gPlayerShip->mEngine->mEnergy < energy;
        return true;
    });
    road.PressButton(0, false);
    EXPECT_TRUE(fired) << road.CurrentStep() << ": nothing left the ship";
    EXPECT_FALSE(gFlightScreen->FireHeld()) << road.CurrentStep();

    road.Step("zoom out with the wheel once the camera settles");
    road.Frames(120);
    const float height = gCamera.GetEyeZ();
    road.Wheel(1);
    EXPECT_FLOAT_EQ(gCameraHeight, height - 20.0f) << road.CurrentStep();

    road.Step("open the options with Esc and tick the frame counter");
    road.Tap(kKeyEscape);
    ASSERT_TRUE(gFlightScreen->IsOptionsPanelShown()) << road.CurrentStep();
    const bool counter = gFlightScreen->IsFrameCounterShown();
    road.ClickAt(303, 245);
    EXPECT_NE(gFlightScreen->IsFrameCounterShown(), counter) << road.CurrentStep();
    road.Tap(kKeyEscape);
    EXPECT_FALSE(gFlightScreen->IsOptionsPanelShown()) << road.CurrentStep();

    road.Step("fly 300 frames");
    road.Frames(300, [&](int) { return ObjectCount() >= objects - 1 && gPlayerShip->mActive; });

    road.Step("open the options and quit");
    const int playerId = QuitThroughTheOptions();
    ASSERT_FALSE(HasFailure());

    road.Step("the settings row and the pilot were saved");
    const SettingsRecord* settings = gGameDatabase.LoadSettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_NE(settings->display_fps, counter) << road.CurrentStep();
    RowList<PilotRow> pilots;
    gGameDatabase.GetPilots(pilots);
    ASSERT_EQ(pilots.size(), 1u) << road.CurrentStep();
    EXPECT_STREQ(pilots.front()->character_name, "Rin");
    EXPECT_EQ(pilots.front()->player_id, playerId);

    road.Step("start again and continue the same pilot");
    StartAgain();
    ASSERT_FALSE(HasFailure());
    ContinueThePilot();
    ASSERT_FALSE(HasFailure());
    EXPECT_STREQ(gPlayerShip->mPilotName, "Rin");
    EXPECT_EQ(gPlayerShip->mPlayerId, playerId);
    road.Frames(60, [&](int) { return gPlayerShip->mActive != 0; });
    EXPECT_NE(gFlightScreen->IsFrameCounterShown(), counter) << road.CurrentStep() << ": the setting came back";
}

// What a class of objects shares (the player's count toward its tenth-frame duties, the exhaust
// rhythms, the blip's pulse, the nebulae's breathing) starts again with each game: a new pilot
// flown alike after a restart rolls the same dice and sees the same frame.
TEST_F(RoadTest, AGameStartedAgainInOneProcessPlaysAsAFreshOne)
{
    const auto flyANewPilot = [&] {
        MakePilotThroughTheMenus();
        road.HoldKey(kKeyW, 93);
        const int dice = std::rand();
        // The colour pulse runs on from the menus, which took their own time, and the in-flight
        // log keeps the lines of the game before; the frame is compared without either.
        gPulse = 0;
        gPulseRising = 1;
        ClearFlightMessages();
        Device()->ClearRecords();
        os::AdvanceManualTime(CRoadDriver::kFrameMs);
        EXPECT_EQ(RunFrame(), 0);
        return std::make_pair(dice, DumpDraws(*Device()));
    };
    road.Frames(5);
    const auto fresh = flyANewPilot();
    QuitAndStartAgain();
    ASSERT_FALSE(HasFailure());
    const auto [dice, frame] = flyANewPilot();
    EXPECT_EQ(dice, fresh.first);
    EXPECT_TRUE(frame == fresh.second) << "the same frame is drawn otherwise";
}

// Each offered hull, picked on the new-pilot screen, flies and fires its starting weapons dry.
class RoadHullTest : public RoadTest, public ::testing::WithParamInterface<int> {};

constexpr int kRoadHulls = 3;

TEST_P(RoadHullTest, ANewPilotFliesAndFiresItsStartingWeaponsDry)
{
    road.Step("the main menu runs");
    road.Frames(10);
    RowList<CreateShipRow> rows;
    const int hullCount = static_cast<int>(gGameDatabase.GetCreateShips(rows).size());
    ASSERT_LE(hullCount, kRoadHulls) << "a new hull needs its own road";
    if (GetParam() >= hullCount)
        GTEST_SKIP() << "only " << hullCount << " hulls are offered";
    MakePilotThroughTheMenus(GetParam());
    ASSERT_FALSE(HasFailure());
    {
        const std::string name = "hull " + std::to_string(gPlayerShip->mShipId);
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

TEST_F(RoadTest, ANewPilotFliesThroughANebulaAndPastAVortexInCinder)
{
    constexpr int kVarnWormhole = 1004, kAshVeil = 3016, kMaelstrom = 3007, kCinderWormhole = 3002;
    road.Step("the main menu runs");
    road.Frames(10);
    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFatalFailure());
    CPlayerShip& ship = *gPlayerShip;
    auto distanceTo = [&](int id) {
        CWorldObject* object = Locate(id);
        return object ? Vec3Length(Vec3::Difference(object->mPosition, ship.mPosition)) : 1e9f;
    };

    road.Step("fly through the wormhole to Cinder");
    ASSERT_TRUE(FlyToward(kVarnWormhole, 8000, [&] { return gResourceManager->mCurrentSystemId == 3; }))
        << road.CurrentStep();

    // The Ash Veil drains energy.
    road.Step("fly into the heart of the Ash Veil");
    ASSERT_EQ(ship.GetAilment(kAilmentNoEnergy), nullptr) << road.CurrentStep();
    ASSERT_TRUE(FlyToward(kAshVeil, 6000, [&] { return distanceTo(kAshVeil) < 20.0f; })) << road.CurrentStep();
    EXPECT_NE(ship.GetAilment(kAilmentNoEnergy), nullptr) << road.CurrentStep() << ": the cloud's ailment never took";

    road.Step("close on the Maelstrom, then stop and feel it pull");
    ASSERT_TRUE(FlyToward(kMaelstrom, 6000, [&] { return distanceTo(kMaelstrom) < 70.0f; })) << road.CurrentStep();
    road.HoldKey(kKeyS, 40);
    const float stopped = distanceTo(kMaelstrom);
    road.Frames(20);
    EXPECT_LT(distanceTo(kMaelstrom), stopped - 0.5f) << road.CurrentStep() << ": the vortex does not pull";

    road.Step("break away through the wormhole home");
    ASSERT_TRUE(FlyToward(kCinderWormhole, 6000, [&] { return gResourceManager->mCurrentSystemId == 1; }))
        << road.CurrentStep();
    EXPECT_TRUE(ship.mActive) << road.CurrentStep() << ": the hazards destroyed a new pilot";
}

INSTANTIATE_TEST_SUITE_P(EveryHull, RoadHullTest, ::testing::Range(0, kRoadHulls));

TEST_F(RoadTest, ANewPilotMinesPicksUpAndTravelsThroughAWormholeAndBack)
{
    road.Step("the main menu runs");
    road.Frames(10);
    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(gResourceManager->mCurrentSystemId, 1);
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
