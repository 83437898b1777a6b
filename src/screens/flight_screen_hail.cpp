// The in-flight screen's hail and target as the world calls them. The hail box itself is not
// built yet, so a hail says so in the message log and never stays open.
#include "screens/flight_screen.h"

#include "core/message_log.h"
#include "ships/player_ship.h"

void CFlightScreen::Hail(const char* const*, int lineCount, const char*)
{
    if (lineCount > 0)
        PostFlightMessage("Hail box not built yet");
}

void CFlightScreen::SetTarget(CWorldObject* object)
{
    if (gPlayerShip)
        gPlayerShip->mTarget = object;
}
