// Lumps, markers, repair kits and device objects: respawn and fade-in, pulse, orbit and drift,
// who collects or picks up, and what the player reads.
#include <cmath>
#include <cstring>
#include <memory>

#include "core/frame_clock.h"
#include "world/device_object.h"
#include "world/goto_object.h"
#include "world/health_object.h"
#include "world/object_kinds.h"
#include "world/resource_object.h"
#include "world_fixture.h"

namespace {

class PickupTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        player.ship.mPosition = Vec3(0.0f, 0.0f, 30.0f);
        player.ship.mSize = 4.0f;
    }

    CProbePlayer player;
    ScopedGlobal<CPlayerView*> playerView{gPlayerView, &player};
};

// The floating kinds made in flight: how each pulses.
struct SpawnCase {
    const char* name;
    CWorldObject* (*make)(const Vec3& position);
    uint32_t colourAt0, colourAt128, colourAt255;
};

const SpawnCase kSpawnCases[] = {
    {"resource", [](const Vec3& p) { return SpawnResourceObject(1, 5, p); }, 0xFF00FF00u, 0xFF80FF80u, 0xFFFFFFFFu},
    {"device", [](const Vec3& p) { return SpawnDeviceObject(11, p); }, 0xFF00FF00u, 0xFF80FF80u, 0xFFFFFFFFu},
    {"health", [](const Vec3& p) { return SpawnHealthObject(50, p); }, 0xFFFF0000u, 0xFFFF8080u, 0xFFFFFFFFu},
};

class SpawnedKindTest : public PickupTest, public ::testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnedKindTest, PulsesBetweenItsColourAndWhite)
{
    std::unique_ptr<CWorldObject> object(GetParam().make(Vec3(50.0f, 50.0f, 30.0f)));
    const std::pair<int, uint32_t> pulses[] = {
        {0, GetParam().colourAt0}, {128, GetParam().colourAt128}, {255, GetParam().colourAt255}};
    for (auto [pulse, colour] : pulses) {
        gPulse = pulse;
        object->Update();
        EXPECT_EQ(object->mColour, colour) << "pulse " << pulse;
    }
}

