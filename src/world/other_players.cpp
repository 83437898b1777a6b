// Other players' ships: kept by id through every system entry, and shown only in the system
// their players are in.
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
    mOtherPlayers[ship->mId] = kNoSystem;
    return true;
}

void CResourceManager::SetOtherPlayerSystem(int id, int systemId)
{
    if (const auto player = mOtherPlayers.find(id); player != mOtherPlayers.end() && player->second != systemId) {
        player->second = systemId;
        PlaceOtherPlayers();
    }
}

CWorldObject* CResourceManager::FindOtherPlayer(int id)
{
    if (!mOtherPlayers.contains(id))
        return nullptr;
    for (auto* map : {&mObjects, &mElsewhere}) {
        if (const auto filed = map->find(id); filed != map->end())
            return filed->second;
    }
    return nullptr;
}

void CResourceManager::PlaceOtherPlayers()
{
    for (const auto& [id, systemId] : mOtherPlayers) {
        const bool here = systemId == mPlaceSystemId || systemId == kEverySystem;
        auto& from = here ? mElsewhere : mObjects;
        auto& to = here ? mObjects : mElsewhere;
        const auto filed = from.find(id);
        // Nothing of this system is pushed aside for a ship coming in.
        if (filed != from.end() && to.emplace(id, filed->second).second)
            from.erase(filed);
    }
}
