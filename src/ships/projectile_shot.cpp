// The projectile shot: launch ahead of the hull, flight, homing, blur and fade, hits and bursts.
#include "ships/projectile_shot.h"

#include <algorithm>
#include <cstdlib>

#include "core/frame_clock.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/weapon_records.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;
constexpr float kDepthPerId = 0.0001f;
constexpr float kFullAlpha = 200.0f;
// Past the blur zone the alpha falls from 240 toward 40 at full range.
constexpr int kFadeFloor = 40;
constexpr int kSpinDimming = 25;
constexpr float kContactDivisor = 1.6f;
constexpr float kMinContactRadius = 1.0f;
constexpr float kPushPerDamage = 10.0f;

bool NeverHit(int type)
{
    return type == kTypeShot || type == kTypeResource || type == kTypeDeviceObject || type == kTypeHealth;
}

}  // namespace

CProjectileShot::CProjectileShot(int deviceId, CActor* owner, const Vec3* target) : CShot(owner)
{
    const CProjectileWeapon* record = FindRecord(deviceId, owner);
    if (!record)
        return;
    mId = gResourceManager->NextTempObjectId();
    const Vec3 aim = LeaveHull(*owner, *target);
    int dx = 0;
    int dy = 0;
    if (record->mPrecision > 0) {
        dx = rand() % (2 * record->mPrecision) - record->mPrecision;
        dy = rand() % (2 * record->mPrecision) - record->mPrecision;
    }
    mTarget = Vec3::Sum(mPosition, Vec3::Scaled(aim, record->mRange));
    mTarget.x += static_cast<float>(dx);
    mTarget.y += static_cast<float>(dy);
    mTarget.z = mPosition.z;
    Launch(*owner, aim, HeadingOfVec3(aim));
}

CProjectileShot::CProjectileShot(int deviceId, CActor* owner, const Vec3& target, int shotId) : CShot(owner)
{
    if (!FindRecord(deviceId, owner))
        return;
    if (!Vec3IsFinite(target) || !Vec3IsFinite(owner->mPosition)) {
        mActive = 0;
        return;
    }
    mId = shotId;
    const Vec3 aim = LeaveHull(*owner, target);
    mTarget = target;
    Launch(*owner, aim, owner->mRotation.z);
}

CProjectileWeapon* CProjectileShot::FindRecord(int deviceId, CActor* owner)
{
    mWeaponRecord = dynamic_cast<CProjectileWeapon*>(gResourceManager->GetWeaponInfo(deviceId, kWeaponProjectile));
    if (!mWeaponRecord) {
        os::PostFailureQuit("device %d has no projectile weapon record", deviceId);
        mActive = 0;
        return nullptr;
    }
    if (!owner) {
        mActive = 0;
        return nullptr;
    }
    mSolidMeshId = mWeaponRecord->mSolidMeshId;
    return mWeaponRecord;
}

Vec3 CProjectileShot::LeaveHull(const CActor& owner, const Vec3& point)
{
    mPosition = owner.mPosition;
    Vec3 aimPoint = point;
    aimPoint.z = mPosition.z;
    const Vec3 aim = UnitVec3(Vec3::Difference(aimPoint, mPosition));
    Vec3::Add(mPosition, Vec3::Scaled(aim, owner.mSize));
    mPosition.z = static_cast<float>(mId) * kDepthPerId + kFlightPlaneZ;
    mPreviousPosition = mStart = mPosition;
    return aim;
}

void CProjectileShot::Launch(const CActor& owner, const Vec3& aim, float heading)
{
    const CProjectileWeapon& record = *mWeaponRecord;
    mDirection = aim;
    mFlightHeading = heading;

    const Vec3 backward = Vec3::Negated(aim);
    gResourceManager->AddParticle(record.mParticleId, &mPosition, &backward, record.mColour, 1.0f, nullptr);

    mSize = record.mSize;
    mScale = Vec3(2.0f * mSize, 2.0f * mSize, 2.0f * mSize);
    mAlpha = static_cast<int>(kFullAlpha);
    mColour = 0xFFFFFFFFu;
    mRotation = owner.mRotation;
    mSpriteTrail = TrailDrawRecord{record.mSpriteId, &mPosition,      &mDirection,  &mFlightHeading,   &mSize,
                                   &mAlpha,          &record.mColour, &mTrailCount, &record.mBlurrDist};
    if (mSolidMeshId != 0)
        mSolidMesh = MeshDrawRecord{mSolidMeshId, &mPosition,      &mRotation,       &mScale, &mAlpha,
                                    &mMeshFlag,   &record.mColour, record.mSpriteId, 0,       0};
}

void CProjectileShot::SetPosition(const Vec3& point)
{
    mPreviousPosition = mPosition;
    mPosition = point;
}

