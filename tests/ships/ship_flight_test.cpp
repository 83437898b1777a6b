// The computer ships' flight: turning the short way, smoke by damage, respawn, waypoints, the
// fade and the minimap blip.
#include <cmath>

#include "ship_fixture.h"

namespace {

class ShipFlightTest : public ShipTest {
protected:
    int SmokeParticles() const
    {
        int count = 0;
        for (const Particle* particle : rm->mParticles)
            count += particle->particleId >= 2 && particle->particleId <= 5 ? 1 : 0;
        return count;
    }
};

struct TurnCase {
    float heading;
    float target;
    // +1 when the heading grows, -1 when it falls.
    int way;
};

class TurnTest : public ShipTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, AShipTurnsTheShortWayAcrossZero)
{
    const TurnCase& c = GetParam();
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mRotation.z = c.heading;
    ship.SetDestination(Vec3(-100.0f * std::sin(c.target), 100.0f * std::cos(c.target), 30.0f));
    ship.Update();
    const float turn = 0.174533f * gFrameScale * ship.mMoveSpeed;
    ASSERT_GT(turn, 0.0f);
    float expected = c.heading + static_cast<float>(c.way) * turn;
    if (expected < 0.0f)
        expected += 6.28318f;
    EXPECT_NEAR(ship.mRotation.z, expected, 1e-4f);
    EXPECT_NEAR(ship.mRotation.y, static_cast<float>(c.way) * turn, 1e-4f) << "the ship rolls into the turn";
}

INSTANTIATE_TEST_SUITE_P(Headings, TurnTest,
                         ::testing::Values(TurnCase{0.1f, 6.2f, -1}, TurnCase{6.2f, 0.1f, +1}, TurnCase{1.0f, 2.0f, +1},
                                           TurnCase{2.0f, 1.0f, -1}, TurnCase{0.5f, 3.7f, -1}));

TEST_F(ShipFlightTest, AShipCloseToItsTargetHeadingTakesItAndStraightensUp)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mRotation = Vec3(0.0f, 0.5f, 0.0f);
    ship.SetDestination(Vec3(0.0f, 100.0f, 30.0f));
    ship.Update();
    EXPECT_FLOAT_EQ(ship.mRotation.z, 0.0f);
    EXPECT_LT(ship.mRotation.y, 0.5f);
    EXPECT_GT(ship.mPosition.y, 0.0f);
}

struct SmokeCase {
    int hull;
    int periodMs;
};

class SmokeTest : public ShipFlightTest, public ::testing::WithParamInterface<SmokeCase> {};

TEST_P(SmokeTest, ADamagedShipSmokesFasterTheWorseItIs)
{
    const SmokeCase& c = GetParam();
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mHitPoints = c.hull;
    ship.mHullRegenerationPeriod = 0;
    gFrameTimeMs = 10;
    int firstPuff = 0;
    for (int ms = 10; ms <= 2000 && firstPuff == 0; ms += 10) {
        ship.Update();
        if (SmokeParticles() > 0)
            firstPuff = ms;
    }
    EXPECT_EQ(firstPuff, c.periodMs + 10) << "the timer must pass the period";
}

INSTANTIATE_TEST_SUITE_P(Hulls, SmokeTest,
                         ::testing::Values(SmokeCase{50, 400}, SmokeCase{10, 300}, SmokeCase{1, 300},
                                           SmokeCase{90, 720}));

TEST_F(ShipFlightTest, AnIntactOrDeadShipDoesNotSmoke)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    for (int frame = 0; frame < 20; ++frame)
        ship.Update();
    EXPECT_EQ(SmokeParticles(), 0);
}

