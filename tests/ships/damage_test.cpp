// The damage chain: what a shield or an armor lets through by damage type, the hull, destruction
// and who it pays, cloaks broken by hits, ramming and pushing.
#include "db/game_database.h"
#include "db/game_enums.h"
#include "ship_fixture.h"
#include "ships/damage_types.h"

namespace {

struct AbsorbCase {
    const char* name;
    int incomingType;
    int deviceType;
    int armorClass;
    int points;
    int amount;
    int passes;
    int pointsLeft;
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
                      AbsorbCase{"AnEmptyDeviceIgnoresItsArmorClass", kDamageNone, kDamageNone, 8, 0, 10, 10, 0},
                      AbsorbCase{"UnknownTypesWeighOne", 9, kDamagePhoton, 0, 100, 10, 0, 90},
                      AbsorbCase{"NegativeDamagePassesNothing", kDamageNone, kDamageNone, 0, 100, -5, 0, 100}),
    [](const ::testing::TestParamInfo<AbsorbCase>& info) { return std::string(info.param.name); });

TEST(DamageTypeTest, TheTableIsWeightedByBothSidesAndOneOutsideIt)
{
    EXPECT_FLOAT_EQ(DamageTypeFactor(kDamagePhoton, kDamageCrystal), 0.6f);
    EXPECT_FLOAT_EQ(DamageTypeFactor(kDamageCrystal, kDamagePhoton), 1.5f) << "rows are the incoming type";
    EXPECT_FLOAT_EQ(DamageTypeFactor(-1, kDamageNone), 1.0f);
    EXPECT_FLOAT_EQ(DamageTypeFactor(kDamageNone, 7), 1.0f);
}

class ShipDamageTest : public ShipTest {};

TEST_F(ShipDamageTest, AShieldFlashesOnEveryHitEvenWhenNothingPasses)
{
    CTestShip ship(10, 4.0f, 100, 0, 0, kDeflectorScreen);
    ship.mShield->mDamageType = kDamagePlasma;
    EXPECT_FALSE(ship.TakeDamage(1, kDamageNone));
    EXPECT_EQ(ship.mShield->mHitFlash, 250);
    EXPECT_EQ(ship.mHitPoints, 100);

    gFrameScale = 1.0f;
    const size_t drawsBefore = Device()->Draws().size();
    ship.Render();
    EXPECT_EQ(ship.mShield->mHitFlash, 240) << "the flash fades by 10 per frame unit";
    EXPECT_GT(Device()->Draws().size(), drawsBefore) << "the flash draws the hull";
}

TEST_F(ShipDamageTest, TheFactorIsAppliedByShieldAndArmorSoEmptyDevicesPassMoreThanTheHit)
{
    CTestShip ship(10, 4.0f, 100, 0, kCompositePlating, kDeflectorScreen);
    for (CDefenseDevice* device :
         {static_cast<CDefenseDevice*>(ship.mShield), static_cast<CDefenseDevice*>(ship.mArmor)}) {
        device->mPoints = 0;
        device->mDamageType = kDamageNone;
    }
    ship.TakeDamage(10, kDamageAntimatter);
    EXPECT_EQ(ship.mHitPoints, 100 - 22) << "10 x 1.5 = 15 past the shield, 15 x 1.5 = 22 past the armor";
}

TEST_F(ShipDamageTest, DamageEqualToTheHullDestroysTheShipAndOneLessDoesNot)
{
    CTestShip survivor(10, 4.0f, 50);
    EXPECT_FALSE(survivor.TakeDamage(49, kDamageNone));
    EXPECT_EQ(survivor.mHitPoints, 1);
    EXPECT_TRUE(survivor.mActive);
    EXPECT_EQ(survivor.lootDrops, 0);

    CTestShip victim(11, 4.0f, 50);
    EXPECT_TRUE(victim.TakeDamage(50, kDamageNone));
    EXPECT_EQ(victim.mHitPoints, 0);
    EXPECT_FALSE(victim.mActive);
    EXPECT_EQ(victim.lootDrops, 1);
    EXPECT_FALSE(victim.TakeDamage(500, kDamageNone)) << "a dead ship is not destroyed twice";
    EXPECT_EQ(victim.lootDrops, 1);
}

struct ExperienceCase {
    int shipLevel;
    int playerLevel;
    bool paid;
};

class ExperienceTest : public ShipTest, public ::testing::WithParamInterface<ExperienceCase> {};

