// The per-frame order: timing, input, the device check, drawing and present.
#include "app/frame.h"

#include <algorithm>
#include <exception>
#include <mutex>

#include "app/device_setup.h"
#include "app/globals.h"
#include "engine/resource_manager.h"
#include "net/network_manager.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "ui/cursor.h"
#include "ui/keyboard.h"
#include "ui/screen.h"
#include "ui/sprite_control.h"

namespace {

constexpr int32_t kFpsSamplePeriodMs = 200;

void PresentFrame()
{
    gDevice->ShowCursor(false);
    gDevice->Present();
}

}  // namespace

int RunFrame()
{
    try {
        std::lock_guard<os::RecursiveLock> hold(gFrameLock);
        ApplyNetworkEvents();
        UpdateFrameTime();
        PollInput();
        int result = CheckDevice();
        if (result < 0)
            return result;
        RenderFrame();
        return 0;
    } catch (const std::exception& error) {
        // The lock is already left here; the loop ends at its next turn.
        os::PostFailureQuit("a frame failed: %s", error.what());
        return 0;
    } catch (...) {
        os::PostFailureQuit("a frame failed");
        return 0;
    }
}

void UpdateFrameTime()
{
    gTimePrev = gTimeNow;
    gTimeNow = os::TimeMs();
    gFrameTimeMs = gTimeNow - gTimePrev;
    gFrameScale = static_cast<float>(gFrameTimeMs) / 100.0f;
    gFpsAccumulator += static_cast<int32_t>(gFrameTimeMs);
    while (gFpsAccumulator > kFpsSamplePeriodMs && gFrameTimeMs != 0) {
        gFpsAccumulator -= kFpsSamplePeriodMs;
        gFramesPerSecond = 1000 / gFrameTimeMs;
    }
}

void PollInput()
{
    gKeyboard.Poll();
    gCursor.Poll();
    gCursor.ApplyMotion();
}

int CheckDevice()
{
    gfx::Result level = gDevice->TestCooperativeLevel();
    if (level == gfx::kDeviceLost) {
        // The filed sound buffers are released, not only forgotten; the background plays on.
        gResourceManager->ReleaseTrailQuad();
        gResourceManager->EmptySoundBufferMap();
        return gfx::kFail;
    }
    if (level != gfx::kDeviceNotReset)
        return 0;

    if (gBackBuffer) {
        gBackBuffer->Release();
        gBackBuffer = nullptr;
    }
    if (gGlowTexture) {
        gGlowTexture->Release();
        gGlowTexture = nullptr;
    }
    if (gfx::Failed(gDevice->Reset(gPresentParams))) {
        // Everything made on the old device goes with it, once, before the new one is made.
        ReleaseDeviceObjects();
        if (gfx::Failed(InitDevice(true))) {
            os::PostFailureQuit("the drawing device could not be made again after it was lost");
            return gfx::kFail;
        }
    }
    if (!gBackBuffer && gfx::Failed(gDevice->GetBackBuffer(&gBackBuffer)))
        return gfx::kFail;
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0xFF000000u, 1.0f, 0);
    gResourceManager->ReleaseAll();
    if (gCurrentScreen)
        gCurrentScreen->Enter();
    return 1;
}

void RenderFrame()
{
    int32_t step = std::max(static_cast<int32_t>(30.0f * gFrameScale), 1);
    if (gPulseRising) {
        gPulse += step;
        if (gPulse >= 255) {
            gPulse = 255;
            gPulseRising = 0;
        }
    } else {
        gPulse -= step;
        if (gPulse <= 0) {
            gPulse = 0;
            gPulseRising = 1;
        }
    }

    gDevice->Clear(0, nullptr, gfx::kClearTarget | gfx::kClearZBuffer, 0xFF000000u, 1.0f, 0);
    gDevice->BeginScene();
    if (gCurrentScreen)
        gCurrentScreen->Frame();
    if (CSpriteControl* cursor = gCursor.GetSpriteControl())
        cursor->Draw();
    gDevice->EndScene();
    PresentFrame();
}

void DrawLoadingFrame(int spriteId)
{
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0xFF000000u, 1.0f, 0);
    gDevice->SetVertexShader(gfx::kFvfXyz | gfx::kFvfNormal | gfx::kFvfDiffuse | gfx::kFvfSpecular | gfx::kFvfTex1);
    gDevice->BeginScene();
    gResourceManager->DrawScreenSprite(spriteId, 800);
    gDevice->EndScene();
    PresentFrame();
}
