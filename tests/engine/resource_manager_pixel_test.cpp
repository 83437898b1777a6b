// The resource manager's drawing on the OpenGL device, checked in the pixels it leaves: a lit
// textured mesh, a trail, a line of sprite-font text, and the glow pass brightening a glowing
// mesh. Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/device_setup.h"
#include "app/frame.h"
#include "app/globals.h"
#include "core/camera.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/os/message_queue.h"
#include "platform/os/window.h"
#include "support/resource_fixture.h"
#include "support/scoped_global.h"

namespace {

// Channel (shift 16 red, 8 green, 0 blue) of a 0xAARRGGBB pixel.
int Channel(uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// A square facing the camera, two front faces, with texture coordinates.
const char kSquare[] =
    "xof 0302txt 0032\nMesh Square {\n 4;\n -1.0;-1.0;0.0;, 1.0;-1.0;0.0;, 1.0;1.0;0.0;, "
    "-1.0;1.0;0.0;;\n 2;\n 3;0,2,1;, 3;0,3,2;;\n MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, "
    "1.0;0.0;, 0.0;0.0;; }\n MeshMaterialList { 1; 2; 0, 0;; Material { 1;1;1;1;; 0; 0;0;0;; "
    "0;0;0;; TextureFilename { \"skin.png\"; } } }\n}\n";

class ResourcePixels : public ::testing::Test, public ResourceFiles {
protected:
    ResourcePixels() : ResourceFiles(folder) {}
    void SetUp() override
    {
        if (auto error = os::OpenGameWindow("Varnok resource pixel test", &mWindow)) {
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        folder.Enter();
        mOpened = true;
        os::ClearMessages();
        gWindow = mWindow.get();
        gGfxBackend = gfx::Backend::kOpenGl;
        rm = gResourceManager = new CResourceManager;
        ASSERT_EQ(InitDevice(false), gfx::kOk);
        gfx::gl::AsGl(gDevice)->SetSwapInterval(0);
        ASSERT_TRUE(gShadersSupported);
        gGlowEnabled = 1;

        mesh = {50, &position, &rotation, &scale, &alpha, &wire, &colour, 0, 0, 0};
        WriteFile("x/square.x", kSquare);
        Content("INSERT INTO mesh VALUES (50, 'square.x');");
        WritePng("raster/skin.png", 8, 8, 0xFF40C080u);
        gDevice->Clear(0, nullptr, gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000u, 1.0f, 0);
        gDevice->BeginScene();
    }
    void TearDown() override
    {
        if (!mOpened)
            return;
        delete gResourceManager;
        ReleasePlatformObjects();
        gWindow = nullptr;
        mWindow.reset();
        os::ClearMessages();
        gGameDatabase.Close();
    }

    uint32_t Pixel(int x, int y)
    {
        std::vector<uint32_t> pixels = gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
        return pixels.at(static_cast<size_t>(y) * 800 + x);
    }

    GameFolder folder{GameFolder::Kind::kBare};
    std::unique_ptr<os::Window> mWindow;
    bool mOpened = false;
    ScopedGlobal<CResourceManager*> manager{gResourceManager, nullptr};
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend, audio::Backend::kSilent};
    ScopedGlobal<gfx::Backend> gfxBackend{gGfxBackend};
    ScopedGlobal<int32_t> pulse{gPulse, 0};
    CResourceManager* rm = nullptr;
    MeshDrawRecord mesh;
    // The camera looks down +z from (0, 0, -30): the plane z = 30 shows about 12 pixels a unit.
    Vec3 position{0, 0, 30}, rotation, scale{10, 10, 10};
    int alpha = 255;
    uint8_t wire = 0;
    uint32_t colour = 0xFFFFFFFFu;
};

TEST_F(ResourcePixels, LitTexturedMeshShowsItsTextureAtHalfMaterialPlusAmbient)
{
    gGlowEnabled = 0;
    rm->RenderMesh(mesh, false);
    gDevice->EndScene();
    // No light: emissive 0.5 plus ambient 10/255 x 0.5, times the texture.
    const float lit = 0.5f + 10.0f / 255.0f * 0.5f;
    uint32_t centre = Pixel(400, 300);
    EXPECT_NEAR(Channel(centre, 16), 0x40 * lit, 3);
    EXPECT_NEAR(Channel(centre, 8), 0xC0 * lit, 3);
    EXPECT_NEAR(Channel(centre, 0), 0x80 * lit, 3);
    // The square (radius 1 after normalising, scale 10) ends well before 150 pixels out.
    EXPECT_EQ(Pixel(400 + 150, 300) & 0xFFFFFFu, 0u);
}

TEST_F(ResourcePixels, TrailCopyStandsOneSpacingBehindTheOwner)
{
    AddTrailQuad();
    AddSprite(60, "spark.png", 8, 8, 0xFFFFFFFFu);
    Vec3 direction(1, 0, 0);
    float angle = 0.0f, size = 2.0f, spacing = 10.0f;
    int count = 0;
    rm->DrawTrail({60, &position, &direction, &angle, &size, &alpha, &colour, &count, &spacing});
    gDevice->EndScene();
    // The one copy is 10 units (about 121 pixels) to the left; white at half material, added
    // to black through the destination alpha of 1.
    const float lit = 0.5f + 10.0f / 255.0f * 0.5f;
    EXPECT_NEAR(Channel(Pixel(279, 300), 16), 255 * lit, 3);
    EXPECT_EQ(Pixel(400, 300) & 0xFFFFFFu, 0u);
}

TEST_F(ResourcePixels, SpriteFontLineShowsEachGlyphInItsPlace)
{
    // Glyphs 16 pixels wide: red "A", green "B", blue "C".
    Content("INSERT INTO font VALUES ('large', 'A', 71), ('large', 'B', 72), ('large', 'C', 73);");
    AddSprite(71, "glyph_a.png", 16, 16, 0xFFFF0000u);
    AddSprite(72, "glyph_b.png", 16, 16, 0xFF00FF00u);
    AddSprite(73, "glyph_c.png", 16, 16, 0xFF0000FFu);
    rm->LoadFonts();
    const char* text = "ABCA";
    int x = 100, y = 200;
    uint32_t white = 0xFFFFFFFFu;
    float one = 1.0f;
    for (const char* c = text; *c; ++c) {
        rm->DrawSpriteTransformed({rm->GetGlyph(*c, kGlyphLarge), &x, &y, &white, &one, &one});
        x += static_cast<int>(rm->GetSpriteSize(rm->GetGlyph(*c, kGlyphLarge)).width);
    }
    gDevice->EndScene();
    const uint32_t expected[] = {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFF0000u};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Pixel(108 + 16 * i, 208) & 0xFFFFFFu, expected[i]) << "glyph " << i;
    // Nothing past the end of the line.
    EXPECT_EQ(Pixel(100 + 16 * 4 + 4, 208) & 0xFFFFFFu, 0u);
}

TEST_F(ResourcePixels, GlowPassBrightensAGlowingMesh)
{
    AddSprite(61, "shine.png", 8, 8, 0xFFFFFFFFu);
    mesh.glowSpriteId = 61;
    gPulse = 255;
    rm->RenderMesh(mesh, false);
    uint32_t before = Pixel(400, 300);
    uint32_t farBefore = Pixel(700, 100);
    rm->DrawGlowPass();
    gDevice->EndScene();
    uint32_t after = Pixel(400, 300);
    // The glow sprite is white, so every channel gains from the added blur.
    for (int shift : {16, 8, 0})
        EXPECT_GT(Channel(after, shift), Channel(before, shift) + 20) << "shift " << shift;
    EXPECT_EQ(Pixel(700, 100) & 0xFFFFFFu, farBefore & 0xFFFFFFu);
}

}  // namespace
