// Shockwave rings and charges: the hit tick, damage and push by weapon, sides, drawing; the
// conversion steps by charge type, their ends, the alpha pulse and a lost shield or engine.
#include "ships/charge_shot.h"
#include "ships/shockwave_shot.h"
#include "weapon_fixture.h"

namespace {

constexpr int kNovaBurst = 13;
constexpr int kQuakeRing = 14;
// Test rows: period 100 ms, 2 per step.
constexpr int kShieldCharge = 95;
constexpr int kEnergyCharge = 96;
constexpr int kEngineCharge = 97;

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
        shooter = Enemy(2001, Vec3(0.0f, 0.0f, 30.0f));
        shooter->mAffiliate = 1;
        shooter->mScale = Vec3(4.0f, 4.0f, 4.0f);
        enemy = Enemy(2002, Vec3(1.0f, 0.0f, 30.0f));
    }
    CShockwaveShot* Ring(int deviceId) { return Launch<CShockwaveShot>(deviceId, shooter, Vec3(0.0f, 50.0f, 30.0f)); }
    // A ring grown wide enough to reach the flight plane from its depth (about 13 below it); a
    // peer's ring is the network's copy of the shooter's.
    CShockwaveShot* GrownRing(int deviceId, bool peers = false)
    {
        CShockwaveShot* ring =
            peers ? new CShockwaveShot(deviceId, *shooter, shooter->mPosition, rm->NextTempObjectId()) : Ring(deviceId);
        if (peers)
            rm->mObjects.emplace(ring->mId, ring);
        if (ring)
            ring->mRadius = 30.0f;
        return ring;
    }

    CTestActor* shooter = nullptr;
    CTestActor* enemy = nullptr;
};

struct TickCase {
    std::vector<uint32_t> frames;
    std::vector<int> strikes;  // frames, from 1
};

class RingTickTest : public RingTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(RingTickTest, StrikesOnlyInTheFrameWhere251MsHaveGathered)
{
    CShockwaveShot* ring = GrownRing(kNovaBurst);
    ASSERT_NE(ring, nullptr);
    ring->Interact(enemy);
    std::vector<int> strikes;
    for (size_t i = 0; i < GetParam().frames.size(); ++i) {
        SetFrame(GetParam().frames[i]);
        ring->Update();
        const size_t before = enemy->hits.size();
        ring->Interact(enemy);
        if (enemy->hits.size() > before)
            strikes.push_back(static_cast<int>(i) + 1);
    }
    EXPECT_EQ(strikes, GetParam().strikes);
}

INSTANTIATE_TEST_SUITE_P(Frames, RingTickTest,
                         ::testing::Values(TickCase{{100, 100, 51}, {3}}, TickCase{{100, 100, 50, 1}, {4}},
                                           TickCase{{250, 1, 250, 1}, {2, 4}}, TickCase{{300, 16, 300}, {1, 3}}));

struct RingDamageCase {
    int deviceId;
    int least;
    int most;
    float pushPerDamage;
    // A peer's ring has no owner: it takes no owner's factor and spares no side.
    bool peers = false;
};

class RingDamageTest : public RingTest, public ::testing::WithParamInterface<RingDamageCase> {};

// At level 50 the owner's factor is 2: it scales a fixed ring and never an uneven one.
TEST_P(RingDamageTest, DamageAndPushFollowTheWeaponsKind)
{
    const RingDamageCase& c = GetParam();
    pilot->level = 50;
    if (c.peers)
        enemy->mAffiliate = shooter->mAffiliate;
    SetFrame(251);
    std::vector<Vec3> away;
    for (int i = 0; i < 30; ++i) {
        CShockwaveShot* ring = GrownRing(c.deviceId, c.peers);
        ASSERT_NE(ring, nullptr);
        ring->Update();
        ring->Interact(enemy);
        ring->mActive = 0;
        away.push_back(UnitVec3(Vec3::Difference(enemy->mPosition, ring->mPosition)));
    }
    ASSERT_EQ(enemy->hits.size(), 30u);
    ASSERT_EQ(enemy->pushes.size(), 30u);
    for (size_t i = 0; i < enemy->hits.size(); ++i) {
        EXPECT_GE(enemy->hits[i], c.least);
        EXPECT_LE(enemy->hits[i], c.most);
        // Away from the ring's centre at its depth, so mostly upward out of the plane.
        const float push = static_cast<float>(enemy->hits[i]) / c.pushPerDamage;
        EXPECT_NEAR(enemy->pushes[i].x, push * away[i].x, 1e-4f);
        EXPECT_NEAR(enemy->pushes[i].z, push * away[i].z, 1e-4f);
    }
}

