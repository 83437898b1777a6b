// The frame loop: timing and frame-rate sampling, the pulse, device loss and re-creation,
// and a failing frame.
#include "app/frame.h"

#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "app/device_setup.h"
#include "core/camera.h"
#include "core/keys.h"
#include "core/sound_globals.h"
#include "engine/resource_manager.h"
#include "support/headless_game.h"
#include "ui/cursor.h"

using FrameTest = HeadlessGame;

TEST_F(FrameTest, ZeroMillisecondFrameKeepsTheRateAndStillPulses)
{
    gFpsAccumulator = 150;
    gFramesPerSecond = 42;
    gPulse = 100;
    gPulseRising = 1;
    UpdateFrameTime();
    EXPECT_EQ(gFrameTimeMs, 0u);
    EXPECT_EQ(gFrameScale, 0.0f);
    EXPECT_EQ(gFpsAccumulator, 150);
    EXPECT_EQ(gFramesPerSecond, 42u);
    RenderFrame();
    EXPECT_EQ(gPulse, 101);
}

TEST_F(FrameTest, LongFrameDrainsTheAccumulatorInSteps)
{
    gFpsAccumulator = 0;
    os::AdvanceManualTime(1000);
    UpdateFrameTime();
    EXPECT_EQ(gFrameTimeMs, 1000u);
    EXPECT_FLOAT_EQ(gFrameScale, 10.0f);
    EXPECT_EQ(gFpsAccumulator, 200);
    EXPECT_EQ(gFramesPerSecond, 1u);

    os::AdvanceManualTime(16);
    UpdateFrameTime();
    EXPECT_EQ(gFpsAccumulator, 16);
    EXPECT_EQ(gFramesPerSecond, 62u);
}

TEST_F(FrameTest, TimeWrapsAsUnsigned)
{
    os::SetManualTime(true, 0xFFFFFFF0u);
    UpdateFrameTime();
    os::AdvanceManualTime(0x20);
    UpdateFrameTime();
    EXPECT_EQ(gFrameTimeMs, 0x20u);
}

TEST_F(FrameTest, PulseTurnsAtBothEndsWhateverTheStep)
{
    gPulse = 250;
    gPulseRising = 1;
    gFrameScale = 50.0f;  // a step of 1500
    RenderFrame();
    EXPECT_EQ(gPulse, 255);
    EXPECT_EQ(gPulseRising, 0);
    RenderFrame();
    EXPECT_EQ(gPulse, 0);
    EXPECT_EQ(gPulseRising, 1);
    gFrameScale = 0.5f;  // 15
    RenderFrame();
    EXPECT_EQ(gPulse, 15);
}

TEST_F(FrameTest, FrameDrawsTheCurrentScreenBetweenClearAndPresent)
{
    uint32_t presents = Device()->PresentCount();
    Device()->ClearRecords();
    EXPECT_EQ(RunFrame(), 0);
    EXPECT_EQ(Device()->PresentCount(), presents + 1);
    ASSERT_FALSE(Device()->Clears().empty());
    EXPECT_EQ(Device()->Clears().back().flags, gfx::kClearTarget | gfx::kClearZBuffer);
    EXPECT_EQ(Device()->Clears().back().color, 0xFF000000u);
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"Frame"}}));
}

TEST_F(FrameTest, LostDevicePresentsNothingButInputStillArrives)
{
    Device()->ReportCooperativeLevel(gfx::kDeviceLost);
    uint32_t presents = Device()->PresentCount();
    Key(16, true);
    Mouse(input::kMouseButton0, input::kPressedBit);
    EXPECT_LT(RunFrame(), 0);
    EXPECT_EQ(Device()->PresentCount(), presents);
    std::vector<ScreenCall> expected = {{"KeyDown", 16}, {"MouseDown", 0, 320, 200}};
    EXPECT_EQ(screen.calls, expected);
}

