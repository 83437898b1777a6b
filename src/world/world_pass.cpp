// The frame's world pass and the reduced pass behind the conversation panel. The maps are walked
// in id order; objects filed during a walk never upset it, and only step 1 erases.
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "engine/resource_manager.h"
#include "ui/flight_view.h"
#include "world/contact_grid.h"
#include "world/player_view.h"
#include "world/world_object.h"

namespace {

CWorldObject* Player()
{
    return gPlayerView ? gPlayerView->Ship() : nullptr;
}

void UpdateRenderAndRadar(std::map<int, CWorldObject*>& map)
{
    for (auto& [id, object] : map) {
        object->Update();
        object->Render();
        object->DrawRadar();
    }
}

// The toucher touches every live object of the map but itself, then the player touches back.
void TouchAll(CWorldObject* toucher, std::map<int, CWorldObject*>& map, CWorldObject* player)
{
    for (auto& [id, other] : map) {
        if (other->mActive && other->mId != toucher->mId)
            toucher->Interact(other);
    }
    if (player) {
        toucher->Interact(player);
        player->Interact(toucher);
    }
}

bool DrawnWhileTalking(int type)
{
    switch (type) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
    case 8:
    case 11:
    case 13:
    case 14:
    case 16:
    case 17:
    case 19:
    case 20:
        return true;
    default:
        return false;
    }
}

bool MovedWhileTalking(int type)
{
    switch (type) {
    case 4:
    case 6:
    case 7:
    case 8:
    case 11:
    case 14:
        return true;
    default:
        return false;
    }
}

}  // namespace

void CResourceManager::UpdateObjects()
{
    CWorldObject* player = Player();

    // Only what was filed before the walk: a shot launched or an object spawned by an update
    // starts moving in the next pass.
    std::vector<std::pair<int, CWorldObject*>> walk(mObjects.begin(), mObjects.end());
    for (const auto& [id, filed] : walk) {
        const auto it = mObjects.find(id);
        if (it == mObjects.end() || it->second != filed)
            continue;
        CWorldObject* object = it->second;
        if (!object) {
            mObjects.erase(it);
        } else if (object->mType == kTypeShot && !object->mActive) {
            mObjects.erase(it);
            DeleteObject(object);
        } else {
            object->Update();
            object->Render();
        }
    }

    if (TouchObjects(player))
        return;

    UpdateParticles();
    for (auto& [id, object] : mObjects)
        object->DrawRadar();

    UpdateRenderAndRadar(mWormholes);
    for (auto& [id, wormhole] : mWormholes) {
        if (!wormhole->mActive)
            continue;
        TouchAll(wormhole, mObjects, player);
        if (mNextSystem != 0) {
            EnterPendingSystem();
            return;
        }
    }

    // Suns push the player out, but not the objects of the object map.
    UpdateRenderAndRadar(mSuns);
    for (auto& [id, sun] : mSuns) {
        if (sun->mActive)
            TouchAll(sun, mSuns, player);
    }

    UpdateRenderAndRadar(mNebulae);
    for (auto& [id, nebula] : mNebulae) {
        if (nebula->mActive)
            TouchAll(nebula, mObjects, player);
    }

    UpdateParticles();
    for (auto& [id, object] : mObjects)
        object->DrawRadar();

    if (mPortalActive)
        UpdatePortal();
}

bool CResourceManager::TouchObjects(CWorldObject* player)
{
    return mObjects.size() >= mContactGridFrom ? TouchNearObjects(player) : TouchAllObjects(player);
}

bool CResourceManager::TouchPlayer(CWorldObject* a, CWorldObject* player)
{
    if (player)
        a->Interact(player);
    // A wormhole that a quest step put into the object map sent the player on.
    if (mNextSystem != 0) {
        EnterPendingSystem();
        return true;
    }
    if (player)
        player->Interact(a);
    return false;
}

bool CResourceManager::TouchAllObjects(CWorldObject* player)
{
    // The inner walk reads a flat copy of the map; an object filed or removed by an interaction
    // sends it back to the map, from the id it had reached, so the order stays the map's.
    std::vector<std::pair<int, CWorldObject*>> flat;
    for (auto& [idA, a] : mObjects) {
        if (flat.size() != mObjects.size())
            flat.assign(mObjects.begin(), mObjects.end());
        for (auto b = flat.begin(); b != flat.end(); ++b) {
            if (b->second != a && a->mActive && b->second->mActive)
                a->Interact(b->second);
            if (flat.size() != mObjects.size()) {
                for (auto rest = mObjects.upper_bound(b->first); rest != mObjects.end(); ++rest)
                    if (rest->second != a && a->mActive && rest->second->mActive)
                        a->Interact(rest->second);
                break;
            }
        }
        if (TouchPlayer(a, player))
            return true;
    }
    return false;
}

bool CResourceManager::TouchNearObjects(CWorldObject* player)
{
    // Each object is offered only the objects within its reach, in the map's order: the others
    // would turn it away at its first test. An object filed or removed by an interaction files the
    // map again and the walk goes on past the id it had reached.
    CContactGrid::Objects flat;
    CContactGrid grid;
    std::vector<size_t> near;
    auto indexOf = [&flat](int id) {
        return static_cast<size_t>(
            std::lower_bound(flat.begin(), flat.end(), id, [](const auto& entry, int key) { return entry.first < key; }) -
            flat.begin());
    };
    auto fileMap = [&] {
        flat.assign(mObjects.begin(), mObjects.end());
        grid.Build(flat);
    };
    auto nearPast = [&](size_t index, int afterId) {
        grid.Near(index, &near);
        near.erase(near.begin(), std::upper_bound(near.begin(), near.end(), afterId,
                                                  [&flat](int id, size_t i) { return id < flat[i].first; }));
    };
    for (auto& [idA, a] : mObjects) {
        if (flat.size() != mObjects.size())
            fileMap();
        size_t indexA = indexOf(idA);
        nearPast(indexA, std::numeric_limits<int>::min());
        for (size_t k = 0; k < near.size(); ++k) {
            const auto [idB, b] = flat[near[k]];
            if (b != a && a->mActive && b->mActive)
                a->Interact(b);
            if (flat.size() != mObjects.size()) {
                fileMap();
                indexA = indexOf(idA);
            } else {
                // Only a move of the toucher changes what lies within its reach.
                grid.Refile(near[k]);
                if (!grid.Refile(indexA))
                    continue;
            }
            nearPast(indexA, idB);
            k = static_cast<size_t>(-1);
        }
        if (TouchPlayer(a, player))
            return true;
        if (flat.size() == mObjects.size())
            grid.Refile(indexA);
    }
    return false;
}

void CResourceManager::EnterPendingSystem()
{
    const int system = mNextSystem;
    if (gFlightView)
        gFlightView->SetSystemBackdrop(system);
    else
        EnterSystem(system);
    if (gPlayerView)
        gPlayerView->BeginQuestSteps(mCurrentSystemId);
}

void CResourceManager::AnimateObjects()
{
    for (auto& [id, object] : mObjects) {
        if (DrawnWhileTalking(object->mType))
            object->Render();
        if (MovedWhileTalking(object->mType))
            object->Update();
    }
    for (auto& [id, wormhole] : mWormholes) {
        wormhole->Render();
        wormhole->Update();
    }
}
