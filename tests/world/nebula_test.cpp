// Nebulae: damage every half second on each cloud's own clock, the ailment every frame, nothing
// during a pending jump, and the alpha breathing one step per call.
#include "world/nebula.h"

#include "hazard_fixture.h"

namespace {

class NebulaTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(1);
        nebula = static_cast<CNebulaObject*>(rm->mNebulae.at(1009));
    }
    Vec3 Inside() const { return Vec3::Sum(nebula->mPosition, Vec3(10, -5, 0)); }

    CNebulaObject* nebula = nullptr;
};

struct RhythmCase {
    const char* name;
    int damage;
    int frames;
    std::vector<int> hits;
};

class NebulaRhythmTest : public NebulaTest, public ::testing::WithParamInterface<RhythmCase> {};

TEST_P(NebulaRhythmTest, HurtsWhenTheClockPasses499AndGivesTheAilmentEveryFrame)
{
    const RhythmCase& c = GetParam();
    nebula->mDamage = c.damage;
    CTestActor ship(5, kTypeLeadShip, Inside());
    for (int frame = 0; frame < c.frames; ++frame)
        nebula->Interact(&ship);
    EXPECT_EQ(ship.hits, c.hits);
    EXPECT_EQ(ship.ailments, std::vector<int>(c.frames, 11));
}

INSTANTIATE_TEST_SUITE_P(Cases, NebulaRhythmTest,
                         ::testing::Values(RhythmCase{"FourFramesDoNothing", 7, 4, {}},
                                           RhythmCase{"TheFifthFrameHurts", 7, 5, {7}},
                                           RhythmCase{"TenFramesHurtTwice", 7, 10, {7, 7}},
                                           RhythmCase{"DamageZeroOnlyGivesTheAilment", 0, 12, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NebulaTest, TwoShipsInsideShareTheCloudsClockAndTakeTurns)
{
    CTestActor a(5, kTypeLeadShip, Inside()), b(6, kTypeWingman, Inside());
    std::vector<int> order;
    for (int call = 0; call < 20; ++call) {
        CTestActor& ship = call % 2 ? b : a;
        const size_t before = ship.hits.size();
        nebula->Interact(&ship);
        if (ship.hits.size() > before)
            order.push_back(ship.mId);
    }
    EXPECT_EQ(order, (std::vector<int>{5, 6, 5, 6}));
}

TEST_F(NebulaTest, AnotherCloudCountsOnlyItsOwnContacts)
{
    CNebulaObject far(3016);
    CTestActor ship(5, kTypeLeadShip, Inside()), elsewhere(7, kTypeLeadShip, far.mPosition);
    for (int frame = 0; frame < 3; ++frame)
        nebula->Interact(&ship);
    for (int frame = 0; frame < 4; ++frame)
        far.Interact(&elsewhere);
    EXPECT_TRUE(elsewhere.hits.empty()) << "400 ms in the far cloud";
    far.Interact(&elsewhere);
    EXPECT_EQ(elsewhere.hits, std::vector<int>{far.mDamage});
    nebula->Interact(&ship);
    nebula->Interact(&ship);
    EXPECT_EQ(ship.hits, std::vector<int>{nebula->mDamage}) << "and this cloud's clock kept its 300 ms";
}

TEST_F(NebulaTest, StirsShotsInsideAndDoesNothingDuringAPendingJump)
{
    CTestActor ship(5, kTypeLeadShip, Inside()), shot(7, kTypeShot, Inside());
    nebula->Interact(&shot);
    ASSERT_EQ(shot.pushes.size(), 1u);
    EXPECT_TRUE(Vec3::Equals(shot.pushes[0], gZeroVector));
    rm->mNextSystem = 3;
    for (int frame = 0; frame < 10; ++frame) {
        nebula->Interact(&ship);
        nebula->Interact(&shot);
    }
    EXPECT_TRUE(ship.hits.empty() && ship.ailments.empty());
    EXPECT_EQ(shot.pushes.size(), 1u);
}

TEST_F(NebulaTest, AlphaBreathesOneStepPerCallBetween50And150)
{
    ASSERT_EQ(nebula->mAlpha, 100);
    std::vector<int> seen;
    for (int call = 1; call <= 250; ++call) {
        nebula->Update();
        if (call == 50 || call == 150 || call == 151 || call == 250)
            seen.push_back(nebula->mAlpha);
    }
    EXPECT_EQ(seen, (std::vector<int>{50, 150, 149, 50}));
}

}  // namespace
