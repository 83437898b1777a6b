// Mines, outposts and fountains: going off by range and side; the turret's turning, exact aim,
// targets, contact and pay; the fountain's clocks near the player.
#include <cmath>

#include "ships/shockwave_shot.h"
#include "ships/weapon_fixture.h"
#include "world/fountain.h"
#include "world/mine.h"
#include "world/outpost.h"

namespace {

constexpr int kProximityMine = 19;

class ArmedTest : public WeaponTest {
protected:
    template <class Kind>
    Kind* Build(CWorldObject* (*make)(int), int objectId)
    {
        auto* object = static_cast<Kind*>(make(objectId));
        object->mPosition = Vec3(0.0f, 0.0f, 30.0f);
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
        return static_cast<int>(Shots<Kind>().size());
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
    auto* mine = Build<CMineObject>(&MakeMine, 3005);
    mine->mDestructRange = GetParam().range;
    pilot->mPosition = Vec3(GetParam().distance, 0.0f, 30.0f);
    mine->Interact(pilot);
    EXPECT_EQ(mine->mActive, GetParam().goesOff ? 0 : 1);
    EXPECT_EQ(Count<CShockwaveShot>(), GetParam().goesOff ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Ranges, MineRangeTest,
                         ::testing::Values(MineRangeCase{25.0f, 26.9f, true}, MineRangeCase{25.0f, 27.0f, false},
                                           MineRangeCase{0.0f, 1.9f, true}, MineRangeCase{0.0f, 2.0f, false}));

TEST_F(ArmedTest, ALaidMineSparesItsSideAndCloakedShipsAndShotToPiecesFiresNothing)
{
    rm->LaunchWeapon(kProximityMine, pilot, &pilot->mPosition, &pilot->mPosition);
    rm->LaunchWeapon(kProximityMine, pilot, &pilot->mPosition, &pilot->mPosition);
    const auto mines = Shots<CMineObject>();
    ASSERT_EQ(mines.size(), 2u);
    CTestShip* cloaked = Ship(2002, pilot->mPosition, 2);
    cloaked->mVisible = 0;
    mines[0]->Interact(pilot);
    mines[0]->Interact(Ship(2001, pilot->mPosition, pilot->mAffiliate));
    mines[0]->Interact(cloaked);
    EXPECT_EQ(mines[0]->mActive, 1);
    cloaked->mVisible = 1;
    mines[0]->Interact(cloaked);
    EXPECT_EQ(mines[0]->mActive, 0);
    EXPECT_EQ(Count<CShockwaveShot>(), 1);
    EXPECT_TRUE(mines[1]->TakeDamage(50, 0));
    mines[1]->Interact(cloaked);
    EXPECT_EQ(Count<CShockwaveShot>(), 1);
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
    auto* outpost = Build<COutpostObject>(&MakeOutpost, 3004);
    outpost->mTurnRate = c.rate;
    outpost->mTurretHeading = c.heading;
    // Heading h points along (-sin h, cos h).
    CTestShip* target = Ship(2001, Vec3(-20.0f * std::sin(c.wanted), 20.0f * std::cos(c.wanted), 30.0f), 1);
    outpost->Interact(target);
    ASSERT_EQ(outpost->Target(), target);
    outpost->Update();
    EXPECT_NEAR(outpost->mTurretHeading, c.after, 1e-4f);
}

// 4.0 to 0.8584 differs by a hair more than 3.14159: the long way, as the rule is written.
INSTANTIATE_TEST_SUITE_P(Headings, TurretTurnTest,
                         ::testing::Values(TurnCase{4.0f, 0.8584f, 0.1f, 4.1f}, TurnCase{1.0f, 0.5f, 0.1f, 0.9f},
                                           TurnCase{6.0f, 0.2f, 0.1f, 6.1f}, TurnCase{0.2f, 6.0f, 0.1f, 0.1f},
                                           TurnCase{1.0f, 1.05f, 0.1f, 1.05f}));

TEST_F(ArmedTest, ATurretThatCannotTurnFiresOnlyStraightAheadAndDropsACloakedTarget)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, 3004);
    outpost->mTurnRate = 0.0f;
    CTestShip* target = Ship(2001, Vec3(20.0f, 5.0f, 30.0f), 1);
    outpost->Interact(target);
    for (int frame = 0; frame < 30; ++frame)
        outpost->Update();
    EXPECT_EQ(Count<CBeamShot>(), 0);
    target->mPosition = Vec3(0.0f, 20.0f, 30.0f);
    outpost->Update();
    ASSERT_EQ(Count<CBeamShot>(), 1);
    EXPECT_EQ(Shots<CBeamShot>()[0]->Owner(), outpost);
    target->mVisible = 0;
    outpost->Update();
    EXPECT_EQ(outpost->Target(), nullptr);
}

TEST_F(ArmedTest, ItsOwnSideIsNeverTargetedButThrownBackAndAnyKillPaysThePlayer)
{
    auto* outpost = Build<COutpostObject>(&MakeOutpost, 3004);
    CTestShip* friendly = Ship(2001, Vec3(0.0f, 5.0f, 30.0f), outpost->mAffiliate);
    friendly->mDirection = Vec3(0.0f, 1.0f, 0.0f);
    outpost->Interact(friendly);
    EXPECT_EQ(outpost->Target(), nullptr);
    EXPECT_EQ(friendly->mHitPoints, 100 - outpost->mCollisionDamage);
    EXPECT_LT(friendly->mVelocity.y, 0.0f);
    EXPECT_TRUE(outpost->TakeDamage(outpost->mHitPoints, 0));
    EXPECT_FALSE(outpost->TakeDamage(1, 0));
    EXPECT_EQ(pilot->experienceGained, outpost->mExperienceValue);
}

TEST_F(ArmedTest, AFountainSpraysAtEightyUnitsAndItsWeaponClockRunsOnlyNearThePlayer)
{
    auto* fountain = Build<CFountainObject>(&MakeFountain, 5006);
    pilot->mPosition = Vec3(80.5f, 0.0f, 30.0f);
    for (int frame = 0; frame < 40; ++frame)
        fountain->Update();
    EXPECT_EQ(fountain->mWeaponClock, 0);
    EXPECT_TRUE(rm->mParticles.empty());
    pilot->mPosition = Vec3(80.0f, 0.0f, 30.0f);
    fountain->Update();
    EXPECT_FALSE(rm->mParticles.empty());
    for (int frame = 0; frame < 29; ++frame)
        fountain->Update();
    ASSERT_EQ(Count<CProjectileShot>(), 1);
    EXPECT_EQ(Shots<CProjectileShot>()[0]->Owner(), fountain);
    // Without a weapon it never fires, and only the player feels its touch.
    fountain->mWeaponDeviceId = 0;
    fountain->mWeaponClock = 0;
    pilot->mPosition = fountain->mPosition;
    for (int frame = 0; frame < 40; ++frame)
        fountain->Update();
    EXPECT_EQ(Count<CProjectileShot>(), 1);
    CTestShip* other = Ship(2001, fountain->mPosition, 2);
    fountain->Interact(other);
    fountain->Interact(pilot);
    EXPECT_EQ(other->mHitPoints, 100);
    EXPECT_EQ(pilot->mHitPoints, 100 - fountain->mCollisionDamage);
}

}  // namespace