TEST_F(ShipFlightTest, ADeadShipComesBackWhereItStartedAfterItsRespawnTime)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive, kCompositePlating, kDeflectorScreen);
    ship.mRespawnTime = 1000;
    ship.mHomePosition = Vec3(5.0f, 6.0f, 30.0f);
    ship.mArmor->mPoints = 0;
    ship.mShield->mPoints = 0;
    ship.TakeDamage(100000, 0);
    ASSERT_FALSE(ship.mActive);
    gFrameTimeMs = 100;
    int frames = 0;
    while (!ship.mActive && frames < 100) {
        ship.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 11);
    EXPECT_TRUE(Vec3::Equals(ship.mPosition, ship.mHomePosition));
    EXPECT_EQ(ship.mHitPoints, 100);
    EXPECT_EQ(ship.mArmor->mPoints, ship.mArmor->mMaxPoints);
    EXPECT_EQ(ship.mShield->mPoints, ship.mShield->mMaxPoints);
    EXPECT_EQ(ship.mAlpha, 0) << "it fades in";

    ship.TakeDamage(100000, 0);
    ship.mRespawnTime = 0;
    for (int frame = 0; frame < 100; ++frame)
        ship.Update();
    EXPECT_FALSE(ship.mActive) << "a respawn time of 0 means never";
}

TEST_F(ShipFlightTest, AShipFollowsItsWaypointsAndThenReportsArrival)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mWaypoints = {Vec3(0.0f, 1.0f, 30.0f), Vec3(1.0f, 1.0f, 30.0f)};
    ship.mFollowingWaypoints = 1;
    ship.mArrived = 0;
    for (int frame = 0; frame < 50 && !ship.mArrived; ++frame)
        ship.Update();
    EXPECT_TRUE(ship.mArrived);
    EXPECT_FALSE(ship.mFollowingWaypoints);
    EXPECT_TRUE(Vec3::Equals(ship.mPosition, Vec3(1.0f, 1.0f, 30.0f)));
    EXPECT_EQ(ship.mEngine->mSpeed, 0.0f);
}

TEST_F(ShipFlightTest, ACloakedShipFadesOutAndAGhostFadesInOnlyTo160)
{
    CTestShip ship(10, 3.0f, 100);
    ship.mStealth = 1;
    for (int frame = 0; frame < 13; ++frame)
        ship.UpdateFade();
    EXPECT_EQ(ship.mAlpha, 0);
    EXPECT_EQ(ship.mVisible, 0);
    ship.mStealth = 0;
    ship.mColour = 0xA0FFFFFFu;
    for (int frame = 0; frame < 13; ++frame)
        ship.UpdateFade();
    EXPECT_EQ(ship.mAlpha, 160);
    EXPECT_EQ(ship.mVisible, 1);
}

TEST_F(ShipFlightTest, TheDestinationStaysInsideTheSystem)
{
    CTestShip ship(10, 3.0f, 100);
    const float halfWidth = rm->mSystemWidth / 2.0f;
    ship.SetDestination(Vec3(1e6f, -1e6f, 0.0f));
    ship.ClampDestination();
    EXPECT_FLOAT_EQ(ship.mDestination.x, halfWidth);
    EXPECT_FLOAT_EQ(ship.mDestination.y, -rm->mSystemHeight / 2.0f);
    EXPECT_FLOAT_EQ(ship.mDestination.z, 30.0f);
}

TEST_F(ShipFlightTest, BlipsAreDrawnOnlyForLiveShipsSeenOrThePlayers)
{
    CTestShip ship(10, 3.0f, 100);
    const auto sprites = [&] { return Device()->Draws().size(); };
    size_t before = sprites();
    ship.DrawRadar();
    EXPECT_GT(sprites(), before);
    for (auto hide : {+[](CTestShip& s) { s.mVisible = 0; }, +[](CTestShip& s) { s.mActive = 0; }}) {
        CTestShip hidden(11, 3.0f, 100);
        hide(hidden);
        before = sprites();
        hidden.DrawRadar();
        EXPECT_EQ(sprites(), before);
    }
    pilot->mVisible = 0;
    before = sprites();
    pilot->DrawRadar();
    EXPECT_GT(sprites(), before) << "the player's own blip shows while cloaked";
}

}  // namespace
