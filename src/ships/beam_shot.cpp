// The beam shot: aim, length limit, stretching after the ship, fading and per-frame hits.
#include "ships/beam_shot.h"

#include <cmath>
#include <cstdlib>

#include "core/frame_clock.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/weapon_records.h"

namespace {

constexpr int kBeamMeshId = 22;
constexpr float kBeamPlaneZ = 30.0f;
constexpr float kLengthScale = 0.715f;
constexpr float kFadePerFrame = 40.0f;
constexpr float kReachPadding = 2.0f;

}  // namespace

CBeamShot::CBeamShot(int deviceId, CActor* owner, const Vec3* target) : CShot(owner)
{
    const CBeamWeapon* record = FindRecord(deviceId, owner);
    if (!record)
        return;
    mId = gResourceManager->NextTempObjectId();
    Vec3 aim = *target;
    const int spread = record->mPrecision;
    if (spread > 0) {
        const int dx = rand() % (2 * spread) - spread;
        const int dy = rand() % (2 * spread) - spread;
        aim.x += static_cast<float>(dx);
        aim.y += static_cast<float>(dy);
    }
    Launch(*owner, aim, owner->mSize / 2.0f + record->mRange, 1);
}

CBeamShot::CBeamShot(int deviceId, CActor* owner, const Vec3& target, int shotId) : CShot(owner)
{
    const CBeamWeapon* record = FindRecord(deviceId, owner);
    if (!record)
        return;
    if (!Vec3IsFinite(target) || !Vec3IsFinite(owner->mPosition)) {
        mActive = 0;
        return;
    }
    mId = shotId;
    Launch(*owner, target, record->mRange, 0);
}

CBeamWeapon* CBeamShot::FindRecord(int deviceId, CActor* owner)
{
    mWeaponRecord = dynamic_cast<CBeamWeapon*>(gResourceManager->GetWeaponInfo(deviceId, kWeaponBeam));
    if (!mWeaponRecord) {
        os::PostFailureQuit("device %d has no beam weapon record", deviceId);
        mActive = 0;
        return nullptr;
    }
    if (!owner) {
        mActive = 0;
        return nullptr;
    }
    return mWeaponRecord;
}

void CBeamShot::Launch(CActor& owner, const Vec3& target, float maxLength, int meshLastFlag)
{
    const CBeamWeapon& record = *mWeaponRecord;
    mTarget = target;
    mOwnerPosition = owner.mPosition;
    mBeamMidpoint = Vec3(mOwnerPosition.x, mOwnerPosition.y, kBeamPlaneZ);
    mPosition = mBeamMidpoint;
    mScale = Vec3(record.mBeamWidth, record.mRange, 1.0f);
    mAlpha = 255;

    const Vec3 aim = Vec3::Difference(mTarget, mOwnerPosition);
    if (Vec3LengthSq(aim) > maxLength * maxLength) {
        Vec3 unit = UnitVec3(aim);
        unit.z = 0.0f;
        mTarget = Vec3::Sum(mOwnerPosition, Vec3::Scaled(unit, maxLength));
    }
    mDirection = UnitVec3(Vec3::Difference(mTarget, mOwnerPosition));

    mSpriteId = record.mSpriteId;
    mBeamMesh = MeshDrawRecord{kBeamMeshId, &mBeamMidpoint,  &mRotation,       &mScale, &mAlpha,
                               &mMeshFlag,  &record.mColour, record.mSpriteId, 0,       meshLastFlag};

    for (int chainId : record.mChainWeapons)
        gResourceManager->LaunchWeapon(chainId, &owner, &mTarget, &mTarget);
    for (int particleId : record.mParticles)
        gResourceManager->AddParticle(particleId, &mTarget, &gZeroVector, record.mColour, 1.0f, nullptr);
}

void CBeamShot::Update()
{
    if (!mActive)
        return;
    if (CActor* owner = Owner())
        mOwnerPosition = owner->mPosition;
    Vec3 diff = Vec3::Difference(mTarget, mOwnerPosition);
    diff.z = 0.0f;
    mDirection = UnitVec3(diff);
    mScale.y = Vec3Length(diff) * kLengthScale;
    mBeamMidpoint = Vec3::Sum(mOwnerPosition, Vec3::Divided(diff, 2.0f));
    mBeamMidpoint.z = kBeamPlaneZ;
    mPosition = mBeamMidpoint;
    mRotation = Vec3(0.0f, 0.0f, HeadingOfVec3(mDirection));
    mAlpha = static_cast<int>(static_cast<float>(mAlpha) - kFadePerFrame * gFrameScale);
    if (mAlpha < 1)
        mActive = 0;
}

void CBeamShot::Render()
{
    if (!mActive)
        return;
    gResourceManager->RenderMesh(mBeamMesh, true);
    gResourceManager->RenderMesh(mBeamMesh, false);
}

void CBeamShot::Interact(CWorldObject* other)
{
    // The beam's own flag is not asked: in the frame it fades out the pass still gives it its
    // touches (the player's among them), and it hits in that frame too.
    CActor* owner = LiveOwner();
    if (!owner || !mWeaponRecord || !other || !other->mActive || other->mAffiliate == mAffiliate)
        return;
    const float reach = (other->mSize + kReachPadding) / 2.0f;
    if (Vec3LengthSq(Vec3::Difference(other->mPosition, mTarget)) >= reach * reach)
        return;
    const CBeamWeapon& record = *mWeaponRecord;
    const int amount = static_cast<int>(owner->GetDamageFactor() * static_cast<float>(RollDamage(record)));
    Strike(*other, amount, record.mDeviceMod);
    if (record.mForceScalar != 0) {
        other->mPosition.z = owner->mPosition.z;
        const Vec3 away = UnitVec3(Vec3::Difference(other->mPosition, owner->mPosition));
        other->Push(Vec3::Scaled(away, static_cast<float>(record.mForceScalar)));
    }
}

Vec3& CBeamShot::GetTargetPoint(Vec3& out)
{
    out = Vec3();
    return out;
}
