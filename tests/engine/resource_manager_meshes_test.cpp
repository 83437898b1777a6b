// Meshes and trails on the headless device: the cache, normalisation, the colour and blend
// rules of a mesh draw, "+"/"-" textures, the glow target, draws out of view, and trail copies.
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "core/camera.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"
#include "platform/os/message_queue.h"
#include "support/resource_fixture.h"

namespace {

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ResourceMeshes : public ResourceFixture {
protected:
    void SetUp() override
    {
        ResourceFixture::SetUp();
        gDevice->BeginScene();
        record.meshId = 40;
        record.position = &position;
        record.rotation = &rotation;
        record.scale = &scale;
        record.alpha = &alpha;
        record.wireFrame = &wire;
        record.colour = &colour;
    }

    gfx::Texture* PathTexture(const std::string& path) { return rm->mPathTextures.at(path); }
    static uint32_t Blend(const gfx::headless::DrawRecord& d) { return d.state.renderStates[gfx::kRsAlphaBlendEnable]; }

    MeshDrawRecord record;
    Vec3 position{1, 2, 30}, rotation, scale{2, 2, 2};
    int alpha = 255;
    uint8_t wire = 0;
    uint32_t colour = 0xFFFFFFFFu;
};

TEST_F(ResourceMeshes, NormalisationCentresOnTheSphereAndScalesToRadiusOne)
{
    // Six points at distance 5 around (1, 2, 3).
    std::vector<float> points = {6, 2, 3, -4, 2, 3, 1, 7, 3, 1, -3, 3, 1, 2, 8, 1, 2, -2};
    std::vector<uint8_t> bytes(points.size() * sizeof(float));
    std::memcpy(bytes.data(), points.data(), bytes.size());
    gfx::Mesh* mesh = gfx::Mesh::Create(gfx::kFvfXyz, bytes, {0, 1, 2, 3, 4, 5}, {0, 0});
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(rm->NormalizeMesh(mesh), gfx::kOk);
    const float* p = reinterpret_cast<const float*>(mesh->GetVertexData());
    const float expected[] = {1, 0, 0, -1, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1, 0, 0, -1};
    for (int i = 0; i < 18; ++i)
        EXPECT_NEAR(p[i], expected[i], 1e-6f) << i;
    mesh->Release();
}

TEST_F(ResourceMeshes, MeshFilesTexturesAreLoadedWithPlusAndMinusPartners)
{
    AddMesh(40, "pod.x", {"+glow.png", "hull.png", ""});
    WritePng("raster/+glow.png", 8, 8, 0xFFFF0000u);
    WritePng("raster/-glow.png", 8, 8, 0xFF00FF00u);
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    MeshEntry* entry = rm->GetMesh(40);
    ASSERT_NE(entry->mesh, nullptr);
    EXPECT_EQ(entry->texturePaths,
              (std::list<std::string>{"raster\\+glow.png", "raster\\-glow.png", "raster\\hull.png"}));
    EXPECT_EQ(rm->mPathTextures.size(), 3u);
    EXPECT_EQ(rm->GetMesh(40), entry);
}

TEST_F(ResourceMeshes, AMeshFileIsParsedAgainOnlyOnceItsSizeOrTimeOfChangeDiffers)
{
    AddMesh(40, "pod.x", {"hull.png"});
    const std::filesystem::path file = folder.Path() / "x" / "pod.x";
    auto firstVertexX = [this] {
        rm->ReleaseMeshes();
        const MeshEntry* entry = rm->GetMesh(40);
        return entry->mesh ? reinterpret_cast<const float*>(entry->mesh->GetVertexData())[0] : 0.0f;
    };
    const float before = firstVertexX();
    // The same size and time of change: the parse kept from the last load.
    const auto written = std::filesystem::last_write_time(file);
    std::string text = ReadText(file);
    text.replace(text.find("1.0;0.0;0"), 3, "3.0");
    WriteFile("x/pod.x", text);
    std::filesystem::last_write_time(file, written);
    EXPECT_EQ(firstVertexX(), before);
    std::filesystem::last_write_time(file, written + std::chrono::seconds(2));
    EXPECT_NE(firstVertexX(), before) << "a later time of change is read again";
}

TEST_F(ResourceMeshes, MissingMeshEndsTheGameAndDrawsNothing)
{
    rm->RenderMesh(record, false);
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_TRUE(Draws().empty());
    ASSERT_EQ(rm->mMeshes.count(40), 1u);
    EXPECT_EQ(rm->mMeshes.at(40)->mesh, nullptr);
}

TEST_F(ResourceMeshes, WhiteOpaqueMeshIsDrawnWithHalfMaterialAndNoBlending)
{
    AddMesh(40, "pod.x", {"hull.png"});
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    gGlowEnabled = 0;
    rm->RenderMesh(record, false);
    ASSERT_EQ(Draws().size(), 1u);
    const gfx::headless::DrawRecord& d = Draws()[0];
    EXPECT_EQ(Blend(d), 0u);
    EXPECT_FLOAT_EQ(d.state.material.diffuse.r, 0.5f);
    EXPECT_FLOAT_EQ(d.state.material.emissive.a, 0.5f);
    EXPECT_EQ(d.textures[0], PathTexture("raster\\hull.png"));
    // Scale, then placement.
    EXPECT_FLOAT_EQ(d.state.world.m[0][0], 2.0f);
    EXPECT_FLOAT_EQ(d.state.world.m[3][0], 1.0f);
    EXPECT_FLOAT_EQ(d.state.world.m[3][2], 30.0f);
    EXPECT_EQ(d.state.renderStates[gfx::kRsFillMode], uint32_t(gfx::kFillSolid));
}

TEST_F(ResourceMeshes, AlphaBelow255TakesTheTintedTranslucentPath)
{
    AddMesh(40, "pod.x", {"hull.png"});
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    gGlowEnabled = 0;
    alpha = 254;
    wire = 1;
    rm->RenderMesh(record, false);
    ASSERT_EQ(Draws().size(), 1u);
    const gfx::headless::DrawRecord& d = Draws()[0];
    EXPECT_EQ(Blend(d), 1u);
    EXPECT_EQ(d.state.renderStates[gfx::kRsSrcBlend], uint32_t(gfx::kBlendTextureFactorAlpha));
    EXPECT_EQ(d.state.renderStates[gfx::kRsDestBlend], uint32_t(gfx::kBlendOne));
    // Each channel masked by the alpha 0xFE.
    EXPECT_EQ(d.state.renderStates[gfx::kRsTextureFactor], 0xFEFEFEFEu);
    EXPECT_FLOAT_EQ(d.state.material.diffuse.r, 254.0f / 255.0f);
    EXPECT_FLOAT_EQ(d.state.material.ambient.a, 254.0f / 255.0f);
    EXPECT_EQ(d.state.renderStates[gfx::kRsFillMode], uint32_t(gfx::kFillWireframe));
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAlphaBlendEnable), 0u);
}

