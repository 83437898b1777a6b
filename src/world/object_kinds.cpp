// The kind table as the game ships it.
#include "world/object_kinds.h"

#include "world/nebula.h"
#include "world/orbit_object.h"
#include "world/phantom.h"
#include "world/planet.h"
#include "world/scaffold.h"
#include "world/vortex.h"

ObjectKind gObjectKinds[kObjectKindCount] = {
    {"wormhole", &CGameDatabase::GetWormholeObjectIds, nullptr, KindMap::kWormholes, nullptr, nullptr},
    {"fountain", &CGameDatabase::GetFountainObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"vortex", &CGameDatabase::GetVortexObjectIds, &MakeVortex, KindMap::kObjects, nullptr, nullptr},
    {"phantom", &CGameDatabase::GetPhantomObjectIds, &MakePhantom, KindMap::kObjects, nullptr, nullptr},
    {"outpost", &CGameDatabase::GetOutpostObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"mine", &CGameDatabase::GetMineObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"resource", &CGameDatabase::GetResourceObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"goto marker", &CGameDatabase::GetGotoObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"orbit object", &CGameDatabase::GetOrbitObjectIds, &MakeOrbitObject, KindMap::kObjects, nullptr, nullptr},
    {"device object", &CGameDatabase::GetDeviceObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"health object", &CGameDatabase::GetHealthObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"planet", &CGameDatabase::GetPlanetObjectIds, &MakePlanet, KindMap::kSunsOrObjects, nullptr, nullptr},
    {"lead computer ship", &CGameDatabase::GetLeadShipAIIds, &MakeLeadShip, KindMap::kObjects, &FileLeadShip,
     &ForgetLeadShipSearch},
    {"computer wingman", &CGameDatabase::GetShipAIIds, &MakeWingman, KindMap::kObjects, nullptr, &ForgetWingmanSearch},
    {"station", &CGameDatabase::GetStationObjectIds, nullptr, KindMap::kObjects, nullptr, nullptr},
    {"scaffold", &CGameDatabase::GetScaffoldObjectIds, &MakeScaffold, KindMap::kObjects, nullptr, nullptr},
    {"nebula", &CGameDatabase::GetNebulaObjectIds, &MakeNebula, KindMap::kNebulae, nullptr, nullptr},
};

const ObjectKindId kQuestStepKinds[kQuestStepKindCount] = {
    kKindLeadShip, kKindWingman,  kKindGoto,  kKindHealth, kKindDeviceObject, kKindScaffold,
    kKindWormhole, kKindResource, kKindOrbit, kKindPlanet, kKindPhantom,
};

SpawnKinds gSpawnKinds = {nullptr, nullptr, nullptr};
