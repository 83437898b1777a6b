// The computer ships' flight: turning the short way, smoke by damage, respawn and the fade.
#include <cmath>

#include "ship_fixture.h"

namespace {

struct TurnCase {
    float heading, target;
    // +1 when the heading grows, -1 when it falls.
    int way;
};

class TurnTest : public ShipTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnTest, AShipTurnsAndRollsTheShortWayAcrossZero)
{
    const TurnCase& c = GetParam();
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mRotation.z = c.heading;
    ship.SetDestination(Vec3(-100.0f * std::sin(c.target), 100.0f * std::cos(c.target), 30.0f));
    ship.Update();
    const float turn = 0.174533f * gFrameScale * ship.mMoveSpeed;
    ASSERT_GT(turn, 0.0f);
    const float expected = std::fmod(c.heading + static_cast<float>(c.way) * turn + 6.28318f, 6.28318f);
    EXPECT_NEAR(ship.mRotation.z, expected, 1e-4f);
    EXPECT_NEAR(ship.mRotation.y, static_cast<float>(c.way) * turn, 1e-4f);
}

INSTANTIATE_TEST_SUITE_P(Headings, TurnTest,
                         ::testing::Values(TurnCase{0.1f, 6.2f, -1}, TurnCase{6.2f, 0.1f, +1}, TurnCase{1.0f, 2.0f, +1},
                                           TurnCase{0.5f, 3.7f, -1}));

struct SmokeCase {
    int hull, periodMs;
};

class SmokeTest : public ShipTest, public ::testing::WithParamInterface<SmokeCase> {};

TEST_P(SmokeTest, ADamagedShipSmokesFasterTheWorseItIs)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mHitPoints = GetParam().hull;
    gFrameTimeMs = 10;
    int firstPuff = 0;
    for (int ms = 10; ms <= 2000 && firstPuff == 0; ms += 10) {
        ship.Update();
        for (const Particle* particle : rm->mParticles)
            firstPuff = particle->particleId >= 2 && particle->particleId <= 5 ? ms : firstPuff;
    }
    EXPECT_EQ(firstPuff, GetParam().periodMs + 10) << "the timer must pass the period";
}

INSTANTIATE_TEST_SUITE_P(Hulls, SmokeTest,
                         ::testing::Values(SmokeCase{50, 400}, SmokeCase{10, 300}, SmokeCase{90, 720}));

class ShipFlightTest : public ShipTest {};

TEST_F(ShipFlightTest, ADeadShipComesBackWhereItStartedAfterItsRespawnTime)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive, kCompositePlating, kDeflectorScreen);
    ship.mRespawnTime = 1000;
    ship.mHomePosition = Vec3(5.0f, 6.0f, 30.0f);
    ship.mArmor->mPoints = ship.mShield->mPoints = 0;
    ship.TakeDamage(100000, 0);
    int frames = 0;
    for (; !ship.mActive && frames < 100; ++frames)
        ship.Update();
    EXPECT_EQ(frames, 11);
    EXPECT_TRUE(Vec3::Equals(ship.mPosition, ship.mHomePosition));
    EXPECT_EQ(ship.GetHitPoints(), ship.GetMaxHitPoints());
    EXPECT_EQ(ship.mAlpha, 0) << "it fades in";

    ship.TakeDamage(100000, 0);
    ship.mRespawnTime = 0;
    for (int frame = 0; frame < 100; ++frame)
        ship.Update();
    EXPECT_FALSE(ship.mActive) << "a respawn time of 0 means never";
}

TEST_F(ShipFlightTest, ACloakedShipFadesOutAGhostInOnlyTo160AndShortFramesFadeToo)
{
    CTestShip ship(10, 3.0f, 100);
    ship.mStealth = 1;
    gFrameScale = 0.01f;
    for (int frame = 0; frame < 1300; ++frame)
        ship.UpdateFade();
    EXPECT_EQ(ship.mAlpha, 0) << "0.2 per frame for 1300 frames";
    EXPECT_EQ(ship.mVisible, 0);
    ship.mStealth = 0;
    ship.mColour = 0xA0FFFFFFu;
    for (int frame = 0; frame < 1300; ++frame)
        ship.UpdateFade();
    EXPECT_EQ(ship.mAlpha, 160);
    EXPECT_EQ(ship.mVisible, 1);
}

}  // namespace
