// A quest step's construction, its beginning in its system and its conversation lines.
#include "quests/quest_step.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "quests/conversation_view.h"
#include "quests/quest_pilot.h"
#include "quests/step_objects.h"
#include "ui/flight_view.h"
#include "world/device_object.h"
#include "world/dock_view.h"
#include "world/goto_object.h"
#include "world/world_object.h"
#include "world/wormhole.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;

// Selected in the in-flight screen; the pilot points the arrow at what the step guides to.
void Select(CWorldObject* object)
{
    if (gFlightView)
        gFlightView->SetTarget(object);
}

}  // namespace

CQuestStep::CQuestStep(int questStepId) : mQuestStepId(questStepId)
{
    if (const QuestStepRecord* row = gGameDatabase.GetQuestStep(questStepId)) {
        mQuestId = row->quest_id;
        mQuestStepSequence = row->quest_step_sequence;
        mSystemId = row->system_id;
        mDeviceId = row->device_id;
        mConversation = row->conversation;
        mType = row->quest_step_type;
        CopyBounded(mBeginStepString, kQuestStepTextSize, row->begin_step_string);
        CopyBounded(mCompleteStepString, kQuestStepTextSize, row->complete_step_string);
        CopyBounded(mDisplayAlignment, kQuestStepKeywordSize, row->display_alignment);
        mTargetObjectId = row->target_object_id;
        mGoal = Vec3(row->x_pos, row->y_pos, kFlightPlaneZ);
        mMeshId = row->mesh_id;
        mCompoundType = row->compound_type;
        mCompoundAmount = row->compound_amount;
    }
    RowList<DisabledWormholeRow> closed;
    for (const DisabledWormholeRow* row : gGameDatabase.GetDisabledWormholes(closed, questStepId)) {
        mDisabledWormholes.push_back(row->wormhole_object_id);
        // No portal may lead around a closed wormhole; the next system entry opens it again.
        gResourceManager->mPortalAllowed = 0;
    }
}

void CQuestStep::BeginInSystem(int systemId)
{
    if (systemId == mSystemId || IsStepSystemHere(mSystemId))
        Begin();
}

void CQuestStep::Begin()
{
    if (!IsStepSystemHere(mSystemId) || mBegun)
        return;
    mBegun = true;
    gResourceManager->AddQuestStepObjects(mSystemId, mQuestStepId);
    BeginByType();
    // A conversation or interrupt without its speaker is over before it starts.
    if ((mType == kQuestStepConversation || mType == kQuestStepInterrupt) && mStatus == 1)
        return;
    ShowBeginText();
}

void CQuestStep::BeginByType()
{
    switch (mType) {
    case kQuestStepKillEnemy:
        TrackEnemies();
        break;
    case kQuestStepAssassinate:
        if (CWorldObject* target = FindStepObject(mTargetObjectId)) {
            mTargetId = mTargetObjectId;
            MarkQuestTarget(target);
        }
        break;
    case kQuestStepGoto: {
        auto* marker = new CGotoObject(mGoal.x, mGoal.y);
        mGotoMarkerId = marker->mId;
        if (!gResourceManager->AddObject(marker))
            mGotoMarkerId = 0;
        break;
    }
    case kQuestStepAcquire:
        if (PilotCarriesDevice(mDeviceId)) {
            Complete();
            if (gFlightView)
                gFlightView->CloseHail();
        }
        for (auto& [id, object] : gResourceManager->mObjects) {
            if (object->mType != kTypeDeviceObject || static_cast<CDeviceObject*>(object)->mDeviceId != mDeviceId)
                continue;
            if (mStatus == 1) {
                ClearQuestMarker(object);
                object->mActive = 0;
            } else {
                mTargetId = id;
                MarkQuestTarget(object);
            }
        }
        break;
    case kQuestStepEscort:
        if (CWorldObject* talker = FindStepObject(mTargetObjectId)) {
            mTalkerId = mTargetObjectId;
            MarkQuestTarget(talker);
        }
        break;
    case kQuestStepDefendFrom:
        // What the step defends is its target; the step's own ships of another side attack it.
        if (CWorldObject* defended = FindStepObject(mTargetObjectId)) {
            mTalkerId = mTargetObjectId;
            mDefended[mDefendedCount++] = mTargetObjectId;
            MarkQuestTarget(defended);
        }
        TrackEnemies();
        break;
    case kQuestStepConversation: {
        CWorldObject* talker = FindStepObject(mTargetObjectId);
        if (!IsLive(talker)) {
            mStatus = 1;
            break;
        }
        mTalkerId = mTargetObjectId;
        MarkQuestTarget(talker);
        break;
    }
    case kQuestStepInterrupt:
        if (!IsLive(FindStepObject(mTargetObjectId)))
            mStatus = 1;
        break;
    case kQuestStepDock: {
        CWorldObject* station = FindStepObject(mTargetObjectId);
        auto* dock = dynamic_cast<CDockView*>(station);
        if (!dock)
            break;
        mStationId = mTargetObjectId;
        dock->SetPendingHail(mQuestStepId, mDisplayAlignment);
        // The station shows the conversation when the player docks.
        mConversationLines.clear();
        mConversationLineCount = 0;
        MarkQuestTarget(station);
        Select(station);
        break;
    }
    case kQuestStepJump: {
        CWorldObject* object = FindStepObject(mTargetObjectId);
        if (!object || object->mType != kTypeWormhole)
            break;
        mWormholeId = mTargetObjectId;
        static_cast<CWormhole*>(object)->mJumping = 0;
        MarkQuestTarget(object);
        break;
    }
    default:
        break;
    }
}

