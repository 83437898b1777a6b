// Other players' ships: kept as themselves through every system entry, and shown only in the
// system their players are in.
#include "engine/resource_manager.h"
#include "world/world_object.h"

namespace {

// A ship's player has not said where he is yet: no system has this id.
constexpr int kNoSystem = -1;
// A player who tells no system is shown in whichever system this one is in.
constexpr int kEverySystem = 0;

}  // namespace

bool CResourceManager::AddOtherPlayer(CWorldObject* ship)
{
    if (FindObject(ship->mId) || FindOtherPlayer(ship->mId)) {
        delete ship;
        return false;
    }
    mElsewhere.emplace(ship->mId, ship);
    mOtherPlayers[ship->mId] = OtherPlayer{ship, kNoSystem};
    return true;
}

void CResourceManager::SetOtherPlayerSystem(int id, int systemId)
{
    if (const auto player = mOtherPlayers.find(id);
        player != mOtherPlayers.end() && player->second.systemId != systemId) {
        player->second.systemId = systemId;
        PlaceOtherPlayers();
    }
}

CWorldObject* CResourceManager::FindOtherPlayer(int id)
{
    const auto player = mOtherPlayers.find(id);
    return player != mOtherPlayers.end() ? player->second.ship : nullptr;
}

void CResourceManager::PlaceOtherPlayers()
{
    for (const auto& [id, player] : mOtherPlayers) {
        const bool here = player.systemId == mPlaceSystemId || player.systemId == kEverySystem;
        auto& from = here ? mElsewhere : mObjects;
        auto& to = here ? mObjects : mElsewhere;
        const auto filed = from.find(id);
        // Nothing of this system is pushed aside for a ship coming in.
        if (filed != from.end() && filed->second == player.ship && to.emplace(id, player.ship).second)
            from.erase(filed);
    }
}
