// Phantoms: roaming and pausing, expiry, the shared half-second touch, pursuit, and that an
// expired phantom touches nothing even though the pass still offers it the player.
#include "world/phantom.h"

#include <cmath>

#include "hazard_fixture.h"

namespace {

class PhantomTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(3);
        placed = static_cast<CPhantomObject*>(rm->mObjects.at(3006));
    }
    // A released phantom of 10 seconds with the player's affiliate 1 and damage 9.
    CPhantomObject* Release(float speed = 0.0f)
    {
        auto* phantom = new CPhantomObject(0.0f, 0.0f, 30.0f, 9, 4.0f, 50.0f, 64, 300, speed, 10, 1);
        rm->mObjects[phantom->mId] = phantom;
        return phantom;
    }

    CPhantomObject* placed = nullptr;
};

TEST_F(PhantomTest, AReleasedPhantomTakesATemporaryIdAndExpiresOnThe101stUpdate)
{
    CPhantomObject* phantom = Release();
    EXPECT_GT(phantom->mId, 100000);
    EXPECT_STREQ(phantom->mName, "Phantom");
    EXPECT_EQ(phantom->mAffiliate, 1);
    EXPECT_EQ(phantom->mSystemId, 3);
    EXPECT_EQ(phantom->mLifetime, 10000);
    EXPECT_EQ(phantom->mHitPoints, 100);
    for (int update = 1; update <= 100; ++update)
        phantom->Update();
    EXPECT_EQ(phantom->mActive, 1);
    phantom->Update();
    EXPECT_EQ(phantom->mActive, 0);
    EXPECT_EQ(placed->mLifetime, CPhantomObject::kForever);
}

TEST_F(PhantomTest, WithSpeedZeroItPausesAndNeverMoves)
{
    CPhantomObject* phantom = Release(0.0f);
    phantom->Update();
    EXPECT_EQ(phantom->mPaused, 1);
    for (int update = 0; update < 300; ++update) {
        phantom->Update();
        ASSERT_TRUE(Vec3::Equals(phantom->mPosition, Vec3(0.0f, 0.0f, 30.0f))) << "update " << update;
    }
    EXPECT_EQ(phantom->mPaused, 0) << "no pause lasts 30 s";
}

TEST_F(PhantomTest, ASystemNarrowerThanOneGivesTheCentreAsTheNextPoint)
{
    rm->mSystemWidth = 0.5f;
    rm->mSystemHeight = 0.0f;
    CPhantomObject* phantom = Release(3.0f);
    phantom->mPosition = Vec3(40.0f, 0.0f, 30.0f);
    phantom->mDestination = phantom->mPosition;
    phantom->Update();
    EXPECT_TRUE(Vec3::Equals(phantom->mDestination, Vec3(0.0f, 0.0f, 30.0f)));
    EXPECT_NEAR(phantom->mHeading.x, -1.0f, 1e-6f);
}

struct TouchCase {
    const char* name;
    int frames;
    int phantomAffiliate;
    int otherAffiliate;
    int hitsExpected;
};

class PhantomTouchTest : public PhantomTest, public ::testing::WithParamInterface<TouchCase> {};

TEST_P(PhantomTouchTest, HurtsOncePerHalfSecondOfContact)
{
    const TouchCase& c = GetParam();
    placed->mAffiliate = c.phantomAffiliate;
    CTestActor other(5, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(1, 1, 0)), 4.0f);
    other.mAffiliate = c.otherAffiliate;
    for (int frame = 0; frame < c.frames; ++frame)
        placed->Interact(&other);
    ASSERT_EQ(static_cast<int>(other.hits.size()), c.hitsExpected);
    for (const Hit& hit : other.hits)
        EXPECT_EQ(hit.amount, placed->mDamage);
}

INSTANTIATE_TEST_SUITE_P(Cases, PhantomTouchTest,
                         ::testing::Values(TouchCase{"FiveFramesDoNothing", 5, 4, 1, 0},
                                           TouchCase{"TheSixthFrameHurts", 6, 4, 1, 1},
                                           TouchCase{"TwelveFramesHurtTwice", 12, 4, 1, 2},
                                           TouchCase{"NatureHurtsNature", 6, 4, 4, 1},
                                           TouchCase{"OwnSideIsSpared", 12, 2, 2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PhantomTest, OnlyFramesInContactCountTowardTheTouch)
{
    CTestActor other(5, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(1, 1, 0)), 4.0f);
    for (int frame = 0; frame < 20; ++frame) {
        // In contact on even frames only: ten frames of contact in all.
        other.mPosition = Vec3::Sum(placed->mPosition, Vec3(frame % 2 ? 50.0f : 1.0f, 1, 0));
        placed->Interact(&other);
    }
    EXPECT_EQ(other.hits.size(), 1u);
}

TEST_F(PhantomTest, ChasesEnemyShipsInItsPursuitRange)
{
    // The placed phantom's range is 90.
    CTestActor prey(5, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(60, 20, 0)), 4.0f);
    placed->Interact(&prey);
    EXPECT_TRUE(Vec3::Equals(placed->mDestination, prey.mPosition));
    const Vec3 toward = Vec3::Difference(prey.mPosition, placed->mPosition);
    EXPECT_NEAR(placed->mHeading.x, toward.x / std::sqrt(Vec3LengthSq(toward)), 1e-5f);

    const Vec3 before = placed->mDestination;
    CTestActor outOfRange(6, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(0, -91, 0)), 4.0f);
    CTestActor kin(7, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(0, 30, 0)), 4.0f);
    kin.mAffiliate = kAffiliateNature;
    CTestActor rock(8, kTypeOrbit, Vec3::Sum(placed->mPosition, Vec3(0, 30, 0)), 4.0f);
    for (CTestActor* other : {&outOfRange, &kin, &rock})
        placed->Interact(other);
    EXPECT_TRUE(Vec3::Equals(placed->mDestination, before));
}

TEST_F(PhantomTest, AnExpiredPhantomNoLongerHurtsThePlayerInTheWorldPass)
{
    CPhantomObject* phantom = Release(0.0f);
    phantom->mAffiliate = 2;
    pilot.actor.mPosition = phantom->mPosition;
    for (int frame = 0; frame < 6; ++frame)
        rm->UpdateObjects();
    ASSERT_EQ(pilot.actor.hits.size(), 1u) << "a live phantom hurts on the sixth frame";
    phantom->mLifetime = 0;
    for (int frame = 0; frame < 30; ++frame)
        rm->UpdateObjects();
    EXPECT_EQ(phantom->mActive, 0);
    EXPECT_EQ(pilot.actor.hits.size(), 1u);
}

TEST_F(PhantomTest, CannotBeHurtAndScalesWithThePilotsLevel)
{
    EXPECT_FALSE(placed->TakeDamage(100000, 0));
    EXPECT_EQ(placed->mHitPoints, placed->mMaxHitPoints);
    EXPECT_EQ(placed->mActive, 1);
    pilot.level = 10;
    EXPECT_NEAR(placed->GetDamageFactor(), 1.2f, 1e-6f);
    EXPECT_EQ(placed->GetAlpha(), 0);
}

}  // namespace
