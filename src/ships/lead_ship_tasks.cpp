// A lead ship's think: its task script, the threat step and the hail.
#include <string>
#include <vector>

#include "db/game_database.h"
#include "ships/lead_ship_ai.h"
#include "ships/player_ship.h"
#include "ui/flight_view.h"

namespace {
constexpr ThreatRules kLeadRules = {80, false};
}  // namespace

void CLeadShipAI::Think()
{
    if (!PickTask())
        return;
    if (!RunTask(*mCurrentTask))
        return;
    mEngaged = RunThreatStep(*this, mWeapons, mDistances, sSearch, kLeadRules) ? 1 : 0;
    if (mCurrentTask->mDone)
        NextTask();
    HailPlayer();
}

bool CLeadShipAI::PickTask()
{
    if (!mCurrentTask) {
        mTaskIterator = mTasks.begin();
        if (mTaskIterator == mTasks.end())
            return false;
        mCurrentTask = *mTaskIterator;
    }
    if (!mCurrentTask->mDone)
        return true;
    if (mCurrentTask->mRepeat) {
        mCurrentTask->mDone = 0;
        return true;
    }
    delete mCurrentTask;
    mTaskIterator = mTasks.erase(mTaskIterator);
    if (mTaskIterator == mTasks.end())
        mTaskIterator = mTasks.begin();
    mCurrentTask = mTaskIterator == mTasks.end() ? nullptr : *mTaskIterator;
    return false;
}

bool CLeadShipAI::RunTask(CTask& task)
{
    switch (task.mTaskType) {
    case kTaskAttack:
        Attack(task);
        return !task.mDone;
    case kTaskMove:
        Move(task);
        return true;
    case kTaskFlee:
        Flee(task);
        return true;
    default:
        // Fall back, hold position and charge leave the ship to the threat step and never end.
        return true;
    }
}

void CLeadShipAI::Attack(CTask& task)
{
    CWorldObject* target = gResourceManager->FindObject(task.mObjectId);
    if (!target || !target->mActive)
        return;
    if (SelectFirstFitted(*this, mWeapons, kRangeSlot, kMeleeSlot))
        FireAt(target);
    SetDestination(StandOff(*this, *target, mDistances.fallBack));
    task.mDone = 1;
}

void CLeadShipAI::Move(CTask& task)
{
    if (mEngaged)
        return;
    if (mWeapons.Fitted(kStealthSlot) && !mStealth) {
        SelectWeapon(mWeapons.ids[kStealthSlot]);
        Fire(&task.mPoint);
    }
    if (Vec3::Equals(mPosition, task.mPoint)) {
        task.mDone = 1;
        mArrived = 1;
    } else if (!mFollowingWaypoints) {
        SetDestination(task.mPoint);
    }
}

void CLeadShipAI::Flee(CTask& task)
{
    if (Vec3::Equals(mDestination, task.mPoint)) {
        task.mDone = 1;
        return;
    }
    SetDestination(task.mPoint);
    if (!mWeapons.Fitted(kRangeSlot))
        return;
    sSearch.shipSq = gResourceManager->FindNearestEnemyShip(this, sSearch.ship);
    if (sSearch.ship)
        FireAt(sSearch.ship);
}

void CLeadShipAI::NextTask()
{
    if (mTasks.empty()) {
        mCurrentTask = nullptr;
        return;
    }
    if (mTaskIterator != mTasks.end())
        ++mTaskIterator;
    if (mTaskIterator == mTasks.end())
        mTaskIterator = mTasks.begin();
    mCurrentTask = *mTaskIterator;
}

void CLeadShipAI::HailPlayer()
{
    if (!gPlayerShip || mHailed || !gPlayerShip->mVisible || !gFlightView || gFlightView->IsHailOpen())
        return;
    if (Vec3LengthSq(Vec3::Difference(gPlayerShip->mPosition, mPosition)) > mMessageDistanceSq)
        return;
    mHailed = 1;
    RowList<LeadShipMessageRow> rows;
    std::vector<std::string> lines;
    for (const LeadShipMessageRow* row : gGameDatabase.GetLeadShipMessages(rows, mLeadId))
        lines.emplace_back(row->line);
    // A ship with nothing to say opens no empty box, yet still shows itself as the target.
    if (!lines.empty()) {
        std::vector<const char*> texts;
        for (const std::string& line : lines)
            texts.push_back(line.c_str());
        gFlightView->Hail(texts.data(), static_cast<int>(texts.size()), mAlignment);
    }
    gFlightView->SetTarget(this);
}
