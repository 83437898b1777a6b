// Scaffolds: the segments drawn near the player and the push-out onto the face of least overlap.
#include "world/scaffold.h"

#include "hazard_fixture.h"

namespace {

class ScaffoldTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(1);
        // The shipped bar of four horizontal segments, moved to the origin: centres -40 to 20.
        bar = static_cast<CScaffoldObject*>(rm->mObjects.at(1010));
        bar->mPosition = Vec3(0.0f, 0.0f, 30.0f);
        ASSERT_EQ(bar->mLength, 4);
        // High enough to see every segment the bar may draw.
        LookDownOn(bar->mPosition, -400.0f);
    }
    size_t DrawsWithPlayerAt(float x, float y)
    {
        pilot.actor.mPosition = Vec3(x, y, 30.0f);
        Device()->ClearRecords();
        bar->Render();
        return Device()->Draws().size();
    }

    CScaffoldObject* bar = nullptr;
};

TEST_F(ScaffoldTest, OnlySegmentsWithin120UnitsOfThePlayerAreDrawn)
{
    const size_t one = DrawsWithPlayerAt(0.0f, 119.0f);
    ASSERT_GT(one, 0u);
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 121.0f), 0u);
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 0.0f), 4 * one);
    EXPECT_EQ(DrawsWithPlayerAt(-40.0f, 119.0f), one);
    EXPECT_EQ(DrawsWithPlayerAt(40.0f, 119.0f), 0u);
    EXPECT_TRUE(Vec3::Equals(bar->mPosition, Vec3(0.0f, 0.0f, 30.0f)));

    // An edited bar a million segments long: the six on each side of the player, no more.
    bar->mLength = 1000001;
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 0.0f), 12 * one);
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 119.0f), 2 * one);
    EXPECT_TRUE(Vec3::Equals(bar->mPosition, Vec3(0.0f, 0.0f, 30.0f)));
}

struct PushOutCase {
    const char* name;
    bool horizontal;
    int type;
    Vec3 start;
    Vec3 end;
};

class ScaffoldPushTest : public ScaffoldTest, public ::testing::WithParamInterface<PushOutCase> {};

TEST_P(ScaffoldPushTest, ShipsLeaveByTheFaceOfLeastOverlap)
{
    const PushOutCase& c = GetParam();
    bar->mHorizontal = c.horizontal ? 1 : 0;
    CTestActor ship(5, c.type, c.start);
    ship.mSolid = c.type != kTypeShot;
    bar->Interact(&ship);
    EXPECT_NEAR(ship.mPosition.x, c.end.x, 0.01f);
    EXPECT_NEAR(ship.mPosition.y, c.end.y, 0.01f);
    EXPECT_EQ(ship.hits, c.type == kTypeShot ? std::vector<int>{0} : std::vector<int>{});
}

// Along a bar of four the reach is 84 / 1.8 = 46.67; across it 24 / 1.3 = 18.46.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScaffoldPushTest,
    ::testing::Values(PushOutCase{"AboveGoesUp", true, kTypePlayer, Vec3(30, 5, 30), Vec3(30, 18.46f, 30)},
                      PushOutCase{"BelowGoesDown", true, kTypeLeadShip, Vec3(-10, -3, 30), Vec3(-10, -18.46f, 30)},
                      PushOutCase{"NearTheEndGoesOutTheEnd", true, kTypeWingman, Vec3(45, 0, 30), Vec3(46.67f, 0, 30)},
                      PushOutCase{"OnTheFaceStays", true, kTypePlayer, Vec3(0, 18.4615f, 30), Vec3(0, 18.4615f, 30)},
                      PushOutCase{"UprightSideways", false, kTypePlayer, Vec3(5, 30, 30), Vec3(18.46f, 30, 30)},
                      PushOutCase{"OtherSolidKindsPass", true, kTypeOrbit, Vec3(0, 0, 30), Vec3(0, 0, 30)},
                      PushOutCase{"ShotsAnywhereGetAZeroHit", true, kTypeShot, Vec3(500, 5, 30), Vec3(500, 5, 30)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
