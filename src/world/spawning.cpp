// Objects made while the player flies: spilled compounds, dropped devices, repair pickups. One
// counter caps all three kinds per system visit, and it counts refused spawns too.
#include "engine/resource_manager.h"
#include "world/object_kinds.h"
#include "world/world_object.h"

namespace {

constexpr int kResourceCap = 20;
constexpr int kPickupCap = 10;

}  // namespace

bool CResourceManager::TakeSpawnSlot(int cap)
{
    return mSpawnCounter++ <= cap;
}

void CResourceManager::SpawnResource(int compoundClass, int amount, float x, float y, float z)
{
    if (!TakeSpawnSlot(kResourceCap))
        return;
    FileObject(mObjects, gSpawnKinds.resource(compoundClass, amount, Vec3(x, y, z)));
}

void CResourceManager::SpawnDeviceObject(int deviceId, float x, float y, float z)
{
    if (!TakeSpawnSlot(kPickupCap))
        return;
    FileObject(mObjects, gSpawnKinds.deviceObject(deviceId, Vec3(x, y, z)));
}

void CResourceManager::SpawnHealthObject(int repairPercentage, float x, float y, float z)
{
    if (!TakeSpawnSlot(kPickupCap))
        return;
    FileObject(mObjects, gSpawnKinds.health(repairPercentage, Vec3(x, y, z)));
}

bool CResourceManager::AddObject(CWorldObject* object)
{
    return FileObject(mObjects, object);
}
