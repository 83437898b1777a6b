// Orbiting bodies: the orbit rate that falls with r squared, collisions, experience below level
// 20, and debris pieces that own their meshes, only near the camera.
#include "world/orbit_object.h"

#include <cmath>

#include "core/camera.h"
#include "hazard_fixture.h"

namespace {

class OrbitTest : public HazardTest {
protected:
    void SetUp() override
    {
        HazardTest::SetUp();
        rm->EnterSystem(1);
        body = static_cast<COrbitObject*>(rm->mObjects.at(1007));
        body->mPosition = Vec3(100.0f, 0.0f, 30.0f);
        body->mSize = 10.0f;
        body->mScale = Vec3(10.0f, 10.0f, 10.0f);
    }
    COrbitObject* body = nullptr;
};

TEST_F(OrbitTest, TurnsAboutTheCentreBySpeedOverRSquaredWithTheHeight)
{
    // (100, 0, 30): r squared 10900, so 1090 turns 0.1 rad per unit of frame scale.
    const struct {
        float x, speed, frameScale, angle;
    } cases[] = {{100, 1090, 1, 0.1f}, {100, 1090, 0.5f, 0.05f}, {200, 1090, 1, 1090 / 40900.0f}, {100, 0, 1, 0}};
    for (const auto& c : cases) {
        body->mPosition = Vec3(c.x, 0.0f, 30.0f);
        body->mMoveSpeed = c.speed;
        gFrameScale = c.frameScale;
        body->Update();
        EXPECT_NEAR(std::fabs(std::atan2(body->mPosition.y, body->mPosition.x)), c.angle, 1e-4f) << c.x;
        EXPECT_NEAR(std::hypot(body->mPosition.x, body->mPosition.y), c.x, 1e-3f);
    }
}

TEST_F(OrbitTest, SetsComputerShipsBackAndPushesAndHurtsThePlayer)
{
    CTestActor computer(5, kTypeLeadShip, Vec3(105.0f, 0.0f, 30.0f));
    body->Interact(&computer);
    EXPECT_NEAR(computer.mPosition.x, 114.0f, 1e-4f) << "set back to the summed sizes";
    EXPECT_TRUE(computer.hits.empty() && computer.pushes.empty());

    // Reach (4 + 10) / 1.5; force (2 + 20) x 10 = 220, damage 220 / 4.
    body->mMoveSpeed = 20.0f;
    CTestActor& player = pilot.actor;
    player.mPosition = Vec3(100.0f, 5.0f, 30.0f);
    player.mMoveSpeed = 2.0f;
    body->Interact(&player);
    EXPECT_NEAR(player.mPosition.y, 14.0f / 1.5f, 1e-4f);
    ASSERT_EQ(player.pushes.size(), 1u);
    EXPECT_NEAR(player.pushes[0].y, 220.0f, 1e-3f);
    EXPECT_EQ(player.hits, std::vector<int>{55});

    // At the very centre there is no way out: no push, no NaN.
    CTestActor centred(8, kTypePlayer, body->mPosition);
    body->Interact(&centred);
    EXPECT_TRUE(Vec3::Equals(centred.mPosition, body->mPosition));
    EXPECT_TRUE(Vec3::Equals(centred.pushes.at(0), gZeroVector));
}

TEST_F(OrbitTest, PaysOneExperienceOnlyBelowLevel20)
{
    for (int level : {19, 20}) {
        pilot.level = level;
        pilot.experience = 0;
        body->mActive = 1;
        body->mHitPoints = 5;
        EXPECT_FALSE(body->TakeDamage(4, 3));
        EXPECT_TRUE(body->TakeDamage(1, 3));
        EXPECT_EQ(pilot.experience, level < 20 ? 1 : 0) << "level " << level;
    }
}

struct DebrisCase {
    const char* name;
    int meshId;
    float size;
    float cameraOffset;  // in the plane, from the body
    int fewest;
    int most;
};

class OrbitDebrisTest : public OrbitTest, public ::testing::WithParamInterface<DebrisCase> {};

TEST_P(OrbitDebrisTest, BreaksIntoPiecesOwningTheirMeshOnlyNearTheCamera)
{
    const DebrisCase& c = GetParam();
    body->mMeshId = c.meshId;
    body->mSize = c.size;
    body->mScale = Vec3(c.size, c.size, c.size);
    gCamera.SetEye(body->mPosition.x + c.cameraOffset, body->mPosition.y, 80.0f);
    rm->DeleteParticles();
    EXPECT_TRUE(body->TakeDamage(100000, 0));
    const int pieces = static_cast<int>(rm->mDebris.size());
    EXPECT_GE(pieces, c.fewest);
    EXPECT_LE(pieces, c.most);
    gfx::Mesh* cached = rm->GetMesh(c.meshId)->mesh;
    for (DebrisRecord* piece : rm->mDebris) {
        if (c.meshId != COrbitObject::kWholePiecesMesh) {
            EXPECT_NE(piece->mesh.mesh, cached) << "a split piece is its own mesh";
            continue;
        }
        EXPECT_EQ(piece->mesh.mesh, cached);
        EXPECT_NEAR(piece->scale.x * static_cast<float>(pieces), c.size, 1e-4f);
        // Scattered by whole units across the body; a body below one unit scatters nothing.
        const float dx = piece->position.x - body->mPosition.x;
        EXPECT_LE(std::fabs(dx), c.size / 2.0f);
        EXPECT_EQ(dx, std::trunc(dx));
    }
    rm->DeleteParticles();
}

INSTANTIATE_TEST_SUITE_P(Cases, OrbitDebrisTest,
                         ::testing::Values(DebrisCase{"WholeRocksNear", 13, 10.0f, 10.0f, 3, 7},
                                           DebrisCase{"WholeRocksAHundredAway", 13, 10.0f, 100.0f, 0, 0},
                                           DebrisCase{"PebbleBelowOneUnit", 13, 0.5f, 10.0f, 3, 7},
                                           DebrisCase{"SplitMoonNear", 12, 10.0f, 0.0f, 3, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
