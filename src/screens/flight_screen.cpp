// The in-flight screen's held keys and zoom.
#include "screens/flight_screen.h"

#include <iterator>

#include "core/camera.h"
#include "core/keys.h"
#include "engine/resource_manager.h"
#include "ui/text_control.h"

float gCameraHeight = -60.0f;

namespace {
constexpr int kBackgroundSound = 4;
constexpr int kPlaneMesh = 19;
constexpr int kBoundaryMesh = 32;
constexpr int kCenterMessage = 303;

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
    mScreenId = 6;
    mBackdropPlane = PlaneRecord(kPlaneMesh, &mBackdropPosition, &mBackdropRotation, &mBackdropScale, &mBackdropAlpha,
                                 &mMeshFlags, &mBackdropColour, TexturesOf(0).backdrop);
    mGlowPlane = PlaneRecord(kPlaneMesh, &mGlowPlanePosition, &mBackdropRotation, &mBackdropScale, &mGlowValue,
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

void CFlightScreen::ClearCenterMessage()
{
    if (CTextControl* text = GetTextControl(kCenterMessage)) {
        text->SetText("");
        text->visible = 0;
    }
}

void CFlightScreen::Enter()
{
    DeleteControls();
    gResourceManager->PlaySound(kBackgroundSound);
    LoadTextControls();
    LoadButtons();
    LoadCheckBoxes();
    LoadSliders();
    LoadSpriteControls();
    LoadMovieControls();
    LoadObjectControls();
    mEntered = 1;
}

int CFlightScreen::Frame()
{
    if (!mEntered)
        Enter();
    gResourceManager->UpdateObjects();
    DrawObjectControls();
    DrawControls();
    return 0;
}

void CFlightScreen::OnMouseDown(int, int x, int y)
{
    if (mEntered)
        OnMouseDownControls(x, y);
}

void CFlightScreen::OnMouseUp(int, int x, int y)
{
    if (mEntered)
        OnMouseUpControls(x, y);
}

void CFlightScreen::OnMouseMove(int, int)
{
}

void CFlightScreen::OnKeyDown(int key)
{
    switch (key) {
    case kKeyW:
    case kKeyUp:
        mThrustKey = 1;
        mBrakeKey = 0;
        break;
    case kKeyS:
    case kKeyDown:
        mBrakeKey = 1;
        mThrustKey = 0;
        break;
    case kKeyA:
    case kKeyLeft:
        mTurnLeftKey = 1;
        mTurnRightKey = 0;
        break;
    case kKeyD:
    case kKeyRight:
        mTurnRightKey = 1;
        mTurnLeftKey = 0;
        break;
    case kKeyPadPlus:
    case kKeyEquals:
        ZoomOut();
        break;
    case kKeyMinus:
    case kKeyPadMinus:
    case kKeyMinusAlternate:
        ZoomIn();
        break;
    default:
        break;
    }
}

void CFlightScreen::OnKeyUp(int key)
{
    switch (key) {
    case kKeyW:
    case kKeyUp:
        mThrustKey = 0;
        break;
    case kKeyS:
    case kKeyDown:
        mBrakeKey = 0;
        break;
    case kKeyA:
    case kKeyLeft:
        mTurnLeftKey = 0;
        break;
    case kKeyD:
    case kKeyRight:
        mTurnRightKey = 0;
        break;
    default:
        break;
    }
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
