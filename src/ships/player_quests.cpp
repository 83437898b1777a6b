// The pilot's quests: taking them, running them every tenth frame, paying for the finished ones,
// and what the quest code asks of the pilot's hold and carried devices.
#include <algorithm>

#include "engine/resource_manager.h"
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "ships/device_info.h"
#include "ships/player_ship.h"

void CPlayerShip::AcceptQuest(int questId)
{
    if (mActiveQuests.count(questId))
        return;
    auto* quest = new CQuest(questId);
    mActiveQuests[questId] = quest;
    quest->Start();
}

CQuest* CPlayerShip::FindQuest(int questId)
{
    for (const QuestMap* quests : {&mActiveQuests, &mCompletedQuests}) {
        const auto found = quests->find(questId);
        if (found != quests->end())
            return found->second;
    }
    return nullptr;
}

void CPlayerShip::DropActiveQuests()
{
    for (auto& [questId, quest] : mActiveQuests)
        delete quest;
    mActiveQuests.clear();
}

void CPlayerShip::DeleteQuests()
{
    DropActiveQuests();
    for (auto& [questId, quest] : mCompletedQuests)
        delete quest;
    mCompletedQuests.clear();
}

void CPlayerShip::UpdateQuests()
{
    RunQuests();
    PointTheArrow();
}

void CPlayerShip::RunQuests()
{
    // A quest a trigger offers is taken, and that is all for this pass.
    if (const int offered = gResourceManager->TakeAvailableQuest()) {
        AcceptQuest(offered);
        mActiveQuests[offered]->Start();
        return;
    }
    for (auto it = mActiveQuests.begin(); it != mActiveQuests.end(); ++it) {
        CQuest* quest = it->second;
        const int state = quest->Update();
        if (state == kQuestComplete) {
            mActiveQuests.erase(it);
            delete mCompletedQuests[quest->mQuestId];
            mCompletedQuests[quest->mQuestId] = quest;
            AddExperience(quest->mExperienceReward);
            AddCredits(quest->mCreditReward);
            return;
        }
        if (state == kQuestFailed) {
            mActiveQuests.erase(it);
            delete quest;
            return;
        }
    }
}

void CPlayerShip::PointTheArrow()
{
    mGuideTarget = nullptr;
    for (auto& [questId, quest] : mActiveQuests) {
        const CQuestStep* step = quest->mState == kQuestRunning ? quest->CurrentStep() : nullptr;
        if (CWorldObject* guide = step ? step->GuideObject() : nullptr) {
            mGuideTarget = guide;
            return;
        }
    }
}

void CPlayerShip::BeginQuestSteps(int systemId)
{
    for (auto& [questId, quest] : mActiveQuests)
        quest->OnEnterSystem(systemId);
}

std::vector<int> CPlayerShip::CurrentQuestSteps()
{
    std::vector<int> steps;
    for (auto& [questId, quest] : mActiveQuests) {
        if (const CQuestStep* step = quest->CurrentStep())
            steps.push_back(step->mQuestStepId);
    }
    return steps;
}

int CPlayerShip::CarriedDeviceId(int slot)
{
    if (slot < 0 || slot >= mCarriedCount || !mCarried[slot])
        return 0;
    return mCarried[slot]->mDeviceId;
}

void CPlayerShip::TakeCompounds(int compoundClass, int tons)
{
    if (compoundClass < 1 || compoundClass > kCompoundClassCount)
        return;
    int& held = mCompounds[compoundClass - 1];
    // Compounds sold since the step was done leave the hold empty, never below it.
    held = std::max(held - tons, 0);
}
