// Nebulae: the half-second damage rhythm on one shared clock, the ailment every frame, shots,
// a pending jump, the breathing alpha and the four cloud copies.
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
        Device()->ClearRecords();
    }
    // A ship of that type inside the cloud.
    std::unique_ptr<CTestActor> Inside(int id, int type)
    {
        return std::make_unique<CTestActor>(id, type, Vec3::Sum(nebula->mPosition, Vec3(10, -5, 0)), 4.0f);
    }

    CNebulaObject* nebula = nullptr;
};

struct RhythmCase {
    const char* name;
    int damage;
    int ailment;
    int frames;
    int hitsExpected;
    int ailmentsExpected;
};

class NebulaRhythmTest : public NebulaTest, public ::testing::WithParamInterface<RhythmCase> {};

TEST_P(NebulaRhythmTest, HurtsWhenTheClockPasses499AndGivesTheAilmentEveryFrame)
{
    const RhythmCase& c = GetParam();
    nebula->mDamage = c.damage;
    nebula->mAilmentId = c.ailment;
    auto ship = Inside(5, kTypeLeadShip);
    for (int frame = 0; frame < c.frames; ++frame)
        nebula->Interact(ship.get());
    ASSERT_EQ(static_cast<int>(ship->hits.size()), c.hitsExpected);
    for (const Hit& hit : ship->hits) {
        EXPECT_EQ(hit.amount, c.damage);
        EXPECT_EQ(hit.damageType, 0);
    }
    EXPECT_EQ(static_cast<int>(ship->ailments.size()), c.ailmentsExpected);
    for (int ailment : ship->ailments)
        EXPECT_EQ(ailment, c.ailment);
    EXPECT_FALSE(ship->friendlyAilment && !ship->ailments.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, NebulaRhythmTest,
                         ::testing::Values(RhythmCase{"FourFramesDoNothing", 7, 11, 4, 0, 4},
                                           RhythmCase{"TheFifthFrameHurts", 7, 11, 5, 1, 5},
                                           RhythmCase{"TenFramesHurtTwice", 7, 11, 10, 2, 10},
                                           RhythmCase{"DamageZeroStillGivesTheAilment", 0, 11, 12, 0, 12},
                                           RhythmCase{"NoAilmentStillHurts", 3, 0, 5, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NebulaTest, TwoShipsInsideShareTheClockAndTakeTurns)
{
    auto a = Inside(5, kTypeLeadShip);
    auto b = Inside(6, kTypeWingman);
    std::vector<int> order;
    for (int frame = 0; frame < 10; ++frame) {
        for (CTestActor* ship : {a.get(), b.get()}) {
            const size_t before = ship->hits.size();
            nebula->Interact(ship);
            if (ship->hits.size() > before)
                order.push_back(ship->mId);
        }
    }
    EXPECT_EQ(order, (std::vector<int>{5, 6, 5, 6}));
}

TEST_F(NebulaTest, APendingJumpStopsEverything)
{
    auto ship = Inside(5, kTypeLeadShip);
    auto shot = Inside(7, kTypeShot);
    rm->mNextSystem = 3;
    for (int frame = 0; frame < 10; ++frame) {
        nebula->Interact(ship.get());
        nebula->Interact(shot.get());
    }
    EXPECT_TRUE(ship->hits.empty());
    EXPECT_TRUE(ship->ailments.empty());
    EXPECT_TRUE(shot->pushes.empty());
    EXPECT_EQ(CNebulaObject::SharedDamageClock(), 0);
}

TEST_F(NebulaTest, ShotsInsideAreStirredAndThingsOutsideUntouched)
{
    auto shot = Inside(7, kTypeShot);
    CTestActor outside(8, kTypeLeadShip, Vec3::Sum(nebula->mPosition, Vec3(62.1f, 0, 0)), 4.0f);
    for (int frame = 0; frame < 6; ++frame) {
        nebula->Interact(shot.get());
        nebula->Interact(&outside);
    }
    ASSERT_EQ(shot->pushes.size(), 6u);
    EXPECT_TRUE(Vec3::Equals(shot->pushes[0], gZeroVector));
    EXPECT_TRUE(shot->ailments.empty());
    EXPECT_TRUE(outside.hits.empty() && outside.ailments.empty());
}

TEST_F(NebulaTest, AlphaBreathesOneStepPerCallBetween50And150)
{
    ASSERT_EQ(nebula->mAlpha, 100);
    std::vector<int> seen;
    for (int call = 1; call <= 300; ++call) {
        nebula->Update();
        if (call == 50 || call == 150 || call == 151 || call == 250)
            seen.push_back(nebula->mAlpha);
    }
    EXPECT_EQ(seen, (std::vector<int>{50, 150, 149, 50}));
}

TEST_F(NebulaTest, DrawsFourCloudCopiesBehindThePlaneAndRestoresItself)
{
    gfx::Texture* cloud = rm->GetSpriteTexture(nebula->mFrameSprites[0]);
    ASSERT_TRUE(cloud);
    const float angle = nebula->mCloudAngle = 0.5f;
    nebula->Render();
    size_t copies = 0;
    for (const auto& draw : Device()->Draws())
        copies += draw.textures[0] == cloud ? 1 : 0;
    EXPECT_EQ(copies, 4u);
    EXPECT_EQ(nebula->mPosition.z, 30.0f);
    EXPECT_EQ(nebula->mCloudAngle, angle);
    EXPECT_EQ(nebula->GetMeshId(), -nebula->mFrameSprites[0]);
}

TEST_F(NebulaTest, NoBlipInASystemWithoutWidth)
{
    rm->mSystemWidth = 0.0f;
    nebula->DrawRadar();
    EXPECT_TRUE(Device()->Draws().empty());
    rm->mSystemWidth = 1200.0f;
    nebula->DrawRadar();
    EXPECT_FALSE(Device()->Draws().empty());
}

}  // namespace
