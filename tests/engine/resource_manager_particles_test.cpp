// Particles and debris on the headless device: creation near the camera, fading, motion,
// trail copies, debris fading and removal, and who owns a debris piece.
#include <cstring>

#include "app/frame.h"
#include "app/globals.h"
#include "platform/gfx/mesh.h"
#include "support/resource_fixture.h"
#include "support/scoped_global.h"

namespace {

class ResourceParticles : public ResourceFixture {
protected:
    void SetUp() override
    {
        ResourceFixture::SetUp();
        gDevice->BeginScene();
        AddTrailQuad();
        AddSprite(31, "flare.png");
    }

    // particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate,
    // yaw, color_mod, variance, num_particles, sprite_id
    void AddDefinition(int id, int duration, int maxTrail, float spacing, float deceleration, float velocity,
                       int variance = 0, int count = 1)
    {
        Content("INSERT INTO particle VALUES (" + std::to_string(id) + ", " + std::to_string(duration) + ", " +
                std::to_string(maxTrail) + ", " + std::to_string(spacing) + ", " + std::to_string(deceleration) + ", " +
                std::to_string(velocity) + ", 2.0, 0.5, 0, 'ff80ff80', " + std::to_string(variance) + ", " +
                std::to_string(count) + ", 31);");
    }
    void Frame(uint32_t ms)
    {
        gFrameTimeMs = ms;
        gFrameScale = static_cast<float>(ms) / 100.0f;
        Device()->ClearRecords();
        rm->UpdateParticles();
    }
    Particle& Only()
    {
        EXPECT_EQ(rm->mParticles.size(), 1u);
        return *rm->mParticles.front();
    }

    Vec3 here{3, 4, 30};
    Vec3 east{1, 0, 0};

