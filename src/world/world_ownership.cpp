// Who owns the world's objects: the four maps and the other players' ships elsewhere. Filing
// and the final deletion.
#include "engine/resource_manager.h"
#include "world/object_kinds.h"
#include "world/player_view.h"
#include "world/trigger_source.h"
#include "world/world_object.h"

namespace {

void DeleteAll(std::map<int, CWorldObject*>& map)
{
    for (auto& [id, object] : map)
        delete object;
    map.clear();
}

}  // namespace

bool CResourceManager::FileObject(std::map<int, CWorldObject*>& map, CWorldObject* object)
{
    if (!object)
        return false;
    // A live object is never replaced: whatever points at it by id still finds it.
    if (!map.emplace(object->mId, object).second) {
        delete object;
        return false;
    }
    return true;
}

void CResourceManager::DeleteObject(CWorldObject* object)
{
    if (gPlayerView)
        gPlayerView->ForgetObject(object);
    delete object;
}

void CResourceManager::DeleteWorldObjects()
{
    // Nothing may point at the objects that are about to go.
    if (gPlayerView)
        gPlayerView->ClearTargets();
    for (const ObjectKind& kind : gObjectKinds) {
        if (kind.leaveSystem)
            kind.leaveSystem();
    }
    DeleteAll(mObjects);
    mLeadShips.clear();
    DeleteAll(mNebulae);
    DeleteAll(mWormholes);
    DeleteAll(mSuns);
    DeleteAll(mElsewhere);
    mOtherPlayers.clear();
    for (CQuestTrigger* trigger : mPendingQuestTriggers) {
        if (gTriggerSource)
            gTriggerSource->DeleteQuestTrigger(trigger);
    }
    mPendingQuestTriggers.clear();
    mPendingQuestTrigger = mPendingQuestTriggers.end();
}
