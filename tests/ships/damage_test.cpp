// The damage chain: what a shield or an armor lets through by damage type, regeneration, the
// hull and destruction, who it pays, cloaks broken by hits, contact and pushing.
#include <limits>

#include "db/game_enums.h"
#include "ship_fixture.h"

namespace {

struct AbsorbCase {
    const char* name;
    int incomingType, deviceType, armorClass, points, amount, passes, pointsLeft;
};

class AbsorbTest : public ::testing::TestWithParam<AbsorbCase> {};

TEST_P(AbsorbTest, PassesWhatTheWeightedDamageLeavesOver)
{
    const AbsorbCase& c = GetParam();
    CDefenseDevice device;
    device.mDamageType = c.deviceType;
    device.mArmorClass = c.armorClass;
    device.mMaxPoints = 100;
    device.mPoints = c.points;
    EXPECT_EQ(device.Absorb(c.amount, c.incomingType), c.passes);
    EXPECT_EQ(device.mPoints, c.pointsLeft);
}

INSTANTIATE_TEST_SUITE_P(
    DamageTypes, AbsorbTest,
    ::testing::Values(AbsorbCase{"PhotonOnCrystalIsSoaked", kDamagePhoton, kDamageCrystal, 0, 100, 10, 0, 94},
                      AbsorbCase{"ChipDamageRoundsToNothing", kDamageNone, kDamagePlasma, 0, 100, 1, 0, 100},
                      AbsorbCase{"ArmorClassComesOffOnce", kDamageNone, kDamageNone, 2, 3, 10, 5, 0},
                      AbsorbCase{"ArmorClassSwallowsASmallHit", kDamageNone, kDamageNone, 5, 50, 5, 0, 50},
                      AbsorbCase{"OverflowIsCutToTheAmountGiven", kDamageAntimatter, kDamageNone, 0, 2, 10, 10, 0},
                      AbsorbCase{"AnEmptyDeviceStillWeighsTheDamage", kDamageCrystal, kDamageNone, 0, 0, 10, 13, 0},
                      AbsorbCase{"UnknownTypesWeighOne", 9, kDamagePhoton, 0, 100, 10, 0, 90}),
    [](const ::testing::TestParamInfo<AbsorbCase>& info) { return std::string(info.param.name); });

class ShipDamageTest : public ShipTest {};

TEST_F(ShipDamageTest, TheShieldFlashesWhenNothingPassesAndBothDevicesWeighWhatReachesThem)
{
    CTestShip ship(10, 4.0f, 100, 0, kCompositePlating, kDeflectorScreen);
    ship.mShield->mDamageType = kDamagePlasma;
    ship.TakeDamage(1, kDamageNone);
    EXPECT_EQ(ship.mShield->mHitFlash, 250);
    const size_t drawsBefore = Device()->Draws().size();
    ship.Render();
    EXPECT_EQ(ship.mShield->mHitFlash, 240) << "the flash fades by 10 per frame unit";
    EXPECT_GT(Device()->Draws().size(), drawsBefore);

    ship.mShield->mPoints = ship.mArmor->mPoints = 0;
    ship.mShield->mDamageType = ship.mArmor->mDamageType = kDamageNone;
    ship.TakeDamage(10, kDamageAntimatter);
    EXPECT_EQ(ship.mHitPoints, 100 - 22) << "10 x 1.5 = 15 past the shield, 15 x 1.5 = 22 past the armor";
}

TEST_F(ShipDamageTest, ShieldAndArmorRegainAPointPerPeriodScaledByTheShip)
{
    CTestShip ship(10, 4.0f, 100, 0, kCompositePlating, kDeflectorScreen);
    ship.factor = 2.0f;
    ship.mArmor->mRegenerationRate = 0;
    ship.mArmor->Attach(&ship);
    ship.mShield->mRegenerationRate = 20000;
    ship.mShield->Attach(&ship);
    EXPECT_EQ(ship.mArmor->mRegenerationPeriod, 5000) << "rate 0 means one point in 10 s";
    EXPECT_EQ(ship.mShield->mRegenerationPeriod, 1) << "never below 1 ms";
    ship.mArmor->mPoints = 0;
    gFrameTimeMs = 5000;
    ship.UpdateSubsystems();
    EXPECT_EQ(ship.mArmor->mPoints, 0) << "the accumulator must pass the period";
    gFrameTimeMs = 1;
    ship.UpdateSubsystems();
    EXPECT_EQ(ship.mArmor->mPoints, 1);
}

TEST_F(ShipDamageTest, DamageEqualToTheHullDestroysTheShipWithItsSoundAndOneLessDoesNot)
{
    CTestShip ship(10, 4.0f, 50);
    EXPECT_FALSE(ship.TakeDamage(49, kDamageNone));
    EXPECT_EQ(ship.lootDrops, 0);
    ship.mHitPoints = 50;
    EXPECT_TRUE(ship.TakeDamage(50, kDamageNone));
    EXPECT_EQ(ship.mHitPoints, 0);
    EXPECT_FALSE(ship.mActive);
    EXPECT_EQ(ship.lootDrops, 1);
    EXPECT_EQ(gSoundRequest.soundId, 200);
    EXPECT_EQ(gSoundRequest.position, &ship.mPosition);
    EXPECT_FALSE(ship.TakeDamage(500, kDamageNone)) << "a dead ship is not destroyed twice";
    EXPECT_EQ(ship.mHitPoints, 0) << "a dead ship takes no more damage";
}

struct ExperienceCase {
    int shipLevel, playerLevel;
    bool paid;
};

class ExperienceTest : public ShipTest, public ::testing::WithParamInterface<ExperienceCase> {};

TEST_P(ExperienceTest, ADestroyedShipPaysPlayersUpToFiveTimesItsLevel)
{
    pilot->level = GetParam().playerLevel;
    CTestShip ship(10, 4.0f, 10);
    ship.mShipLevel = GetParam().shipLevel;
    ship.mExperienceValue = 40;
    ship.TakeDamage(10, kDamageNone);
    EXPECT_EQ(pilot->experienceGained, GetParam().paid ? 40 : 0);
}

// The comparison is unsigned: a negative ship level pays everyone, a negative player level no one.
INSTANTIATE_TEST_SUITE_P(Levels, ExperienceTest,
                         ::testing::Values(ExperienceCase{3, 15, true}, ExperienceCase{3, 16, false},
                                           ExperienceCase{-1, 50, true}, ExperienceCase{3, -1, false}));

TEST_F(ShipDamageTest, ThePlayerDestroyedLosesTwentyCreditsFromAHundredUp)
{
    for (auto [credits, left] : {std::pair{99, 99}, std::pair{100, 80}}) {
        pilot->mActive = 1;
        pilot->credits = credits;
        EXPECT_TRUE(pilot->TakeDamage(1000, kDamageNone));
        EXPECT_EQ(pilot->credits, left);
    }
    EXPECT_EQ(pilot->experienceGained, 0) << "the player never pays itself";
}

TEST_F(ShipDamageTest, DebrisOnlyNearTheCameraButTheRestOfTheDestructionAlways)
{
    for (auto [eyeX, debris] : {std::pair{99.0f, true}, std::pair{100.0f, false}}) {
        rm->DeleteParticles();
        gCamera.SetEye(eyeX, 0.0f, -50.0f);
        CTestShip ship(10, 4.0f, 10);
        ship.mExperienceValue = 7;
        ship.mShipLevel = 1;
        ship.TakeDamage(10, kDamageNone);
        EXPECT_EQ(!rm->mDebris.empty(), debris) << eyeX;
        EXPECT_EQ(ship.lootDrops, 1);
    }
    EXPECT_EQ(pilot->experienceGained, 14);
}

TEST_F(ShipDamageTest, APositiveHitUncloaksEvenWhenTheShieldTakesItAll)
{
    CTestShip ship(10, 4.0f, 100, 0, 0, kDeflectorScreen);
    ship.mStealth = 1;
    ship.TakeDamage(0, kDamageNone);
    EXPECT_EQ(ship.mStealth, 1);
    ship.TakeDamage(3, kDamageNone);
    EXPECT_EQ(ship.mStealth, 0);
    EXPECT_EQ(ship.mVisible, 1);
    EXPECT_EQ(ship.mHitPoints, 100);
}

TEST_F(ShipDamageTest, ShipsOfOneSideAreSetApartTheSmallerOneMovingAndNeverToNowhere)
{
    CTestShip big(10, 6.0f, 100);
    CTestShip small(11, 4.0f, 100);
    small.mPosition = Vec3(3.0f, 0.0f, 30.0f);
    big.Interact(&small);
    EXPECT_FLOAT_EQ(small.mPosition.x, 10.0f);
    small.mPosition = Vec3(0.0f, 3.0f, 30.0f);
    small.Interact(&big);
    EXPECT_FLOAT_EQ(small.mPosition.y, 10.0f) << "the smaller ship moves itself";
    EXPECT_FLOAT_EQ(big.mPosition.y, 0.0f);

    small.mPosition = big.mPosition;
    big.Interact(&small);
    EXPECT_TRUE(Vec3::Equals(small.mPosition, big.mPosition)) << "one point gives no direction, not NaN";
}

TEST_F(ShipDamageTest, APushNeverMakesAShipFasterThanSixtyOverItsSizeNorLeavesItNotFinite)
{
    CTestShip ship(10, 4.0f, 100);
    ship.Push(Vec3(16.0f, 0.0f, 7.0f));
    EXPECT_TRUE(Vec3::Equals(ship.mVelocity, Vec3(3.0f, 0.0f, 0.0f))) << "3 / size squared, flat";
    ship.Push(Vec3(1000.0f, 0.0f, 0.0f));
    EXPECT_NEAR(Vec3Length(ship.mVelocity), 15.0f, 1e-4f);
    // A push from a shot whose owner stood nowhere, or an endless one, moves nothing.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float endless = std::numeric_limits<float>::infinity();
    for (const Vec3& impulse : {Vec3(nan, 0.0f, 0.0f), Vec3(0.0f, endless, 0.0f)}) {
        ship.Push(impulse);
        EXPECT_NEAR(Vec3Length(ship.mVelocity), 15.0f, 1e-4f);
    }
}

TEST_F(ShipDamageTest, LongHullTextsAreCutToTheirFields)
{
    const std::string text = "An Extraordinarily Long Hull Type Name";
    CTestShip ship(10, 4.0f, 100, 0, 0, 0, text.c_str());
    char name[kObjectNameSize] = {};
    ship.GetName(name);
    EXPECT_EQ(std::string(name), text.substr(0, kShipTextSize - 1));
    EXPECT_EQ(std::string(ship.mAlignment), text.substr(0, kShipTextSize - 1));
}

}  // namespace