void CProjectileShot::Update()
{
    if (!mActive)
        return;
    const CProjectileWeapon& record = *mWeaponRecord;
    if (record.mGuided && record.mRange > 0.0f) {
        mAlpha = static_cast<int>((record.mRange - mTravelled) / record.mRange * kFullAlpha);
        if (mAlpha < 1) {
            // A homing shot that has flown its range fades out without its chain.
            mActive = 0;
            mVisible = 0;
            mTravelled = 0.0f;
            return;
        }
        CWorldObject* enemy = nullptr;
        gResourceManager->FindNearestEnemyShip(this, enemy);
        if (enemy)
            mTarget = enemy->mPosition;
    }
    if (Vec3::Equals(mPosition, mTarget)) {
        EndWithChains();
        return;
    }

    const float flown = Vec3Length(Vec3::Difference(mPosition, mStart));
    const float blurLimit = static_cast<float>(record.mBlurrRepeat) * record.mBlurrDist;
    if (flown < blurLimit && record.mBlurrDist > 0.0f)
        mTrailCount = static_cast<int>(flown / record.mBlurrDist);
    else if (!record.mGuided && record.mRange != 0.0f)
        mAlpha = static_cast<int>((record.mRange - flown) / record.mRange * kFullAlpha) + kFadeFloor;

    mMoveSpeed = std::min(mMoveSpeed + record.mAcceleration, record.mMaxVelocity);
    if (record.mGrowthRate > 0.0f)
        mSize += gFrameScale * record.mGrowthRate;

    Vec3 to = Vec3::Difference(mTarget, mPosition);
    to.z = 0.0f;
    const float step = gFrameScale * mMoveSpeed;
    if (step * step > Vec3LengthSq(to)) {
        mPosition = mTarget;
        EndWithChains();
        return;
    }
    mDirection = UnitVec3(to);
    mPreviousPosition = mPosition;
    Vec3::Add(mPosition, Vec3::Scaled(mDirection, step));
    Vec3::Add(mPosition, mVelocity);
    mTravelled += Vec3Length(Vec3::Difference(mPosition, mPreviousPosition));
    Turn();
}

void CProjectileShot::Turn()
{
    const CProjectileWeapon& record = *mWeaponRecord;
    const float spin = gFrameScale * record.mSpinRate;
    if (mSolidMeshId == 0 && record.mSpinRate > 0.0f) {
        mFlightHeading += spin;
        mRotation.y += spin;
        mRotation.x += spin;
        mRotation.z += spin;
        return;
    }
    if (mPosition.x == mTarget.x && mPosition.y == mTarget.y)
        return;
    if (record.mSpinRate > 0.0f)
        mRotation.y += spin;
    mTarget.z = mPosition.z = kFlightPlaneZ;
    mRotation.z = record.mGuided ? HeadingOfVec3(UnitVec3(Vec3::Difference(mTarget, mPosition))) : mFlightHeading;
    mRotation.x = 0.0f;
}

void CProjectileShot::EndWithChains()
{
    mActive = 0;
    const Vec3 from = mPosition;
    const Vec3 onward = Vec3::Sum(mPosition, Vec3::Difference(mTarget, mStart));
    for (int chainId : mWeaponRecord->mChainWeapons)
        gResourceManager->LaunchWeapon(chainId, this, &from, &onward);
}

void CProjectileShot::Render()
{
    if (!mActive)
        return;
    mAlpha = std::max(mAlpha, 0);
    if (mWeaponRecord->mSpinRate != 0.0f)
        mAlpha = std::max(mAlpha - kSpinDimming, 0);
    if (mSolidMeshId != 0)
        gResourceManager->RenderMesh(mSolidMesh, false);
    else
        gResourceManager->DrawTrail(mSpriteTrail);
}

float CProjectileShot::ContactReach() const
{
    // (o + s) / d, and at least m, is within o of this while d is at least 1.
    return std::max(std::fabs(mSize) / kContactDivisor, kMinContactRadius);
}

void CProjectileShot::Interact(CWorldObject* other)
{
    if (!other || NeverHit(other->mType) || !other->mActive || !mActive)
        return;
    mPosition.z = kFlightPlaneZ;
    const Vec3 point(other->mPosition.x, other->mPosition.y, kFlightPlaneZ);
    const float reach = std::max((other->mSize + mSize) / kContactDivisor, kMinContactRadius);
    if (Vec3LengthSq(Vec3::Difference(point, mPosition)) >= reach * reach || other->mAffiliate == mAffiliate)
        return;

    mActive = 0;
    const CProjectileWeapon& record = *mWeaponRecord;
    int amount = RollDamage(record);
    if (CActor* owner = LiveOwner())
        amount = static_cast<int>(owner->GetDamageFactor() * static_cast<float>(amount));
    Strike(*other, amount, record.mDeviceMod);
    const Vec3 away = UnitVec3(Vec3::Difference(point, mPosition));
    other->Push(Vec3::Scaled(away, static_cast<float>(amount) / kPushPerDamage));
    for (int particleId : record.mParticles)
        gResourceManager->AddParticle(particleId, &mPreviousPosition, &mDirection, record.mColour, 1.0f, nullptr);
    if (record.mAilmentId != 0 && IsShipType(other->mType)) {
        if (auto* ship = dynamic_cast<CActor*>(other))
            ship->ApplyAilment(record.mAilmentId, false);
    }
}

void CProjectileShot::Push(const Vec3&)
{
    Burst();
}

void CProjectileShot::Burst()
{
    if (!mWeaponRecord) {
        mActive = 0;
        return;
    }
    for (int particleId : mWeaponRecord->mParticles)
        gResourceManager->AddParticle(particleId, &mPreviousPosition, &mDirection, mWeaponRecord->mColour, 1.0f,
                                      nullptr);
    mActive = 0;
}

Vec3& CProjectileShot::GetTargetPoint(Vec3& out)
{
    out = mTarget;
    return out;
}