TEST_F(ResourceMeshes, PlusTextureIsDrawnThenBlendedWithItsMinusPartnerWithoutGlow)
{
    AddMesh(40, "pod.x", {"+glow.png", "hull.png"});
    WritePng("raster/+glow.png", 8, 8, 0xFFFF0000u);
    WritePng("raster/-glow.png", 8, 8, 0xFF00FF00u);
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    gGlowEnabled = 0;
    rm->RenderMesh(record, false);
    // Subset 0: once with "+", five times blended with "-"; subset 1 once.
    ASSERT_EQ(Draws().size(), 7u);
    EXPECT_EQ(Draws()[0].textures[0], PathTexture("raster\\+glow.png"));
    EXPECT_EQ(Blend(Draws()[0]), 0u);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Draws()[i].textures[0], PathTexture("raster\\-glow.png"));
        EXPECT_EQ(Blend(Draws()[i]), 1u);
        EXPECT_EQ(Draws()[i].state.srcBlendFactor, uint32_t(gfx::kBlendDestAlpha));
        EXPECT_EQ(Draws()[i].state.destBlendFactor, uint32_t(gfx::kBlendDestAlpha));
        EXPECT_EQ(Draws()[i].indices, Draws()[0].indices);
    }
    EXPECT_EQ(Draws()[6].textures[0], PathTexture("raster\\hull.png"));
    EXPECT_NE(Draws()[6].indices, Draws()[0].indices);
}

