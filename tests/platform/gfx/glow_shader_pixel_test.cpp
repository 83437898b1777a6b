// The glow pass's own shaders on the OpenGL device: the full-screen quad drawn with them over a
// known image, every output pixel checked against the shader arithmetic worked out by hand.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/glow_shaders.h"
#include "gl_test_support.h"
#include "platform/gfx/shader_asm.h"

namespace gfx::gl {
namespace {

// Colour channels as 0..1 floats, the way a shader sees a texel.
struct Rgba {
    float r, g, b, a;
};

Rgba Unpack(uint32_t c)
{
    return {((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f, (c >> 24) / 255.0f};
}

uint32_t Pack(Rgba c)
{
    auto byte = [](float v) {
        return static_cast<uint32_t>(std::lround(std::fmin(std::fmax(v, 0.0f), 1.0f) * 255.0f));
    };
    return byte(c.a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// The image the taps read: four quadrants, each a colour with its own alpha.
constexpr uint32_t kTopLeft = 0x80FF0000u;
constexpr uint32_t kTopRight = 0xFF00FF00u;
constexpr uint32_t kBottomLeft = 0x40000080u;
constexpr uint32_t kBottomRight = 0x00FFFFFFu;

// The glow weights at a pulse of 200: k_i = 200 x (0.4, 0.3, 0.2, 0.1)_i / 400 + 0.1.
constexpr float kWeights[4] = {0.3f, 0.25f, 0.2f, 0.15f};

// The four tables of tap offsets, c0..c3 of the vertex shader.
constexpr float kTables[4][16] = {
    {0, 0, 0, 0, -1, 0, 0, 0, -2, 0, 0, 0, -3, 0, 0, 0},
    {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0},
    {0, 0, 0, 0, 0, -1, 0, 0, 0, -2, 0, 0, 0, -3, 0, 0},
    {0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0},
};

class GlowShaderPixelTest : public GlPixelTest {
protected:
    void SetUp() override
    {
        GlPixelTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        std::vector<uint32_t> vsCode, psCode;
        const std::string& vsText = GlowVertexShaderText();
        const std::string& psText = GlowPixelShaderText();
        ASSERT_FALSE(AssembleShader(vsText.data(), vsText.size(), &vsCode));
        ASSERT_FALSE(AssembleShader(psText.data(), psText.size(), &psCode));
        // Stream 0: v0 four floats, v7 two floats.
        const uint32_t declaration[] = {0x20000000, 0x40030000, 0x40010007, 0xFFFFFFFF};
        ASSERT_EQ(mDevice->CreateVertexShader(declaration, vsCode.data(), vsCode.size() * 4, &mVs), kOk);
        ASSERT_EQ(mDevice->CreatePixelShader(psCode.data(), psCode.size() * 4, &mPs), kOk);

        // The quad of the glow pass, in a vertex buffer as the game keeps it.
        const float quad[4][6] = {{1, 1, 1, 1, 1, 0}, {1, -1, 1, 1, 1, 1}, {-1, -1, 1, 1, 0, 1}, {-1, 1, 1, 1, 0, 0}};
        ASSERT_EQ(mDevice->CreateVertexBuffer(96, kUsageWriteOnly, 0x104, kPoolManaged, &mQuad), kOk);
        void* bytes = nullptr;
        ASSERT_EQ(mQuad->Lock(0, 0, &bytes, 0), kOk);
        std::memcpy(bytes, quad, sizeof quad);
        mQuad->Unlock();

        mSource = Target(400, 300, &mSourceLevel);
        mOutput = Target(400, 300, &mOutputLevel);
        Fill(mSourceLevel, 400, 300);
        mDevice->SetRenderState(kRsZEnable, 0);
        mDevice->SetRenderState(kRsAlphaBlendEnable, 0);
    }

    void TearDown() override
    {
        if (mDevice) {
            for (uint32_t stage = 0; stage < 4; ++stage)
                mDevice->SetTexture(stage, nullptr);
            mDevice->SetRenderTarget(mBack, mDepth);
        }
        for (Resource* r : std::initializer_list<Resource*>{mQuad, mSourceLevel, mSource, mOutputLevel, mOutput})
            if (r)
                r->Release();
        GlPixelTest::TearDown();
    }

    Texture* Target(uint32_t width, uint32_t height, Surface** level)
    {
        Texture* texture = nullptr;
        EXPECT_EQ(mDevice->CreateTexture(width, height, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &texture),
                  kOk);
        texture->GetSurfaceLevel(0, level);
        return texture;
    }

    // The quadrant image, copied into a target of that size.
    void Fill(Surface* level, uint32_t width, uint32_t height)
    {
        Surface* image = nullptr;
        ASSERT_EQ(mDevice->CreateImageSurface(width, height, kFormatA8R8G8B8, &image), kOk);
        void* bits = nullptr;
        int32_t pitch = 0;
        image->LockRect(&bits, &pitch);
        for (uint32_t y = 0; y < height; ++y)
            for (uint32_t x = 0; x < width; ++x)
                static_cast<uint32_t*>(bits)[y * width + x] = y < height / 2
                                                                  ? (x < width / 2 ? kTopLeft : kTopRight)
                                                                  : (x < width / 2 ? kBottomLeft : kBottomRight);
        image->UnlockRect();
        ASSERT_EQ(mDevice->CopyRects(image, nullptr, 0, level, nullptr), kOk);
        image->Release();
    }

    // Draws the quad into the output target (cleared to 0) with the glow shaders.
    void DrawQuad(const float* vertexConstants, const float* pixelConstants, bool pixelShader = true)
    {
        ASSERT_EQ(mDevice->SetRenderTarget(mOutputLevel, nullptr), kOk);
        mDevice->Clear(0, nullptr, kClearTarget, 0, 1.0f, 0);
        mDevice->SetVertexShaderConstant(0, vertexConstants, 4);
        if (pixelConstants)
            mDevice->SetPixelShaderConstant(0, pixelConstants, 4);
        mDevice->SetVertexShader(mVs);
        mDevice->SetPixelShader(pixelShader ? mPs : 0);
        mDevice->SetStreamSource(0, mQuad, 24);
        mDevice->BeginScene();
        ASSERT_EQ(mDevice->DrawPrimitive(kPrimTriangleFan, 0, 2), kOk);
        mDevice->EndScene();
        mDevice->SetPixelShader(0);
    }

    // The output's pixel in the middle of each quadrant, top-left, top-right, bottom-left,
    // bottom-right: away from the edges, where a tap could land on either side.
    std::vector<uint32_t> Quadrants()
    {
        std::vector<uint32_t> pixels = mDevice->ReadPixels(mOutputLevel);
        const int at[4][2] = {{100, 75}, {300, 75}, {100, 225}, {300, 225}};
        std::vector<uint32_t> result;
        for (const auto& p : at)
            result.push_back(pixels.at(static_cast<size_t>(p[1]) * 400 + p[0]));
        return result;
    }

    static void ExpectQuadrants(const std::vector<uint32_t>& got, const Rgba (&want)[4], const char* what)
    {
        const char* names[4] = {"top left", "top right", "bottom left", "bottom right"};
        for (int q = 0; q < 4; ++q)
            EXPECT_TRUE(Near(got[q], Pack(want[q])))
                << what << ", " << names[q] << ": got " << std::hex << got[q] << ", want " << Pack(want[q]);
    }

    uint32_t mVs = 0, mPs = 0;
    VertexBuffer* mQuad = nullptr;
    Texture* mSource = nullptr;
    Texture* mOutput = nullptr;
    Surface* mSourceLevel = nullptr;
    Surface* mOutputLevel = nullptr;
};

float WeightConstants(float* c)
{
    for (int reg = 0; reg < 4; ++reg)
        for (int i = 0; i < 4; ++i)
            c[reg * 4 + i] = kWeights[reg];
    return kWeights[1] + kWeights[2] + kWeights[3];
}

// As the game runs it: only stage 0 has a texture, so t1..t3 read (0, 0, 0, 1) and
// r0 = (t0.rgb x k0, t0.a x k0 + k1 + k2 + k3); the whole-unit offsets of every table wrap
// onto the texel of the tap without offset.
TEST_F(GlowShaderPixelTest, UnboundStagesAddOnlyTheirWeightsToAlphaInEveryTable)
{
    float weights[16];
    const float unboundAlpha = WeightConstants(weights);
    mDevice->SetTexture(0, mSource);
    Rgba want[4];
    const uint32_t source[4] = {kTopLeft, kTopRight, kBottomLeft, kBottomRight};
    for (int q = 0; q < 4; ++q) {
        Rgba t = Unpack(source[q]);
        want[q] = {t.r * kWeights[0], t.g * kWeights[0], t.b * kWeights[0], t.a * kWeights[0] + unboundAlpha};
    }
    // Top left, by hand: (1 x 0.3, 0, 0, 128/255 x 0.3 + 0.6) = (77, 0, 0, 191) of 255.
    EXPECT_TRUE(Near(Pack(want[0]), 0xBF4D0000u));
    for (int table = 0; table < 4; ++table) {
        DrawQuad(kTables[table], weights);
        const std::string name = "table " + std::to_string(table + 1);
        ExpectQuadrants(Quadrants(), want, name.c_str());
    }
}

// With the image on all four stages and offsets of half the image, each tap reads its own
// quadrant: the output of the top-left quadrant is TL x k0 + TR x k1 + BL x k2 + BR x k3.
TEST_F(GlowShaderPixelTest, EachTapReadsItsOwnStageAtItsOwnOffset)
{
    float weights[16];
    WeightConstants(weights);
    const float offsets[16] = {0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0.5f, 0.5f, 0, 0};
    for (uint32_t stage = 0; stage < 4; ++stage)
        mDevice->SetTexture(stage, mSource);
    DrawQuad(offsets, weights);
    // Quadrant q's taps: itself, its horizontal, vertical and diagonal neighbour (wrapping).
    const uint32_t source[4] = {kTopLeft, kTopRight, kBottomLeft, kBottomRight};
    Rgba want[4];
    for (int q = 0; q < 4; ++q) {
        const Rgba taps[4] = {Unpack(source[q]), Unpack(source[q ^ 1]), Unpack(source[q ^ 2]), Unpack(source[q ^ 3])};
        Rgba sum{0, 0, 0, 0};
        for (int i = 0; i < 4; ++i) {
            sum.r += taps[i].r * kWeights[i];
            sum.g += taps[i].g * kWeights[i];
            sum.b += taps[i].b * kWeights[i];
            sum.a += taps[i].a * kWeights[i];
        }
        want[q] = sum;
    }
    // Bottom right, by hand: white x 0.3 + BL x 0.25 + TR x 0.2 + TL x 0.15
    // = (0.3 + 0.15, 0.3 + 0.2, 0.3 + 0.25 x 128/255, 0.25 x 64/255 + 0.2 + 0.15 x 128/255)
    // = (115, 128, 109, 86) of 255.
    EXPECT_TRUE(Near(Pack(want[3]), 0x5673806Du)) << std::hex << Pack(want[3]);
    ExpectQuadrants(Quadrants(), want, "four stages");
}

// Registers hold -1..1 after every instruction, constants too, and the output is 0..1.
TEST_F(GlowShaderPixelTest, ConstantsAndEveryStepSaturateAndTheOutputClamps)
{
    const float constants[16] = {
        2.0f, -0.5f, 0.75f, 0.0f,   // c0: 2 reads as 1
        0.5f, 0.5f,  0.5f,  1.0f,   // c1
        0.0f, 0.0f,  0.0f,  1.0f,   // c2: alpha reaches 2 here and is held at 1
        0.0f, 0.0f,  0.0f,  -1.0f,  // c3: so it ends at 0, not 1
    };
    mDevice->SetTexture(0, mSource);
    DrawQuad(kTables[0], constants);
    // Bottom right, t0 = (1, 1, 1, 0): r0 = (1, -0.5, 0.75, 0) -> alpha 1 -> 1 (from 2) -> 0;
    // the negative green comes out as 0.
    // Top right, t0 = (0, 1, 0, 1): r0 = (0, -0.5, 0, 0) -> alpha 1 -> 1 -> 0.
    // Top left, t0 = (1, 0, 0, 128/255): r0 = (1, 0, 0, 0), then alpha as above.
    // Bottom left, t0 = (0, 0, 128/255, 64/255): blue 128/255 x 0.75.
    const Rgba want[4] = {{1, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 128.0f / 255 * 0.75f, 0}, {1, 0, 0.75f, 0}};
    ExpectQuadrants(Quadrants(), want, "saturation");
}

// The downsample step: the glow vertex shader with the fixed pixel stage, texture times a
// diffuse that no shader writes (white), from the 800x600 glow image into 400x300.
TEST_F(GlowShaderPixelTest, TheVertexShaderAloneCopiesTheImageThroughTheFixedStage)
{
    Surface* glowLevel = nullptr;
    Texture* glow = Target(800, 600, &glowLevel);
    Fill(glowLevel, 800, 600);
    mDevice->SetTextureStageState(0, kTssMagFilter, kFilterLinear);
    mDevice->SetTextureStageState(0, kTssMinFilter, kFilterLinear);
    mDevice->SetTexture(0, glow);
    DrawQuad(kTables[3], nullptr, false);
    const Rgba want[4] = {Unpack(kTopLeft), Unpack(kTopRight), Unpack(kBottomLeft), Unpack(kBottomRight)};
    ExpectQuadrants(Quadrants(), want, "downsample");
    mDevice->SetTexture(0, nullptr);
    glowLevel->Release();
    glow->Release();
}

}  // namespace
}  // namespace gfx::gl
