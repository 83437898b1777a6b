// Orbiting bodies: the orbit rate that falls with r squared, collisions with computer ships and
// with the player, experience below level 20, debris only near the camera, the respawn.
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
        body->mRotateRates = Vec3();
        body->mParticleId = 0;
    }
    COrbitObject* body = nullptr;
};

struct TurnCase {
    const char* name;
    float x;
    float speed;
    float frameScale;
    float angle;
};

class OrbitTurnTest : public OrbitTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(OrbitTurnTest, TurnsAboutTheCentreBySpeedOverRSquared)
{
    const TurnCase& c = GetParam();
    body->mPosition = Vec3(c.x, 0.0f, 30.0f);
    body->mMoveSpeed = c.speed;
    gFrameScale = c.frameScale;
    body->Update();
    EXPECT_NEAR(std::fabs(std::atan2(body->mPosition.y, body->mPosition.x)), c.angle, 1e-4f);
    EXPECT_NEAR(std::hypot(body->mPosition.x, body->mPosition.y), c.x, 1e-3f);
    EXPECT_EQ(body->mPosition.z, 30.0f);
}

// r squared counts the height: 100^2 + 30^2 = 10900.
INSTANTIATE_TEST_SUITE_P(Cases, OrbitTurnTest,
                         ::testing::Values(TurnCase{"Near", 100.0f, 1090.0f, 1.0f, 0.1f},
                                           TurnCase{"HalfAFrame", 100.0f, 1090.0f, 0.5f, 0.05f},
                                           TurnCase{"TwiceAsFar", 200.0f, 1090.0f, 1.0f, 1090.0f / 40900.0f},
                                           TurnCase{"AtRest", 100.0f, 0.0f, 1.0f, 0.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrbitTest, AComputerShipIsOnlySetBack)
{
    // Reach: sizes summed, 4 + 10.
    CTestActor ship(5, kTypeLeadShip, Vec3(105.0f, 0.0f, 30.0f), 4.0f);
    body->Interact(&ship);
    EXPECT_NEAR(ship.mPosition.x, 114.0f, 1e-4f);
    EXPECT_TRUE(ship.hits.empty());
    EXPECT_TRUE(ship.pushes.empty());
}

TEST_F(OrbitTest, ThePlayerIsPushedSetBackAndHurt)
{
    // Reach (4 + 10) / 1.5; force (2 + 20) x 10 = 220, damage 220 / 4 = 55.
    body->mMoveSpeed = 20.0f;
    CTestActor& ship = pilot.actor;
    ship.mPosition = Vec3(100.0f, 5.0f, 30.0f);
    ship.mMoveSpeed = 2.0f;
    body->Interact(&ship);
    EXPECT_NEAR(ship.mPosition.y, 14.0f / 1.5f, 1e-4f);
    ASSERT_EQ(ship.pushes.size(), 1u);
    EXPECT_NEAR(ship.pushes[0].y, 220.0f, 1e-3f);
    ASSERT_EQ(ship.hits.size(), 1u);
    EXPECT_EQ(ship.hits[0].amount, 55);
    EXPECT_EQ(ship.hits[0].damageType, 0);

    CTestActor far(6, kTypePlayer, Vec3(100.0f, 9.4f, 30.0f), 4.0f);
    CTestActor shot(7, kTypeShot, Vec3(100.0f, 1.0f, 30.0f), 1.0f);
    shot.mSolid = 0;
    body->Interact(&far);
    body->Interact(&shot);
    EXPECT_TRUE(far.hits.empty() && shot.hits.empty() && shot.pushes.empty());
}

TEST_F(OrbitTest, PaysOneExperienceOnlyBelowLevel20)
{
    for (int level : {1, 19, 20, 35}) {
        pilot.level = level;
        pilot.experience = 0;
        body->mActive = 1;
        body->mHitPoints = 5;
        EXPECT_FALSE(body->TakeDamage(4, 3));
        EXPECT_TRUE(body->TakeDamage(1, 3));
        EXPECT_EQ(body->mActive, 0);
        EXPECT_EQ(pilot.experience, level < 20 ? 1 : 0) << "level " << level;
    }
}

struct DebrisCase {
    const char* name;
    int meshId;
    float cameraOffset;  // in the plane, from the body
    int fewest;
    int most;
};

class OrbitDebrisTest : public OrbitTest, public ::testing::WithParamInterface<DebrisCase> {};

TEST_P(OrbitDebrisTest, BreaksIntoPiecesThatOwnTheirMeshOnlyNearTheCamera)
{
    const DebrisCase& c = GetParam();
    body->mMeshId = c.meshId;
    gCamera.SetEye(body->mPosition.x + c.cameraOffset, body->mPosition.y, 80.0f);
    const size_t before = rm->mDebris.size();
    EXPECT_TRUE(body->TakeDamage(100000, 0));
    const int pieces = static_cast<int>(rm->mDebris.size() - before);
    EXPECT_GE(pieces, c.fewest);
    EXPECT_LE(pieces, c.most);
    MeshEntry* cached = rm->GetMesh(c.meshId);
    for (DebrisRecord* piece : rm->mDebris) {
        ASSERT_TRUE(piece->mesh.mesh);
        if (c.meshId == COrbitObject::kWholePiecesMesh) {
            EXPECT_EQ(piece->mesh.mesh, cached->mesh);
            EXPECT_NEAR(piece->scale.x * static_cast<float>(pieces), body->mScale.x, 1e-4f);
        } else {
            EXPECT_NE(piece->mesh.mesh, cached->mesh);
        }
    }
    // The pieces go with the system; each releases its own reference.
    rm->DeleteParticles();
}

INSTANTIATE_TEST_SUITE_P(Cases, OrbitDebrisTest,
                         ::testing::Values(DebrisCase{"WholeRocksNear", 13, 10.0f, 3, 7},
                                           DebrisCase{"WholeRocksFar", 13, 100.0f, 0, 0},
                                           DebrisCase{"SplitMoonNear", 12, 0.0f, 3, 1000},
                                           DebrisCase{"SplitMoonFar", 12, 150.0f, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrbitTest, ComesBackHomeAfterItsRespawnTimeAndFadesIn)
{
    const Vec3 home = body->mHomePosition;
    body->mRespawnTime = 1000;
    body->mVelocity = Vec3(1, 1, 0);
    body->TakeDamage(100000, 0);
    for (int frame = 0; frame < 9; ++frame)
        body->Update();
    EXPECT_EQ(body->mActive, 0);
    body->mMoveSpeed = 0.0f;
    body->Update();
    EXPECT_EQ(body->mActive, 1);
    EXPECT_TRUE(Vec3::Equals(body->mPosition, home));
    EXPECT_EQ(body->mHitPoints, body->mMaxHitPoints);
    EXPECT_EQ(body->mAlpha, 10);
    body->Render();
    EXPECT_EQ(body->mAlpha, 11);
}

TEST_F(OrbitTest, APushReplacesTheDriftScaledByTheCubeOfTheSize)
{
    body->mVelocity = Vec3(5, 5, 0);
    body->Push(Vec3(1000.0f, 0.0f, 7.0f));
    EXPECT_NEAR(body->mVelocity.x, 12.0f, 1e-4f);
    EXPECT_EQ(body->mVelocity.y, 0.0f);
    EXPECT_EQ(body->mVelocity.z, 0.0f);
}

}  // namespace
