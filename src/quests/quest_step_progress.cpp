// The test a current quest step runs every world pass, and the quest marker it puts on objects.
#include "quests/quest_step.h"

#include "core/message_log.h"
#include "engine/resource_manager.h"
#include "quests/conversation_view.h"
#include "quests/quest_pilot.h"
#include "quests/step_objects.h"
#include "ui/flight_view.h"
#include "world/dock_view.h"
#include "world/player_view.h"
#include "world/resource_object.h"
#include "world/world_object.h"
#include "world/wormhole.h"

namespace {

constexpr int kMarkerTrailSprite = 15200;
constexpr int kMarkerRingSprite = 317;
constexpr uint32_t kMarkerColour = 0xF0FFFFFFu;
constexpr int kMarkerAlpha = 254;
constexpr float kMarkerScale = 1.5f;
// The 3-D marker does not turn.
constexpr float kMarkerAngle = 0.0f;
// A goal is reached within this much more than the player ship's size, on squared lengths.
constexpr float kReachSlackSq = 100.0f;

// The step being tested in its system; the centre message it showed is cleared once the step is
// done or the player is elsewhere. A mission waiting in another system leaves the message of this
// system's step alone.
int gRunningStepId = 0;

void StopRunning(int questStepId)
{
    if (gRunningStepId != questStepId)
        return;
    gRunningStepId = 0;
    if (gFlightView)
        gFlightView->ClearCenterMessage();
}

CWorldObject* PlayerShip()
{
    return gPlayerView ? gPlayerView->Ship() : nullptr;
}

// Is `at` near enough to the goal: its squared distance below the player ship's size squared
// plus kReachSlackSq. Without a player nothing is.
bool Reaches(const Vec3& at, const Vec3& goal)
{
    const CWorldObject* ship = PlayerShip();
    return ship && Vec3LengthSq(Vec3::Difference(at, goal)) < ship->mSize * ship->mSize + kReachSlackSq;
}

}  // namespace

int CQuestStep::IsComplete()
{
    // A step waiting elsewhere leaves the arrow to the missions of this system.
    if (!IsStepSystemHere(mSystemId)) {
        if (mBegun)
            mStatus = -1;
        else
            StopRunning(mQuestStepId);
        return mStatus;
    }
    if (mStatus != 0) {
        StopRunning(mQuestStepId);
        return mStatus;
    }
    gRunningStepId = mQuestStepId;
    switch (mType) {
    case kQuestStepKillEnemy:
        return TestKillEnemy();
    case kQuestStepAssassinate: {
        CWorldObject* target = FindStepObject(mTargetId);
        if (IsLive(target)) {
            KeepSelected(target);
            break;
        }
        ClearQuestMarker(target);
        Complete();
        break;
    }
    case kQuestStepGoto: {
        CWorldObject* marker = FindStepObject(mGotoMarkerId);
        if (IsLive(marker))
            KeepSelected(marker);
        else
            Complete();
        break;
    }
    case kQuestStepDeliver:
        if (PlayerShip() && Reaches(PlayerShip()->mPosition, mGoal))
            Complete();
        break;
    case kQuestStepAcquire:
        return TestAcquire();
    case kQuestStepEscort:
        return TestEscort();
    case kQuestStepDefendFrom:
        return TestDefendFrom();
    case kQuestStepConversation:
        if (!gFlightView || !gFlightView->IsHailOpen())
            Complete();
        break;
    case kQuestStepInterrupt:
        if (!gConversationView || !gConversationView->IsOpen())
            mStatus = 1;
        break;
    case kQuestStepDock:
        return TestDock();
    case kQuestStepJump:
        return TestJump();
    default:
        break;
    }
    return mStatus;
}

int CQuestStep::TestKillEnemy()
{
    bool anyAlive = false;
    for (int i = 0; i < mEnemyCount; ++i) {
        CWorldObject* enemy = FindStepObject(mEnemies[i]);
        if (IsLive(enemy))
            anyAlive = true;
        else
            ClearQuestMarker(enemy);
    }
    if (!anyAlive)
        Complete();
    return mStatus;
}

int CQuestStep::TestAcquire()
{
    const bool enoughCompounds = mCompoundAmount >= 1 && gQuestPilot &&
                                 gQuestPilot->CompoundAmount(mCompoundType) >= mCompoundAmount;
    if (enoughCompounds || PilotCarriesDevice(mDeviceId)) {
        ClearQuestMarker(FindStepObject(mTargetId));
        Complete();
    }
    return mStatus;
}

int CQuestStep::TestEscort()
{
    CWorldObject* talker = FindStepObject(mTalkerId);
    if (!IsLive(talker)) {
        mStatus = -1;
        return mStatus;
    }
    if (Reaches(talker->mPosition, mGoal)) {
        ClearQuestMarker(talker);
        // The escorted ship goes on its way.
        talker->mActive = 0;
        Complete();
    } else {
        KeepSelected(talker);
    }
    return mStatus;
}

