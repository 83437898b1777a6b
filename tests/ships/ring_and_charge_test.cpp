// Shockwave rings and charges: the hit tick, damage and push by weapon, sides, drawing, depth;
// the conversion steps by charge type, their ends, the alpha pulse and a lost shield or engine.
#include <cmath>

#include "ships/charge_shot.h"
#include "ships/shockwave_shot.h"
#include "weapon_fixture.h"

namespace {

constexpr int kNovaBurst = 13;
constexpr int kQuakeRing = 14;
constexpr int kShieldCharge = 95;
constexpr int kEnergyCharge = 96;
constexpr int kEngineCharge = 97;

std::string ChargeRows()
{
    std::string sql;
    for (auto [id, type] : {std::pair{kShieldCharge, "shield"}, {kEnergyCharge, "energy"}, {kEngineCharge, "engine"}}) {
        const std::string n = std::to_string(id);
        sql +=
            "INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, "
            "credit_value, display_mesh_id, ailment_id, for_sale) VALUES (" +
            n + ", 'Charge " + n + "', '', 'photon', 'weapon', 1, 20, 0, 'false');\n" +
            "INSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, sprite_id, energy_req, "
            "color_mod, charge_type, multiplier) VALUES (" +
            n + ", " + n + ", 100, 25, 254, 2, 'a060b0ff', '" + type + "', 1.5);\n";
    }
    return sql;
}

void SetFrame(uint32_t ms)
{
    gFrameTimeMs = ms;
    gFrameScale = static_cast<float>(ms) / 100.0f;
}

class RingTest : public WeaponTest {
protected:
    void SetUp() override
    {
        WeaponTest::SetUp();
        shooter = new CTestActor(2001, kTypeLeadShip, Vec3(0.0f, 0.0f, 30.0f));
        shooter->mScale = Vec3(4.0f, 4.0f, 4.0f);
        rm->mObjects[shooter->mId] = shooter;
        enemy = Enemy(2002, Vec3(1.0f, 0.0f, 30.0f));
    }
    CShockwaveShot* Ring(int deviceId) { return Launch<CShockwaveShot>(deviceId, shooter, Vec3(0.0f, 50.0f, 30.0f)); }

