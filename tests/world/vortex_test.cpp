// Vortices: the core, and the pull that falls with the square of the distance, never passes the
// row's force and leaves shots alone.
#include "world/vortex.h"

#include "hazard_fixture.h"

namespace {

struct PullCase {
    const char* name;
    int type;
    float distance;  // from the centre, along -x
    std::vector<int> hits;
    float pull;  // 0: not pushed at all
};

class VortexPullTest : public HazardTest, public ::testing::WithParamInterface<PullCase> {};

TEST_P(VortexPullTest, PullsTowardTheCentreAndDestroysInsideTheCore)
{
    // Size 40 and a size-4 object: the core reaches 22, and 2 r^2 is 968.
    rm->EnterSystem(3);
    auto* vortex = static_cast<CVortex*>(rm->mObjects.at(3007));
    vortex->mSize = 40.0f;
    vortex->mForce = 6.32f;
    const PullCase& c = GetParam();
    CTestActor thing(5, c.type, Vec3::Sum(vortex->mPosition, Vec3(-c.distance, 0, 0)));
    vortex->Interact(&thing);
    EXPECT_EQ(thing.hits, c.hits);
    if (c.pull == 0.0f) {
        EXPECT_TRUE(thing.pushes.empty());
        return;
    }
    ASSERT_EQ(thing.pushes.size(), 1u);
    EXPECT_NEAR(thing.pushes[0].x, c.pull, c.pull * 1e-4f);
    EXPECT_EQ(thing.pushes[0].y, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, VortexPullTest,
                         ::testing::Values(PullCase{"InsideTheCore", kTypePlayer, 21.9f, {1000000}, 6.32f},
                                           PullCase{"AtTheCoreEdge", kTypePlayer, 22.0f, {}, 6.32f},
                                           PullCase{"AtForty", kTypeLeadShip, 40.0f, {}, 6.32f / 632.0f},
                                           PullCase{"FarOut", kTypeOrbit, 100.0f, {}, 6.32f / 9032.0f},
                                           PullCase{"ShotsInTheCoreAreHitNotPulled", kTypeShot, 10.0f, {1000000}, 0},
                                           PullCase{"ShotsOutsideAreLeftAlone", kTypeShot, 40.0f, {}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
