// The player ship as the world sees it: what system entry, the world pass and the portal ask
// of the pilot. The player ship implements it; gPlayerView is that ship while a pilot exists and
// null before, when the world runs as with no player (no contacts, visits or quests).
#pragma once

#include <vector>

#include "core/vec3.h"

class CWorldObject;

class CPlayerView {
public:
    virtual ~CPlayerView() = default;

    // The ship itself; the world recognises the player by this pointer, never by its id.
    virtual CWorldObject* Ship() = 0;
    // Appends the system to the visited systems unless it is there already.
    virtual void AddVisitedSystem(int systemId) = 0;
    // The ids of the current steps of the active quests that still have a step to run.
    virtual std::vector<int> CurrentQuestSteps() = 0;
    // Forgets the selected target and the guide target, which the world is about to delete.
    virtual void ClearTargets() = 0;
    // The world is about to delete the object: whichever target points at it is forgotten.
    virtual void ForgetObject(const CWorldObject* object) = 0;
    // Forgets the charge shot the ship holds.
    virtual void ClearChargeShot() = 0;
    // Speed 0 and, with an engine, thrust 0: the ship arrives at rest.
    virtual void StopForTrip() = 0;
    virtual void UpdateQuests() = 0;
    // Every active quest learns that the system was entered.
    virtual void BeginQuestSteps(int systemId) = 0;
    // The pilot's level, which scales what hazards deal and whether they pay.
    virtual int Level() = 0;
    virtual void AddExperience(int experience) = 0;
    // Builds the device and carries it when a carried-device place is free; false, with
    // nothing built, when there is no room or the device cannot be built.
    virtual bool TakeDevice(int deviceId) = 0;
    // Docked: the save point and its system become these, and the engine's energy is full.
    virtual void DockAt(const Vec3& savePoint, int systemId) = 0;
    // Writes the pilot to the save database.
    virtual void Save() = 0;
};

extern CPlayerView* gPlayerView;