TEST_F(ResourceMeshes, PlusPairWithGlowGoesToTheGlowTargetAndBlendsOverTheBackBuffer)
{
    AddMesh(40, "pod.x", {"+glow.png", "hull.png"});
    WritePng("raster/+glow.png", 8, 8, 0xFFFF0000u);
    WritePng("raster/-glow.png", 8, 8, 0xFF00FF00u);
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    ASSERT_TRUE(gShadersSupported);
    gGlowEnabled = 1;
    rm->RenderMesh(record, false);
    // "+" subset: back buffer with "+", glow target with "-", back buffer blended with "-".
    // Plain subset: back buffer, then a black silhouette into the glow target.
    ASSERT_EQ(Draws().size(), 5u);
    EXPECT_EQ(Draws()[0].renderTarget, gBackBuffer);
    EXPECT_EQ(Draws()[0].textures[0], PathTexture("raster\\+glow.png"));
    EXPECT_EQ(Draws()[1].renderTarget, gGlowSurface);
    EXPECT_EQ(Draws()[1].textures[0], PathTexture("raster\\-glow.png"));
    EXPECT_EQ(Draws()[1].state.renderStates[gfx::kRsZFunc], uint32_t(gfx::kCmpLessEqual));
    EXPECT_EQ(Draws()[2].renderTarget, gBackBuffer);
    EXPECT_EQ(Draws()[2].textures[0], PathTexture("raster\\-glow.png"));
    EXPECT_EQ(Blend(Draws()[2]), 1u);
    EXPECT_EQ(Draws()[3].renderTarget, gBackBuffer);
    EXPECT_EQ(Draws()[4].renderTarget, gGlowSurface);
    EXPECT_EQ(Draws()[4].textures[0], nullptr);
    EXPECT_FLOAT_EQ(Draws()[4].state.material.diffuse.r, 0.0f);
    EXPECT_FLOAT_EQ(Draws()[4].state.material.diffuse.a, 1.0f);
    EXPECT_EQ(Device()->State().renderStates[gfx::kRsAlphaBlendEnable], 0u);
}

TEST_F(ResourceMeshes, GlowSpriteIsDrawnIntoTheGlowTargetAndAddedOverTheMesh)
{
    AddMesh(40, "pod.x", {"hull.png"});
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    AddSprite(77, "shine.png");
    record.glowSpriteId = 77;
    gGlowEnabled = 1;
    rm->RenderMesh(record, false);
    ASSERT_EQ(Draws().size(), 3u);
    gfx::Texture* shine = rm->FindSpriteTexture(77);
    EXPECT_EQ(Draws()[1].renderTarget, gGlowSurface);
    EXPECT_EQ(Draws()[1].textures[0], shine);
    EXPECT_EQ(Draws()[2].renderTarget, gBackBuffer);
    EXPECT_EQ(Draws()[2].textures[0], shine);
    EXPECT_EQ(Blend(Draws()[2]), 1u);
}

TEST_F(ResourceMeshes, OnlyColourInViewMarksTheGlowTargetAndWhatCannotShowIsLeftOut)
{
    AddMesh(40, "pod.x", {"hull.png"});
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    AddSprite(77, "shine.png");
    gGlowEnabled = 1;
    // Clip space is the world: the view is the square from -1 to 1 about the origin.
    gDevice->SetTransform(gfx::kTransformView, gfx::MatrixIdentity());
    gDevice->SetTransform(gfx::kTransformProjection, gfx::MatrixIdentity());
    struct Row {
        const char* what;
        int alpha;
        int glowSpriteId;
        Vec3 at;
        size_t draws;
    };
    const Row rows[] = {
        {"an opaque mesh's black silhouette", 255, 0, {0, 0, 0.5f}, 2},
        {"a translucent mesh's silhouette, which only adds alpha", 200, 0, {0, 0, 0.5f}, 1},
        {"a glowing mesh out of view", 255, 77, {0, 4, 0.5f}, 0},
    };
    scale = Vec3(0.5f, 0.5f, 0.5f);
    for (const Row& row : rows) {
        alpha = row.alpha;
        record.glowSpriteId = row.glowSpriteId;
        position = row.at;
        Device()->ClearRecords();
        rm->mGlowTargetDrawn = false;
        rm->RenderMesh(record, false);
        EXPECT_EQ(Draws().size(), row.draws) << row.what;
        EXPECT_FALSE(rm->mGlowTargetDrawn) << row.what << " leaves the glow target without colour";
    }
    // Out of view the draw leaves the device as a draw in view does.
    const auto outOfView = Device()->State().renderStates;
    position = Vec3(0, 0, 0.5f);
    rm->RenderMesh(record, false);
    EXPECT_EQ(Device()->State().renderStates, outOfView);
    EXPECT_TRUE(rm->mGlowTargetDrawn) << "a glow sprite in view colours it";
}

