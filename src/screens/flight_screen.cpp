// The in-flight screen's frame: steering, the ship, the camera, the planes behind the flight plane,
// the world pass and the heads-up display, in that order; and the system change.
#include "screens/flight_screen.h"

#include <cmath>
#include <iterator>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/message_log.h"
#include "engine/resource_manager.h"
#include "ships/player_ship.h"
#include "ui/cursor.h"
#include "ui/text_control.h"

float gCameraHeight = -60.0f;

namespace {
constexpr int kBackgroundSound = 4;
constexpr int kPlaneMesh = 19;
constexpr int kBoundaryMesh = 32;
constexpr float kGlowPlaneTurn = 0.002f;
constexpr float kGlowStep = 5.0f;
constexpr float kGlowLow = 150.0f;
constexpr float kGlowHigh = 250.0f;

struct FactionTextures {
    int glow;
    int backdrop;
};

// By Faction: union, goth, ignus, enimanga, mandralor; any other value looks like union.
FactionTextures TexturesOf(int faction)
{
    static const FactionTextures kTextures[] = {{36, 1}, {37, 38}, {39, 40}, {41, 42}, {43, 44}};
    if (faction < 0 || faction >= static_cast<int>(std::size(kTextures)))
        return kTextures[0];
    return kTextures[faction];
}

MeshDrawRecord PlaneRecord(int meshId, const Vec3* position, const Vec3* rotation, const Vec3* scale, const int* alpha,
                           const uint8_t* flags, const uint32_t* colour, int texture)
{
    MeshDrawRecord record;
    record.meshId = meshId;
    record.position = position;
    record.rotation = rotation;
    record.scale = scale;
    record.alpha = alpha;
    record.wireFrame = flags;
    record.colour = colour;
    record.textureSpriteId = texture;
    return record;
}
}  // namespace

CFlightScreen::CFlightScreen()
{
    mScreenId = kScreenId;
    mBackdropPlane = PlaneRecord(kPlaneMesh, &mBackdropPosition, &mBackdropRotation, &mBackdropScale, &mBackdropAlpha,
                                 &mMeshFlags, &mBackdropColour, TexturesOf(0).backdrop);
    mGlowPlane = PlaneRecord(kPlaneMesh, &mGlowPlanePosition, &mBackdropRotation, &mBackdropScale, &mGlowAlpha,
                             &mMeshFlags, &mBackdropColour, TexturesOf(0).glow);
    mBoundaryPlane = PlaneRecord(kBoundaryMesh, &mBackdropPosition, &mBackdropRotation, &mBoundaryScale,
                                 &mBackdropAlpha, &mMeshFlags, &mBackdropColour, 0);
}

void CFlightScreen::SetSystemBackdrop(int systemId)
{
    gResourceManager->EnterSystem(systemId);
    const FactionTextures textures = TexturesOf(gResourceManager->mSystemType);
    mGlowPlane.textureSpriteId = textures.glow;
    mBackdropPlane.textureSpriteId = textures.backdrop;
    mBoundaryScale = Vec3(gResourceManager->mSystemWidth * 0.715f, gResourceManager->mSystemHeight * 0.715f, 0.0f);
    mBackdropScale = Vec3(1550.0f, 1550.0f, 0.0f);
}

void CFlightScreen::SetSystemExtents(const Vec3& boundary, const Vec3& outer)
{
    mBoundaryScale = boundary;
    mSystemExtent = outer;
}

void CFlightScreen::Enter()
{
    DeleteControls();
    mClickGuard = 0;
    gResourceManager->PlaySound(kBackgroundSound);
    gCamera.Reset();
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3();
    gCamera.SetEye(ship.x, ship.y, gCameraHeight);
    gCamera.SetZoom(gCameraHeight);
    gCamera.SetTarget(ship.x, ship.y, ship.z);
    gCamera.Apply();
    LoadTextControls();
    LoadButtons();
    LoadCheckBoxes();
    LoadSliders();
    LoadSpriteControls();
    LoadMovieControls();
    // The second pass files nothing new; it keeps the controls the first one made.
    LoadObjectControls();
    LoadObjectControls();
    ShowWeaponLabel();
    LoadSettings();
    mEntered = 1;
    CloseHail();
    ShowMessageLog();
}

