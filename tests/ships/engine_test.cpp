// The engine: values scaled by hull size, the top speed floor, the boost, energy regeneration
// and the out-of-fuel warning.
#include "ship_fixture.h"

namespace {

class EngineTest : public ShipTest {};

struct SizeCase {
    float size;
    float share;
};

class EngineSizeTest : public ShipTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(EngineSizeTest, AHullOfSizeThreeFliesTheRowAndBiggerHullsLessBySquare)
{
    const SizeCase& c = GetParam();
    CTestShip ship(10, c.size, 100, kIonDrive);
    const CEngine& engine = *ship.mEngine;
    EXPECT_FLOAT_EQ(engine.mTopSpeedBase, engine.mRowTopSpeed * c.share);
    EXPECT_FLOAT_EQ(engine.mAcceleration, engine.mRowAcceleration * c.share);
    EXPECT_EQ(engine.mFuel, engine.mMaxFuel);
    EXPECT_EQ(engine.mEnergy, engine.mMaxEnergy);
    EXPECT_EQ(engine.mDeviceType, 4);
}

INSTANTIATE_TEST_SUITE_P(Hulls, EngineSizeTest,
                         ::testing::Values(SizeCase{3.0f, 1.0f}, SizeCase{6.0f, 0.25f}, SizeCase{1.5f, 4.0f}));

TEST_F(EngineTest, WithoutAShipTheRowStandsAsItIs)
{
    CEngine engine(kIonDrive);
    EXPECT_FLOAT_EQ(engine.mTopSpeedBase, engine.mRowTopSpeed);
    EXPECT_GT(engine.mRowTopSpeed, 0.0f);
    EXPECT_EQ(engine.mExhaustSpriteId, 10001);
    engine.Thrust();
    EXPECT_EQ(engine.mSpeed, 0.0f) << "an engine without a ship does not thrust";
}

TEST_F(EngineTest, TheTopSpeedNeverFallsBelowTwo)
{
    CTestShip ship(10, 4.0f, 100, kIonDrive);
    ship.mEngine->mTopSpeedBase = 0.0f;
    EXPECT_FLOAT_EQ(ship.mEngine->GetTopSpeed(), 2.0f);
    ship.mEngine->mTopSpeedBase = 3.0f;
    ship.factor = 1.5f;
    EXPECT_FLOAT_EQ(ship.mEngine->GetTopSpeed(), 4.5f);
}

TEST_F(EngineTest, ABoostMultipliesOneThrustAfterTheCap)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    CEngine& engine = *ship.mEngine;
    engine.mSpeed = 100.0f;
    engine.mBoost = 2.0f;
    engine.Thrust();
    EXPECT_FLOAT_EQ(engine.mSpeed, 2.0f * engine.GetTopSpeed());
    EXPECT_EQ(engine.mExhaustColour & 0xFFFF0000u, 0xFFFF0000u);
    engine.Thrust();
    EXPECT_FLOAT_EQ(engine.mSpeed, engine.GetTopSpeed()) << "the boost lasts one call";
}

TEST_F(EngineTest, OnlyThePlayersFuelStopsAtEmpty)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    for (CShip* owner : {static_cast<CShip*>(&ship), static_cast<CShip*>(pilot)}) {
        CEngine engine(kIonDrive, owner);
        engine.mFuel = 0;
        engine.mSpeed = engine.GetTopSpeed();
        engine.mDistancePerFuelUnit = 0.1f;
        engine.Thrust();
        if (owner == pilot) {
            EXPECT_EQ(engine.mFuel, 0);
        } else {
            EXPECT_LT(engine.mFuel, 0);
        }
    }
}

TEST_F(EngineTest, BrakingStopsAtZeroAndItsDistanceBurnsFuelOnlyAtTheNextUse)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    CEngine& engine = *ship.mEngine;
    engine.mDistancePerFuelUnit = 1.0f;
    engine.mSpeed = 5.0f;
    engine.Decelerate(1.0f);
    EXPECT_FLOAT_EQ(engine.mSpeed, 5.0f - engine.mAcceleration);
    EXPECT_EQ(engine.mFuel, engine.mMaxFuel);
    engine.Decelerate(1e6f);
    EXPECT_EQ(engine.mSpeed, 0.0f);
    engine.ConsumeFuel();
    EXPECT_EQ(engine.mFuel, engine.mMaxFuel - 4);

    engine.mSpeed = 0.0f;
    for (int frame = 0; frame < 1000; ++frame)
        engine.Accelerate();
    EXPECT_FLOAT_EQ(engine.mSpeed, engine.GetTopSpeed());
}

struct RegenerationCase {
    int perSecond;
    int period;
};

class EnergyRegenerationTest : public ShipTest, public ::testing::WithParamInterface<RegenerationCase> {};

TEST_P(EnergyRegenerationTest, OnePointPerPeriodAndNoneWithoutAPeriod)
{
    const RegenerationCase& c = GetParam();
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.factor = static_cast<float>(c.perSecond) / static_cast<float>(ship.mEngine->mRegenerationRate);
    ship.mEngine->Attach(&ship);
    CEngine& engine = *ship.mEngine;
    EXPECT_EQ(engine.mEnergyPeriod, c.period);
    engine.mEnergy = 0;
    gFrameTimeMs = 1000;
    engine.RegenerateEnergy();
    EXPECT_EQ(engine.mEnergy, c.period > 0 ? 1000 / c.period : 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, EnergyRegenerationTest,
                         ::testing::Values(RegenerationCase{20, 50}, RegenerationCase{4, 250}, RegenerationCase{0, 0},
                                           RegenerationCase{1001, 0}));

TEST_F(EngineTest, TheOutOfFuelWarningComesOnTheFirstEmptyFrameThenEveryTenSeconds)
{
    const std::string line = "Your ship is out of fuel.  Refuel at the nearest starbase.";
    CEngine engine(kIonDrive, pilot);
    engine.CheckOutOfFuel();
    EXPECT_EQ(MessageCount(line), 0) << "no warning while fuel is left";

    engine.mFuel = -3;
    gFrameTimeMs = 100;
    engine.CheckOutOfFuel();
    EXPECT_EQ(engine.mFuel, 0);
    EXPECT_EQ(MessageCount(line), 1);
    EXPECT_EQ(MessageCount("You can purchase fuel at the arms dealer."), 1);
    for (int frame = 0; frame < 100; ++frame)
        engine.CheckOutOfFuel();
    EXPECT_EQ(MessageCount(line), 1) << "10 s exactly is not yet more than 10 s";
    engine.CheckOutOfFuel();
    EXPECT_EQ(MessageCount(line), 2);

    CTestShip computer(10, 3.0f, 100);
    CEngine other(kIonDrive, &computer);
    other.mFuel = 0;
    other.CheckOutOfFuel();
    EXPECT_EQ(MessageCount(line), 2) << "only the player is warned";
}

}  // namespace
