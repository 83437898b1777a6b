// The triggers the world builds when it enters a system.
#include "quests/quest_trigger_source.h"

#include <vector>

#include "db/game_database.h"
#include "quests/quest_pilot.h"
#include "quests/quest_trigger.h"
#include "quests/state_trigger.h"

bool CQuestTriggerSource::StateTriggerHolds(int stateTriggerId, int* newSystemId)
{
    const CStateTrigger trigger(stateTriggerId);
    if (!trigger.IsSatisfied())
        return false;
    *newSystemId = trigger.mNewSystemId;
    return true;
}

void CQuestTriggerSource::AppendQuestTriggers(int systemId, std::list<CQuestTrigger*>& triggers)
{
    if (!gQuestPilot)
        return;
    RowList<QuestTriggerIdRow> rows;
    std::vector<int> ids;
    for (const QuestTriggerIdRow* row : gGameDatabase.GetQuestTriggerIds(rows, systemId, gQuestPilot->AlignmentText()))
        ids.push_back(row->quest_trigger_id);
    for (int id : ids)
        triggers.push_back(new CQuestTrigger(id));
}

int CQuestTriggerSource::OfferedQuest(CQuestTrigger* trigger)
{
    return trigger && trigger->IsSatisfied() ? trigger->mQuestId : 0;
}

void CQuestTriggerSource::DeleteQuestTrigger(CQuestTrigger* trigger)
{
    delete trigger;
}
