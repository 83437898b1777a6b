// When a state trigger swaps a system for another state of it.
#include "quests/state_trigger.h"

#include "db/game_database.h"
#include "quests/quest.h"
#include "quests/quest_pilot.h"
#include "quests/quest_step.h"

CStateTrigger::CStateTrigger(int stateTriggerId) : mStateTriggerId(stateTriggerId)
{
    const StateTriggerRecord* row = gGameDatabase.GetStateTrigger(stateTriggerId);
    if (!row)
        return;
    mQuestId = row->quest_id;
    mQuestStepId = row->quest_step_id;
    mSystemId = row->system_id;
    mNewSystemId = row->new_system_id;
}

bool CStateTrigger::IsSatisfied() const
{
    if (!gQuestPilot || mQuestId == 0)
        return false;
    if (gQuestPilot->CompletedQuests().count(mQuestId) != 0)
        return true;
    const auto active = gQuestPilot->ActiveQuests().find(mQuestId);
    if (active == gQuestPilot->ActiveQuests().end())
        return false;
    const CQuestStep* step = active->second->CurrentStep();
    return step && step->mQuestStepId >= mQuestStepId;
}
