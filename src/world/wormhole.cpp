// Wormholes: the whirl, the blip and the jump to the linked system.
#include "world/wormhole.h"

#include <cstdio>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ui/flight_view.h"
#include "ui/screen.h"
#include "world/player_view.h"
#include "world/store_view.h"
#include "world/system_check.h"

namespace {

constexpr int kWormholeBlip = 309;
constexpr float kTurnStep = 0.0174533f;
constexpr float kFullTurn = 6.28318f;
constexpr float kCopyStep = 0.174533f;
constexpr float kFlightPlaneZ = 30.0f;
constexpr float kArrivalInset = 30.0f;

}  // namespace

CWorldObject* MakeWormhole(int objectId)
{
    return new CWormhole(objectId);
}

Vec3 ArrivalBeside(float x, float y)
{
    return Vec3(x <= 0.0f ? x + kArrivalInset : x - kArrivalInset, y, kFlightPlaneZ);
}

CWormhole::CWormhole(int objectId)
{
    mId = objectId;
    mWhirl = TrailDrawRecord{kWhirlSprite, &mPosition, &mDirection,    &mWhirlAngle,    &mSize,
                             &mAlpha,      &mColour,   &gNoTrailCount, &gNoTrailSpacing};
    const WormholeObjectRecord* row = gGameDatabase.GetWormholeObject(objectId);
    if (!row) {
        os::PostFailureQuit("no wormhole row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypeWormhole, kWormholeBlip);
    mWormholeId = row->wormhole_id;
    mJumpSystemId = row->jump_system_id;
    if (const char* refusal = SystemRefusal(mJumpSystemId)) {
        std::fprintf(stderr, "varnok: wormhole %d leads to system %d, which %s; it stays closed\n", objectId,
                     mJumpSystemId, refusal);
        mLeadsNowhere = true;
    }
    mAffiliate = kAffiliateNature;
    mRespawnTime = 0;
    mDirection = Vec3();
    mAlpha = 200;
}

void CWormhole::Update()
{
    mWhirlAngle -= kTurnStep * gFrameScale;
    mWhirlAngle = WrappedAngle(mWhirlAngle, kFullTurn);
}

void CWormhole::Render()
{
    const float angle = mWhirlAngle;
    gResourceManager->DrawTrail(mWhirl);
    mWhirlAngle -= kCopyStep;
    gResourceManager->DrawTrail(mWhirl);
    mWhirlAngle -= kCopyStep;
    gResourceManager->DrawTrail(mWhirl);
    mWhirlAngle = -mWhirlAngle;
    gResourceManager->DrawTrail(mWhirl);
    mWhirlAngle = angle;
    EmitTrail();
}

void CWormhole::DrawRadar()
{
    if (gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CWormhole::Interact(CWorldObject* other)
{
    if (mLeadsNowhere || other->mType != kTypePlayer || !IsPlayer(other) || !Touches(other))
        return;
    gResourceManager->mPortalActive = 0;
    if (const char* keyword = ClosingStepKeyword()) {
        // The ship stays inside; the hail comes again once the last one has closed.
        if (gFlightView && !gFlightView->IsHailOpen()) {
            const char* lines[] = {kClosedText};
            gFlightView->Hail(lines, 1, keyword);
        }
        return;
    }
    Jump(other);
}

const char* CWormhole::ClosingStepKeyword()
{
    for (int stepId : gPlayerView->CurrentQuestSteps()) {
        RowList<DisabledWormholeRow> closed;
        gGameDatabase.GetDisabledWormholes(closed, stepId);
        for (const DisabledWormholeRow* row : closed) {
            if (row->wormhole_object_id != mId)
                continue;
            const QuestStepRecord* step = gGameDatabase.GetQuestStep(stepId);
            return step ? step->display_alignment : "";
        }
    }
    return nullptr;
}

void CWormhole::Jump(CWorldObject* player)
{
    mJumping = 1;
    if (gStoreView)
        gStoreView->SetEntered(false);
    gPlayerView->StopForTrip();
    gPlayerView->UpdateQuests();
    gResourceManager->PlaySoundAt(mJumpSound);
    if (gFlightView)
        gFlightView->ClearCenterMessage();

    const int from = gResourceManager->mCurrentSystemId;
    const WormholeArrivalRecord* back = gGameDatabase.GetWormholeArrival(from, mJumpSystemId);
    // A system with no wormhole leading back receives the ship at its centre.
    const Vec3 arrival = back ? ArrivalBeside(back->x_pos, back->y_pos) : Vec3(0.0f, 0.0f, kFlightPlaneZ);
    gResourceManager->mNextSystem = mJumpSystemId;
    player->SetPosition(arrival);
    player->SetDestination(arrival);
    gResourceManager->mArrivalPoint = arrival;
    gPlayerView->ClearTargets();
    mJumping = 0;
}