TEST_P(ExperienceTest, ADestroyedShipPaysPlayersUpToFiveTimesItsLevel)
{
    const ExperienceCase& c = GetParam();
    pilot->level = c.playerLevel;
    CTestShip ship(10, 4.0f, 10);
    ship.mShipLevel = c.shipLevel;
    ship.mExperienceValue = 40;
    ship.TakeDamage(10, kDamageNone);
    EXPECT_EQ(pilot->experienceGained, c.paid ? 40 : 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, ExperienceTest,
                         ::testing::Values(ExperienceCase{3, 15, true}, ExperienceCase{3, 16, false},
                                           ExperienceCase{1, 1, true},
                                           // The comparison is unsigned.
                                           ExperienceCase{-1, 50, true}, ExperienceCase{3, -1, false}));

TEST_F(ShipDamageTest, ThePlayerDestroyedLosesTwentyCreditsFromAHundredUp)
{
    for (auto [credits, left] : {std::pair{99, 99}, std::pair{100, 80}}) {
        pilot->mActive = 1;
        pilot->mHitPoints = 5;
        pilot->credits = credits;
        EXPECT_TRUE(pilot->TakeDamage(5, kDamageNone));
        EXPECT_EQ(pilot->credits, left);
        EXPECT_EQ(pilot->experienceGained, 0) << "the player never pays itself";
    }
}

TEST_F(ShipDamageTest, DebrisOnlyNearTheCameraButTheRestOfTheDestructionAlways)
{
    struct Case {
        float eyeX;
        bool debris;
    };
    for (Case c : {Case{0.0f, true}, Case{99.0f, true}, Case{100.0f, false}}) {
        rm->DeleteParticles();
        gCamera.SetEye(c.eyeX, 0.0f, -50.0f);
        CTestShip ship(10, 4.0f, 10);
        ship.mExperienceValue = 7;
        ship.mShipLevel = 1;
        pilot->experienceGained = 0;
        ship.TakeDamage(10, kDamageNone);
        EXPECT_EQ(!rm->mDebris.empty(), c.debris) << c.eyeX;
        EXPECT_EQ(ship.lootDrops, 1);
        EXPECT_EQ(pilot->experienceGained, 7);
    }
}

TEST_F(ShipDamageTest, APositiveHitUncloaksEvenWhenTheShieldTakesItAll)
{
    CTestShip ship(10, 4.0f, 100, 0, 0, kDeflectorScreen);
    ship.mStealth = 1;
    ship.mVisible = 0;
    ship.TakeDamage(0, kDamageNone);
    EXPECT_EQ(ship.mStealth, 1);
    EXPECT_EQ(ship.mVisible, 0);
    ship.TakeDamage(3, kDamageNone);
    EXPECT_EQ(ship.mStealth, 0);
    EXPECT_EQ(ship.mVisible, 1);
    EXPECT_EQ(ship.mHitPoints, 100);
}

TEST_F(ShipDamageTest, ShipsOfOneSideAreSetApartTheSmallerOneMoving)
{
    CTestShip big(10, 6.0f, 100);
    CTestShip small(11, 4.0f, 100);
    small.mPosition = Vec3(3.0f, 0.0f, 30.0f);
    small.mType = kTypeWingman;
    big.Interact(&small);
    EXPECT_FLOAT_EQ(small.mPosition.x, 10.0f);
    EXPECT_FLOAT_EQ(big.mPosition.x, 0.0f);

    small.mPosition = Vec3(0.0f, 3.0f, 30.0f);
    small.Interact(&big);
    EXPECT_FLOAT_EQ(small.mPosition.y, 10.0f) << "the smaller ship moves itself";
    EXPECT_FLOAT_EQ(big.mPosition.y, 0.0f);
}

TEST_F(ShipDamageTest, ShipsOnTheSamePointStayWhereTheyAreInsteadOfGoingNowhere)
{
    CTestShip one(10, 4.0f, 100);
    CTestShip other(11, 4.0f, 100);
    one.Interact(&other);
    EXPECT_TRUE(Vec3::Equals(other.mPosition, one.mPosition));
    other.mAffiliate = 2;
    one.mMoveSpeed = 1.0f;
    one.Interact(&other);
    EXPECT_TRUE(Vec3::Equals(other.mVelocity, Vec3())) << "a push of no direction";
    EXPECT_EQ(other.mHitPoints, 99);
}

TEST_F(ShipDamageTest, AShipRamsWhatIsNotOfItsSide)
{
    CTestShip rammer(10, 4.0f, 100);
    CTestShip target(11, 2.0f, 100);
    target.mAffiliate = 2;
    target.mPosition = Vec3(3.0f, 0.0f, 30.0f);
    rammer.mMoveSpeed = 2.0f;
    rammer.Interact(&target);
    EXPECT_EQ(target.mHitPoints, 96) << "momentum 2 x 4 over size 2, type none";
    EXPECT_GT(target.mVelocity.x, 0.0f);

    target.mSolid = 0;
    rammer.Interact(&target);
    EXPECT_EQ(target.mHitPoints, 96) << "only solid objects are touched";
}

TEST_F(ShipDamageTest, LongHullTextsAreCutToTheirFields)
{
    Content("UPDATE ship SET ship_type = 'An Extraordinarily Long Hull Type Name' WHERE ship_id = 10;");
    const ShipRecord* row = gGameDatabase.GetShip(10);
    ASSERT_NE(row, nullptr);
    struct CNamedShip : CTestShip {
        explicit CNamedShip(const ShipRecord& row) : CTestShip(10, 4.0f, 100)
        {
            SetShipTexts(row.ship_type, row.ship_type);
        }
    } ship(*row);
    char name[kObjectNameSize] = {};
    ship.GetName(name);
    EXPECT_EQ(std::string(name), std::string(row->ship_type).substr(0, kShipTextSize - 1));
    EXPECT_EQ(std::string(ship.mAlignment), std::string(row->ship_type).substr(0, kShipTextSize - 1));
}

TEST_F(ShipDamageTest, APushNeverMakesAShipFasterThanSixtyOverItsSize)
{
    CTestShip ship(10, 4.0f, 100);
    ship.Push(Vec3(1000.0f, 0.0f, 7.0f));
    EXPECT_NEAR(Vec3Length(ship.mVelocity), 15.0f, 1e-4f);
    EXPECT_EQ(ship.mVelocity.z, 0.0f);

    CTestShip gentle(11, 4.0f, 100);
    gentle.Push(Vec3(16.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(gentle.mVelocity.x, 3.0f) << "3 / size squared";

    CTestShip point(12, 0.0f, 100);
    point.Push(Vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(point.mVelocity.x, 0.0f);
}

}  // namespace

namespace {

struct RegenerationCase {
    int rate;
    float factor;
    int period;
};

class DefenseRegenerationTest : public ShipTest, public ::testing::WithParamInterface<RegenerationCase> {};

TEST_P(DefenseRegenerationTest, ShieldAndArmorRegainAPointPerPeriodScaledByTheShip)
{
    const RegenerationCase& c = GetParam();
    CTestShip ship(10, 4.0f, 100, 0, kCompositePlating, kDeflectorScreen);
    ship.factor = c.factor;
    for (CDefenseDevice* device :
         {static_cast<CDefenseDevice*>(ship.mShield), static_cast<CDefenseDevice*>(ship.mArmor)}) {
        device->mRegenerationRate = c.rate;
        if (device == ship.mShield)
            ship.mShield->Attach(&ship);
        else
            ship.mArmor->Attach(&ship);
        EXPECT_EQ(device->mRegenerationPeriod, c.period);
        device->mPoints = 0;
        gFrameTimeMs = static_cast<uint32_t>(c.period);
        device->Regenerate();
        EXPECT_EQ(device->mPoints, 0) << "the accumulator must pass the period";
        gFrameTimeMs = 1;
        device->Regenerate();
        EXPECT_EQ(device->mPoints, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, DefenseRegenerationTest,
                         ::testing::Values(RegenerationCase{0, 1.0f, 10000}, RegenerationCase{5, 1.0f, 2000},
                                           RegenerationCase{5, 2.0f, 1000}, RegenerationCase{20000, 1.0f, 1},
                                           RegenerationCase{1, 100000.0f, 1}));

TEST_F(ShipDamageTest, DestructionSoundsAndDropsCompoundsOneTimeInThree)
{
    std::srand(5);
    const int spawnsBefore = rm->mSpawnCounter;
    for (int i = 0; i < 60; ++i) {
        CTestShip ship(10 + i, 4.0f, 1);
        ship.mCompoundAmount = i % 2 == 0 ? 5 : 0;
        ship.mCompoundClass = 1;
        gSoundRequest = SoundRequest{};
        ship.TakeDamage(1, 0);
        EXPECT_EQ(gSoundRequest.soundId, 200);
        EXPECT_EQ(gSoundRequest.position, &ship.mPosition);
    }
    const int drops = rm->mSpawnCounter - spawnsBefore;
    EXPECT_GT(drops, 2) << "30 wrecks with compounds";
    EXPECT_LT(drops, 20);
}

}  // namespace