void CFlightScreen::PulseGlow()
{
    if (mGlowRising) {
        if (mGlowValue > kGlowHigh) {
            mGlowRising = 0;
            mGlowValue = kGlowHigh;
        } else {
            // Only whole steps rise: above fifty frames a second the plane holds steady.
            mGlowValue += std::trunc(kGlowStep * gFrameScale);
        }
    } else if (mGlowValue < kGlowLow) {
        mGlowRising = 1;
        mGlowValue = kGlowLow;
    } else {
        mGlowValue -= kGlowStep * gFrameScale;
    }
    mGlowAlpha = static_cast<int>(mGlowValue);
}

void CFlightScreen::PlaceCamera()
{
    gDevice->SetRenderState(gfx::kRsZWriteEnable, 1);
    gDevice->SetRenderState(gfx::kRsClipping, 1);
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3(gCamera.GetEyeX(), gCamera.GetEyeY(), 0.0f);
    gCamera.SetEye(ship.x, ship.y, gCamera.GetEyeZ());
    gCamera.SetTarget(ship.x, ship.y, ship.z);
    gCamera.Update();
}

void CFlightScreen::DrawPlanes()
{
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
    gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendSrcAlpha);
    gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendInvSrcAlpha);
    gDevice->SetRenderState(gfx::kRsAlphaTestEnable, 1);
    gDevice->SetRenderState(gfx::kRsAlphaRef, 8);
    gDevice->SetRenderState(gfx::kRsAlphaFunc, gfx::kCmpGreaterEqual);
    gResourceManager->RenderMesh(mBackdropPlane, false);
    gResourceManager->RenderMesh(mBoundaryPlane, false);
    gResourceManager->RenderMesh(mGlowPlane, false);
}

int CFlightScreen::Frame()
{
    if (!mEntered)
        Enter();
    if (CTextControl* center = GetTextControl(kCenterMessage); center && center->visible)
        center->colour = 0xFFFF0000u + static_cast<uint32_t>(gPulse) * 0x0101u;
    CPlayerShip* ship = gPlayerShip;
    if (ship) {
        if (mThrustKey)
            ship->Thrust();
        else if (mBrakeKey)
            ship->Brake();
        if (mTurnLeftKey)
            ship->TurnLeft();
        else if (mTurnRightKey)
            ship->TurnRight();
        ship->Update();
    }
    mGlowPlanePosition = RotateVec3Z(mGlowPlanePosition, kGlowPlaneTurn * gFrameScale);
    PulseGlow();
    if (!ship || !ship->mActive)
        ShowDeathPanel();
    if (mFireHeld && ship) {
        Vec3 aim(0.0f, 0.0f, 30.0f);
        gCursor.PickRay(&aim.x, &aim.y, 30.0f);
        ship->Fire(&aim);
    }
    PlaceCamera();
    DrawPlanes();
    if (ship)
        ship->Render();
    gResourceManager->UpdateObjects();
    if (ship)
        ship->DrawRadar();
    UpdateHud();
    ScrollHail();
    PlaceTargetView();
    DrawObjectControls();
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    DrawControls();
    return 0;
}

void CFlightScreen::ZoomOut()
{
    if (gCurrentScreen != this || gCamera.GetEyeZ() <= -100.0f)
        return;
    gCameraHeight = gCamera.GetEyeZ() - 20.0f;
    gCamera.SetZoom(gCameraHeight);
}

void CFlightScreen::ZoomIn()
{
    if (gCurrentScreen != this || gCamera.GetEyeZ() >= -20.0f)
        return;
    gCameraHeight = gCamera.GetEyeZ() + 20.0f;
    gCamera.SetZoom(gCameraHeight);
}