INSTANTIATE_TEST_SUITE_P(Weapons, RingDamageTest,
                         ::testing::Values(RingDamageCase{kNovaBurst, 24, 24, 10.0f},
                                           RingDamageCase{kQuakeRing, 20, 34, 2.0f},
                                           RingDamageCase{kNovaBurst, 12, 12, 10.0f, true}));

TEST_F(RingTest, SparesTheOwnersSideEvenOnceTheOwnerIsGoneAndLiesAtADepthOfItsOwn)
{
    CTestActor* friendly = Enemy(2003, Vec3(-1.0f, 0.0f, 30.0f));
    friendly->mAffiliate = shooter->mAffiliate;
    CShockwaveShot* ring = GrownRing(kNovaBurst);
    CShockwaveShot* other = Ring(kNovaBurst);
    ASSERT_TRUE(ring && other);
    EXPECT_FLOAT_EQ(ring->mPosition.z, static_cast<float>(ring->mId) * 0.00001f + 16.0f);
    EXPECT_NE(ring->mPosition.z, other->mPosition.z);
    rm->mObjects.erase(shooter->mId);
    delete shooter;
    SetFrame(251);
    ring->Update();
    ring->Interact(friendly);
    ring->Interact(enemy);
    EXPECT_TRUE(friendly->hits.empty());
    EXPECT_EQ(enemy->hits, std::vector<int>{12});
}

struct ReachCase {
    const char* name;
    float radius;
    float offset;  // from the ring's centre, in the plane
    bool struck;
};

class RingReachTest : public RingTest, public ::testing::WithParamInterface<ReachCase> {};