    // Tests set the frame time by hand.
    ScopedGlobal<uint32_t> frameTime{gFrameTimeMs};
    ScopedGlobal<float> frameScale{gFrameScale};
};

TEST_F(ResourceParticles, ParticleTakesItsDefinitionAndSizeFactor)
{
    AddDefinition(5, 1000, 3, 2.0f, 0.0f, 10.0f, 0, 3);
    rm->AddParticle(5, &here, &east, 0, 2.0f, nullptr);
    ASSERT_EQ(rm->mParticles.size(), 3u);
    EXPECT_EQ(rm->mLiveParticleCount, 3);
    const Particle& p = *rm->mParticles.front();
    EXPECT_EQ(p.colour, 0xFF80FF80u);
    EXPECT_FLOAT_EQ(p.size, 4.0f);
    EXPECT_FLOAT_EQ(p.growth, 1.0f);
    EXPECT_FLOAT_EQ(p.position.z, 26.0f);
    EXPECT_EQ(p.alpha, 255);
    EXPECT_EQ(p.spriteId, 31);
    rm->AddParticle(5, &here, &east, 0xFF112233u, 1.0f, nullptr);
    EXPECT_EQ(rm->mParticles.back()->colour, 0xFF112233u);
    // Particle 0 is nothing.
    rm->AddParticle(0, &here, &east, 0, 1.0f, nullptr);
    EXPECT_EQ(rm->mLiveParticleCount, 6);
}

TEST_F(ResourceParticles, AlphaIs125HalfwayThroughASecondAndTheParticleEndsWithItsLife)
{
    AddDefinition(5, 1000, 3, 2.0f, 0.0f, 0.0f);
    rm->AddParticle(5, &here, &east, 0, 1.0f, nullptr);
    Frame(500);
    EXPECT_EQ(Only().alpha, 125);
    Frame(499);
    EXPECT_EQ(Only().alpha, 0);
    Frame(1);
    EXPECT_TRUE(rm->mParticles.empty());
    EXPECT_EQ(rm->mLiveParticleCount, 0);
}

TEST_F(ResourceParticles, WithoutVarianceTheParticleMovesExactlyAlongItsDirection)
{
    AddDefinition(5, 5000, 3, 0.0f, 0.0f, 10.0f);
    Vec3 slant{0.6f, 0.8f, 0.0f};
    rm->AddParticle(5, &here, &slant, 0, 1.0f, nullptr);
    Frame(100);
    // Speed 10 for a frame scale of 1, and back in the flight plane.
    EXPECT_FLOAT_EQ(Only().position.x, 3.0f + 6.0f);
    EXPECT_FLOAT_EQ(Only().position.y, 4.0f + 8.0f);
    EXPECT_FLOAT_EQ(Only().position.z, 30.0f);
    EXPECT_FLOAT_EQ(Only().direction.x, 0.6f);
    EXPECT_FLOAT_EQ(Only().direction.y, 0.8f);
}

TEST_F(ResourceParticles, FarParticleIsMadeOnlyWhenItFollowsAnObject)
{
    AddDefinition(5, 1000, 3, 0.0f, 0.0f, 0.0f);
    // 150 units from the camera's eye in the plane (the eye is at the origin).
    Vec3 far{150, 0, -500};
    rm->AddParticle(5, &far, &east, 0, 1.0f, nullptr);
    EXPECT_TRUE(rm->mParticles.empty());
    Vec3 owner{150, 0, 30};
    rm->AddParticle(5, &far, &east, 0, 1.0f, &owner);
    ASSERT_EQ(rm->mParticles.size(), 1u);
    // A following particle stands on its owner at each draw.
    owner = Vec3(151, 1, 30);
    Frame(10);
    EXPECT_FLOAT_EQ(Only().position.x, 151.0f);
    EXPECT_FLOAT_EQ(Only().position.y, 1.0f);
}

TEST_F(ResourceParticles, StoppedParticleDrawsOneCopyAndAMovingOneLeavesATrail)
{
    AddDefinition(5, 5000, 3, 1.0f, 20.0f, 10.0f);
    AddDefinition(6, 5000, 30, 1.0f, 0.0f, 10.0f);
    rm->AddParticle(5, &here, &east, 0, 1.0f, nullptr);
    Frame(100);
    EXPECT_FLOAT_EQ(Only().speed, 0.0f);
    EXPECT_FLOAT_EQ(Only().position.x, 3.0f);
    EXPECT_EQ(Draws().size(), 1u);

    rm->DeleteParticles();
    rm->AddParticle(6, &here, &east, 0, 1.0f, nullptr);
    // After 1.5 s at speed 10 with spacing 1: 15 copies.
    Frame(1500);
    EXPECT_EQ(Draws().size(), 15u);
}

class ResourceDebris : public ResourceParticles {
protected:
    // A piece with a one-triangle mesh of its own; *mesh keeps a reference for the test.
    DebrisRecord* Piece(int life, gfx::Mesh** mesh)
    {
        std::vector<float> v = {0, 0, 0, 1, 0, 0, 0, 1, 0};
        std::vector<uint8_t> bytes(v.size() * sizeof(float));
        std::memcpy(bytes.data(), v.data(), bytes.size());
        *mesh = gfx::Mesh::Create(gfx::kFvfXyz, bytes, {0, 1, 2}, {0});
        (*mesh)->AddRef();
        auto* piece = new DebrisRecord;
        piece->SetMesh(9, *mesh, {"raster\\flare.png"});
        piece->initialLife = piece->lifeLeft = life;
        piece->position = Vec3(10, 10, 30);
        piece->scale = Vec3(1, 1, 1);
        return piece;
    }
    // The references left on a mesh besides the test's own.
    static uint32_t OtherReferences(gfx::Mesh* mesh)
    {
        uint32_t count = mesh->AddRef();
        mesh->Release();
        return count - 2;
    }
};

TEST_F(ResourceDebris, PieceFadesWithItsLifeAndIsDeletedAtZero)
{
    gfx::Mesh* mesh = nullptr;
    DebrisRecord* piece = Piece(2000, &mesh);
    piece->speed = 1.0f;
    piece->direction = Vec3(0, 1, 0);
    rm->QueueParticle(piece);
    ASSERT_EQ(rm->mDebris.size(), 1u);
    Frame(1000);
    EXPECT_EQ(piece->alpha, 125);
    EXPECT_FLOAT_EQ(piece->position.y, 20.0f);
    ASSERT_EQ(Draws().size(), 1u);
    const gfx::headless::DrawRecord& d = Draws()[0];
    EXPECT_EQ(d.state.renderStates[gfx::kRsAlphaBlendEnable], 1u);
    EXPECT_EQ(d.state.renderStates[gfx::kRsSrcBlend], uint32_t(gfx::kBlendTextureFactorAlpha));
    // Alpha 125 over the pulse tint, red with green and blue following gPulse.
    uint32_t tint = 0xFFFF0000u + static_cast<uint32_t>(gPulse) * 257u;
    EXPECT_EQ(d.state.renderStates[gfx::kRsTextureFactor], ((125u << 24) + 0xFFFFFFu) & tint);
    EXPECT_FLOAT_EQ(d.state.material.diffuse.r, 0.5f);
    EXPECT_FLOAT_EQ(piece->rotation.x, 0.174533f * 10.0f);
    EXPECT_EQ(OtherReferences(mesh), 1u);

    Frame(1000);
    EXPECT_TRUE(rm->mDebris.empty());
    EXPECT_TRUE(Draws().empty());
    // The deleted piece released its mesh.
    EXPECT_EQ(OtherReferences(mesh), 0u);
    mesh->Release();
}

TEST_F(ResourceDebris, FarPieceIsDeletedAtOnce)
{
    gfx::Mesh* mesh = nullptr;
    DebrisRecord* piece = Piece(2000, &mesh);
    piece->position = Vec3(0, 120, 30);
    rm->QueueParticle(piece);
    EXPECT_TRUE(rm->mDebris.empty());
    EXPECT_EQ(OtherReferences(mesh), 0u);
    mesh->Release();
}

TEST_F(ResourceDebris, CopiedPieceHoldsItsOwnMeshReference)
{
    gfx::Mesh* mesh = nullptr;
    DebrisRecord* piece = Piece(2000, &mesh);
    auto* copy = new DebrisRecord(*piece);
    EXPECT_EQ(copy->mesh.mesh, mesh);
    EXPECT_EQ(copy->mesh.texturePaths, piece->mesh.texturePaths);
    EXPECT_EQ(OtherReferences(mesh), 2u);
    delete piece;
    delete copy;
    EXPECT_EQ(OtherReferences(mesh), 0u);
    mesh->Release();
}

}  // namespace
