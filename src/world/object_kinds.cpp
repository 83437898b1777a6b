// The kind table as the game ships it.
#include "world/object_kinds.h"

#include "world/device_object.h"
#include "world/fountain.h"
#include "world/goto_object.h"
#include "world/health_object.h"
#include "world/mine.h"
#include "world/nebula.h"
#include "world/orbit_object.h"
#include "world/outpost.h"
#include "world/phantom.h"
#include "world/planet.h"
#include "world/resource_object.h"
#include "world/scaffold.h"
#include "world/station.h"
#include "world/vortex.h"
#include "world/wormhole.h"

ObjectKind gObjectKinds[kObjectKindCount] = {
    {"wormhole", &CGameDatabase::GetWormholeObjectIds, &MakeWormhole, KindMap::kWormholes, nullptr, nullptr},
    {"fountain", &CGameDatabase::GetFountainObjectIds, &MakeFountain, KindMap::kObjects, nullptr, nullptr},
    {"vortex", &CGameDatabase::GetVortexObjectIds, &MakeVortex, KindMap::kObjects, nullptr, nullptr},
    {"phantom", &CGameDatabase::GetPhantomObjectIds, &MakePhantom, KindMap::kObjects, nullptr, nullptr},
    {"outpost", &CGameDatabase::GetOutpostObjectIds, &MakeOutpost, KindMap::kObjects, nullptr, nullptr},
    {"mine", &CGameDatabase::GetMineObjectIds, &MakeMine, KindMap::kObjects, nullptr, nullptr},
    {"resource", &CGameDatabase::GetResourceObjectIds, &MakeResource, KindMap::kObjects, nullptr, nullptr},
    {"goto marker", &CGameDatabase::GetGotoObjectIds, &MakeGotoObject, KindMap::kObjects, nullptr, nullptr},
    {"orbit object", &CGameDatabase::GetOrbitObjectIds, &MakeOrbitObject, KindMap::kObjects, nullptr, nullptr},
    {"device object", &CGameDatabase::GetDeviceObjectIds, &MakeDeviceObject, KindMap::kObjects, nullptr, nullptr},
    {"health object", &CGameDatabase::GetHealthObjectIds, &MakeHealthObject, KindMap::kObjects, nullptr, nullptr},
    {"planet", &CGameDatabase::GetPlanetObjectIds, &MakePlanet, KindMap::kSunsOrObjects, nullptr, nullptr},
    {"lead computer ship", &CGameDatabase::GetLeadShipAIIds, &MakeLeadShip, KindMap::kObjects, &FileLeadShip,
     &ForgetLeadShipSearch},
    {"computer wingman", &CGameDatabase::GetShipAIIds, &MakeWingman, KindMap::kObjects, nullptr, &ForgetWingmanSearch},
    {"station", &CGameDatabase::GetStationObjectIds, &MakeStation, KindMap::kObjects, nullptr, nullptr},
    {"scaffold", &CGameDatabase::GetScaffoldObjectIds, &MakeScaffold, KindMap::kObjects, nullptr, nullptr},
    {"nebula", &CGameDatabase::GetNebulaObjectIds, &MakeNebula, KindMap::kNebulae, nullptr, nullptr},
};

const ObjectKindId kQuestStepKinds[kQuestStepKindCount] = {
    kKindLeadShip, kKindWingman,  kKindGoto,  kKindHealth, kKindDeviceObject, kKindScaffold,
    kKindWormhole, kKindResource, kKindOrbit, kKindPlanet, kKindPhantom,
};

SpawnKinds gSpawnKinds = {&SpawnResourceObject, &SpawnDeviceObject, &SpawnHealthObject};
