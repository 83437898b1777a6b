// The engine: values scaled by hull size, the top speed floor, the boost, fuel, energy
// regeneration and the out-of-fuel warning.
#include <climits>
#include <cmath>

#include "ship_fixture.h"

namespace {

struct SizeCase {
    float size, share;
};

class EngineSizeTest : public ShipTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(EngineSizeTest, AHullOfSizeThreeFliesTheRowAndOthersByTheSquareOfTheirSize)
{
    CTestShip ship(10, GetParam().size, 100, kIonDrive);
    const CEngine& engine = *ship.mEngine;
    EXPECT_FLOAT_EQ(engine.mTopSpeedBase, engine.mRowTopSpeed * GetParam().share);
    EXPECT_FLOAT_EQ(engine.mAcceleration, engine.mRowAcceleration * GetParam().share);
}

INSTANTIATE_TEST_SUITE_P(Hulls, EngineSizeTest,
                         ::testing::Values(SizeCase{3.0f, 1.0f}, SizeCase{6.0f, 0.25f}, SizeCase{1.5f, 4.0f}));

class EngineTest : public ShipTest {};

TEST_F(EngineTest, TheTopSpeedIsAtLeastTwoAndABoostActsOnceAfterTheCap)
{
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    CEngine& engine = *ship.mEngine;
    engine.mTopSpeedBase = 0.0f;
    EXPECT_FLOAT_EQ(engine.GetTopSpeed(), 2.0f);
    engine.mTopSpeedBase = 3.0f;
    ship.factor = 1.5f;
    EXPECT_FLOAT_EQ(engine.GetTopSpeed(), 4.5f);

    engine.mSpeed = 100.0f;
    engine.mBoost = 2.0f;
    engine.Thrust();
    EXPECT_FLOAT_EQ(engine.mSpeed, 9.0f);
    engine.Thrust();
    EXPECT_FLOAT_EQ(engine.mSpeed, 4.5f) << "the boost lasts one call";
}

TEST_F(EngineTest, OnlyThePlayersFuelStopsAtEmpty)
{
    CTestShip computer(10, 3.0f, 100);
    for (CShip* owner : {static_cast<CShip*>(&computer), static_cast<CShip*>(pilot)}) {
        CEngine engine(kIonDrive, owner);
        engine.mFuel = 0;
        engine.mSpeed = engine.GetTopSpeed();
        engine.mDistancePerFuelUnit = 0.1f;
        engine.Thrust();
        EXPECT_EQ(engine.mFuel < 0, owner == &computer);
    }
}

struct FuelCase {
    const char* name;
    float perUnit;
    float distance;
    int fuelAfter;
};

class FuelUseTest : public ShipTest, public ::testing::WithParamInterface<FuelCase> {};

// A computer ship's tank of 100 after one frame at the given distance; any row ends at once.
TEST_P(FuelUseTest, EveryWholeUnitOfTheDistanceIsTakenInOneStep)
{
    const FuelCase& c = GetParam();
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    CEngine& engine = *ship.mEngine;
    engine.mFuel = 100;
    engine.mDistancePerFuelUnit = c.perUnit;
    engine.mSpeed = c.distance;
    gFrameScale = 1.0f;
    engine.ConsumeFuel();
    EXPECT_EQ(engine.mFuel, c.fuelAfter);
    if (c.perUnit > 0.0f) {
        EXPECT_GE(engine.mFuelDistance, 0.0f);
        EXPECT_LE(engine.mFuelDistance, c.perUnit);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, FuelUseTest,
                         ::testing::Values(FuelCase{"Whole", 2.0f, 5.0f, 98}, FuelCase{"NoUnit", 0.0f, 5.0f, 100},
                                           FuelCase{"NotANumber", std::nanf(""), 5.0f, 100},
                                           FuelCase{"TenMillionthOfAUnit", 1e-7f, 8.0f, 100 - 79999999},
                                           FuelCase{"BeyondAnyTank", 1e-30f, 3e38f, INT_MIN}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RegenerationCase {
    int perSecond, period;
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
    EXPECT_EQ(MessageCount(line), 0);
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
}

}  // namespace
