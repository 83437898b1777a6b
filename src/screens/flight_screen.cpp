// The in-flight screen's held keys and zoom.
#include "screens/flight_screen.h"

#include "core/camera.h"
#include "core/keys.h"
#include "engine/resource_manager.h"

float gCameraHeight = -60.0f;

namespace {
constexpr int kBackgroundSound = 4;
}  // namespace

CFlightScreen::CFlightScreen()
{
    mScreenId = 6;
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
