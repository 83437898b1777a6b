// The player ship's thrust, turning, firing costs and ammunition, and the trade prices.
#include "engine/resource_manager.h"
#include "player_fixture.h"
#include "ships/engine.h"

namespace {

TEST_F(PlayerShipTest, ThrustStaysBetweenTheFloorAndTheTopSpeedAndNoEngineCrawls)
{
    CEngine& engine = *player->mEngine;
    for (int frame = 0; frame < 200; ++frame) {
        player->Thrust();
        ASSERT_GE(engine.mSpeed, 0.8f);
        ASSERT_LE(engine.mSpeed, std::min(8.0f, engine.GetTopSpeed()));
        player->Update();
    }
    EXPECT_FLOAT_EQ(player->mMoveSpeed, std::min(8.0f, engine.GetTopSpeed()));
    player->Brake();
    EXPECT_LT(player->mMoveSpeed, engine.GetTopSpeed());

    player->UnequipEngine();
    const float heading = player->mRotation.z;
    player->Thrust();
    EXPECT_FLOAT_EQ(player->mMoveSpeed, 0.8f);
    const Vec3 before = player->mPosition;
    player->Update();
    EXPECT_NE(player->mPosition.y, before.y) << "the crawl moves the ship";
    player->TurnLeft();
    player->TurnRight();
    EXPECT_EQ(player->mRotation.z, heading);
    player->Brake();
    EXPECT_EQ(player->mMoveSpeed, 0.0f);
}

TEST_F(PlayerShipTest, TheTurnRateFallsWithTheSquareOfTheSize)
{
    // Navigation / (size^2 + 1) radians per frame-scale unit, at most 0.349.
    const struct {
        float size;
        int navigation;
        float rate;
    } cases[] = {{4.0f, 1, 1.0f / 17.0f}, {2.0f, 1, 1.0f / 5.0f}, {4.0f, 3, 3.0f / 17.0f}, {1.0f, 1, 0.349f}};
    for (const auto& c : cases) {
        player->mSize = c.size;
        player->mNavigation = c.navigation;
        player->mRotation.z = 1.0f;
        player->TurnLeft();
        EXPECT_NEAR(player->mRotation.z, 1.0f + c.rate, 1e-5f) << "size " << c.size << ", navigation " << c.navigation;
    }
    player->mSize = 4.0f;
    player->mNavigation = 1;
    player->mRotation.z = 0.0f;
    player->TurnRight();
    EXPECT_NEAR(player->mRotation.z, 6.28318f - 1.0f / 17.0f, 1e-4f) << "wrapped into one turn";
}

TEST_F(PlayerShipTest, ACloakNeedsItsEnergyButSpendsNoneAndThenDrainsByTheHull)
{
    ASSERT_TRUE(player->AddWeapon(Weapon(kShadowVeil)));
    player->SelectWeapon(kShadowVeil);
    player->mFireTimer = 100000;
    CEngine& engine = *player->mEngine;
    engine.mEnergy = 39;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(player->mFireTimer, 100000) << "too little energy fires nothing";
    engine.mEnergy = 40;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(player->mFireTimer, 0);
    EXPECT_EQ(engine.mEnergy, 40);
    EXPECT_EQ(player->mCloakDrainPeriod, 100000 / (4 * 4 * 4 * 40));

    // Each case cloaks afresh and flies three frames.
    auto drainedOverThreeFrames = [&](float size, int energyReq) {
        player->mSize = size;
        player->mStealth = 0;
        player->mCloakDrainTimer = 0;
        engine.mEnergy = 40;
        Weapon(kShadowVeil)->mEnergyReq = energyReq;
        player->mFireTimer = 100000;
        player->FireWeapon(&gZeroVector);
        Weapon(kShadowVeil)->mEnergyReq = 40;
        EXPECT_EQ(player->mStealth, 1);
        for (int frame = 0; frame < 3; ++frame)
            player->Update();
        return 40 - engine.mEnergy;
    };
    EXPECT_EQ(drainedOverThreeFrames(14.5f, 40), 3) << "14^3 x 40 passes 100000: a unit every frame";
    EXPECT_EQ(player->mCloakDrainPeriod, 0);
    EXPECT_EQ(drainedOverThreeFrames(4.0f, 40), 2) << "a unit, a frame counting its 39 ms down, a unit";
    EXPECT_EQ(drainedOverThreeFrames(4.0f, 0), 0) << "nothing to divide by means no drain";
    EXPECT_EQ(drainedOverThreeFrames(1e30f, 40), 3) << "a hull beyond any int still drains, once a frame";
}

TEST_F(PlayerShipTest, AnEmptyWeaponSaysSoTwiceWithItsSound)
{
    player->SelectWeapon(kPlasmaBolt);
    player->mAmmo[kPlasmaBolt] = 1;
    player->mFireTimer = 100000;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(player->GetAmmo(kPlasmaBolt), 0);
    EXPECT_TRUE(FlightMessages().empty());
    player->mFireTimer = 100000;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(player->GetAmmo(kPlasmaBolt), 0);
    EXPECT_EQ(MessageCount("You are out of ammo for this weapon!"), 1);
    EXPECT_EQ(MessageCount("Buy ammo from the arms dealer at the nearest starbase!"), 1);
    EXPECT_EQ(gSoundRequest.soundId, 12);
}

TEST_F(PlayerShipTest, TheGuideArrowPointsAtItsTargetUntilTheSystemIsLeft)
{
    CTestShip target(500, 3.0f, 100);
    target.mPosition = Vec3(player->mPosition.x, player->mPosition.y + 50.0f, 30.0f);
    player->mGuideTarget = &target;
    player->Render();
    EXPECT_NEAR(player->mArrowPosition.y, player->mPosition.y + 2.0f * player->mSize, 1e-4f);
    EXPECT_NEAR(player->mArrowPosition.x, player->mPosition.x, 1e-4f);
    rm->EnterSystem(1);
    EXPECT_EQ(player->mGuideTarget, nullptr) << "entering a system deletes what the arrow points at";
}

TEST_F(PlayerShipTest, AnEngineChargeSpendsEnergyAndLaunchesNothingFromTheFireKey)
{
    ASSERT_TRUE(player->AddWeapon(Weapon(kOverdrive)));
    player->SelectWeapon(kOverdrive);
    const size_t objects = rm->mObjects.size();
    CEngine& engine = *player->mEngine;
    const int energy = engine.mEnergy;
    player->mFireTimer = 100000;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(engine.mEnergy, energy - Weapon(kOverdrive)->mEnergyReq);
    EXPECT_EQ(rm->mObjects.size(), objects);

    player->SelectWeapon(kPulseLaser);
    player->mFireTimer = 100000;
    player->FireWeapon(&gZeroVector);
    EXPECT_EQ(rm->mObjects.size(), objects + 2) << "a beam and the ring it chains leave the ship";
}

struct PriceCase {
    int communication;
    float sell, buy;
};

class TradeFactorTest : public ::testing::TestWithParam<PriceCase> {};

TEST_P(TradeFactorTest, CommunicationSetsBothShares)
{
    EXPECT_FLOAT_EQ(SellFactor(GetParam().communication), GetParam().sell);
    EXPECT_FLOAT_EQ(BuyFactor(GetParam().communication), GetParam().buy);
}

INSTANTIATE_TEST_SUITE_P(Skills, TradeFactorTest,
                         ::testing::Values(PriceCase{0, 0.25f, 1.0f}, PriceCase{25, 0.5f, 0.75f},
                                           PriceCase{50, 0.5f, 0.5f}, PriceCase{80, 0.5f, 0.5f}));

struct RefillCase {
    int remaining, maxAmmo, credits, communication, price;
};

class RefillPriceTest : public ::testing::TestWithParam<RefillCase> {};

TEST_P(RefillPriceTest, AtLeastOneWhileAnythingIsMissing)
{
    const RefillCase& c = GetParam();
    EXPECT_EQ(AmmoRefillPrice(c.remaining, c.maxAmmo, c.credits, SellFactor(c.communication)), c.price);
}

INSTANTIATE_TEST_SUITE_P(Refills, RefillPriceTest,
                         ::testing::Values(RefillCase{99, 100, 50, 0, 1}, RefillCase{0, 40, 500, 0, 12},
                                           RefillCase{40, 40, 500, 0, 0}, RefillCase{0, 1, 100000000, 50, 999999},
                                           RefillCase{0, 0, 500, 0, 0}));

}  // namespace
