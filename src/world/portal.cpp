// The portal: it opens where a portal weapon aims, grows and turns, and carries the player to
// the portal system and back.
#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "ui/flight_view.h"
#include "ui/screen.h"
#include "world/player_view.h"
#include "world/store_view.h"
#include "world/world_object.h"

namespace {

constexpr float kFullScale = 20.0f;
constexpr float kGrowthStep = 0.5f;
constexpr float kTurnStep = 0.174533f;
constexpr float kFullTurn = 6.28318f;
constexpr int kPortalSystem = 2;
constexpr int kTripSound = 401;
const Vec3 kPortalSystemGate(-125.0f, 0.0f, 30.0f);
const Vec3 kFirstArrival(-100.0f, 0.0f, 30.0f);

}  // namespace

void CResourceManager::StartPortalEffect()
{
    mPortalActive = 1;
    mPortalScale = 1.0f;
}

void CResourceManager::ClosePortal()
{
    mPortalActive = 0;
    mPortalTargetSystem = kPortalSystem;
    mPortalPosition = Vec3();
    mArrivalPoint = kFirstArrival;
}

void CResourceManager::UpdatePortal()
{
    if (mPortalScale < kFullScale)
        mPortalScale += kGrowthStep * gFrameScale;
    mPortalAngle += kTurnStep * gFrameScale;
    if (mPortalAngle > kFullTurn)
        mPortalAngle -= kFullTurn;
    // Two copies turning against each other.
    DrawTrail(mPortalEffect);
    mPortalAngle = -mPortalAngle;
    mPortalScale = -mPortalScale;
    DrawTrail(mPortalEffect);
    mPortalAngle = -mPortalAngle;
    mPortalScale = -mPortalScale;

    CWorldObject* player = gPlayerView ? gPlayerView->Ship() : nullptr;
    if (player && Vec3LengthSq(Vec3::Difference(player->mPosition, mPortalPosition)) < mPortalScale * mPortalScale)
        TakePortalTrip();
}

void CResourceManager::TakePortalTrip()
{
    CWorldObject* player = gPlayerView->Ship();
    if (gStoreView)
        gStoreView->SetEntered(false);
    gPlayerView->StopForTrip();
    gPlayerView->UpdateQuests();
    PlaySoundAt(SoundRequest{kTripSound, &gZeroVector});
    if (gFlightView)
        gFlightView->ClearCenterMessage();

    const Vec3 arrival = mArrivalPoint;
    mNextSystem = mPortalTargetSystem;
    if (mPortalTargetSystem % 100 == kPortalSystem) {
        // The way back leads to where the player stepped in, through a portal kept open there.
        mArrivalPoint = player->mPosition;
        mPortalTargetSystem = mCurrentSystemId;
        mPortalPosition = kPortalSystemGate;
        mPortalScale = 1.0f;
    } else {
        mPortalTargetSystem = kPortalSystem;
        mArrivalPoint = kFirstArrival;
        mPortalActive = 0;
    }
    player->SetPosition(arrival);
    player->SetDestination(arrival);
    // Entering clears the player's target along with everything else of the old system.
    EnterPendingSystem();
}
