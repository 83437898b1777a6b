// How quest steps find the world objects they keep by id: the world owns the objects and may
// have deleted them since.
#pragma once

#include "engine/resource_manager.h"
#include "world/world_object.h"

// The object of that id in the current system; null for id 0 or an object that is gone.
inline CWorldObject* FindStepObject(int objectId)
{
    return objectId != 0 ? gResourceManager->FindObject(objectId) : nullptr;
}

// The step's system is the one the player is in: the system itself, or the state it was entered in
// (a state trigger replaces the system by another row, and a mission of the place goes on there).
inline bool IsStepSystemHere(int systemId)
{
    return systemId == gResourceManager->mCurrentSystemId || systemId == gResourceManager->mPlaceSystemId;
}

// There, and neither destroyed nor collected.
inline bool IsLive(const CWorldObject* object)
{
    return object && object->mActive;
}
