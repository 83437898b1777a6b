// Ailments: each type's effect, who may take one, no renewal, expiry, the tick interval.
#include "db/game_enums.h"
#include "ship_fixture.h"

namespace {

// The shipped content has one ailment of every type, its id equal to its type.
constexpr int kSlowAilment = kAilmentSlow;

class AilmentTest : public ShipTest {
protected:
    // A computer ship that flies toward a far point at its top speed.
    std::unique_ptr<CTestShip> Flyer()
    {
        auto ship = std::make_unique<CTestShip>(10, 3.0f, 100, kIonDrive, kCompositePlating, kDeflectorScreen);
        ship->SetDestination(Vec3(0.0f, 10000.0f, 30.0f));
        ship->mEngine->mSpeed = ship->mEngine->GetTopSpeed();
        return ship;
    }
};

struct EffectCase {
    int type;
    // What one frame of the effect leaves, read from the ship.
    std::function<bool(CTestShip&)> took;
};

class AilmentEffectTest : public AilmentTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(AilmentEffectTest, EveryTypeLandsInItsSlotAndActs)
{
    const EffectCase& c = GetParam();
    auto ship = Flyer();
    ship->mShield->mPoints = 0;
    ship->mEngine->mEnergy = 10;
    const bool friendly = c.type <= kBonusDefense;
    ship->ApplyAilment(c.type, friendly);
    ASSERT_NE(ship->GetAilment(c.type), nullptr);
    for (int other = 1; other <= kAilmentTypeCount; ++other) {
        if (other != c.type) {
            EXPECT_EQ(ship->GetAilment(other), nullptr) << other;
        }
    }
    gFrameTimeMs = 1000;
    gFrameScale = 0.01f;
    ship->Update();
    EXPECT_TRUE(c.took(*ship));
}

INSTANTIATE_TEST_SUITE_P(
    Types, AilmentEffectTest,
    ::testing::Values(
        EffectCase{kBonusDefenseRecharge, [](CTestShip& s) { return s.mShield->mPoints >= 10; }},
        EffectCase{kBonusEnergy, [](CTestShip& s) { return s.mEngine->mEnergy >= 30; }},
        EffectCase{kBonusAttack, [](CTestShip& s) { return s.GetAilment(kBonusAttack)->mRemainingMs < 20000; }},
        EffectCase{kBonusEngine, [](CTestShip& s) { return s.mMoveSpeed > s.mEngine->mSpeed; }},
        EffectCase{kBonusDefense, [](CTestShip& s) { return s.GetAilment(kBonusDefense)->mRemainingMs == 29000; }},
        EffectCase{kAilmentStunned, [](CTestShip& s) { return s.mMoveSpeed == 0.0f; }},
        EffectCase{kAilmentSlow, [](CTestShip& s) { return s.mMoveSpeed == s.mEngine->mSpeed * 0.5f; }},
        EffectCase{kAilmentVulnerable, [](CTestShip& s) { return s.mHitPoints == 2; }},
        EffectCase{kAilmentWeak, [](CTestShip& s) { return s.GetAilment(kAilmentWeak)->mRemainingMs == 7000; }},
        EffectCase{kAilmentNoRecharge, [](CTestShip& s) { return s.mRecharge == 0; }},
        EffectCase{kAilmentNoEnergy, [](CTestShip& s) { return s.mEngine->mEnergy == 0; }}),
    [](const ::testing::TestParamInfo<EffectCase>& info) { return std::to_string(info.param.type); });

TEST_F(AilmentTest, TheFriendlyFlagMustMatchTheCaller)
{
    for (int type = 1; type <= kAilmentTypeCount; ++type) {
        const bool friendly = type <= kBonusDefense;
        pilot->ApplyAilment(type, !friendly);
        EXPECT_EQ(pilot->GetAilment(type), nullptr) << type;
    }
    EXPECT_TRUE(FlightMessages().empty());
}

TEST_F(AilmentTest, ThePlayerIsToldOnceAndARunningAilmentIsNeverRenewed)
{
    pilot->ApplyAilment(kSlowAilment, false);
    CAilment* first = pilot->GetAilment(kAilmentSlow);
    ASSERT_NE(first, nullptr);
    first->mRemainingMs = 1234;
    pilot->ApplyAilment(kSlowAilment, false);
    EXPECT_EQ(pilot->GetAilment(kAilmentSlow), first);
    EXPECT_EQ(first->mRemainingMs, 1234);
    EXPECT_EQ(MessageCount("You have been slowed"), 1);

    // A line that is still the newest one is not posted again.
    pilot->UpdateAilments();
    first->mRemainingMs = 0;
    pilot->UpdateAilments();
    pilot->ApplyAilment(kSlowAilment, false);
    EXPECT_EQ(MessageCount("You have been slowed"), 1);

    CTestShip computer(10, 3.0f, 100);
    computer.ApplyAilment(kAilmentStunned, false);
    EXPECT_NE(computer.GetAilment(kAilmentStunned), nullptr);
    EXPECT_EQ(MessageCount("You have been stunned"), 0) << "only the player is told";
}

TEST_F(AilmentTest, ThePlayerIsNeitherSpedUpNorSlowedThroughAilments)
{
    for (int type : {kBonusEngine, kAilmentSlow}) {
        pilot->ApplyAilment(type, type == kBonusEngine);
        pilot->mMoveSpeed = 2.0f;
        pilot->UpdateAilments();
        EXPECT_FLOAT_EQ(pilot->mMoveSpeed, 2.0f) << type;
    }
}

TEST_F(AilmentTest, ADrawnShipLosesItsEffectInHalfTheTime)
{
    auto drawn = Flyer();
    auto hidden = Flyer();
    drawn->ApplyAilment(kSlowAilment, false);
    hidden->ApplyAilment(kSlowAilment, false);
    gFrameTimeMs = 100;
    int drawnFrames = 0;
    while (drawn->GetAilment(kAilmentSlow) && drawnFrames < 200) {
        drawn->Update();
        drawn->Render();
        ++drawnFrames;
    }
    int hiddenFrames = 0;
    while (hidden->GetAilment(kAilmentSlow) && hiddenFrames < 200) {
        hidden->Update();
        ++hiddenFrames;
    }
    EXPECT_NEAR(drawnFrames, 41, 1) << "8 s counted twice per frame";
    EXPECT_NEAR(hiddenFrames, 81, 1);
}

TEST_F(AilmentTest, ExpiryPutsTheShipsLookBack)
{
    CTestShip ship(10, 4.0f, 100);
    ship.ApplyAilment(kAilmentWeak, false);
    CAilment* ailment = ship.GetAilment(kAilmentWeak);
    ailment->mSavedColour = 0xFF102030u;
    ship.mScale = Vec3(1.0f, 2.0f, 3.0f);
    ailment->mRemainingMs = 0;
    ship.UpdateAilments();
    EXPECT_EQ(ship.GetAilment(kAilmentWeak), nullptr);
    EXPECT_EQ(ship.mColour, 0xFF102030u);
    EXPECT_FLOAT_EQ(ship.mScale.x, 4.0f);
    EXPECT_FLOAT_EQ(ship.mScale.y, 2.0f);
    EXPECT_FLOAT_EQ(ship.mScale.z, 4.0f);
}

TEST_F(AilmentTest, AHugeAmountTicksEveryMillisecondAndNeverHangs)
{
    Content(
        "INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) "
        "VALUES (90, 'bonus_energy', 2000.0, 5, 'true', 72);"
        "INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) "
        "VALUES (91, 'bonus_defense_recharge', 0.0, 5, 'true', 71);");
    CAilment huge(90);
    EXPECT_EQ(huge.TickInterval(), 1);
    EXPECT_EQ(CAilment(91).TickInterval(), 10000);
    EXPECT_EQ(CAilment(kBonusEnergy).TickInterval(), 50) << "amount 20";

    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mEngine->mEnergy = 0;
    ship.ApplyAilment(90, true);
    gFrameTimeMs = 40;
    ship.UpdateAilments();
    EXPECT_EQ(ship.mEngine->mEnergy, 40);
}

TEST_F(AilmentTest, AnUnknownTypeOrRowIsDiscarded)
{
    Content(
        "INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) "
        "VALUES (92, 'sneezing', 1.0, 5, 'false', 72);");
    CTestShip ship(10, 3.0f, 100);
    ship.ApplyAilment(92, false);
    ship.ApplyAilment(9999, false);
    for (int type = 0; type <= kAilmentTypeCount + 1; ++type)
        EXPECT_EQ(ship.GetAilment(type), nullptr) << type;
}

}  // namespace
