// Creating the device, its states and the glow pass's render targets.
#include "app/device_setup.h"

#include <cstdlib>

#include "app/frame.h"
#include "app/globals.h"
#include "app/input.h"
#include "core/camera.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "screens/main_menu_screen.h"
#include "ui/cursor.h"
#include "ui/keyboard.h"

gfx::Backend gGfxBackend = gfx::Backend::kOpenGl;

namespace {

template <typename T>
void ReleaseAndClear(T*& object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}

void ReleaseTargets()
{
    ReleaseAndClear(gGlowSurface);
    ReleaseAndClear(gGlowTexture);
    ReleaseAndClear(gBlurSurface);
    ReleaseAndClear(gBlurTexture);
    ReleaseAndClear(gBackBuffer);
    ReleaseAndClear(gDepthSurface);
}

void SetCapabilityFlags()
{
    const gfx::DeviceCaps& caps = gDeviceCaps;
    gShadersSupported = caps.pixelShaderVersion >= 0xFFFF0101u && caps.vertexShaderVersion >= 0xFFFE0101u &&
                        caps.maxVertexShaderConst >= 1 && (caps.fvfCaps & gfx::kFvfCapsPSize) != 0;
    gNoSourceBlendCaps = (caps.srcBlendCaps & 0x1B) == 0;
    gGlowEnabled = gShadersSupported;
}

void SetStartStates()
{
    gDevice->SetRenderState(gfx::kRsShadeMode, gfx::kShadeGouraud);
    SetProjection();
    gDevice->SetTextureStageState(0, gfx::kTssColorOp, gfx::kTopModulate);
    gDevice->SetTextureStageState(0, gfx::kTssColorArg1, gfx::kTaTexture);
    gDevice->SetTextureStageState(0, gfx::kTssColorArg2, gfx::kTaDiffuse);
    gDevice->SetTextureStageState(0, gfx::kTssAlphaOp, gfx::kTopSelectArg1);
    gDevice->SetTextureStageState(0, gfx::kTssAlphaArg1, gfx::kTaTexture);
    gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendSrcColor);
    gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendInvSrcColor);
    gDevice->SetRenderState(gfx::kRsMultisampleAntialias, 0);
}

gfx::Result CreateTargets()
{
    if (gfx::Failed(gDevice->CreateTexture(800, 600, 1, gfx::kUsageRenderTarget, gfx::kFormatA8R8G8B8,
                                           gfx::kPoolDefault, &gGlowTexture)) ||
        gfx::Failed(gDevice->CreateTexture(400, 300, 1, gfx::kUsageRenderTarget, gfx::kFormatA8R8G8B8,
                                           gfx::kPoolDefault, &gBlurTexture)))
        return gfx::kFail;
    gGlowTexture->GetSurfaceLevel(0, &gGlowSurface);
    gBlurTexture->GetSurfaceLevel(0, &gBlurSurface);
    if (gfx::Failed(gDevice->GetBackBuffer(&gBackBuffer)))
        return gfx::kFail;
    gDevice->GetDepthStencilSurface(&gDepthSurface);
    gDevice->SetRenderTarget(gBlurSurface, nullptr);
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0xFF000000u, 1.0f, 0);
    gDevice->SetRenderTarget(gGlowSurface, nullptr);
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0xFF000000u, 1.0f, 0);
    gDevice->SetRenderTarget(gBackBuffer, gDepthSurface);
    gDevice->SetRenderState(gfx::kRsZEnable, 1);
    return gfx::kOk;
}

}  // namespace

void ReleaseDeviceObjects()
{
    ReleaseTargets();
    // What the resource manager made on the device goes before the device does.
    if (gResourceManager && gDevice)
        gResourceManager->ReleaseDeviceResources();
    if (gDevice) {
        while (gDevice->Release() > 0) {
        }
        gDevice = nullptr;
    }
    if (gDirect3D) {
        while (gDirect3D->Release() > 0) {
        }
        gDirect3D = nullptr;
    }
}

gfx::Result InitDevice(bool recreate)
{
    // Whatever an earlier device left is released first, so nothing is released twice.
    ReleaseDeviceObjects();
    gDirect3D = gfx::CreateSystem(gGfxBackend);
    if (!gDirect3D)
        return gfx::kFail;
    gfx::DisplayMode mode;
    if (gfx::Failed(gDirect3D->GetAdapterDisplayMode(0, &mode)))
        return gfx::kFail;
    gDirect3D->GetDeviceCaps(0, &gDeviceCaps);
    SetCapabilityFlags();
    uint32_t vertexProcessing = (gDeviceCaps.devCaps & gfx::kDevCapsHwTransformAndLight)
                                    ? gfx::kCreateHardwareVertexProcessing
                                    : gfx::kCreateSoftwareVertexProcessing;
    gScreenWidth = 800;
    gScreenHeight = 600;
    gPresentParams = gfx::PresentParams{};
    gPresentParams.backBufferWidth = 800;
    gPresentParams.backBufferHeight = 600;
    gPresentParams.backBufferFormat = gfx::kFormatA8R8G8B8;
    gPresentParams.backBufferCount = 1;
    gPresentParams.deviceWindow = gWindow;
    gPresentParams.windowed = false;
    gPresentParams.enableAutoDepthStencil = true;
    gPresentParams.autoDepthStencilFormat = gfx::kFormatD16;
    if (gfx::Failed(gDirect3D->CreateDevice(0, vertexProcessing, gPresentParams, &gDevice)))
        return gfx::kFail;

    SetStartStates();
    if (gfx::Failed(CreateTargets()))
        return gfx::kFail;

    if (!recreate) {
        if (InitInput() != 0) {
            os::PostFailureQuit("the keyboard and mouse could not be opened");
            return gfx::kFail;
        }
        gGameDatabase.Open();
        // Without its databases the game has said why and ends; the rest would only fail on.
        if (os::QuitPosted())
            return gfx::kOk;
        DrawLoadingFrame(1);
        gCurrentScreen = gMainMenuScreen;
        gResourceManager->InitDeviceResources();
    }

    gCamera.SetEye(0.0f, 0.0f, -30.0f);
    gCamera.SetTarget(0.0f, 0.0f, 1.0f);
    gCamera.Apply();

    gCursor.Show(true);
    gCursor.SetPosition(320, 200);
    gCursor.HideSystemCursor();

    if (!recreate) {
        std::srand(os::TickCount());
        gTimeNow = gTimePrev = os::TimeMs();
        gFrameTimeMs = 0;
        gFrameScale = 0.0f;
        gSoundOff = 0;
        gWireFrame = 0;
    } else {
        gCursor.Reset();
        gCursor.Show(true);
        gKeyboard.CreateDevice();
        gResourceManager->InitDeviceResources();
    }
    gSoundVolume = 80;
    return gfx::kOk;
}

void SetProjection()
{
    gfx::Matrix projection = gfx::MatrixPerspectiveFovLH(
        0.785398f, static_cast<float>(gScreenWidth) / static_cast<float>(gScreenHeight), 1.0f, 1000.0f);
    gDevice->SetTransform(gfx::kTransformProjection, projection);
}
