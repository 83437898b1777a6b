// The flight camera placed over the ship for a screen that returns to flight.
#include "screens/flight_camera.h"

#include "core/camera.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"

void PlaceFlightCamera()
{
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3();
    gCamera.SetEye(ship.x, ship.y, gCameraHeight);
    gCamera.SetZoom(gCameraHeight);
}
