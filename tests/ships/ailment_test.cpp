// Ailments: each type's effect, who may take one, no renewal, expiry, the tick interval.
#include <functional>

#include "db/game_enums.h"
#include "ship_fixture.h"

namespace {

// The shipped content has one ailment of every type, its id equal to its type.
class AilmentTest : public ShipTest {
protected:
    // A computer ship flying toward a far point at its top speed.
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
    // What one frame of 1 s leaves on the ship.
    std::function<bool(CTestShip&)> took;
};

class AilmentEffectTest : public AilmentTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(AilmentEffectTest, EveryTypeLandsInItsOwnSlotAndActs)
{
    const int type = GetParam().type;
    auto ship = Flyer();
    ship->mShield->mPoints = 0;
    ship->mEngine->mEnergy = 10;
    ship->ApplyAilment(type, type <= kBonusDefense);
    for (int slot = 0; slot <= kAilmentTypeCount + 1; ++slot)
        EXPECT_EQ(ship->GetAilment(slot) != nullptr, slot == type) << slot;
    gFrameTimeMs = 1000;
    gFrameScale = 0.01f;
    ship->Update();
    EXPECT_TRUE(GetParam().took(*ship));
}

INSTANTIATE_TEST_SUITE_P(
    Types, AilmentEffectTest,
    ::testing::Values(
        EffectCase{kBonusDefenseRecharge, [](CTestShip& s) { return s.mShield->mPoints >= 10; }},
        EffectCase{kBonusEnergy, [](CTestShip& s) { return s.mEngine->mEnergy >= 30; }},
        EffectCase{kBonusAttack, [](CTestShip& s) { return s.GetAilment(kBonusAttack)->mRemainingMs == 19000; }},
        EffectCase{kBonusEngine, [](CTestShip& s) { return s.mMoveSpeed == s.mEngine->mSpeed * 1.1f; }},
        EffectCase{kBonusDefense, [](CTestShip& s) { return s.GetAilment(kBonusDefense)->mRemainingMs == 29000; }},
        EffectCase{kAilmentStunned, [](CTestShip& s) { return s.mMoveSpeed == 0.0f; }},
        EffectCase{kAilmentSlow, [](CTestShip& s) { return s.mMoveSpeed == s.mEngine->mSpeed * 0.5f; }},
        EffectCase{kAilmentVulnerable, [](CTestShip& s) { return s.mHitPoints == 2; }},
        EffectCase{kAilmentWeak, [](CTestShip& s) { return s.GetAilment(kAilmentWeak)->mRemainingMs == 7000; }},
        EffectCase{kAilmentNoRecharge,
                   [](CTestShip& s) {
                       s.mEngine->RegenerateEnergy();
                       return s.mEngine->mEnergy == 10;
                   }},
        EffectCase{kAilmentNoEnergy, [](CTestShip& s) { return s.mEngine->mEnergy == 0; }},
        // Once the ailment has run out the engines recharge again.
        EffectCase{kAilmentNoRecharge,
                   [](CTestShip& s) {
                       s.GetAilment(kAilmentNoRecharge)->mRemainingMs = 0;
                       s.Update();
                       s.mEngine->RegenerateEnergy();
                       return s.mEngine->mEnergy > 10;
                   }}),
    [](const ::testing::TestParamInfo<EffectCase>& info) {
        return std::to_string(info.param.type) + "_" + std::to_string(info.index);
    });

TEST_F(AilmentTest, SlowFiftyHalvesTheSpeedInFloat)
{
    auto ship = Flyer();
    ship->mEngine->mTopSpeedBase = 2.0f;
    ship->mEngine->mSpeed = 2.0f;
    ship->ApplyAilment(kAilmentSlow, false);
    ship->Update();
    EXPECT_EQ(ship->mMoveSpeed, 1.0f);
}

TEST_F(AilmentTest, TheFriendlyFlagMustMatchTheCaller)
{
    for (int type = 1; type <= kAilmentTypeCount; ++type) {
        pilot->ApplyAilment(type, type > kBonusDefense);
        EXPECT_EQ(pilot->GetAilment(type), nullptr) << type;
    }
    EXPECT_TRUE(FlightMessages().empty());
}

TEST_F(AilmentTest, ThePlayerIsToldOnceAndARunningAilmentIsNeverRenewed)
{
    pilot->ApplyAilment(kAilmentSlow, false);
    CAilment* first = pilot->GetAilment(kAilmentSlow);
    ASSERT_NE(first, nullptr);
    first->mRemainingMs = 1234;
    pilot->ApplyAilment(kAilmentSlow, false);
    EXPECT_EQ(pilot->GetAilment(kAilmentSlow), first);
    EXPECT_EQ(first->mRemainingMs, 1234);
    EXPECT_EQ(MessageCount("You have been slowed"), 1);

    // Expired and taken again: the line is still the newest, so it is not repeated.
    first->mRemainingMs = 0;
    pilot->UpdateAilments();
    pilot->ApplyAilment(kAilmentSlow, false);
    EXPECT_NE(pilot->GetAilment(kAilmentSlow), nullptr);
    EXPECT_EQ(MessageCount("You have been slowed"), 1);

    CTestShip computer(10, 3.0f, 100);
    computer.ApplyAilment(kAilmentStunned, false);
    EXPECT_EQ(MessageCount("You have been stunned"), 0) << "only the player is told";
}

TEST_F(AilmentTest, ADrawnShipLosesItsEffectInHalfTheTimeAndLooksItselfAgain)
{
    auto drawn = Flyer();
    auto hidden = Flyer();
    drawn->ApplyAilment(kAilmentSlow, false);
    hidden->ApplyAilment(kAilmentSlow, false);
    drawn->GetAilment(kAilmentSlow)->mSavedColour = 0xFF102030u;
    drawn->mScale = Vec3(1.0f, 2.0f, 1.0f);
    gFrameTimeMs = 100;
    int drawnFrames = 0, hiddenFrames = 0;
    for (; drawn->GetAilment(kAilmentSlow) && drawnFrames < 200; ++drawnFrames) {
        drawn->Update();
        drawn->Render();
    }
    for (; hidden->GetAilment(kAilmentSlow) && hiddenFrames < 200; ++hiddenFrames)
        hidden->Update();
    EXPECT_EQ(drawnFrames, 41) << "8 s counted twice per frame";
    EXPECT_EQ(hiddenFrames, 81);
    EXPECT_EQ(drawn->mColour, 0xFF102030u);
    EXPECT_TRUE(Vec3::Equals(drawn->mScale, Vec3(3.0f, 2.0f, 3.0f)));
}

TEST_F(AilmentTest, AHugeAmountTicksEveryMillisecondAndNeverHangs)
{
    Content(
        "INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES "
        "(90, 'bonus_energy', 2000.0, 5, 'true', 72), (91, 'bonus_energy', 0.0, 5, 'true', 72);");
    EXPECT_EQ(CAilment(90).TickInterval(), 1);
    EXPECT_EQ(CAilment(91).TickInterval(), 10000);
    EXPECT_EQ(CAilment(kBonusEnergy).TickInterval(), 50) << "amount 20";
    CTestShip ship(10, 3.0f, 100, kIonDrive);
    ship.mEngine->mEnergy = 0;
    ship.ApplyAilment(90, true);
    gFrameTimeMs = 40;
    ship.UpdateAilments();
    EXPECT_EQ(ship.mEngine->mEnergy, 40);
}

}  // namespace
