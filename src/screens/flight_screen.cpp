// The in-flight screen's held keys and zoom.
#include "screens/flight_screen.h"

#include "app/camera.h"
#include "app/keys.h"

float gCameraHeight = -60.0f;

CFlightScreen::CFlightScreen()
{
    mScreenId = 6;
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
