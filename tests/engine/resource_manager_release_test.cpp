// Emptying the caches after a device reset, and the device-check paths that lead there.
#include <filesystem>

#include "app/device_setup.h"
#include "app/frame.h"
#include "app/globals.h"
#include "engine/wave_test_files.h"
#include "platform/gfx/mesh.h"
#include "platform/gfx/sprite.h"
#include "support/resource_fixture.h"

namespace {

class ResourceRelease : public ResourceFixture {
protected:
    // Something in every cache.
    void FillCaches()
    {
        gDevice->BeginScene();
        AddTrailQuad();
        AddSprite(12, "spark.png");
        AddSprite(2, "backdrop.png");
        Content("INSERT INTO particle VALUES (5, 1000, 3, 0, 0, 0, 1, 0, 0, 'ffffffff', 0, 1, 12);");
        Vec3 here(0, 0, 30), none;
        int count = 0, alpha = 255;
        float zero = 0.0f, one = 1.0f;
        uint32_t white = 0xFFFFFFFFu;
        rm->DrawTrail({12, &here, &none, &zero, &one, &alpha, &white, &count, &zero});
        rm->DrawScreenSprite(2, 800);
        rm->AddParticle(5, &here, &none, 0, 1.0f, nullptr);
        auto* piece = new DebrisRecord;
        piece->position = here;
        rm->QueueParticle(piece);
        gDevice->EndScene();
    }
    void ExpectEmpty()
    {
        EXPECT_TRUE(rm->mSpriteTextures.empty());
        EXPECT_TRUE(rm->mPathTextures.empty());
        EXPECT_TRUE(rm->mMeshes.empty());
        EXPECT_EQ(rm->mTrailQuad, nullptr);
        EXPECT_TRUE(rm->mBackdrops.empty());
        EXPECT_TRUE(rm->mParticles.empty());
        EXPECT_EQ(rm->mLiveParticleCount, 0);
        EXPECT_TRUE(rm->mParticleDefinitions.empty());
        EXPECT_TRUE(rm->mDebris.empty());
    }
};

TEST_F(ResourceRelease, ReleaseAllEmptiesEveryCacheAndLeavesTheScreenToTheShell)
{
    FillCaches();
    ASSERT_EQ(rm->mSpriteTextures.size(), 1u);
    ASSERT_EQ(rm->mMeshes.size(), 1u);
    ASSERT_EQ(rm->mBackdrops.count(2), 1u);
    ASSERT_EQ(rm->mParticles.size(), 1u);
    ASSERT_EQ(rm->mDebris.size(), 1u);
    screen.calls.clear();
    rm->ReleaseAll();
    ExpectEmpty();
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(ResourceRelease, LostDeviceReleasesTheTrailSquareAndResetEmptiesTheRest)
{
    FillCaches();
    Device()->ReportCooperativeLevel(gfx::kDeviceLost);
    EXPECT_LT(CheckDevice(), 0);
    EXPECT_EQ(rm->mTrailQuad, nullptr);
    EXPECT_EQ(rm->mMeshes.count(0), 0u);

    screen.calls.clear();
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    EXPECT_EQ(CheckDevice(), 1);
    ExpectEmpty();
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"Enter"}}));
}

TEST_F(ResourceRelease, RecreationReleasesEveryObjectOfTheOldDeviceAndMakesNewOnes)
{
    FillCaches();
    // The test holds one more reference to each; once the game has let go, the test's is the last.
    std::vector<platform::RefCounted*> held = {rm->mSpriteDrawer, gQuadVertexBuffer, rm->mSpriteTextures[12],
                                               rm->mBackdrops[2], rm->mTrailQuad,    gGlowTexture,
                                               gGlowSurface,      gBlurTexture,      gBlurSurface,
                                               gBackBuffer,       gDepthSurface};
    for (platform::RefCounted* object : held) {
        ASSERT_NE(object, nullptr);
        object->AddRef();
    }
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    EXPECT_EQ(CheckDevice(), 1);
    // Back to front: a target's surface holds its texture.
    for (size_t i = held.size(); i-- > 0;)
        EXPECT_EQ(held[i]->Release(), 0u) << "object " << i << " is still held by the game";
    ExpectEmpty();
    ASSERT_NE(rm->mSpriteDrawer, nullptr);
    EXPECT_NE(Device()->FindVertexShader(rm->mGlowVertexShader), nullptr);
    EXPECT_NE(Device()->FindPixelShader(rm->mGlowPixelShader), nullptr);
    ASSERT_NE(gQuadVertexBuffer, nullptr);
}

TEST_F(ResourceRelease, LostDeviceKeepsTheBackgroundPlayingAndReleasesTheFiledBuffers)
{
    wavetest::WaveSpec hum;
    hum.data = wavetest::Bytes(800, 0xC0);
    const wavetest::Bytes bytes = wavetest::MakeWave(hum);
    std::filesystem::create_directories(folder.Path() / "sound");
    WriteFile("sound/hum.wav", std::string(bytes.begin(), bytes.end()));
    Content("INSERT INTO sound VALUES (9901, 'hum.wav'); INSERT INTO sound VALUES (9902, 'hum.wav');");
    rm->PlaySound(9901);
    rm->PlaySoundAt(SoundRequest{9902, &gZeroVector});
    audio::SoundBuffer* background = rm->mBackgroundSound;
    ASSERT_NE(background, nullptr);
    ASSERT_EQ(rm->mSoundBuffers.count(9902), 1u);
    audio::SoundBuffer* effect = rm->mSoundBuffers.find(9902)->second;
    effect->AddRef();

    Device()->ReportCooperativeLevel(gfx::kDeviceLost);
    EXPECT_LT(CheckDevice(), 0);
    EXPECT_TRUE(rm->mSoundBuffers.empty());
    EXPECT_EQ(effect->Release(), 0u) << "the filed buffer was forgotten, not released";
    ASSERT_EQ(rm->mBackgroundSound, background);
    uint32_t status = 0;
    ASSERT_EQ(background->GetStatus(&status), audio::kOk);
    EXPECT_EQ(status, audio::kStatusPlaying | audio::kStatusLooping);

    // The next screen's background replaces it without a second release of the emptied map.
    rm->PlaySound(9902);
    EXPECT_EQ(rm->mSoundBuffers.count(9901), 0u);
    EXPECT_EQ(rm->mSoundBuffers.count(9902), 1u);
}

TEST_F(ResourceRelease, LoadingFrameShowsTheWholeBackdrop)
{
    // The set-up showed the loading frame before the row existed.
    AddSprite(1, "loading.png", 64, 64);
    rm->ReleaseBackdrops();
    uint32_t presents = Device()->PresentCount();
    DrawLoadingFrame(1);
    ASSERT_EQ(Device()->Copies().size(), 1u);
    EXPECT_EQ(Device()->Copies()[0].sourceRect.right, 800);
    EXPECT_EQ(Device()->Copies()[0].dest, gBackBuffer);
    EXPECT_EQ(Device()->PresentCount(), presents + 1);
}

}  // namespace
