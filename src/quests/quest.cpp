// A quest's construction from its rows and the update that walks it through its steps.
#include "quests/quest.h"

#include <algorithm>
#include <string>

#include "core/message_log.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "quests/quest_pilot.h"
#include "quests/quest_step.h"
#include "ui/flight_view.h"
#include "world/world_object.h"

namespace {

constexpr int kStepDoneSound = 402;

}  // namespace

CQuest::CQuest(int questId) : mQuestId(questId)
{
    if (const QuestRecord* row = gGameDatabase.GetQuest(questId)) {
        mExperienceReward = row->experience_reward;
        mCreditReward = row->credit_reward;
        mMinLevel = row->min_level;
        mMaxLevel = row->max_level;
        mPrereqQuestId = row->prereq_quest_id;
        CopyBounded(mAlignment, kQuestAlignmentSize, row->alignment);
        CopyBounded(mQuestName, kQuestNameSize, row->quest_name);
        CopyBounded(mCompleteQuestString, kQuestCompleteTextSize, row->complete_quest_string);
        mTargetMeshId = row->target_mesh_id;
    }
    // Copied first: each step runs queries of its own.
    std::vector<int> stepIds;
    RowList<QuestStepIdRow> steps;
    for (const QuestStepIdRow* row : gGameDatabase.GetQuestStepIds(steps, questId))
        stepIds.push_back(row->quest_step_id);
    for (int stepId : stepIds) {
        if (mStepCount == kQuestStepLimit)
            break;
        mSteps[mStepCount++] = new CQuestStep(stepId);
    }
    RowList<QuestLineRow> lines;
    for (const QuestLineRow* row : gGameDatabase.GetQuestDescription(lines, questId)) {
        if (mDescriptionLineCount == kQuestDescriptionLineLimit)
            break;
        CopyBounded(mDescription[mDescriptionLineCount++], kQuestDescriptionLineSize, row->line);
    }
}

CQuest::~CQuest()
{
    for (int i = 0; i < mStepCount; ++i)
        delete mSteps[i];
}

int CQuest::MissingStep() const
{
    int expected = 1;
    for (int i = 0; i < mStepCount; ++i) {
        if (mSteps[i]->mQuestStepSequence > expected)
            return expected;
        expected = std::max(expected, mSteps[i]->mQuestStepSequence + 1);
    }
    // Without a step a quest would complete and pay the moment it starts.
    return mStepCount == 0 ? 1 : 0;
}

void CQuest::Start()
{
    // Steps run in sequence order; one left out would leave what follows it waiting for ever.
    if (const int missing = MissingStep()) {
        if (mState != kQuestFailed)
            os::PostFailureQuit("no step %d of quest %d: its steps are numbered from 1 without a gap", missing,
                                mQuestId);
        mState = kQuestFailed;
        return;
    }
    mCurrentStep = 0;
    if (mStepCount > 0)
        mSteps[0]->Begin();
}

void CQuest::OnEnterSystem(int systemId)
{
    if (mCurrentStep < mStepCount)
        mSteps[mCurrentStep]->BeginInSystem(systemId);
}

int CQuest::Update()
{
    if (mState != kQuestRunning) {
        ShowEndMessage();
        return mState;
    }
    if (mCurrentStep >= mStepCount) {
        mState = kQuestComplete;
        ShowEndMessage();
        return mState;
    }
    CQuestStep* step = mSteps[mCurrentStep];
    const int status = step->IsComplete();
    if (status == 0)
        return kQuestRunning;
    if (status < 0) {
        mState = kQuestFailed;
        ShowEndMessage();
        // The centre message passes; the log keeps which mission left the mission log.
        PostFlightMessage(std::string("Mission failed: ") + mQuestName);
        return mState;
    }
    if (step->mType == kQuestStepAcquire) {
        // A step that names a device asks for the device alone.
        if (step->mDeviceId != 0) {
            mDevicesToTake.push_back(step->mDeviceId);
        } else if (step->mCompoundAmount > 0) {
            mCompoundClassToTake = step->mCompoundType;
            mCompoundAmountToTake = step->mCompoundAmount;
        }
    }
    if (mCurrentStep >= mStepCount - 1) {
        Complete();
        return mState;
    }
    CQuestStep* next = mSteps[++mCurrentStep];
    next->Begin();
    if (!next->mConversation)
        gResourceManager->PlaySoundAt(SoundRequest{kStepDoneSound, &gZeroVector});
    return kQuestRunning;
}

void CQuest::Complete()
{
    mState = kQuestComplete;
    ShowEndMessage();
    TakeAcquiredGoods();
    PostFlightMessage(mCompleteQuestString);
}

void CQuest::TakeAcquiredGoods()
{
    if (!gQuestPilot)
        return;
    if (mCompoundAmountToTake > 0)
        gQuestPilot->TakeCompounds(mCompoundClassToTake, mCompoundAmountToTake);
    mCompoundClassToTake = 0;
    mCompoundAmountToTake = 0;
    for (int deviceId : mDevicesToTake) {
        // The slot after a removed one is not tested again, so a second copy that moved into
        // the emptied place stays with the pilot.
        for (int slot = 0; gQuestPilot->CarriedDeviceId(slot) != 0; ++slot) {
            if (gQuestPilot->CarriedDeviceId(slot) == deviceId)
                gQuestPilot->RemoveCarriedDevice(slot);
        }
    }
}

void CQuest::ShowEndMessage() const
{
    if (!gFlightView)
        return;
    if (mState == kQuestFailed)
        gFlightView->ShowCenterMessage("Mission Failed");
    else if (gGameDatabase.GetNextQuestId(mQuestId) != 0)
        gFlightView->ShowCenterMessage("");
    else
        gFlightView->ShowCenterMessage("Mission Complete");
}

int CQuest::LoadFinalConversation()
{
    if (mStepCount == 0)
        return 0;
    mSteps[mStepCount - 1]->LoadConversation();
    return mSteps[mStepCount - 1]->GetConversationLineCount();
}

int CQuest::ReadState() const
{
    if (mState != kQuestRunning)
        return mState;
    const CQuestStep* step = CurrentStep();
    if (!step)
        return kQuestComplete;
    if (step->mStatus < 0)
        return kQuestFailed;
    return step->mStatus > 0 && mCurrentStep == mStepCount - 1 ? kQuestComplete : kQuestRunning;
}

CQuestStep* CQuest::CurrentStep() const
{
    return Step(mCurrentStep);
}

CQuestStep* CQuest::Step(int index) const
{
    return index >= 0 && index < mStepCount ? mSteps[index] : nullptr;
}
