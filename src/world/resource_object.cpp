// Resource lumps: placement, respawn and fade-in, the orbit about the centre and collection.
#include "world/resource_object.h"

#include <cstdio>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/actor.h"

namespace {

constexpr int kResourceBlip = 307;
constexpr float kSpawnedSize = 3.0f;
constexpr int kSpawnedHitPoints = 100;

struct CompoundLook {
    const char* nameFormat;
    int meshId;
};

constexpr CompoundLook kCompoundLooks[] = {
    {"Common Compounds: %d", 8},  {"Uncommon Compounds: %d", 9},      {"Rare Compounds: %d", 10},
    {"Exotic Compounds: %d", 11}, {"Undiscovered Compounds: %d", 11},
};

// Formats "<text>: <amount>" into the name field, cut to its room.
void FormatName(char* name, const char* format, const char* text, int amount)
{
    if (std::snprintf(name, kObjectNameSize, format, text, amount) < 0)
        name[0] = '\0';
}

}  // namespace

CWorldObject* MakeResource(int objectId)
{
    return new CResourceObject(objectId);
}

CWorldObject* SpawnResourceObject(int compoundClass, int amount, const Vec3& position)
{
    return new CResourceObject(compoundClass, amount, position);
}

bool CollectsResources(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman || type == kTypeNetwork;
}

CResourceObject::CResourceObject(int objectId)
{
    mId = objectId;
    const ResourceObjectRecord* row = gGameDatabase.GetResourceObject(objectId);
    if (!row) {
        os::PostFailureQuit("no resource row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, "", row->x_pos, row->y_pos, row->size}, row->object_type,
                 kResourceBlip);
    mAffiliate = kAffiliateNature;
    mSolid = 0;
    mRespawnTime = row->respawn_time * 1000;
    mCompoundClass = row->resource_type;
    mAmount = row->resource_amount;
    FormatName(mName, "%s: %d", row->object_name, mAmount);
    mMoveSpeed = row->velocity;
    mHitPoints = row->hit_points;
    mMeshId = row->mesh_id;
    FillMeshRecord(mMesh, mMeshId);
}

CResourceObject::CResourceObject(int compoundClass, int amount, const Vec3& position)
{
    mId = gResourceManager->NextTempObjectId();
    mActive = 1;
    mVisible = 1;
    mColour = 0xFFFFFFFFu;
    mAffiliate = kAffiliateNature;
    SetRadarSprite(kResourceBlip);
    mCompoundClass = compoundClass;
    mAmount = amount;
    if (compoundClass >= 1 && compoundClass <= 5) {
        const CompoundLook& look = kCompoundLooks[compoundClass - 1];
        if (std::snprintf(mName, kObjectNameSize, look.nameFormat, amount) < 0)
            mName[0] = '\0';
        mMeshId = look.meshId;
    }
    mSystemId = gResourceManager->mCurrentSystemId;
    mType = kTypeResource;
    mPosition = position;
    mHomePosition = position;
    mMaxHitPoints = mHitPoints = kSpawnedHitPoints;
    mSize = kSpawnedSize;
    mAlpha = 255;
    mScale = Vec3(kSpawnedSize, kSpawnedSize, kSpawnedSize);
    FillMeshRecord(mMesh, mMeshId);
}

void CResourceObject::Update()
{
    if (!mActive) {
        if (mRespawnTime > 0)
            Respawn();
        return;
    }
    mColour = GreenPulse(gPulse);
    Orbit();
    Drift();
}

void CResourceObject::Respawn()
{
    if (mRespawnClock < mRespawnTime) {
        mRespawnClock += static_cast<int>(gFrameTimeMs);
        return;
    }
    mActive = 1;
    mPosition = mHomePosition;
    mRespawnClock = 0;
    mVelocity = Vec3();
}

void CResourceObject::Orbit()
{
    // The distance counts the height too: lumps at the flight plane's 30 units circle slower.
    const float distance = Vec3Length(mPosition);
    if (distance != 0.0f)
        mPosition = RotateVec3Z(mPosition, mMoveSpeed / distance * gFrameScale);
}

void CResourceObject::Render()
{
    if (!mActive) {
        mAlpha = 0;
        return;
    }
    if (mAlpha < 255)
        ++mAlpha;
    gResourceManager->RenderMesh(mMesh, false);
    EmitTrail();
}

void CResourceObject::DrawRadar()
{
    DrawRadarBlip();
}

void CResourceObject::Interact(CWorldObject* other)
{
    if (!mActive || !CollectsResources(other->mType) || !Touches(other))
        return;
    gResourceManager->PlaySoundAt(SoundRequest{kCollectSound, &mPosition});
    mActive = 0;
    mRespawnClock = 0;
    if (auto* actor = dynamic_cast<CActor*>(other))
        actor->AddCompounds(mCompoundClass, mAmount);
}