TEST_P(SpawnedKindTest, APushReplacesTheVelocityWhichDecaysAndSnapsToRest)
{
    std::unique_ptr<CWorldObject> object(GetParam().make(Vec3(50.0f, 50.0f, 30.0f)));
    object->Push(Vec3(1.0f, 1.0f, 1.0f));
    object->Push(Vec3(0.0105f, 0.006f, 5.0f));
    const float startX = object->mPosition.x;
    object->Update();
    EXPECT_NEAR(object->mPosition.x - startX, 0.0105f, 1e-5f);
    EXPECT_FLOAT_EQ(object->mVelocity.x, 0.00945f);
    EXPECT_EQ(object->mVelocity.z, 0.0f);
    object->Update();
    EXPECT_TRUE(Vec3::Equals(object->mVelocity, Vec3()));
    EXPECT_EQ(object->mPosition.z, 30.0f);

    // A hard push stops at the system's edge.
    object->Push(Vec3(5000.0f, 0.0f, 0.0f));
    object->Update();
    EXPECT_EQ(object->mPosition.x, rm->mSystemWidth / 2.0f);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpawnedKindTest, ::testing::ValuesIn(kSpawnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PickupTest, APlacedLumpComesHomeAfterItsRespawnTimeAndFadesIn)
{
    Content(
        "INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, "
        "velocity, hit_points, size, respawn_time, affiliate) VALUES (9910, 1, 0, 'Test Lump', 'resource', "
        "100.0, 0.0, 0.0, 0, 6.0, 5, 'neutral');"
        "INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES "
        "(9910, 9910, 'rare', 7, 3);");
    CResourceObject lump(9910);
    EXPECT_STREQ(lump.mName, "Test Lump: 7");
    EXPECT_EQ(lump.mCompoundClass, 3);
    lump.Push(Vec3(2.0f, 0.0f, 0.0f));
    lump.Update();
    player.ship.mPosition = lump.mPosition;
    lump.Interact(&player.ship);
    ASSERT_EQ(lump.mActive, 0);
    lump.Render();
    EXPECT_EQ(lump.mAlpha, 0);

    gFrameTimeMs = 100;
    for (int frame = 0; frame < 50; ++frame)
        lump.Update();
    EXPECT_EQ(lump.mActive, 0) << "back before 5000 ms";
    lump.Update();
    ASSERT_EQ(lump.mActive, 1);
    EXPECT_TRUE(Vec3::Equals(lump.mPosition, lump.mHomePosition));
    EXPECT_TRUE(Vec3::Equals(lump.mVelocity, Vec3()));
    for (int frame = 0; frame < 254; ++frame)
        lump.Render();
    EXPECT_EQ(lump.mAlpha, 254);
    lump.Render();
    lump.Render();
    EXPECT_EQ(lump.mAlpha, 255);
}

TEST_F(PickupTest, ASpawnedLumpNeverComesBack)
{
    std::unique_ptr<CWorldObject> lump(SpawnResourceObject(2, 4, player.ship.mPosition));
    lump->Interact(&player.ship);
    ASSERT_EQ(lump->mActive, 0);
    gFrameTimeMs = 1000000;
    for (int frame = 0; frame < 10; ++frame)
        lump->Update();
    EXPECT_EQ(lump->mActive, 0);
}

TEST_F(PickupTest, SpawnedLumpsAreNamedAndShapedByClass)
{
    const struct {
        int compoundClass;
        const char* name;
        int mesh;
    } cases[] = {{1, "Common Compounds: 12", 8},
                 {2, "Uncommon Compounds: 12", 9},
                 {3, "Rare Compounds: 12", 10},
                 {4, "Exotic Compounds: 12", 11},
                 {5, "Undiscovered Compounds: 12", 11}};
    for (const auto& c : cases) {
        CResourceObject lump(c.compoundClass, 12, Vec3(1.0f, 2.0f, 3.0f));
        EXPECT_STREQ(lump.mName, c.name);
        EXPECT_EQ(lump.GetMeshId(), c.mesh);
        EXPECT_EQ(lump.mType, kTypeResource);
    }
}

TEST_F(PickupTest, OnlyShipsCollectLumps)
{
    const struct {
        int type;
        bool collects;
    } cases[] = {{kTypePlayer, true},    {kTypeLeadShip, true},      {kTypeWingman, true}, {kTypeNetwork, true},
                 {kTypeResource, false}, {kTypeDeviceObject, false}, {kTypeShot, false},   {kTypeOrbit, false}};
    for (const auto& c : cases) {
        CResourceObject lump(1, 5, Vec3(0.0f, 0.0f, 30.0f));
        CProbeObject ship(40, c.type, Vec3(0.0f, 1.0f, 30.0f), 4.0f);
        lump.Interact(&ship);
        EXPECT_EQ(lump.mActive == 0, c.collects) << "type " << c.type;
    }
}

// The orbit's distance counts the height of the flight plane.
TEST_F(PickupTest, TheOrbitAngleIsSpeedOverTheThreeDimensionalDistance)
{
    CResourceObject lump(1, 5, Vec3(100.0f, 0.0f, 30.0f));
    lump.mMoveSpeed = 10.0f;
    lump.Update();
    const double angle = 10.0 / std::sqrt(100.0 * 100.0 + 30.0 * 30.0);
    EXPECT_NEAR(lump.mPosition.x, 100.0 * std::cos(angle), 1e-3);
    EXPECT_NEAR(lump.mPosition.y, 100.0 * std::sin(angle), 1e-3);

    CResourceObject centred(1, 5, Vec3(0.0f, 0.0f, 30.0f));
    centred.mMoveSpeed = 10.0f;
    centred.Update();
    EXPECT_TRUE(Vec3::Equals(centred.mPosition, Vec3(0.0f, 0.0f, 30.0f)));
}

TEST_F(PickupTest, RepairKitsMendAShareOfTheHullAndSaySo)
{
    const struct {
        int percentage;
        int hitPoints;
        int expected;
        const char* line;
    } cases[] = {{5, 10, 30, "Ship structure +20 HP"},
                 {150, 10, 100, "Ship structure +90 HP"},
                 {50, 40, 90, "Ship structure +50 HP"},
                 {50, 80, 100, "Ship structure +20 HP"},
                 {50, 100, 100, "Ship structure needs no repairs."}};
    for (const auto& c : cases) {
        ClearFlightMessages();
        player.ship.mMaxHitPoints = 100;
        player.ship.mHitPoints = c.hitPoints;
        const int updates = player.questUpdates;
        CHealthObject kit(c.percentage, Vec3(0.0f, 1.0f, 90.0f));
        EXPECT_EQ(kit.mPosition.z, 30.0f);
        kit.Interact(&player.ship);
        EXPECT_EQ(player.ship.mHitPoints, c.expected) << c.percentage << "% at " << c.hitPoints;
        EXPECT_TRUE(Logged(c.line)) << c.line;
        EXPECT_EQ(kit.mActive, 0);
        EXPECT_EQ(player.questUpdates, updates + 1);
        kit.Interact(&player.ship);
        EXPECT_EQ(player.ship.mHitPoints, c.expected) << "a used kit repaired again";
    }
    EXPECT_STREQ(CHealthObject(150, Vec3()).mName, "Structure Repair 100%");

    CHealthObject kit(50, Vec3(0.0f, 1.0f, 30.0f));
    CProbeObject computer(41, kTypeLeadShip, Vec3(0.0f, 1.0f, 30.0f), 4.0f);
    kit.Interact(&computer);
    EXPECT_EQ(kit.mActive, 1);
}

TEST_F(PickupTest, AGotoMarkerSwitchesOffOnlyForThePlayerStrictlyInside)
{
    CGotoObject marker(40.0f, 0.0f);
    EXPECT_EQ(marker.mType, kTypeGoto);
    EXPECT_EQ(marker.mSize, 5.0f);
    const float r = (player.ship.mSize + marker.mSize) / 2.0f;
    CProbeObject computer(41, kTypeLeadShip, marker.mPosition, 4.0f);
    marker.Interact(&computer);
    EXPECT_EQ(marker.mActive, 1);
    player.ship.mPosition = Vec3(40.0f + r, 0.0f, 30.0f);
    marker.Interact(&player.ship);
    EXPECT_EQ(marker.mActive, 1) << "exactly at r";
    player.ship.mPosition = Vec3(40.0f + r - 0.01f, 0.0f, 30.0f);
    marker.Interact(&player.ship);
    EXPECT_EQ(marker.mActive, 0);

    // Huge coordinates are cut to the name's room.
    CGotoObject far(1e30f, -1e30f);
    EXPECT_LT(std::strlen(far.mName), static_cast<size_t>(kObjectNameSize));
}

TEST_F(PickupTest, ADeviceIsPickedUpOnlyWithRoomAndOnlyOnce)
{
    CDeviceObject device(11, Vec3(0.0f, 1.0f, 75.0f));
    EXPECT_EQ(device.mPosition.z, 30.0f);
    EXPECT_EQ(device.mHomePosition.z, 75.0f);
    EXPECT_STREQ(device.mName, GetDeviceName(11));

    player.deviceRoom = false;
    ClearFlightMessages();
    device.Interact(&player.ship);
    EXPECT_EQ(device.mActive, 1);
    EXPECT_TRUE(FlightMessages().empty());
    EXPECT_EQ(player.questUpdates, 0);

    player.deviceRoom = true;
    device.Interact(&player.ship);
    EXPECT_EQ(device.mActive, 0);
    EXPECT_EQ(player.devicesTaken, std::vector<int>{11});
    EXPECT_TRUE(Logged(std::string(GetDeviceName(11)) + " acquired"));
    EXPECT_EQ(player.questUpdates, 1);
    device.Interact(&player.ship);
    EXPECT_EQ(player.devicesTaken.size(), 1u);
}

}  // namespace