void CQuestStep::TrackEnemies()
{
    RowList<ShipObjectIdRow> rows;
    std::vector<int> ids;
    const int affiliate = gQuestPilot ? gQuestPilot->Affiliate() : 0;
    // Only the first rows are tracked; a later row never stands in for one missing from the world.
    for (const ShipObjectIdRow* row : gGameDatabase.GetEnemyShipIds(rows, mSystemId, mQuestStepId, affiliate)) {
        if (ids.size() == static_cast<size_t>(kQuestStepObjectLimit))
            break;
        ids.push_back(row->object_id);
    }
    for (int id : ids) {
        CWorldObject* enemy = id != mTargetObjectId ? FindStepObject(id) : nullptr;
        if (!enemy)
            continue;
        mEnemies[mEnemyCount++] = id;
        Select(enemy);
        MarkQuestTarget(enemy);
    }
}

void CQuestStep::ShowBeginText()
{
    if (mBeginStepString[0] == '\0' || mBeginTextShown)
        return;
    mBeginTextShown = true;
    if (gFlightView)
        gFlightView->ShowCenterMessage(mBeginStepString);
    if (mType == kQuestStepInterrupt) {
        // With nothing to say the screen stays shut and the step ends at its next test.
        if (!gConversationView || GetConversationLineCount() == 0)
            return;
        if (CWorldObject* speaker = FindStepObject(mTargetObjectId))
            gConversationView->SetUpCamera(speaker);
        gConversationView->Start(mQuestStepId, mDisplayAlignment);
        gConversationView->Open();
        return;
    }
    if (mType != kQuestStepConversation && !mConversation)
        return;
    if (gFlightView) {
        gFlightView->SetTarget(FindStepObject(mTalkerId));
        gFlightView->CloseHail();
    }
    if (CWorldObject* talker = FindStepObject(mTargetObjectId); IsLive(talker))
        Select(talker);
    LoadConversation();
    std::vector<const char*> lines;
    for (const ConversationLine& line : mConversationLines)
        lines.push_back(line.line.c_str());
    if (gFlightView)
        gFlightView->Hail(lines.data(), static_cast<int>(lines.size()), mDisplayAlignment);
}

std::vector<ConversationLine> CQuestStep::LoadConversation()
{
    const bool talks = mType == kQuestStepConversation || mType == kQuestStepDock ||
                       mType == kQuestStepInterrupt || mConversation;
    if (talks) {
        mConversationLines.clear();
        RowList<ConversationLineRow> rows;
        for (const ConversationLineRow* row : gGameDatabase.GetConversation(rows, mQuestStepId, 1))
            mConversationLines.push_back(ConversationLine{row->feed, row->line});
        mConversationLineCount = static_cast<int>(mConversationLines.size());
    }
    return mConversationLines;
}

int CQuestStep::GetConversationLineCount()
{
    if (mConversationLineCount == 0)
        LoadConversation();
    return mConversationLineCount;
}
