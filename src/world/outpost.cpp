// Outposts: the turret's turning and firing, targets, contact, destruction and return.
#include "world/outpost.h"

#include <cmath>
#include <cstdlib>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/mesh_debris.h"
#include "world/player_view.h"

namespace {

constexpr int kOutpostBlip = 320;
constexpr int kDestroyedSound = 200;
constexpr float kFullTurn = 6.28318f;
constexpr float kHalfTurn = 3.14159f;
constexpr float kDebrisReachSq = 10000.0f;
constexpr float kDebrisSpinPerSpeed = 3.0f;

bool IsShip(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman;
}

// The z size of the mesh's box; 0 when it cannot be loaded.
float MeshHeight(int meshId)
{
    MeshEntry* entry = gResourceManager->GetMesh(meshId);
    if (!entry || !entry->mesh)
        return 0.0f;
    return gResourceManager->MeshExtent(entry->mesh).z;
}

}  // namespace

CWorldObject* MakeOutpost(int objectId)
{
    return new COutpostObject(objectId);
}

COutpostObject::COutpostObject(int objectId)
{
    mId = objectId;
    OutpostObjectRecord* row = gGameDatabase.GetOutpostObject(objectId);
    if (!row) {
        os::PostFailureQuit("no outpost row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypeOutpost, kOutpostBlip);
    mOutpostId = row->outpost_id;
    mCollisionDamage = row->collision_damage;
    mMeshId = row->mesh_id;
    mBaseMeshId = row->base_mesh_id;
    mWeaponDeviceId = row->weapon_device_id;
    mWeaponDelay = row->weapon_delay;
    mAttackRadius = row->attack_radius;
    mTurnRate = row->velocity;
    mCompoundType = row->compound_type;
    mCompoundAmount = row->compound_amount;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mRespawnTime = row->respawn_time * 1000;
    mAffiliate = row->affiliate;
    mExperienceValue = row->experience_value;
    mColour = row->color_mod;
    mAlpha = static_cast<int>(row->color_mod >> 24);
    mDirection = Vec3(0.0f, 1.0f, 0.0f);
    mMoveSpeed = 0.0f;

    mBaseScale = Vec3(row->size * row->base_rel_size, row->size * row->base_rel_size, row->size * row->base_rel_size);
    mBasePosition = mPosition;
    mBasePosition.z += MeshHeight(mBaseMeshId) * row->base_rel_size + MeshHeight(mMeshId) * row->size;
    FillMeshRecord(mTurretMesh, mMeshId);
    mBaseMesh =
        MeshDrawRecord{mBaseMeshId, &mBasePosition, &gZeroVector, &mBaseScale, &mAlpha, &mMeshFlag, &mColour, 0, 0, 0};
}

float COutpostObject::GetDamageFactor()
{
    const int level = gPlayerView ? gPlayerView->Level() : 0;
    return 1.0f + 0.01f * static_cast<float>(level);
}

CWorldObject* COutpostObject::Target() const
{
    if (mTargetIsPlayer)
        return gPlayerView ? gPlayerView->Ship() : nullptr;
    return mTargetId != 0 ? gResourceManager->FindObject(mTargetId) : nullptr;
}

void COutpostObject::Update()
{
    if (!mActive) {
        if (mRespawnTime <= 0)
            return;
        mRespawnClock += static_cast<int>(gFrameTimeMs);
        if (mRespawnClock >= mRespawnTime) {
            mActive = 1;
            mPosition = mHomePosition;
            mHitPoints = mMaxHitPoints;
            mRespawnClock = 0;
        }
        return;
    }
    mFireClock += static_cast<int>(gFrameTimeMs);
    if (mTurretHeading >= kFullTurn)
        mTurretHeading -= kFullTurn;
    else if (mTurretHeading < 0.0f)
        mTurretHeading += kFullTurn;

    CWorldObject* target = Target();
    float wanted = mTurretHeading;
    if (target) {
        wanted = HeadingOfVec3(UnitVec3(Vec3::Difference(target->mPosition, mPosition)));
        while (wanted >= kFullTurn)
            wanted -= kFullTurn;
        while (wanted < 0.0f)
            wanted += kFullTurn;
    }
    TurnToward(wanted, gFrameScale * mTurnRate);
    // Only a turret that points exactly at its target fires.
    if (target && mFireClock >= mWeaponDelay && mTurretHeading == wanted)
        Shoot(*target);
    mRotation.z = mTurretHeading;
    KeepOrDropTarget();
}

void COutpostObject::TurnToward(float wanted, float step)
{
    const float difference = mTurretHeading - wanted;
    if (std::fabs(difference) <= step) {
        mTurretHeading = wanted;
        return;
    }
    if (wanted < mTurretHeading)
        mTurretHeading += difference <= kHalfTurn ? -step : step;
    else if (wanted > mTurretHeading)
        mTurretHeading += -difference <= kHalfTurn ? step : -step;
}

void COutpostObject::Shoot(CWorldObject& target)
{
    mFireClock = 0;
    const Vec3 toward = UnitVec3(Vec3::Difference(target.mPosition, mPosition));
    const Vec3 muzzle = Vec3::Sum(mPosition, Vec3::Scaled(toward, mSize));
    // The shot may outlive the target; it aims at where the target was.
    const Vec3 aim = target.mPosition;
    gResourceManager->LaunchWeapon(mWeaponDeviceId, this, &muzzle, &aim);
}

void COutpostObject::KeepOrDropTarget()
{
    CWorldObject* target = Target();
    if (target) {
        const float reach = (target->mSize + mSize) / 2.0f + mAttackRadius;
        if (target->mVisible && target->mActive &&
            Vec3LengthSq(Vec3::Difference(target->mPosition, mPosition)) <= reach * reach)
            return;
    }
    mTargetId = 0;
    mTargetIsPlayer = 0;
}

void COutpostObject::Interact(CWorldObject* other)
{
    if (!mActive || !other || !IsShip(other->mType))
        return;
    const float distanceSq = Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition));
    const float contact = (other->mSize + mSize) / 2.0f;
    if (distanceSq < contact * contact) {
        other->TakeDamage(mCollisionDamage, 0);
        other->Push(Vec3::Scaled(other->mDirection, -static_cast<float>(mCollisionDamage)));
    }
    if (Target() || !other->mVisible || !other->mActive || other->mAffiliate == mAffiliate)
        return;
    const float reach = contact + mAttackRadius;
    if (distanceSq < reach * reach) {
        mTargetIsPlayer = gPlayerView && gPlayerView->Ship() == other ? 1 : 0;
        mTargetId = other->mId;
    }
}

