// The remote ship: what it takes from a snapshot, how it steers to the destination its peer
// sends, its smoke when damaged and its radar blip.
#include "net/remote_ship.h"

#include "db/game_database.h"
#include "ships/engine.h"
#include "world/world_fixture.h"

namespace {

class RemoteShipTest : public WorldTest {
protected:
    // A snapshot of the first hull a new pilot can fly, with or without its engine.
    MsgShipSnapshot Snapshot(bool withEngine)
    {
        RowList<CreateShipRow> rows;
        const CreateShipRow& row = *gGameDatabase.GetCreateShips(rows).front();
        MsgShipSnapshot s;
        s.hullId = row.ship_id;
        s.engineId = withEngine ? row.engine_device_id : 0;
        s.fuel = 33;
        s.objectId = 21;
        return s;
    }
};

struct SteeringCase {
    const char* name;
    float distance;
    float speed;
    enum { kStops, kBrakes, kThrusts } expect;
};

class RemoteSteeringTest : public RemoteShipTest, public ::testing::WithParamInterface<SteeringCase> {};

TEST_P(RemoteSteeringTest, StopsBrakesOrThrustsByTheDistanceLeft)
{
    const SteeringCase& c = GetParam();
    CRemoteShip ship(Snapshot(true));
    ASSERT_NE(ship.mEngine, nullptr);
    EXPECT_EQ(ship.mEngine->mFuel, 33);
    ship.mPosition = Vec3(0, 0, 30);
    ship.mDestination = Vec3(c.distance, 0, 30);
    ship.mEngine->mSpeed = ship.mMoveSpeed = c.speed;
    gFrameScale = 0.01f;
    ship.Update();
    switch (c.expect) {
    case SteeringCase::kStops:
        EXPECT_EQ(ship.mMoveSpeed, 0.0f);
        break;
    case SteeringCase::kBrakes:
        EXPECT_LT(ship.mMoveSpeed, c.speed);
        break;
    case SteeringCase::kThrusts:
        EXPECT_GT(ship.mMoveSpeed, c.speed);
        break;
    }
    EXPECT_EQ(ship.mMoveSpeed, ship.mEngine->mSpeed);
}

INSTANTIATE_TEST_SUITE_P(RemoteDistances, RemoteSteeringTest,
                         ::testing::Values(SteeringCase{"Close", 0.3f, 1.0f, SteeringCase::kStops},
                                           SteeringCase{"Near", 1.0f, 1.0f, SteeringCase::kBrakes},
                                           SteeringCase{"Far", 2.0f, 1.0f, SteeringCase::kThrusts}),
                         [](const ::testing::TestParamInfo<SteeringCase>& info) { return info.param.name; });

TEST_F(RemoteShipTest, WithoutAnEngineItStaysAndAtHalfHullItSmokesEvery400Ms)
{
    CRemoteShip ship(Snapshot(false));
    EXPECT_EQ(ship.mSelectedWeapon, nullptr);
    ship.mDestination = Vec3(100, 0, 30);
    // A hull of edited content, far above the shipped ones.
    ship.mMaxHitPoints = 700000000;
    ship.mHitPoints = ship.mMaxHitPoints / 2;
    ASSERT_GT(ship.mHitPoints, 0);
    const Vec3 start = ship.mPosition;
    const size_t before = rm->mParticles.size();
    gFrameTimeMs = 100;
    gFrameScale = 1.0f;
    for (int frame = 0; frame < 12; ++frame)
        ship.Update();
    EXPECT_EQ(ship.mPosition.x, start.x);
    // 1200 ms of smoke at one puff per 400 ms; the first comes once 400 are exceeded.
    EXPECT_EQ(rm->mParticles.size() - before, 2u);

    // Firing without a weapon launches nothing.
    const size_t objects = rm->mObjects.size();
    const Vec3 target(10, 0, 30);
    ship.Fire(&target);
    EXPECT_EQ(rm->mObjects.size(), objects);
}

TEST_F(RemoteShipTest, ShowsOnTheRadarWithThePilotBlip)
{
    rm->EnterSystem(1);
    CRemoteShip ship(Snapshot(true));
    gfx::Texture* pilotBlip = rm->GetSpriteTexture(319);
    ASSERT_NE(pilotBlip, nullptr);
    Device()->ClearRecords();
    ship.DrawRadar();
    ASSERT_EQ(Device()->Draws().size(), 1u);
    EXPECT_EQ(Device()->Draws().front().textures[0], pilotBlip);
}

}  // namespace
