// Finding the player's ship through the world's view of the pilot.
#include "ships/pilot.h"

#include "world/player_view.h"
#include "world/world_object.h"

CWorldObject* PlayerObject()
{
    return gPlayerView ? gPlayerView->Ship() : nullptr;
}

bool IsPlayerShip(const CWorldObject* object)
{
    return object && object == PlayerObject();
}

CPilot* PlayerPilot()
{
    return dynamic_cast<CPilot*>(PlayerObject());
}
