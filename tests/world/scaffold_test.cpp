// Scaffolds: which segments are drawn near the player, the push-out onto the face of least
// overlap, the fixed name and the obstacle probe.
#include "world/scaffold.h"

#include "hazard_fixture.h"

namespace {

class ScaffoldTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(1);
        // The shipped bar, moved to the origin: four horizontal segments centred at x -40 to 20.
        bar = static_cast<CScaffoldObject*>(rm->mObjects.at(1010));
        bar->mPosition = Vec3(0.0f, 0.0f, 30.0f);
        ASSERT_EQ(bar->mLength, 4);
        ASSERT_EQ(bar->mHorizontal, 1);
        Device()->ClearRecords();
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
    ASSERT_GT(one, 0u) << "the x = 0 segment is 119 units away";
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 121.0f), 0u);
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 0.0f), 4 * one);
    EXPECT_EQ(DrawsWithPlayerAt(-40.0f, 119.0f), one) << "the first segment is centred at x = -40";
    EXPECT_EQ(DrawsWithPlayerAt(40.0f, 119.0f), 0u) << "there is no segment at x = 40";
    EXPECT_TRUE(Vec3::Equals(bar->mPosition, Vec3(0.0f, 0.0f, 30.0f)));
    bar->mLength = 0;
    EXPECT_EQ(DrawsWithPlayerAt(0.0f, 0.0f), 0u);
}

struct PushOutCase {
    const char* name;
    bool horizontal;
    int type;
    Vec3 start;
    Vec3 end;
    int zeroHits;
};

class ScaffoldPushTest : public ScaffoldTest, public ::testing::WithParamInterface<PushOutCase> {};

TEST_P(ScaffoldPushTest, ShipsLeaveByTheFaceOfLeastOverlap)
{
    const PushOutCase& c = GetParam();
    bar->mHorizontal = c.horizontal ? 1 : 0;
    CTestActor ship(5, c.type, c.start, 4.0f);
    ship.mSolid = c.type == kTypeShot ? 0 : 1;
    bar->Interact(&ship);
    EXPECT_NEAR(ship.mPosition.x, c.end.x, 0.01f);
    EXPECT_NEAR(ship.mPosition.y, c.end.y, 0.01f);
    EXPECT_EQ(static_cast<int>(ship.hits.size()), c.zeroHits);
    for (const Hit& hit : ship.hits)
        EXPECT_EQ(hit.amount, 0);
}

// Along a horizontal bar of 4 the reach is 84 / 1.8 = 46.67; across it 24 / 1.3 = 18.46.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScaffoldPushTest,
    ::testing::Values(
        PushOutCase{"AboveTheBarGoesUp", true, kTypePlayer, Vec3(30, 5, 30), Vec3(30, 18.46f, 30), 0},
        PushOutCase{"BelowTheBarGoesDown", true, kTypeLeadShip, Vec3(-10, -3, 30), Vec3(-10, -18.46f, 30), 0},
        PushOutCase{"NearTheEndGoesOutTheEnd", true, kTypeWingman, Vec3(45, 0, 30), Vec3(46.67f, 0, 30), 0},
        PushOutCase{"OnTheFaceStays", true, kTypePlayer, Vec3(0, 18.4615f, 30), Vec3(0, 18.4615f, 30), 0},
        PushOutCase{"OutsideStays", true, kTypePlayer, Vec3(0, 19, 30), Vec3(0, 19, 30), 0},
        PushOutCase{"UprightBarSideways", false, kTypePlayer, Vec3(5, 30, 30), Vec3(18.46f, 30, 30), 0},
        PushOutCase{"UprightBarOutTheTop", false, kTypePlayer, Vec3(0, 45, 30), Vec3(0, 46.67f, 30), 0},
        PushOutCase{"OtherSolidKindsPassThrough", true, kTypeOrbit, Vec3(0, 0, 30), Vec3(0, 0, 30), 0},
        PushOutCase{"ShotsAnywhereGetAZeroHit", true, kTypeShot, Vec3(500, 500, 30), Vec3(500, 500, 30), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScaffoldTest, IsAlwaysTheStellarScaffold)
{
    char name[kObjectNameSize] = "something else";
    CopyBounded(bar->mName, kObjectNameSize, "Girder of the Row");
    bar->GetName(name);
    EXPECT_STREQ(name, "Stellar Scaffold");
}

TEST_F(ScaffoldTest, TheProbeBoxRunsHalfTheSegmentCountAlongTheBar)
{
    // Along the bar the probe reaches length / 2 + radius = 3, across it 10 + radius = 11.
    const struct {
        Vec3 from, to;
        bool hit;
    } probes[] = {
        {Vec3(2.5f, 50, 30), Vec3(2.5f, -50, 30), true},
        {Vec3(4, 50, 30), Vec3(4, -50, 30), false},
        {Vec3(-50, 10.5f, 30), Vec3(50, 10.5f, 30), true},
        {Vec3(-50, 11.5f, 30), Vec3(50, 11.5f, 30), false},
    };
    for (const auto& probe : probes)
        EXPECT_EQ(bar->HitTestSegment(&probe.from, &probe.to, 1.0f), probe.hit) << probe.from.x << "," << probe.from.y;
    Vec3 c0, c1, c2, c3;
    CTestActor mover(5, kTypeLeadShip, Vec3(0, 0, 12), 4.0f);
    bar->GetCorners(&c0, &c1, &c2, &c3, &mover);
    EXPECT_TRUE(Vec3::Equals(c0, Vec3(148, 15.2f, 12)));
    EXPECT_TRUE(Vec3::Equals(c2, Vec3(-148, -15.2f, 12)));
}

}  // namespace
