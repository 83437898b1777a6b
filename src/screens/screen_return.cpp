// Leaving a page for the screen that opened it.
#include "screens/screen_return.h"

#include "core/camera.h"
#include "core/vec3.h"
#include "platform/os/message_queue.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/text_control.h"

void PlaceCameraOverShip()
{
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3();
    gCamera.SetEye(ship.x, ship.y, gCameraHeight);
    gCamera.SetZoom(gCameraHeight);
}

void ReturnTo(CScreen* screen)
{
    if (!screen || screen == gFlightScreen) {
        PlaceCameraOverShip();
        gCurrentScreen = gFlightScreen;
        return;
    }
    gCurrentScreen = screen;
}

void RequireWayOut(const CScreen& screen, int buttonId)
{
    if (!screen.GetButton(buttonId))
        os::PostFailureQuit("no button for control %d, the way out of screen %d: it could not be left", buttonId,
                            screen.GetScreenId());
}

void SetScreenText(CScreen& screen, int id, const char* text)
{
    if (CTextControl* control = screen.GetTextControl(id))
        control->SetText(text);
}
