// Mines, outposts and fountains: going off by range and side, breaking without firing; the turret's
// turning, exact aim, targets and contact, its pay and return; the fountain's clocks near the player.
#include <cmath>

#include "ships/shockwave_shot.h"
#include "ships/weapon_fixture.h"
#include "world/fountain.h"
#include "world/mine.h"
#include "world/outpost.h"

namespace {

constexpr int kProximityMine = 19;
constexpr int kDriftingMine = 3005;
constexpr int kCinderBattery = 3004;
constexpr int kSporeFountain = 5006;

class ArmedTest : public WeaponTest {
protected:
    template <class Kind>
    Kind* Build(CWorldObject* (*make)(int), int objectId, Vec3 at)
    {
        auto* object = static_cast<Kind*>(make(objectId));
        object->mPosition = object->mHomePosition = at;
        rm->mObjects[object->mId] = object;
        return object;
    }
    CTestShip* Ship(int id, Vec3 at, int affiliate)
    {
        auto* ship = new CTestShip(id, 4.0f, 100);
        ship->mPosition = at;
        ship->mAffiliate = affiliate;
        rm->mObjects[id] = ship;
        return ship;
    }
    template <class Kind>
    int Count()
    {
        int count = 0;
        for (auto& [id, object] : rm->mObjects)
            count += dynamic_cast<Kind*>(object) ? 1 : 0;
        return count;
    }
};

struct MineRangeCase {
    float range;
    float distance;
    bool goesOff;
};

class MineRangeTest : public ArmedTest, public ::testing::WithParamInterface<MineRangeCase> {};

// The reach is half the ship's size (4) plus the destruct range, strict.
TEST_P(MineRangeTest, GoesOffWithinHalfTheShipPlusItsRange)
{
    auto* mine = Build<CMineObject>(&MakeMine, kDriftingMine, Vec3(0.0f, 0.0f, 30.0f));
    mine->mDestructRange = GetParam().range;
    pilot->mPosition = Vec3(GetParam().distance, 0.0f, 30.0f);
    mine->Interact(pilot);
    EXPECT_EQ(mine->mActive, GetParam().goesOff ? 0 : 1);
    EXPECT_EQ(Count<CShockwaveShot>(), GetParam().goesOff ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, MineRangeTest,
                         ::testing::Values(MineRangeCase{25.0f, 26.9f, true}, MineRangeCase{25.0f, 27.0f, false},
                                           MineRangeCase{0.0f, 1.9f, true}, MineRangeCase{0.0f, 2.0f, false}));

TEST_F(ArmedTest, ALaidMineSparesItsLayersSideAndCloakedShipsAndEachHasItsOwnId)
{
    pilot->mPosition = Vec3(50.0f, 50.0f, 30.0f);
    rm->LaunchWeapon(kProximityMine, pilot, &pilot->mPosition, &pilot->mPosition);
    rm->LaunchWeapon(kProximityMine, pilot, &pilot->mPosition, &pilot->mPosition);
    std::vector<CMineObject*> mines;
    for (auto& [id, object] : rm->mObjects) {
        if (auto* mine = dynamic_cast<CMineObject*>(object))
            mines.push_back(mine);
    }
    ASSERT_EQ(mines.size(), 2u);
    CMineObject* mine = mines[0];
    EXPECT_EQ(mine->mAffiliate, pilot->mAffiliate);
    EXPECT_EQ(mine->mHitPoints, 50);
    EXPECT_FLOAT_EQ(mine->mDestructRange, 20.0f);
    CTestShip* wingmate = Ship(2001, pilot->mPosition, pilot->mAffiliate);
    CTestShip* cloaked = Ship(2002, pilot->mPosition, 2);
    cloaked->mVisible = 0;
    for (CWorldObject* ship :
         {static_cast<CWorldObject*>(pilot), static_cast<CWorldObject*>(wingmate), static_cast<CWorldObject*>(cloaked)})
        mine->Interact(ship);
    EXPECT_EQ(mine->mActive, 1);
    cloaked->mVisible = 1;
    mine->Interact(cloaked);
    EXPECT_EQ(mine->mActive, 0);
    EXPECT_EQ(Count<CShockwaveShot>(), 1);
}

TEST_F(ArmedTest, AMineShotToPiecesFiresNothingAndPaysNothing)
{
    auto* mine = Build<CMineObject>(&MakeMine, kDriftingMine, Vec3(0.0f, 0.0f, 30.0f));
    const size_t objects = rm->mObjects.size();
    EXPECT_FALSE(mine->TakeDamage(9, 0));
    EXPECT_TRUE(mine->TakeDamage(1, 0));
    EXPECT_EQ(mine->mActive, 0);
    pilot->mPosition = mine->mPosition;
    mine->Interact(pilot);
    EXPECT_EQ(rm->mObjects.size(), objects);
    EXPECT_EQ(pilot->experienceGained, 0);
}

struct TurnCase {
    float heading;
    float wanted;
    float rate;
    float after;
};

class TurretTurnTest : public ArmedTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurretTurnTest, TurnsOneStepTheWayTheRuleSays)
{
    const TurnCase& c = GetParam();
    auto* outpost = Build<COutpostObject>(&MakeOutpost, kCinderBattery, Vec3(0.0f, 0.0f, 30.0f));
    outpost->mTurnRate = c.rate;
    outpost->mTurretHeading = c.heading;
    // Heading h points along (-sin h, cos h).
    CTestShip* target = Ship(2001, Vec3(-20.0f * std::sin(c.wanted), 20.0f * std::cos(c.wanted), 30.0f), 1);
    outpost->Interact(target);
    ASSERT_EQ(outpost->Target(), target);
    outpost->Update();
    EXPECT_NEAR(outpost->mTurretHeading, c.after, 1e-4f);
    EXPECT_FLOAT_EQ(outpost->mRotation.z, outpost->mTurretHeading);
}

INSTANTIATE_TEST_SUITE_P(Headings, TurretTurnTest,
                         ::testing::Values(TurnCase{4.0f, 0.8584f, 0.1f, 4.1f}, TurnCase{1.0f, 0.5f, 0.1f, 0.9f},
                                           TurnCase{6.0f, 0.2f, 0.1f, 6.1f}, TurnCase{0.2f, 6.0f, 0.1f, 0.1f},
                                           TurnCase{1.0f, 1.05f, 0.1f, 1.05f}, TurnCase{2.0f, 3.0f, 0.0f, 2.0f}));

TEST_F(ArmedTest, ATurretThatCannotTurnFiresOnlyStraightAhead)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, kCinderBattery, Vec3(0.0f, 0.0f, 30.0f));
    outpost->mTurnRate = 0.0f;
    CTestShip* aside = Ship(2001, Vec3(20.0f, 5.0f, 30.0f), 1);
    outpost->Interact(aside);
    for (int frame = 0; frame < 30; ++frame)
        outpost->Update();
    EXPECT_EQ(Count<CBeamShot>(), 0);
    aside->mPosition = Vec3(0.0f, 20.0f, 30.0f);
    for (int frame = 0; frame < 15; ++frame)
        outpost->Update();
    ASSERT_EQ(Count<CBeamShot>(), 1);
    EXPECT_EQ(Shots<CBeamShot>()[0]->Owner(), outpost);
}

