// The information page: its text rows, the one button and the way back to flight.
#include "screens/info_screen.h"

#include <cstring>

#include "core/camera.h"
#include "core/graphics_globals.h"
#include "core/keys.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/control_util.h"

namespace {
constexpr char kContinueCaption[] = "Continue";
}  // namespace

CInfoScreen::CInfoScreen()
{
    mScreenId = kScreenId;
}

void CInfoScreen::Show(const char* caption)
{
    if (!mEntered)
        Enter();
    mReturnScreen = gFlightScreen;
    if (CButton* button = GetButton(kLeaveButton))
        CopyControlText(button->text, sizeof button->text, caption);
}

void CInfoScreen::ShowContinue()
{
    Show(kContinueCaption);
}

void CInfoScreen::ShowBack()
{
    Show("Back");
}

void CInfoScreen::Enter()
{
    DeleteControls();
    LoadButtons();
    LoadTextControls();
    mEntered = 1;
}

int CInfoScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(kBackdrop);
    return 0;
}

void CInfoScreen::Leave()
{
    // Opened from a docked station the page goes back there: in flight the ship would dock again.
    if (mReturnScreen && mReturnScreen != gFlightScreen) {
        gCurrentScreen = mReturnScreen;
        mEntered = 0;
        return;
    }
    const CButton* button = GetButton(kLeaveButton);
    const bool newPilot = button && std::strcmp(button->text, kContinueCaption) == 0;
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3();
    gCamera.SetEye(ship.x, ship.y, gCameraHeight);
    gCamera.SetZoom(gCameraHeight);
    gCurrentScreen = gFlightScreen;
    mEntered = 0;
    if (newPilot && gPlayerShip) {
        gFlightScreen->SetSystemBackdrop(gPlayerShip->mSystemId);
        gFlightScreen->SetEntered(false);
    }
}

void CInfoScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CInfoScreen::OnMouseUp(int, int x, int y)
{
    if (OnMouseUpControls(x, y) == kLeaveButton)
        Leave();
}

void CInfoScreen::OnMouseMove(int, int)
{
}

void CInfoScreen::OnKeyDown(int key)
{
    if (key == kKeyC || key == kKeyEscape)
        Leave();
}
