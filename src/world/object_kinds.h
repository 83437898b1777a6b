// The kind table: every kind of placed object with the query that lists a system's objects of
// it, the factory that builds one from its object id and the map that receives it.
#pragma once

#include <cstdint>

#include "db/game_database.h"

class CWorldObject;
struct Vec3;

// The map of CResourceManager that receives a kind's placed objects.
enum class KindMap {
    kObjects,
    kWormholes,
    kNebulae,
    // The sun map for a planet whose sun flag is set, else the object map.
    kSunsOrObjects,
};

using ObjectIdQuery = RowList<ObjectIdRow>& (CGameDatabase::*)(RowList<ObjectIdRow>&, int32_t, int32_t);

struct ObjectKind {
    // For the log: "planet", "station".
    const char* name;
    ObjectIdQuery ids;
    // Builds the object of the content row with that object id.
    CWorldObject* (*make)(int objectId);
    KindMap map;
    // Told of every object of the kind that was filed, with its id row; may be null.
    void (*filed)(CWorldObject* object, const ObjectIdRow& row);
    // Forgets what the objects of the kind share across a system visit; may be null.
    void (*leaveSystem)();
};

// The kinds in the order system entry builds them.
enum ObjectKindId {
    kKindWormhole,
    kKindFountain,
    kKindVortex,
    kKindPhantom,
    kKindOutpost,
    kKindMine,
    kKindResource,
    kKindGoto,
    kKindOrbit,
    kKindDeviceObject,
    kKindHealth,
    kKindPlanet,
    kKindLeadShip,
    kKindWingman,
    kKindStation,
    kKindScaffold,
    kKindNebula,
    kObjectKindCount
};

extern ObjectKind gObjectKinds[kObjectKindCount];

// The kinds a quest step adds, in the order it adds them; all go into the object map.
constexpr int kQuestStepKindCount = 11;
extern const ObjectKindId kQuestStepKinds[kQuestStepKindCount];

// The forms made while the player flies (dropped, spilled, left behind). Each takes a temporary
// id. Tests put their own makers in place.
struct SpawnKinds {
    CWorldObject* (*resource)(int compoundClass, int amount, const Vec3& position);
    CWorldObject* (*deviceObject)(int deviceId, const Vec3& position);
    CWorldObject* (*health)(int repairPercentage, const Vec3& position);
};

extern SpawnKinds gSpawnKinds;

// The computer ships' rows, which the ship folder defines: the factories, the filing that
// indexes a lead ship by its lead id, and forgetting the search results each class shares.
CWorldObject* MakeLeadShip(int objectId);
CWorldObject* MakeWingman(int objectId);
void FileLeadShip(CWorldObject* object, const ObjectIdRow& row);
void ForgetLeadShipSearch();
void ForgetWingmanSearch();