TEST_F(FrameTest, ResetRefusedForTheHeldGlowTargetsRecreatesTheDeviceAndGlowDrawsIntoLiveTargets)
{
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    EXPECT_EQ(CheckDevice(), 1);
    // A device that was never reset, holding exactly the two glow targets of its own set-up.
    EXPECT_EQ(Device()->TestCooperativeLevel(), gfx::kOk);
    EXPECT_EQ(Device()->ResetCount(), 0u);
    EXPECT_EQ(Device()->LiveDefaultPoolObjects(), 2u);
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"Enter"}}));
    ASSERT_NE(gGlowTexture, nullptr);
    ASSERT_NE(gBackBuffer, nullptr);

    Device()->ClearRecords();
    gDevice->BeginScene();
    gResourceManager->DrawGlowPass();
    gDevice->EndScene();
    const auto& draws = Device()->Draws();
    ASSERT_EQ(draws.size(), 6u);
    EXPECT_EQ(draws.front().textures[0], gGlowTexture);
    EXPECT_EQ(draws.front().renderTarget, gBlurSurface);
    EXPECT_EQ(draws.back().textures[0], gBlurTexture);
    EXPECT_EQ(draws.back().renderTarget, gBackBuffer);
    ASSERT_FALSE(Device()->Clears().empty());
    EXPECT_EQ(Device()->Clears().back().target, gGlowSurface);
}

TEST_F(FrameTest, FailedResetRecreatesTheWholeDevice)
{
    gCamera.SetEye(50, 60, -90);
    gCursor.Show(false);
    gCursor.SetPosition(10, 10);
    gSoundVolume = 30;
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    Device()->FailNextReset();
    EXPECT_EQ(RunFrame(), 0);

    ASSERT_NE(gDevice, nullptr);
    EXPECT_EQ(Device()->TestCooperativeLevel(), gfx::kOk);
    EXPECT_FLOAT_EQ(gCamera.GetEyeX(), 0.0f);
    EXPECT_FLOAT_EQ(gCamera.GetEyeZ(), -30.0f);
    EXPECT_TRUE(gCursor.IsVisible());
    int x = 0, y = 0;
    gCursor.GetPosition(&x, &y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(gSoundVolume, 80);
    EXPECT_NE(gGlowSurface, nullptr);
    EXPECT_NE(gBlurSurface, nullptr);
    // Re-entered, then drawn in the same frame.
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"Enter"}, {"Frame"}}));
    EXPECT_EQ(Device()->PresentCount(), 1u);

    // The re-created input devices still deliver.
    Key(16, true);
    RunFrame();
    EXPECT_EQ(screen.calls.back(), (ScreenCall{"Frame"}));
    EXPECT_EQ(screen.calls[screen.calls.size() - 2], (ScreenCall{"KeyDown", 16}));
}

TEST_F(FrameTest, FailedRecreationPostsQuit)
{
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    Device()->FailNextReset();
    gfx::Backend saved = gGfxBackend;
    // A backend that cannot make a system stands for a device that cannot come back.
    gGfxBackend = static_cast<gfx::Backend>(99);
    EXPECT_LT(RunFrame(), 0);
    gGfxBackend = saved;
    EXPECT_TRUE(os::QuitPosted());
}

namespace {
class ThrowingScreen : public RecordingScreen {
public:
    int Frame() override { throw std::runtime_error("boom"); }
};
}  // namespace

TEST_F(FrameTest, ExceptionEscapingAFramePostsQuitWithTheLockLeft)
{
    ThrowingScreen throwing;
    gCurrentScreen = &throwing;
    RunFrame();
    EXPECT_TRUE(os::QuitPosted());
    bool locked = false;
    std::thread other([&] {
        locked = gFrameLock.try_lock();
        if (locked)
            gFrameLock.unlock();
    });
    other.join();
    EXPECT_TRUE(locked);
}

TEST_F(FrameTest, PickRayFindsThePointOnThePlane)
{
    gCamera.SetEye(0, 0, -30);
    gCamera.SetTarget(0, 0, 1);
    gCamera.Apply();
    float x = 1, y = 1;
    gCursor.SetPosition(400, 300);
    gCursor.PickRay(&x, &y, 30.0f);
    EXPECT_NEAR(x, 0.0f, 1e-4);
    EXPECT_NEAR(y, 0.0f, 1e-4);

    // 60 units from the eye, half-way to the right edge and a quarter up the screen.
    gCursor.SetPosition(600, 150);
    gCursor.PickRay(&x, &y, 30.0f);
    EXPECT_NEAR(x, 60.0f * 0.5f * 0.41421356f * (4.0f / 3.0f), 1e-3);
    EXPECT_NEAR(y, 60.0f * 0.5f * 0.41421356f, 1e-3);

    gCamera.SetEye(100, -50, -30);
    gCamera.SetTarget(100, -50, 1);
    gCamera.Apply();
    gCursor.SetPosition(400, 300);
    gCursor.PickRay(&x, &y, 30.0f);
    EXPECT_NEAR(x, 100.0f, 1e-3);
    EXPECT_NEAR(y, -50.0f, 1e-3);
}