TEST_F(ArmedTest, ACloakedTargetIsDroppedAtOnceAndADeletedOneIsGone)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, kCinderBattery, Vec3(0.0f, 0.0f, 30.0f));
    CTestShip* target = Ship(2001, Vec3(0.0f, 30.0f, 30.0f), 1);
    outpost->Interact(target);
    ASSERT_EQ(outpost->Target(), target);
    target->mVisible = 0;
    outpost->Update();
    EXPECT_EQ(outpost->Target(), nullptr);
    target->mVisible = 1;
    outpost->Interact(target);
    ASSERT_EQ(outpost->Target(), target);
    rm->mObjects.erase(target->mId);
    delete target;
    outpost->Update();
    EXPECT_EQ(outpost->Target(), nullptr);
}

TEST_F(ArmedTest, ItsOwnSideIsNeverTargetedButStillHurtAndThrownBack)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, kCinderBattery, Vec3(0.0f, 0.0f, 30.0f));
    CTestShip* friendly = Ship(2001, Vec3(0.0f, 5.0f, 30.0f), outpost->mAffiliate);
    friendly->mDirection = Vec3(0.0f, 1.0f, 0.0f);
    const int before = friendly->mHitPoints;
    outpost->Interact(friendly);
    EXPECT_EQ(outpost->Target(), nullptr);
    EXPECT_EQ(friendly->mHitPoints, before - outpost->mCollisionDamage);
    EXPECT_LT(friendly->mVelocity.y, 0.0f);
}

