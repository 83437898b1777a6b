// Phantoms: pausing, expiry, each phantom's own half-second touch, and that an expired phantom
// touches nothing although the world pass still offers it the player.
#include "world/phantom.h"

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
    // Released at the origin for 10 s with affiliate 2 and damage 9.
    CPhantomObject* Release(float speed)
    {
        auto* phantom = new CPhantomObject(0.0f, 0.0f, 30.0f, 9, 4.0f, 50.0f, 64, 300, speed, 10, 2);
        rm->mObjects[phantom->mId] = phantom;
        return phantom;
    }

    CPhantomObject* placed = nullptr;
};

TEST_F(PhantomTest, AReleasedPhantomSkipsTakenIdsAndExpiresOnThe101stUpdate)
{
    Place(rm->mObjects, 100499, kTypeResource);
    CPhantomObject* phantom = Release(0.0f);
    EXPECT_EQ(phantom->mId, 100498);
    for (int update = 1; update <= 100; ++update)
        phantom->Update();
    EXPECT_EQ(phantom->mActive, 1);
    phantom->Update();
    EXPECT_EQ(phantom->mActive, 0);
}

TEST_F(PhantomTest, WithSpeedZeroItPausesAndStaysForEver)
{
    CPhantomObject* phantom = Release(0.0f);
    phantom->Update();
    EXPECT_EQ(phantom->mPaused, 1);
    for (int update = 0; update < 300; ++update)
        phantom->Update();
    EXPECT_TRUE(Vec3::Equals(phantom->mPosition, Vec3(0.0f, 0.0f, 30.0f)));
    EXPECT_EQ(phantom->mPaused, 0) << "no pause lasts 30 s";
}

TEST_F(PhantomTest, ASystemNarrowerThanOneGivesTheCentreAsTheNextPoint)
{
    rm->mSystemWidth = 0.5f;
    rm->mSystemHeight = 0.0f;
    CPhantomObject* phantom = Release(3.0f);
    phantom->mPosition = phantom->mDestination = Vec3(40.0f, 0.0f, 30.0f);
    phantom->Update();
    EXPECT_TRUE(Vec3::Equals(phantom->mDestination, Vec3(0.0f, 0.0f, 30.0f)));
}

TEST_F(PhantomTest, HurtsOnTheSixthFrameOfContactAndSparesItsOwnSide)
{
    // The placed phantom is nature: it hurts nature too. Frames out of contact do not count.
    const struct {
        int affiliate;
        float offset;
        int frames;
        std::vector<int> hits;
    } cases[] = {{1, 1, 5, {}}, {1, 1, 6, {10}}, {4, 1, 6, {10}}, {1, 50, 12, {}}};
    // A second phantom touching something else meanwhile keeps a clock of its own.
    CPhantomObject* phantom = Release(0.0f);
    CTestActor bystander(7, kTypeLeadShip, phantom->mPosition);
    for (const auto& c : cases) {
        placed->mTouchClock = 0;
        CTestActor other(5, kTypeLeadShip, Vec3::Sum(placed->mPosition, Vec3(c.offset, 1, 0)));
        other.mAffiliate = c.affiliate;
        for (int frame = 0; frame < c.frames; ++frame) {
            placed->Interact(&other);
            phantom->Interact(&bystander);
        }
        EXPECT_EQ(other.hits, c.hits) << c.frames << " frames at " << c.offset;
    }
    ASSERT_FALSE(bystander.hits.empty());
    CTestActor kin(6, kTypeLeadShip, phantom->mPosition);
    kin.mAffiliate = 2;
    for (int frame = 0; frame < 12; ++frame)
        phantom->Interact(&kin);
    EXPECT_TRUE(kin.hits.empty());
}

TEST_F(PhantomTest, AnExpiredPhantomNoLongerHurtsThePlayerInTheWorldPass)
{
    CPhantomObject* phantom = Release(0.0f);
    for (int frame = 0; frame < 6; ++frame)
        rm->UpdateObjects();
    ASSERT_EQ(pilot.actor.hits, std::vector<int>{9}) << "a live phantom hurts on the sixth frame";
    phantom->mLifetime = 0;
    for (int frame = 0; frame < 30; ++frame)
        rm->UpdateObjects();
    EXPECT_EQ(phantom->mActive, 0);
    EXPECT_EQ(pilot.actor.hits.size(), 1u);
}

}  // namespace