void COutpostObject::Render()
{
    if (!mActive || !mVisible)
        return;
    gResourceManager->RenderMesh(mBaseMesh, false);
    gResourceManager->RenderMesh(mTurretMesh, false);
}

void COutpostObject::DrawRadar()
{
    if (!mActive || !mVisible || gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

bool COutpostObject::TakeDamage(int amount, int)
{
    // A wreck is not destroyed a second time.
    if (!mActive)
        return false;
    mHitPoints -= amount;
    if (mHitPoints >= 1)
        return false;
    mHitPoints = 0;
    mActive = 0;
    gSoundRequest = SoundRequest{kDestroyedSound, &mPosition};
    gResourceManager->PlaySoundAt(gSoundRequest);
    // Whoever fired the last shot, the player is paid.
    if (gPlayerView)
        gPlayerView->AddExperience(mExperienceValue);
    if (mCompoundAmount > 0 && std::rand() % 3 == 0)
        gResourceManager->SpawnResource(mCompoundType, mCompoundAmount, mPosition.x, mPosition.y, mPosition.z);
    const Vec3 seen(mPosition.x, mPosition.y, gCamera.GetEyeZ());
    const Vec3 eye(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    if (Vec3LengthSq(Vec3::Difference(seen, eye)) < kDebrisReachSq)
        BreakUp();
    return true;
}

void COutpostObject::BreakUp()
{
    QueueMeshDebris(mMeshId, [this](DebrisRecord& piece, int) {
        piece.scale = mScale;
        piece.spinStep += mMoveSpeed * kDebrisSpinPerSpeed;
        piece.rotation = mRotation;
        piece.direction = RandomDebrisHeading();
        piece.position = mPosition;
        piece.position.x += DebrisScatter(mSize);
        piece.position.y += DebrisScatter(mSize);
    });
}