    CTestActor* shooter = nullptr;
    CTestActor* enemy = nullptr;
};

struct TickCase {
    std::vector<uint32_t> frames;
    // Frames (from 1) in which the ring strikes.
    std::vector<int> strikes;
};

class RingTickTest : public RingTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(RingTickTest, StrikesOnlyInTheFrameWhere251MsHaveGathered)
{
    CShockwaveShot* ring = Ring(kNovaBurst);
    ASSERT_NE(ring, nullptr);
    ring->Interact(enemy);
    std::vector<int> strikes;
    int frame = 0;
    for (uint32_t ms : GetParam().frames) {
        SetFrame(ms);
        ring->Update();
        const size_t before = enemy->hits.size();
        ring->Interact(enemy);
        ++frame;
        if (enemy->hits.size() > before)
            strikes.push_back(frame);
    }
    EXPECT_EQ(strikes, GetParam().strikes);
}

INSTANTIATE_TEST_SUITE_P(Frames, RingTickTest,
                         ::testing::Values(TickCase{{100, 100, 51}, {3}}, TickCase{{100, 100, 50, 1}, {4}},
                                           TickCase{{250, 1, 250, 1}, {2, 4}}, TickCase{{300, 16, 300}, {1, 3}}));

struct RingDamageCase {
    const char* name;
    int deviceId;
    int least;
    int most;
    float pushPerDamage;
};

class RingDamageTest : public RingTest, public ::testing::WithParamInterface<RingDamageCase> {};

// The owner's factor (2 at level 50) scales a fixed ring and never an uneven one.
TEST_P(RingDamageTest, DamageAndPushFollowTheWeaponsKind)
{
    const RingDamageCase& c = GetParam();
    pilot->level = 50;
    SetFrame(251);
    for (int i = 0; i < 30; ++i) {
        CShockwaveShot* ring = Ring(c.deviceId);
        ASSERT_NE(ring, nullptr);
        ring->Update();
        ring->Interact(enemy);
        ring->mActive = 0;
    }
    ASSERT_EQ(enemy->hits.size(), 30u);
    ASSERT_EQ(enemy->pushes.size(), 30u);
    for (size_t i = 0; i < enemy->hits.size(); ++i) {
        EXPECT_GE(enemy->hits[i], c.least);
        EXPECT_LE(enemy->hits[i], c.most);
        EXPECT_NEAR(enemy->pushes[i].x, static_cast<float>(enemy->hits[i]) / c.pushPerDamage, 1e-4f);
        EXPECT_EQ(enemy->pushes[i].z, 0.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Weapons, RingDamageTest,
                         ::testing::Values(RingDamageCase{"fixed", kNovaBurst, 24, 24, 10.0f},
                                           RingDamageCase{"uneven", kQuakeRing, 20, 34, 2.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RingTest, SparesTheOwnersSideEvenOnceTheOwnerIsGone)
{
    CTestActor* friendly = Enemy(2003, Vec3(-1.0f, 0.0f, 30.0f));
    friendly->mAffiliate = shooter->mAffiliate;
    CShockwaveShot* ring = Ring(kNovaBurst);
    ASSERT_NE(ring, nullptr);
    SetFrame(251);
    ring->Update();
    ring->Interact(friendly);
    ring->Interact(enemy);
    rm->mObjects.erase(shooter->mId);
    delete shooter;
    ring->Update();
    ring->Interact(friendly);
    ring->Interact(enemy);
    EXPECT_TRUE(friendly->hits.empty());
    // Without a live owner the fixed damage is not scaled.
    EXPECT_EQ(enemy->hits, (std::vector<int>{12, 12}));
}

TEST_F(RingTest, AnObjectBeyondTheDiscIsNotStruckAndTheRingEndsAtItsRange)
{
    CShockwaveShot* ring = Ring(kNovaBurst);
    ASSERT_NE(ring, nullptr);
    enemy->mPosition = Vec3(4.5f, 0.0f, 30.0f);
    SetFrame(251);
    ring->Update();
    ring->Interact(enemy);
    EXPECT_TRUE(enemy->hits.empty()) << ring->mRadius;
    int frames = 0;
    while (ring->mActive && frames < 1000) {
        ring->Update();
        ++frames;
        EXPECT_GE(ring->mAlpha, 1);
        EXPECT_LE(ring->mAlpha, 200);
    }
    EXPECT_EQ(ring->mActive, 0);
    EXPECT_GE(ring->mRadius, 40.0f);
}

class RingDrawTest : public RingTest, public ::testing::WithParamInterface<int> {};

TEST_P(RingDrawTest, FourCopiesAndARadiusOfZeroBecomesATenth)
{
    CShockwaveShot* ring = Ring(GetParam());
    ASSERT_NE(ring, nullptr);
    Device()->ClearRecords();
    if (ring->mMeshId != 0)
        rm->RenderMesh(ring->mRingMesh, true);
    else
        rm->DrawTrail(ring->mRingTrail);
    const size_t perCopy = Device()->Draws().size();
    ASSERT_GT(perCopy, 0u);
    ring->mRadius = 0.0f;
    ring->mRotation.z = 1.0f;
    Device()->ClearRecords();
    ring->Render();
    EXPECT_EQ(Device()->Draws().size(), 4 * perCopy);
    EXPECT_FLOAT_EQ(ring->mRadius, 0.1f);
    EXPECT_FLOAT_EQ(ring->mRotation.z, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(SpriteAndMesh, RingDrawTest, ::testing::Values(kNovaBurst, kQuakeRing));

TEST_F(RingTest, EachRingLiesAtADepthOfItsOwn)
{
    CShockwaveShot* first = Ring(kNovaBurst);
    CShockwaveShot* second = Ring(kNovaBurst);
    ASSERT_TRUE(first && second);
    EXPECT_FLOAT_EQ(first->mPosition.z, static_cast<float>(first->mId) * 0.00001f + 16.0f);
    EXPECT_FLOAT_EQ(second->mPosition.z, static_cast<float>(second->mId) * 0.00001f + 16.0f);
    EXPECT_NE(first->mPosition.z, second->mPosition.z);
}

class ChargeTest : public WeaponTest {
protected:
    void SetUp() override
    {
        WeaponTest::SetUp();
        Content(ChargeRows());
        ship = new CTestShip(2001, 4.0f, 100, kIonDrive, 0, kDeflectorScreen);
        rm->mObjects[ship->mId] = ship;
    }
    CChargeShot* Charge(int deviceId) { return Launch<CChargeShot>(deviceId, ship, ship->mPosition); }

    CTestShip* ship = nullptr;
};

struct ChargeCase {
    const char* name;
    int deviceId;
    uint32_t frameMs;
    int energy;
    // -1 = the shield's maximum.
    int shield;
    float speed;
    int energyAfter;
    int shieldAfter;
    int clockAfter;
    bool lasts;
};

class ChargeStepTest : public ChargeTest, public ::testing::WithParamInterface<ChargeCase> {};

TEST_P(ChargeStepTest, ConvertsStepByStepAndEndsWhenShortOrFull)
{
    const ChargeCase& c = GetParam();
    ship->mEngine->mEnergy = c.energy;
    ship->mEngine->mSpeed = c.speed;
    const int full = ship->mShield->mMaxPoints;
    ship->mShield->mPoints = c.shield < 0 ? full : c.shield;
    CChargeShot* charge = Charge(c.deviceId);
    ASSERT_NE(charge, nullptr);
    ASSERT_EQ(ship->mActiveChargeId, charge->mId);
    SetFrame(c.frameMs);
    charge->Update();
    EXPECT_EQ(ship->mEngine->mEnergy, c.energyAfter);
    EXPECT_EQ(ship->mShield->mPoints, c.shieldAfter < 0 ? full : c.shieldAfter);
    EXPECT_EQ(charge->mActive, c.lasts ? 1 : 0);
    // An end through a step frees the ship to charge again.
    EXPECT_EQ(ship->mActiveChargeId, c.lasts ? charge->mId : 0);
    if (c.lasts) {
        EXPECT_EQ(charge->mClock, c.clockAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, ChargeStepTest,
    ::testing::Values(ChargeCase{"shield_two_steps", kShieldCharge, 250, 100, 50, 0.0f, 96, 52, 50, true},
                      ChargeCase{"shield_full", kShieldCharge, 250, 100, -1, 0.0f, 100, -1, 0, false},
                      ChargeCase{"shield_no_energy", kShieldCharge, 250, 1, 50, 0.0f, 1, 50, 0, false},
                      ChargeCase{"energy_two_steps", kEnergyCharge, 250, 100, 50, 0.0f, 102, 46, 50, true},
                      ChargeCase{"energy_no_shield", kEnergyCharge, 100, 100, 1, 0.0f, 100, 1, 0, false},
                      ChargeCase{"engine_standing", kEngineCharge, 250, 100, 50, 0.0f, 100, 50, 500, true},
                      ChargeCase{"engine_moving", kEngineCharge, 250, 100, 50, 1.0f, 90, 50, 0, true},
                      ChargeCase{"engine_no_energy", kEngineCharge, 250, 1, 50, 1.0f, 1, 50, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChargeTest, AMovingEngineChargeBoostsTheNextThrustAndIsNeverDrawn)
{
    ship->mEngine->mEnergy = 100;
    ship->mEngine->mSpeed = 1.0f;
    CChargeShot* charge = Charge(kEngineCharge);
    ASSERT_NE(charge, nullptr);
    charge->Update();
    EXPECT_FLOAT_EQ(ship->mEngine->mBoost, 1.5f);
    Device()->ClearRecords();
    charge->Render();
    EXPECT_TRUE(Device()->Draws().empty());
}

TEST_F(ChargeTest, AlphaPulsesWithin40And250WhateverTheFrames)
{
    ship->mEngine->mEnergy = 100;
    CChargeShot* charge = Charge(kEngineCharge);
    ASSERT_NE(charge, nullptr);
    const uint32_t frames[] = {16, 33, 100, 250, 1000, 7};
    bool rose = false;
    for (int i = 0; i < 120; ++i) {
        SetFrame(frames[i % 6]);
        charge->Update();
        ASSERT_EQ(charge->mActive, 1);
        EXPECT_GE(charge->mAlpha, 40);
        EXPECT_LE(charge->mAlpha, 250);
        rose = rose || charge->mAlpha == 250;
    }
    EXPECT_TRUE(rose);
}

struct LostDeviceCase {
    int deviceId;
    bool shieldLost;
};

class ChargeLosesDeviceTest : public ChargeTest, public ::testing::WithParamInterface<LostDeviceCase> {};

// A shield sold (or an engine lost) while charging ends the charge and lets the ship charge again.
TEST_P(ChargeLosesDeviceTest, AChargeWithoutItsShieldOrEngineEnds)
{
    ship->mEngine->mEnergy = 100;
    ship->mShield->mPoints = 50;
    CChargeShot* charge = Charge(GetParam().deviceId);
    ASSERT_NE(charge, nullptr);
    if (GetParam().shieldLost) {
        delete ship->mShield;
        ship->mShield = nullptr;
    } else {
        delete ship->mEngine;
        ship->mEngine = nullptr;
    }
    SetFrame(250);
    charge->Update();
    charge->Render();
    EXPECT_EQ(charge->mActive, 0);
    EXPECT_EQ(ship->mActiveChargeId, 0);
}

INSTANTIATE_TEST_SUITE_P(Devices, ChargeLosesDeviceTest,
                         ::testing::Values(LostDeviceCase{kShieldCharge, true}, LostDeviceCase{kEnergyCharge, true},
                                           LostDeviceCase{kShieldCharge, false}, LostDeviceCase{kEngineCharge, false}));

TEST_F(ChargeTest, AChargeWhoseShipMovedOnToAnotherEndsAndLeavesTheShipsCharge)
{
    ship->mEngine->mEnergy = 100;
    CChargeShot* charge = Charge(kShieldCharge);
    ASSERT_NE(charge, nullptr);
    ship->mActiveChargeId = 123456;
    charge->Update();
    EXPECT_EQ(charge->mActive, 0);
    EXPECT_EQ(ship->mActiveChargeId, 123456);
    // Nor does a charge outlive its ship.
    ship->mActiveChargeId = 0;
    CChargeShot* next = Charge(kShieldCharge);
    ASSERT_NE(next, nullptr);
    rm->mObjects.erase(ship->mId);
    delete ship;
    next->Update();
    next->Render();
    EXPECT_EQ(next->mActive, 0);
}

}  // namespace
