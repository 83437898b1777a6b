// The quest code's answer to the world's questions on entering a system: which state of the
// system to build, and which quest triggers wait there.
#pragma once

#include "world/trigger_source.h"

class CQuestTriggerSource : public CTriggerSource {
public:
    bool StateTriggerHolds(int stateTriggerId, int* newSystemId) override;
    // Only the triggers of quests offered to the pilot's alignment; none without a pilot.
    void AppendQuestTriggers(int systemId, std::list<CQuestTrigger*>& triggers) override;
    int OfferedQuest(CQuestTrigger* trigger) override;
    void DeleteQuestTrigger(CQuestTrigger* trigger) override;
};

extern CQuestTriggerSource gQuestTriggerSource;
