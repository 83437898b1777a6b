// The pilot as the quest code sees it: the two quest maps, the carried devices and cargo that
// steps and triggers test and take, and the selection a step keeps. The player ship implements
// it, and points the guide arrow itself; gQuestPilot is that ship while a pilot exists and null
// before, when no quest runs and no trigger holds.
#pragma once

#include <map>

class CQuest;
class CWorldObject;

// Quests by quest id; the map's owner deletes them.
using QuestMap = std::map<int, CQuest*>;

class CQuestPilot {
public:
    virtual ~CQuestPilot() = default;

    // The quests under way and the finished ones, both owned by the pilot.
    virtual const QuestMap& ActiveQuests() = 0;
    virtual const QuestMap& CompletedQuests() = 0;
    // The device id in the carried slot; 0 for an empty slot or one out of range.
    virtual int CarriedDeviceId(int slot) = 0;
    // Takes the device out of the slot and closes the gap.
    virtual void RemoveCarriedDevice(int slot) = 0;
    // Tons of the compound class (1 to 5) in the hold.
    virtual int CompoundAmount(int compoundClass) = 0;
    // Takes the tons from the hold, never leaving less than none.
    virtual void TakeCompounds(int compoundClass, int tons) = 0;
    // The pilot's Alignment, which decides the enemies of a step.
    virtual int Affiliate() = 0;
    // The hull's alignment keyword, which decides the quests offered.
    virtual const char* AlignmentText() = 0;
    // The in-flight screen's selected target; null = none.
    virtual CWorldObject* SelectedTarget() = 0;
};

extern CQuestPilot* gQuestPilot;

// True when one of the carried slots 0 to 9, up to the first empty one, holds the device; false
// without a pilot.
bool PilotCarriesDevice(int deviceId);
