// What the rest of the game asks of the world: objects by id, the nearest of a kind, the object
// under a point, the obstacle on a path, the quest a trigger offers.
#include "engine/resource_manager.h"
#include "world/player_view.h"
#include "world/trigger_source.h"
#include "world/world_object.h"

namespace {

// Obstacles whose centre is this far (squared) from the start or farther are not reported.
constexpr float kObstacleReachSq = 1000.0f;

float DistanceSq(const Vec3& a, const Vec3& b)
{
    return Vec3LengthSq(Vec3::Difference(a, b));
}

// Keeps the first candidate and replaces it only by a strictly nearer one, so ties go to the
// earlier (lower) id.
void Consider(CWorldObject* candidate, const Vec3& from, CWorldObject*& nearest, float& nearestSq)
{
    const float d = DistanceSq(candidate->mPosition, from);
    if (!nearest || d < nearestSq) {
        nearest = candidate;
        nearestSq = d;
    }
}

CWorldObject* PickFrom(const std::map<int, CWorldObject*>& map, const Vec3& point)
{
    for (auto it = map.rbegin(); it != map.rend(); ++it) {
        CWorldObject* object = it->second;
        if (object && object->mActive && DistanceSq(object->mPosition, point) <= object->mSize * object->mSize)
            return object;
    }
    return nullptr;
}

}  // namespace

CWorldObject* CResourceManager::FindObject(int objectId)
{
    for (auto* map : {&mObjects, &mWormholes, &mSuns}) {
        auto it = map->find(objectId);
        if (it != map->end())
            return it->second;
    }
    return nullptr;
}

CLeadShipAI* CResourceManager::FindLeadShip(int leadId)
{
    auto it = mLeadShips.find(leadId);
    return it == mLeadShips.end() ? nullptr : it->second;
}

void CResourceManager::RegisterLeadShip(CLeadShipAI* ship, int leadId)
{
    mLeadShips[leadId] = ship;
}

float CResourceManager::FindNearestResource(CWorldObject*& nearest)
{
    nearest = nullptr;
    float nearestSq = 0.0f;
    CWorldObject* player = gPlayerView ? gPlayerView->Ship() : nullptr;
    if (!player)
        return 0.0f;
    for (auto& [id, object] : mObjects) {
        if (object && object->mType == kTypeResource)
            Consider(object, player->mPosition, nearest, nearestSq);
    }
    return nearestSq;
}

float CResourceManager::FindNearestEnemyShip(CWorldObject* asker, CWorldObject*& nearest)
{
    nearest = nullptr;
    float nearestSq = 0.0f;
    auto hostile = [asker](CWorldObject* ship) {
        return ship->mAffiliate != asker->mAffiliate && ship->mVisible && ship->mActive;
    };
    for (auto& [id, object] : mObjects) {
        if (object && (object->mType == kTypeLeadShip || object->mType == kTypeWingman) && hostile(object))
            Consider(object, asker->mPosition, nearest, nearestSq);
    }
    CWorldObject* player = gPlayerView ? gPlayerView->Ship() : nullptr;
    if (player && hostile(player))
        Consider(player, asker->mPosition, nearest, nearestSq);
    return nearestSq;
}

float CResourceManager::FindNearestEnemyOutpost(CWorldObject* asker, CWorldObject*& nearest)
{
    nearest = nullptr;
    float nearestSq = 0.0f;
    for (auto& [id, object] : mObjects) {
        if (object && object->mType == kTypeOutpost && object->mAffiliate != asker->mAffiliate && object->mVisible &&
            object->mActive)
            Consider(object, asker->mPosition, nearest, nearestSq);
    }
    return nearestSq;
}

CWorldObject* CResourceManager::FindObjectAt(const Vec3* point)
{
    if (CWorldObject* object = PickFrom(mObjects, *point))
        return object;
    return PickFrom(mWormholes, *point);
}

CWorldObject* CResourceManager::FindBlockingObstacle(Vec3 start, Vec3 end, CWorldObject* ship)
{
    CWorldObject* best = nullptr;
    float bestSq = kObstacleReachSq;
    for (auto& [id, object] : mObjects) {
        if (!object || (object->mType != kTypePlanet && object->mType != kTypeOrbit && object->mType != kTypeScaffold))
            continue;
        if (!object->HitTestSegment(&start, &end, ship->mSize))
            continue;
        const float d = DistanceSq(start, object->mPosition);
        if (d < bestSq) {
            best = object;
            bestSq = d;
        }
    }
    return best;
}

int CResourceManager::TakeAvailableQuest()
{
    if (!gTriggerSource)
        return 0;
    for (auto it = mPendingQuestTriggers.begin(); it != mPendingQuestTriggers.end(); ++it) {
        const int questId = gTriggerSource->OfferedQuest(*it);
        if (questId == 0)
            continue;
        gTriggerSource->DeleteQuestTrigger(*it);
        mPendingQuestTriggers.erase(it);
        mPendingQuestTrigger = mPendingQuestTriggers.end();
        return questId;
    }
    return 0;
}