TEST_F(ArmedTest, ADestroyedOutpostPaysThePlayerAndReturnsAfterItsRespawnTime)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, kCinderBattery, Vec3(0.0f, 0.0f, 30.0f));
    gCamera.SetEye(5000.0f, 5000.0f, -50.0f);
    EXPECT_TRUE(outpost->TakeDamage(outpost->mHitPoints, 0));
    EXPECT_EQ(pilot->experienceGained, outpost->mExperienceValue);
    EXPECT_EQ(outpost->mActive, 0);
    gFrameTimeMs = outpost->mRespawnTime - 1;
    outpost->Update();
    EXPECT_EQ(outpost->mActive, 0);
    gFrameTimeMs = 1;
    outpost->Update();
    EXPECT_EQ(outpost->mActive, 1);
    EXPECT_EQ(outpost->mHitPoints, outpost->mMaxHitPoints);
}

class FountainTest : public ArmedTest {
protected:
    void SetUp() override
    {
        ArmedTest::SetUp();
        fountain = Build<CFountainObject>(&MakeFountain, kSporeFountain, Vec3(0.0f, 0.0f, 30.0f));
    }
    CFountainObject* fountain = nullptr;
};

TEST_F(FountainTest, SpraysAtExactlyEightyUnitsAndItsWeaponClockRunsOnlyNearThePlayer)
{
    pilot->mPosition = Vec3(80.5f, 0.0f, 30.0f);
    for (int frame = 0; frame < 40; ++frame)
        fountain->Update();
    EXPECT_EQ(fountain->mWeaponClock, 0);
    EXPECT_EQ(rm->mParticles.size(), 0u);
    EXPECT_EQ(fountain->mParticleClock, 4000);
    pilot->mPosition = Vec3(80.0f, 0.0f, 30.0f);
    fountain->Update();
    EXPECT_GT(rm->mParticles.size(), 0u);
    EXPECT_EQ(fountain->mParticleClock, 0);
    EXPECT_EQ(fountain->mWeaponClock, 100);
    for (int frame = 0; frame < 29; ++frame)
        fountain->Update();
    ASSERT_EQ(Count<CProjectileShot>(), 1);
    EXPECT_EQ(Shots<CProjectileShot>()[0]->Owner(), fountain);
}

TEST_F(FountainTest, WithoutAWeaponItNeverFiresAndOnlyThePlayerFeelsIt)
{
    fountain->mWeaponDeviceId = 0;
    pilot->mPosition = fountain->mPosition;
    for (int frame = 0; frame < 100; ++frame)
        fountain->Update();
    EXPECT_EQ(fountain->mWeaponClock, 0);
    EXPECT_EQ(Count<CProjectileShot>(), 0);
    CTestShip* other = Ship(2001, fountain->mPosition, 2);
    fountain->Interact(other);
    fountain->Interact(pilot);
    EXPECT_EQ(other->mHitPoints, 100);
    EXPECT_EQ(pilot->mHitPoints, 100 - fountain->mCollisionDamage);
}

}  // namespace
