// The shockwave shot: growth, spin, fade, the hit tick, the four-copy ring and its strikes.
#include "ships/shockwave_shot.h"

#include <cstdlib>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/weapon_records.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;
constexpr float kBelowPlaneZ = 1.0f;
constexpr float kGrowthLimit = 1.5f;
constexpr float kSpinPerFrame = 1.5708f;
constexpr float kFullTurn = 6.28318f;
constexpr float kFadeSpan = 175.0f;
constexpr int kStartAlpha = 200;
constexpr int kTickMs = 251;
constexpr float kLeastRadius = 0.1f;
constexpr float kCopyShrink = 0.95f;
constexpr float kCopyTurn = 0.0523599f;
constexpr float kPushPerFixedDamage = 10.0f;
constexpr float kPushPerVariableDamage = 2.0f;

bool NeverPushed(int type)
{
    return type == kTypeResource || type == kTypeDeviceObject || type == kTypeHealth;
}

}  // namespace

CShockwaveShot::CShockwaveShot(int deviceId, CActor* owner, const Vec3* origin) : CShot(owner)
{
    if (!FindRecord(deviceId))
        return;
    if (!owner) {
        mActive = 0;
        return;
    }
    mHadOwner = 1;
    mId = gResourceManager->NextTempObjectId();
    Spread(*origin, owner->mScale);
}

CShockwaveShot::CShockwaveShot(int deviceId, const CWorldObject& launcher, const Vec3& origin, int shotId)
    : CShot(nullptr)
{
    if (!FindRecord(deviceId))
        return;
    if (!Vec3IsFinite(origin)) {
        mActive = 0;
        return;
    }
    mLauncherId = launcher.mId;
    mId = shotId;
    Spread(origin, launcher.mScale);
}

bool CShockwaveShot::FindRecord(int deviceId)
{
    mWeaponRecord = dynamic_cast<CShockwaveWeapon*>(gResourceManager->GetWeaponInfo(deviceId, kWeaponShockwave));
    if (!mWeaponRecord) {
        os::PostFailureQuit("device %d has no shockwave weapon record", deviceId);
        mActive = 0;
        return false;
    }
    return true;
}

void CShockwaveShot::Spread(const Vec3& origin, const Vec3& scale)
{
    mExperienceValue = 0;
    mRespawnTime = 0;
    mSolid = 0;
    mPosition = origin;
    mPosition.z = kFlightPlaneZ;
    mScale = scale;
    mRadius = mScale.x / 4.0f;
    mAlpha = 255;
    mMeshFlag = 0;
    mRotation = Vec3();

    const CShockwaveWeapon& record = *mWeaponRecord;
    mSpriteId = record.mSpriteId;
    mMeshId = record.mMeshId;
    if (mSpriteId != 0)
        mRingTrail = TrailDrawRecord{mSpriteId, &mPosition,      &gZeroVector,   &mRotation.z,    &mRadius,
                                     &mAlpha,   &record.mColour, &gNoTrailCount, &gNoTrailSpacing};
    mMarked = 0;
    if (mMeshId != 0)
        mRingMesh =
            MeshDrawRecord{mMeshId, &mPosition, &mRotation, &mScale, &mAlpha, &mMeshFlag, &record.mColour, 0, 0, 0};
}

void CShockwaveShot::SetPosition(const Vec3& point)
{
    mPosition = point;
    mPosition.z = kBelowPlaneZ;
}

void CShockwaveShot::Update()
{
    if (!mActive || !mWeaponRecord)
        return;
    const float range = mWeaponRecord->mRange;
    if (range <= mRadius) {
        mActive = 0;
        return;
    }
    mRadius += (kGrowthLimit - mRadius / range) * mWeaponRecord->mGrowthRate * gFrameScale;
    mRotation.z += gFrameScale * kSpinPerFrame;
    mRotation.z = WrappedAngle(mRotation.z, kFullTurn);
    mAlpha = kStartAlpha - static_cast<int>(mRadius / range * kFadeSpan);
    if (mAlpha >= 256)
        mAlpha = 255;
    if (mAlpha < 1)
        mActive = 0;
    mScale.x = mScale.y = 2.0f * mRadius;
    mTickClock += static_cast<int>(gFrameTimeMs);
    if (mTickClock < kTickMs) {
        mHitTick = 0;
    } else {
        mHitTick = 1;
        mTickClock = 0;
    }
}

void CShockwaveShot::DrawRingCopy()
{
    if (mMeshId != 0) {
        mScale = Vec3(mRadius, mRadius, mRadius);
        gResourceManager->RenderMesh(mRingMesh, true);
    } else {
        gResourceManager->DrawTrail(mRingTrail);
    }
}

void CShockwaveShot::Render()
{
    if (!mActive)
        return;
    if (mRadius == 0.0f)
        mRadius = kLeastRadius;
    const float radius = mRadius;
    const float heading = mRotation.z;
    mRadius = radius / 2.0f;
    DrawRingCopy();
    mRadius *= kCopyShrink;
    mRotation.z -= kCopyTurn;
    DrawRingCopy();
    mRotation.z = -mRotation.z;
    DrawRingCopy();
    mRadius *= kCopyShrink;
    mRotation.z += kCopyTurn;
    DrawRingCopy();
    mRadius = radius;
    mRotation.z = heading;
}

bool CShockwaveShot::Spares(const CWorldObject& other) const
{
    if (const CActor* owner = Owner())
        return owner->mAffiliate == other.mAffiliate;
    return mHadOwner && mAffiliate == other.mAffiliate;
}

void CShockwaveShot::Interact(CWorldObject* other)
{
    if (!mHitTick || !mActive || !other || Spares(*other))
        return;
    // Measured from the ring's own depth below the plane: a young ring passes under the ships.
    const Vec3 apart = Vec3::Difference(other->mPosition, mPosition);
    const float reach = (other->mSize + mRadius) / 2.0f;
    if (Vec3LengthSq(apart) >= reach * reach)
        return;
    const CShockwaveWeapon& record = *mWeaponRecord;
    int damage = 0;
    float pushPerDamage = 0.0f;
    if (record.mVariableDamage < 1) {
        damage = record.mMinDamage;
        if (CActor* owner = LiveOwner())
            damage = static_cast<int>(owner->GetDamageFactor() * static_cast<float>(damage));
        pushPerDamage = kPushPerFixedDamage;
    } else {
        damage = rand() % record.mVariableDamage + record.mMinDamage;
        pushPerDamage = kPushPerVariableDamage;
    }
    Strike(*other, damage, record.mDeviceMod);
    if (!NeverPushed(other->mType))
        other->Push(Vec3::Scaled(UnitVec3(apart), static_cast<float>(damage) / pushPerDamage));
    if (record.mAilmentId != 0 && IsShipType(other->mType)) {
        if (auto* ship = dynamic_cast<CActor*>(other))
            ship->ApplyAilment(record.mAilmentId, false);
    }
}

Vec3& CShockwaveShot::GetTargetPoint(Vec3& out)
{
    out = Vec3();
    return out;
}
