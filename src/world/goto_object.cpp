// Goto markers: the turning sign and the player's arrival.
#include "world/goto_object.h"

#include <cstdio>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kMarkerBlip = 304;
constexpr float kTurnStep = 0.174533f;
constexpr float kQuestMarkerSize = 5.0f;
constexpr float kFlightPlaneZ = 30.0f;

}  // namespace

CWorldObject* MakeGotoObject(int objectId)
{
    return new CGotoObject(objectId);
}

CGotoObject::CGotoObject(int objectId)
{
    mId = objectId;
    Prepare();
    const GotoObjectRecord* row = gGameDatabase.GetGotoObject(objectId);
    if (!row) {
        os::PostFailureQuit("no goto marker row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 row->object_type, kMarkerBlip);
    mGotoId = row->goto_id;
    mMarkerSpriteId = mSign.spriteId = row->sprite_id;
    mAlpha = 200;
}

CGotoObject::CGotoObject(float x, float y)
{
    mId = gResourceManager->NextTempObjectId();
    Prepare();
    mActive = 1;
    // Shown on the radar like a placed marker, so the player can find the destination.
    mVisible = 1;
    mGotoId = 1;
    mMarkerSpriteId = mSign.spriteId = kQuestMarkerSprite;
    mSystemId = gResourceManager->mCurrentSystemId;
    if (std::snprintf(mName, kObjectNameSize, "Destination X: %f, Y: %f", static_cast<double>(x),
                      static_cast<double>(y)) < 0)
        mName[0] = '\0';
    mType = kTypeGoto;
    mPosition = Vec3(x, y, kFlightPlaneZ);
    mHomePosition = mPosition;
    mSize = kQuestMarkerSize;
    mAlpha = 200;
}

void CGotoObject::Prepare()
{
    mSolid = 0;
    mExperienceValue = 0;
    mRespawnTime = 0;
    SetRadarSprite(kMarkerBlip);
    mMeshFlag = 0;
    mColour = 0xFFFFFFFFu;
    mMarked = 0;
    mSign = TrailDrawRecord{0,       &mPosition, &gZeroVector,   &mMarkerAngle,   &mSize,
                            &mAlpha, &mColour,   &gNoTrailCount, &gNoTrailSpacing};
}

void CGotoObject::Update()
{
    mRotation.z += kTurnStep * gFrameScale;
}

void CGotoObject::Render()
{
    if (mActive)
        gResourceManager->DrawTrail(mSign);
}

void CGotoObject::DrawRadar()
{
    if (mVisible)
        DrawRadarBlip();
}

void CGotoObject::Interact(CWorldObject* other)
{
    if (IsPlayer(other) && Touches(other))
        mActive = 0;
}
