// Who owns the world's objects: the four maps and the other players' ships elsewhere. Filing and the final deletion.
#include "engine/resource_manager.h"
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

void CResourceManager::DeleteWorldObjects()
{
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
