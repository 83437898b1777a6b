// Temporary object ids for objects made at run time.
#include "engine/resource_manager.h"

namespace {

constexpr int kTempIdBase = 100000;
constexpr int kTempIdCount = 1000;

}  // namespace

bool CResourceManager::IdInUse(int id) const
{
    return mObjects.count(id) || mNebulae.count(id) || mWormholes.count(id) || mSuns.count(id);
}

bool CResourceManager::IsTempObjectId(int id)
{
    return id > kTempIdBase && id <= kTempIdBase + kTempIdCount;
}

int CResourceManager::NextTempObjectId()
{
    int id = 0;
    // With all thousand in use the last one tried comes back, and filing refuses it.
    for (int tries = 0; tries < kTempIdCount; ++tries) {
        if (--mTempIdCounter < 1)
            mTempIdCounter = kTempIdCount;
        id = kTempIdBase + mTempIdCounter;
        if (!IdInUse(id))
            break;
    }
    return id;
}
