// Repair kits: the pulse, the drift and the hull repair.
#include "world/health_object.h"

#include <algorithm>
#include <cstdio>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/player_view.h"

namespace {

constexpr int kKitBlip = 304;
constexpr float kKitSize = 3.0f;
constexpr float kFlightPlaneZ = 30.0f;
constexpr int kLeastRepair = 20;
constexpr int kMostRepair = 100;

}  // namespace

CWorldObject* MakeHealthObject(int objectId)
{
    return new CHealthObject(objectId);
}

CWorldObject* SpawnHealthObject(int repairPercentage, const Vec3& position)
{
    return new CHealthObject(repairPercentage, position);
}

CHealthObject::CHealthObject(int objectId)
{
    mId = objectId;
    Prepare();
    const HealthObjectRecord* row = gGameDatabase.GetHealthObject(objectId);
    if (!row) {
        os::PostFailureQuit("no health object row for object %d", objectId);
        return;
    }
    // Kits share one size whatever the row says.
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, kKitSize}, kTypeHealth,
                 kKitBlip);
    mHealthId = row->health_id;
    mRepairShare = static_cast<float>(row->health_pct) / 100.0f;
}

CHealthObject::CHealthObject(int repairPercentage, const Vec3& position)
{
    mId = gResourceManager->NextTempObjectId();
    Prepare();
    const int percentage = std::clamp(repairPercentage, kLeastRepair, kMostRepair);
    mActive = 1;
    mVisible = 1;
    mHealthId = mId;
    mRepairShare = static_cast<float>(percentage) / 100.0f;
    mSystemId = gResourceManager->mCurrentSystemId;
    if (std::snprintf(mName, kObjectNameSize, "Structure Repair %d%%", percentage) < 0)
        mName[0] = '\0';
    mType = kTypeHealth;
    mPosition = Vec3(position.x, position.y, kFlightPlaneZ);
    mHomePosition = Vec3();
    mSize = kKitSize;
    mScale = Vec3(kKitSize, kKitSize, kKitSize);
    mAlpha = 255;
}

void CHealthObject::Prepare()
{
    mSolid = 0;
    mExperienceValue = 0;
    mRespawnTime = 0;
    SetRadarSprite(kKitBlip);
    mMeshFlag = 0;
    mColour = 0xFFFFFFFFu;
    mMarked = 0;
    FillMeshRecord(mMesh, kKitMesh);
}

void CHealthObject::Update()
{
    if (!mActive)
        return;
    mColour = RedPulse(gPulse);
    Drift();
}

void CHealthObject::Render()
{
    if (!mActive)
        return;
    gResourceManager->RenderMesh(mMesh, false);
    EmitTrail();
}

void CHealthObject::DrawRadar()
{
    DrawRadarBlip();
}

void CHealthObject::Interact(CWorldObject* other)
{
    if (!mActive || !IsPlayer(other) || !Touches(other))
        return;
    gResourceManager->PlaySoundAt(SoundRequest{kRepairSound, &mPosition});
    if (other->mHitPoints < other->mMaxHitPoints) {
        const int missing = other->mMaxHitPoints - other->mHitPoints;
        const int heal = std::min(static_cast<int>(static_cast<float>(other->mMaxHitPoints) * mRepairShare), missing);
        other->mHitPoints += heal;
        char line[48];
        std::snprintf(line, sizeof line, "Ship structure +%d HP", heal);
        PostPickupMessage(line);
    } else {
        PostPickupMessage("Ship structure needs no repairs.");
    }
    mActive = 0;
    gPlayerView->UpdateQuests();
}
