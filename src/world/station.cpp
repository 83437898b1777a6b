// Stations: the slow orbit and spin, the blip, and docking.
#include "world/station.h"

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ui/cursor.h"
#include "ui/flight_view.h"
#include "world/player_view.h"
#include "world/station_view.h"

namespace {

constexpr int kStationBlip = 308;
// Radians a circling station moves per unit of frame scale, times its distance from the centre:
// every circling station covers the same length of its circle.
constexpr float kOrbitStep = 0.174533f;
constexpr float kSpinStep = 0.0174533f;
constexpr float kFullTurn = 6.28318f;

}  // namespace

CWorldObject* MakeStation(int objectId)
{
    return new CStation(objectId);
}

CStation::CStation(int objectId)
{
    mId = objectId;
    const StationRecord* row = gGameDatabase.GetStation(objectId);
    if (!row) {
        os::PostFailureQuit("no station row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, kStationSize},
                 kTypeStation, kStationBlip);
    mStationId = row->station_id;
    mMeshId = row->mesh_id;
    mDirection = Vec3(0.0f, 1.0f, 0.0f);
    mRespawnTime = 0;
    mMoveSpeed = row->velocity;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mInvulnerable = row->invulnerable ? 1 : 0;
    mExperienceValue = row->experience_value;
    mStationType = row->station_type;
    mAffiliate = row->affiliate;
    FillMeshRecord(mMesh, mMeshId);
}

void CStation::Update()
{
    const float distance = Vec3Length(mPosition);
    if (mMoveSpeed > 0.0f && distance != 0.0f)
        mPosition = RotateVec3Z(mPosition, kOrbitStep / distance * gFrameScale);
    mRotation.z += kSpinStep * gFrameScale;
    mRotation.z = WrappedAngle(mRotation.z, kFullTurn);
    ClampToSystem();
}

void CStation::Render()
{
    gResourceManager->RenderMesh(mMesh, false);
    EmitTrail();
}

void CStation::DrawRadar()
{
    if (gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CStation::Interact(CWorldObject* other)
{
    Dock(other);
}

void CStation::Dock(CWorldObject* other)
{
    // The player is known by its pointer: a content object with the player's id never docks. A
    // destroyed ship that the orbit sweeps over waits for its respawn.
    if (!mActive || !gPlayerView || other != gPlayerView->Ship() || !other->mActive)
        return;
    const float reach = (other->mSize + mSize) / 2.0f;
    if (Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition)) >= reach * reach)
        return;
    if (gFlightView)
        gFlightView->CloseHail();
    gPlayerView->UpdateQuests();
    gPlayerView->StopForTrip();
    gPlayerView->DockAt(Vec3(mPosition.x + kSavePointOffset, mPosition.y + kSavePointOffset, mPosition.z), mSystemId);
    if (gStationView) {
        gStationView->OpenForStation(mMeshId);
        gCurrentScreen = gStationView;
        gCursor.Show(true);
    }
    gPlayerView->Save();
    mVisited = 1;
    if (mHailPending && gStationView) {
        gStationView->Hail(mPendingHailStepId, mPendingHailText.c_str());
        mHailPending = 0;
    }
}

void CStation::SetPendingHail(int questStepId, const char* keyword)
{
    mPendingHailStepId = questStepId;
    mPendingHailText = keyword ? keyword : "";
    mHailPending = 1;
}