int CQuestStep::TestDefendFrom()
{
    int dead = 0;
    for (int i = 0; i < mEnemyCount; ++i) {
        CWorldObject* enemy = FindStepObject(mEnemies[i]);
        if (!IsLive(enemy)) {
            ClearQuestMarker(enemy);
            ++dead;
        }
    }
    if (dead < mEnemyCount) {
        for (int i = 0; i < mDefendedCount; ++i) {
            if (!IsLive(FindStepObject(mDefended[i])))
                mStatus = -1;
        }
        return mStatus;
    }
    for (int i = 0; i < mDefendedCount; ++i)
        ClearQuestMarker(FindStepObject(mDefended[i]));
    Complete();
    return mStatus;
}

int CQuestStep::TestDock()
{
    CWorldObject* station = FindStepObject(mStationId);
    auto* dock = dynamic_cast<CDockView*>(station);
    if (dock && dock->Visited()) {
        ClearQuestMarker(station);
        mStatus = 1;
    } else if (station) {
        KeepSelected(station);
    }
    return mStatus;
}

int CQuestStep::TestJump()
{
    CWorldObject* object = FindStepObject(mWormholeId);
    if (!object)
        return mStatus;
    if (static_cast<CWormhole*>(object)->mJumping) {
        ClearQuestMarker(object);
        mStatus = 1;
    } else {
        KeepSelected(object);
    }
    return mStatus;
}

void CQuestStep::Complete()
{
    mStatus = 1;
    PostFlightMessage(mCompleteStepString);
}

void CQuestStep::KeepSelected(CWorldObject* object)
{
    // The arrow points at the object whatever is selected; only the selection waits.
    if (gQuestPilot && !gQuestPilot->SelectedTarget() && gFlightView)
        gFlightView->SetTarget(object);
}

CWorldObject* CQuestStep::GuideObject() const
{
    if (!mBegun || mStatus != 0 || !IsStepSystemHere(mSystemId))
        return nullptr;
    const auto live = [](int id) {
        CWorldObject* object = FindStepObject(id);
        return IsLive(object) ? object : nullptr;
    };
    const auto firstEnemy = [&]() -> CWorldObject* {
        for (int i = 0; i < mEnemyCount; ++i) {
            if (CWorldObject* enemy = live(mEnemies[i]))
                return enemy;
        }
        return nullptr;
    };
    switch (mType) {
    case kQuestStepKillEnemy:
        return firstEnemy();
    case kQuestStepAssassinate:
        return live(mTargetId);
    case kQuestStepGoto:
        return live(mGotoMarkerId);
    case kQuestStepAcquire:
        if (CWorldObject* device = live(mTargetId))
            return device;
        return mCompoundAmount > 0 ? NearestCompounds() : nullptr;
    case kQuestStepEscort:
    case kQuestStepConversation:
        return live(mTalkerId);
    case kQuestStepDefendFrom:
        if (CWorldObject* enemy = firstEnemy())
            return enemy;
        return live(mTalkerId);
    case kQuestStepDock:
        return live(mStationId);
    case kQuestStepJump:
        return live(mWormholeId);
    default:
        return nullptr;
    }
}

CWorldObject* CQuestStep::NearestCompounds() const
{
    const CWorldObject* ship = PlayerShip();
    if (!ship)
        return nullptr;
    CWorldObject* nearest = nullptr;
    float nearestSq = 0.0f;
    for (auto& [id, object] : gResourceManager->mObjects) {
        const auto* lump = dynamic_cast<const CResourceObject*>(object);
        if (!lump || !lump->mActive || lump->mCompoundClass != mCompoundType)
            continue;
        const float distanceSq = Vec3LengthSq(Vec3::Difference(lump->mPosition, ship->mPosition));
        if (!nearest || distanceSq < nearestSq) {
            nearest = object;
            nearestSq = distanceSq;
        }
    }
    return nearest;
}

void MarkQuestTarget(CWorldObject* object)
{
    if (!object)
        return;
    object->mMarkerColour = kMarkerColour;
    object->mMarkerAlpha = kMarkerAlpha;
    object->mMarkerScale = kMarkerScale * object->mSize;
    object->mMarkerPulse = 1.0f;
    object->mMarkerGrowing = 1;
    object->mMarked = 1;
    object->mMarker = TrailDrawRecord{kMarkerTrailSprite, &object->mPosition, &gZeroVector,
                                      &kMarkerAngle,     &object->mMarkerScale, &object->mMarkerAlpha,
                                      &object->mMarkerColour};
    object->mMarkerSprite = SpriteDrawRecord{kMarkerRingSprite, &object->mRadarX, &object->mRadarY,
                                             &object->mMarkerColour, &gUnitScale, &gUnitScale};
}

void ClearQuestMarker(CWorldObject* object)
{
    if (object)
        object->mMarked = 0;
}
