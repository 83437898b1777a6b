// The quest code as the world sees it when a system is entered: the state triggers that may
// swap the system for another state of it, and the quest triggers that offer quests while the
// player is there. The quest code implements it; gTriggerSource is null until it exists, and
// the world then reads no trigger.
#pragma once

#include <list>

class CQuestTrigger;

class CTriggerSource {
public:
    virtual ~CTriggerSource() = default;

    // Builds the state trigger of that id and tests it; when it holds, its new system id goes
    // into newSystemId and the answer is true. The trigger is gone after the test.
    virtual bool StateTriggerHolds(int stateTriggerId, int* newSystemId) = 0;
    // Appends a new trigger for each quest trigger of the system, in row order. The world owns
    // them and gives each back through DeleteQuestTrigger.
    virtual void AppendQuestTriggers(int systemId, std::list<CQuestTrigger*>& triggers) = 0;
    // The quest the trigger offers now, or 0 while its condition does not hold.
    virtual int OfferedQuest(CQuestTrigger* trigger) = 0;
    virtual void DeleteQuestTrigger(CQuestTrigger* trigger) = 0;
};

extern CTriggerSource* gTriggerSource;
