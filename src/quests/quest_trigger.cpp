// When a quest trigger offers its quest.
#include "quests/quest_trigger.h"

#include <vector>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "quests/quest_pilot.h"
#include "world/player_view.h"
#include "world/world_object.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;

bool Completed(int questId)
{
    return gQuestPilot->CompletedQuests().count(questId) != 0;
}

bool Within(const Vec3& point, float distanceSq)
{
    CWorldObject* ship = gPlayerView ? gPlayerView->Ship() : nullptr;
    return ship && Vec3LengthSq(Vec3::Difference(ship->mPosition, point)) <= distanceSq;
}

}  // namespace

CQuestTrigger::CQuestTrigger(int questTriggerId) : mQuestTriggerId(questTriggerId)
{
    const QuestTriggerRecord* row = gGameDatabase.GetQuestTrigger(questTriggerId);
    if (!row)
        return;
    mQuestId = row->quest_id;
    mSystemId = row->system_id;
    mType = row->quest_trigger_type;
    mPoint = Vec3(row->x_pos, row->y_pos, kFlightPlaneZ);
    mDistance = row->distance;
    mDistanceSq = mDistance * mDistance;
    mDeviceId = row->device_id;
    mObjectId = row->object_id;
    mPrereqQuestId = row->prereq_quest_id;
    mRemoveQuestId = row->remove_quest_id;
}

bool CQuestTrigger::IsSatisfied() const
{
    if (!gQuestPilot || mQuestId == 0)
        return false;
    if (Completed(mQuestId) || (mRemoveQuestId != 0 && Completed(mRemoveQuestId)))
        return false;
    if (gQuestPilot->ActiveQuests().count(mQuestId) != 0)
        return false;
    if (mSystemId != gResourceManager->mCurrentSystemId)
        return false;
    switch (mType) {
    case kQuestTriggerEnter:
        return mPrereqQuestId == 0 || Completed(mPrereqQuestId);
    case kQuestTriggerPosition:
        return Within(mPoint, mDistanceSq);
    case kQuestTriggerProximity: {
        const CWorldObject* object = gResourceManager->FindObject(mObjectId);
        return object && Within(object->mPosition, mDistanceSq);
    }
    case kQuestTriggerDevice:
        return PilotCarriesDevice(mDeviceId);
    default:
        return false;
    }
}

bool CQuestTrigger::OpensTheBoard() const
{
    if (!gQuestPilot || (mRemoveQuestId != 0 && Completed(mRemoveQuestId)))
        return false;
    return mType != kQuestTriggerDevice || PilotCarriesDevice(mDeviceId);
}

bool BoardOffersQuest(int questId)
{
    if (!gQuestPilot)
        return false;
    RowList<QuestTriggerIdRow> rows;
    std::vector<int> ids;
    for (const QuestTriggerIdRow* row : gGameDatabase.GetTriggersOfQuest(rows, questId))
        ids.push_back(row->quest_trigger_id);
    if (ids.empty())
        return true;
    for (int id : ids) {
        if (CQuestTrigger(id).OpensTheBoard())
            return true;
    }
    return false;
}
