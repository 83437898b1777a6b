// Vortices: the core, the pull that falls with the square of the distance and never passes the
// row's force, shots left alone, the eight swirl copies.
#include "world/vortex.h"

#include <cmath>

#include "hazard_fixture.h"

namespace {

class VortexTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(3);
        vortex = static_cast<CVortex*>(rm->mObjects.at(3007));
        vortex->mSize = 40.0f;
        vortex->mForce = 6.32f;
        Device()->ClearRecords();
    }
    CVortex* vortex = nullptr;
};

struct PullCase {
    const char* name;
    int type;
    float distance;  // from the centre, along -x
    bool destroyed;
    float pull;  // length of the push toward the centre; 0 = no push at all
};

class VortexPullTest : public VortexTest, public ::testing::WithParamInterface<PullCase> {};

TEST_P(VortexPullTest, PullsTowardTheCentreAndDestroysInsideTheCore)
{
    // A size-4 object: the core reaches (4 + 40) / 2 = 22.
    const PullCase& c = GetParam();
    CTestActor thing(5, c.type, Vec3::Sum(vortex->mPosition, Vec3(-c.distance, 0, 0)), 4.0f);
    vortex->Interact(&thing);
    if (c.destroyed) {
        ASSERT_EQ(thing.hits.size(), 1u);
        EXPECT_EQ(thing.hits[0].amount, 1000000);
    } else {
        EXPECT_TRUE(thing.hits.empty());
    }
    if (c.pull == 0.0f) {
        EXPECT_TRUE(thing.pushes.empty());
        return;
    }
    ASSERT_EQ(thing.pushes.size(), 1u);
    EXPECT_NEAR(thing.pushes[0].x, c.pull, c.pull * 1e-4f);
    EXPECT_EQ(thing.pushes[0].y, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, VortexPullTest,
                         ::testing::Values(PullCase{"InsideTheCore", kTypePlayer, 21.9f, true, 6.32f},
                                           PullCase{"AtTheCoreEdge", kTypePlayer, 22.0f, false, 6.32f},
                                           PullCase{"AtForty", kTypeLeadShip, 40.0f, false, 6.32f / 632.0f},
                                           PullCase{"FarOut", kTypeOrbit, 100.0f, false, 6.32f / 9032.0f},
                                           PullCase{"ShotsInTheCoreAreHitNotPulled", kTypeShot, 10.0f, true, 0.0f},
                                           PullCase{"ShotsOutsideAreLeftAlone", kTypeShot, 40.0f, false, 0.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VortexTest, ObjectAtTheCentreIsDestroyedWithoutAPullDirection)
{
    CTestActor thing(5, kTypePlayer, vortex->mPosition, 4.0f);
    vortex->Interact(&thing);
    ASSERT_EQ(thing.pushes.size(), 1u);
    EXPECT_TRUE(Vec3::Equals(thing.pushes[0], gZeroVector));
    EXPECT_EQ(thing.hits.size(), 1u);
}

TEST_F(VortexTest, CannotBeHurtAndDrawsItsSwirlEightTimes)
{
    EXPECT_FALSE(vortex->TakeDamage(5000000, 0));
    EXPECT_EQ(vortex->mHitPoints, 1000000);
    EXPECT_EQ(vortex->GetMeshId(), -29);
    gfx::Texture* swirl = rm->GetSpriteTexture(29);
    ASSERT_TRUE(swirl);
    vortex->mSpin = 6.28f;
    vortex->Update();
    EXPECT_NEAR(vortex->mSpin, 6.28f + 0.0174533f - 6.28318f, 1e-5f);
    const float spin = vortex->mSpin;
    vortex->Render();
    size_t copies = 0;
    for (const auto& draw : Device()->Draws())
        copies += draw.textures[0] == swirl ? 1 : 0;
    EXPECT_EQ(copies, 8u);
    EXPECT_EQ(vortex->mSpin, spin);
}

}  // namespace
