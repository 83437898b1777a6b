// Mines: the spin, going off near an enemy ship, and breaking apart.
#include "world/mine.h"

#include <cstdlib>

#include "core/angle.h"
#include "core/camera.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/mesh_debris.h"

namespace {

constexpr int kMineBlip = 322;
constexpr int kAffiliateEvil = 3;
constexpr int kLaidHitPoints = 50;
constexpr float kLaidSize = 2.5f;
constexpr float kSpinPerFrame = 0.174533f;
constexpr float kFullTurn = 6.28318f;
constexpr int kSmokeParticle = 52;
constexpr float kDebrisReachSq = 10000.0f;

bool IsShip(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman;
}

}  // namespace

CWorldObject* MakeMine(int objectId)
{
    return new CMineObject(objectId);
}

CMineObject::CMineObject(int objectId)
{
    mId = objectId;
    MineObjectRecord* row = gGameDatabase.GetMineObject(objectId);
    if (!row) {
        os::PostFailureQuit("no mine row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypeMine, kMineBlip);
    mMineId = row->mine_id;
    mMoveSpeed = row->velocity;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mWeaponDeviceId = row->weapon_device_id;
    mMeshId = row->mesh_id;
    mDestructRange = row->destruct_range;
    mAffiliate = kAffiliateEvil;
    SetCommonFields();
}

CMineObject::CMineObject(float x, float y, float z, int destructDeviceId, float destructRange, int meshId,
                         int affiliate)
{
    PlaceFromRow(
        ObjectRow{gResourceManager->NextTempObjectId(), gResourceManager->mCurrentSystemId, "Mine", x, y, kLaidSize},
        kTypeMine, kMineBlip);
    mPosition.z = z;
    mHomePosition = mPosition;
    mMineId = 1;
    mMaxHitPoints = mHitPoints = kLaidHitPoints;
    mWeaponDeviceId = destructDeviceId;
    mDestructRange = destructRange;
    mMeshId = meshId;
    mAffiliate = affiliate;
    SetCommonFields();
}

void CMineObject::SetCommonFields()
{
    mExperienceValue = 100;
    mColour = 0xFFFFFFFFu;
    mAlpha = 255;
    mRotation = Vec3();
    // Mines never come back.
    mRespawnTime = 0;
    mMeshFlag = 0;
    FillMeshRecord(mMeshRecord, mMeshId);
}

void CMineObject::Update()
{
    mRotation.z += kSpinPerFrame * gFrameScale;
    mRotation.z = WrappedAngle(mRotation.z, kFullTurn);
}

void CMineObject::Render()
{
    if (mActive)
        gResourceManager->RenderMesh(mMeshRecord, false);
}

void CMineObject::DrawRadar()
{
    if (!mActive || gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CMineObject::Interact(CWorldObject* other)
{
    if (!mActive || !other || !other->mActive || !other->mVisible || !IsShip(other->mType) ||
        other->mAffiliate == mAffiliate)
        return;
    const float reach = other->mSize / 2.0f + mDestructRange;
    if (Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition)) >= reach * reach)
        return;
    // The target may be gone by the time the weapon is built; fire at where it was.
    const Vec3 at = other->mPosition;
    gResourceManager->LaunchWeapon(mWeaponDeviceId, this, &mPosition, &at);
    mActive = 0;
    BreakUp();
}

bool CMineObject::TakeDamage(int amount, int)
{
    // A wreck is not destroyed a second time.
    if (!mActive)
        return false;
    mHitPoints -= amount;
    if (mHitPoints >= 1)
        return false;
    mHitPoints = 0;
    mActive = 0;
    const Vec3 seen(mPosition.x, mPosition.y, gCamera.GetEyeZ());
    const Vec3 eye(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    if (Vec3LengthSq(Vec3::Difference(seen, eye)) < kDebrisReachSq) {
        BreakUp();
        gResourceManager->AddParticle(kSmokeParticle, &mPosition, &gZeroVector, 0, 1.0f, nullptr);
        gResourceManager->AddParticle(kSmokeParticle, &mPosition, &mDirection, 0, 1.0f, nullptr);
    }
    return true;
}

void CMineObject::BreakUp()
{
    QueueMeshDebris(mMeshId, [this](DebrisRecord& piece, int pieceCount) {
        piece.scale = mScale;
        piece.rotation = mRotation;
        piece.direction = RandomDebrisHeading();
        piece.position = mPosition;
        piece.spinStep = static_cast<float>(pieceCount / 2) * static_cast<float>(std::rand() % 2 + 1);
    });
}