// The ring lies about 13 below the plane: the depth counts in the reach, (size 4 + radius) / 2.
TEST_P(RingReachTest, ReachesAShipInThePlaneOnlyAcrossItsDepth)
{
    const ReachCase& c = GetParam();
    CShockwaveShot* ring = Ring(kNovaBurst);
    ASSERT_NE(ring, nullptr);
    ASSERT_NEAR(ring->mPosition.z, 17.0f, 0.01f);
    enemy->mPosition = Vec3(ring->mPosition.x + c.offset, ring->mPosition.y, 30.0f);
    ring->mRadius = c.radius;
    ring->mHitTick = 1;
    ring->Interact(enemy);
    EXPECT_EQ(enemy->hits.size(), c.struck ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Rings, RingReachTest,
                         ::testing::Values(ReachCase{"AtLaunchItPassesUnderAShipOnItsCentre", 1.0f, 0.0f, false},
                                           ReachCase{"JustShortOfThePlane", 21.5f, 0.0f, false},
                                           ReachCase{"JustPastThePlane", 23.0f, 0.0f, true},
                                           ReachCase{"PastThePlaneButShortToTheSide", 23.0f, 5.0f, false},
                                           ReachCase{"WideEnoughForTheSide", 26.0f, 5.0f, true}),
                         [](const auto& info) { return std::string(info.param.name); });

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

class ChargeTest : public WeaponTest {
protected:
    void SetUp() override
    {
        WeaponTest::SetUp();
        std::string sql;
        for (auto [id, type] :
             {std::pair{kShieldCharge, "shield"}, {kEnergyCharge, "energy"}, {kEngineCharge, "engine"}})
            sql += "INSERT INTO device_main VALUES (" + std::to_string(id) +
                   ", 'Charge', '', 'photon', 'weapon', 1, "
                   "20, 0, 'false');\nINSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, "
                   "sprite_id, energy_req, color_mod, charge_type, multiplier) VALUES (" +
                   std::to_string(id) + ", " + std::to_string(id) + ", 100, 25, 254, 2, 'a060b0ff', '" + type +
                   "', 1.5);\n";
        Content(sql);
        ship = new CTestShip(2001, 4.0f, 100, kIonDrive, 0, kDeflectorScreen);
        rm->mObjects[ship->mId] = ship;
        ship->mEngine->mEnergy = 100;
        ship->mShield->mPoints = 50;
    }
    CChargeShot* Charge(int deviceId) { return Launch<CChargeShot>(deviceId, ship, ship->mPosition); }

    CTestShip* ship = nullptr;
};

struct ChargeCase {
    const char* name;
    int deviceId;
    int energy;
    int shield;  // -1 = full
    float speed;
    int energyAfter;
    int shieldAfter;
    int clockAfter;  // -1 = ended
    float boostAfter;
};

class ChargeStepTest : public ChargeTest, public ::testing::WithParamInterface<ChargeCase> {};

// One frame of 250 ms.
TEST_P(ChargeStepTest, ConvertsStepByStepAndEndsWhenShortOrFull)
{
    const ChargeCase& c = GetParam();
    const int full = ship->mShield->mMaxPoints;
    ship->mEngine->mEnergy = c.energy;
    ship->mEngine->mSpeed = c.speed;
    ship->mShield->mPoints = c.shield < 0 ? full : c.shield;
    CChargeShot* charge = Charge(c.deviceId);
    ASSERT_NE(charge, nullptr);
    ASSERT_EQ(ship->mActiveChargeId, charge->mId);
    SetFrame(250);
    charge->Update();
    EXPECT_EQ(ship->mEngine->mEnergy, c.energyAfter);
    EXPECT_EQ(ship->mShield->mPoints, c.shieldAfter < 0 ? full : c.shieldAfter);
    EXPECT_FLOAT_EQ(ship->mEngine->mBoost, c.boostAfter);
    const bool lasts = c.clockAfter >= 0;
    EXPECT_EQ(charge->mActive, lasts ? 1 : 0);
    // An end through a step frees the ship to charge again.
    EXPECT_EQ(ship->mActiveChargeId, lasts ? charge->mId : 0);
    if (lasts) {
        EXPECT_EQ(charge->mClock, c.clockAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, ChargeStepTest,
                         ::testing::Values(ChargeCase{"shield", kShieldCharge, 100, 50, 0.0f, 96, 52, 50, 1.0f},
                                           ChargeCase{"shield_full", kShieldCharge, 100, -1, 0.0f, 100, -1, -1, 1.0f},
                                           ChargeCase{"shield_short", kShieldCharge, 1, 50, 0.0f, 1, 50, -1, 1.0f},
                                           ChargeCase{"energy", kEnergyCharge, 100, 50, 0.0f, 102, 46, 50, 1.0f},
                                           ChargeCase{"energy_short", kEnergyCharge, 100, 1, 0.0f, 100, 1, -1, 1.0f},
                                           ChargeCase{"engine_standing", kEngineCharge, 100, 50, 0.0f, 100, 50, 500,
                                                      1.0f},
                                           ChargeCase{"engine_moving", kEngineCharge, 100, 50, 1.0f, 90, 50, 0, 1.5f},
                                           ChargeCase{"engine_short", kEngineCharge, 1, 50, 1.0f, 1, 50, -1, 1.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChargeTest, AlphaPulsesWithin40And250WhateverTheFramesAndAnEngineChargeIsNeverDrawn)
{
    CChargeShot* charge = Charge(kEngineCharge);
    ASSERT_NE(charge, nullptr);
    const uint32_t frames[] = {16, 33, 100, 250, 1000, 7};
    bool top = false;
    for (int i = 0; i < 120; ++i) {
        SetFrame(frames[i % 6]);
        charge->Update();
        ASSERT_EQ(charge->mActive, 1);
        ASSERT_GE(charge->mAlpha, 40);
        ASSERT_LE(charge->mAlpha, 250);
        top = top || charge->mAlpha == 250;
    }
    EXPECT_TRUE(top);
    Device()->ClearRecords();
    charge->Render();
    EXPECT_TRUE(Device()->Draws().empty());
}

struct LostDeviceCase {
    int deviceId;
    bool shieldLost;
};

class ChargeLosesDeviceTest : public ChargeTest, public ::testing::WithParamInterface<LostDeviceCase> {};

// A shield sold (or an engine lost) while charging ends the charge and lets the ship charge again.
TEST_P(ChargeLosesDeviceTest, AChargeWithoutItsShieldOrEngineEnds)
{
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
                                           LostDeviceCase{kEngineCharge, false}));

}  // namespace
