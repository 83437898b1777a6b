// Finding the player's ship through the world's view of the pilot.
#include "ships/pilot.h"

#include "ships/ship.h"
#include "world/player_view.h"

CWorldObject* PlayerObject()
{
    return gPlayerView ? gPlayerView->Ship() : nullptr;
}

bool IsPlayerShip(const CWorldObject* object)
{
    return object && object == PlayerObject();
}

CShip* PlayerShip()
{
    return dynamic_cast<CShip*>(PlayerObject());
}

CPilot* PlayerPilot()
{
    return dynamic_cast<CPilot*>(PlayerObject());
}