TEST_F(ResourceMeshes, MissingPlusTextureKeepsLaterSubsetsInPlace)
{
    AddMesh(40, "pod.x", {"+gone.png", "hull.png"});
    WritePng("raster/hull.png", 8, 8, 0xFF0000FFu);
    gGlowEnabled = 0;
    rm->RenderMesh(record, false);
    ASSERT_EQ(Draws().size(), 1u);
    // The hull's triangle is the second one of the mesh (indices 3, 4, 5).
    EXPECT_EQ(Draws()[0].indices, (std::vector<uint32_t>{3, 4, 5}));
}

class ResourceTrails : public ResourceMeshes {
protected:
    void SetUp() override
    {
        ResourceMeshes::SetUp();
        AddTrailQuad();
        AddSprite(12, "spark.png");
        trail = {12, &position, &direction, &angle, &size, &alpha, &colour, &count, &spacing};
    }

    TrailDrawRecord trail;
    Vec3 direction{1, 0, 0};
    float angle = 0.0f, size = 2.0f, spacing = 3.0f;
    int count = 0;
};

TEST_F(ResourceTrails, CountZeroDrawsOneCopyOneSpacingBehind)
{
    rm->DrawTrail(trail);
    ASSERT_EQ(Draws().size(), 1u);
    const gfx::headless::DrawRecord& d = Draws()[0];
    EXPECT_FLOAT_EQ(d.state.world.m[3][0], 1.0f - 3.0f);
    EXPECT_FLOAT_EQ(d.state.world.m[3][1], 2.0f);
    EXPECT_FLOAT_EQ(d.state.world.m[3][2], 30.0f);
    EXPECT_EQ(d.textures[0], rm->FindSpriteTexture(12));
    EXPECT_EQ(Blend(d), 1u);
    EXPECT_EQ(d.state.srcBlendFactor, uint32_t(gfx::kBlendDestAlpha));
    EXPECT_FLOAT_EQ(d.state.material.diffuse.g, 0.5f);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAlphaBlendEnable), 0u);
}

TEST_F(ResourceTrails, CopiesStopAtFortyAndFadeAndShrink)
{
    count = 100;
    alpha = 200;
    rm->DrawTrail(trail);
    ASSERT_EQ(Draws().size(), 40u);
    // The camera looks straight down +z, so the square's scale shows on the diagonal.
    EXPECT_NEAR(Draws()[0].state.world.m[0][0], 2.0f, 1e-5f);
    EXPECT_NEAR(Draws()[1].state.world.m[0][0], (1.0f - 1.0f / 45.0f) * 2.0f, 1e-5f);
    EXPECT_FLOAT_EQ(Draws()[39].state.world.m[3][0], 1.0f - 40 * 3.0f);
    // Alpha 200 fades by 200 k / 45 per copy: 200, 196, 188.
    EXPECT_FLOAT_EQ(Draws()[0].state.material.diffuse.a, 200.0f / 255.0f);
    EXPECT_FLOAT_EQ(Draws()[1].state.material.diffuse.a, 196.0f / 255.0f);
    EXPECT_FLOAT_EQ(Draws()[2].state.material.diffuse.a, 188.0f / 255.0f);
}

TEST_F(ResourceTrails, TrailSquareIsReleasedOnDeviceLossAndLoadedAgain)
{
    rm->DrawTrail(trail);
    ASSERT_NE(rm->mTrailQuad, nullptr);
    rm->ReleaseTrailQuad();
    EXPECT_EQ(rm->mTrailQuad, nullptr);
    EXPECT_EQ(rm->mMeshes.count(0), 0u);
    // The reset that follows empties the mesh cache without touching the square again.
    rm->ReleaseAll();
    rm->DrawTrail(trail);
    EXPECT_NE(rm->mTrailQuad, nullptr);
    EXPECT_EQ(Draws().size(), 2u);
}

}  // namespace
