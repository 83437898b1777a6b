// The charge shot: the alpha pulse, the conversions between energy and shield, the engine boost.
#include "ships/charge_shot.h"

#include "core/frame_clock.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/ship.h"
#include "ships/weapon_records.h"

namespace {

constexpr int kStartAlpha = 100;
constexpr int kTopAlpha = 250;
constexpr int kBottomAlpha = 40;
constexpr float kPulsePerFrame = 20.0f;
constexpr float kHullGrowth = 1.1f;

// Every charge hull is drawn solid.
const uint8_t kSolidFlag = 0;

}  // namespace

CChargeShot::CChargeShot(int deviceId, CShip* owner, const Vec3* origin) : CShot(owner)
{
    mWeaponRecord = dynamic_cast<CChargeWeapon*>(gResourceManager->GetWeaponInfo(deviceId, kWeaponCharge));
    if (!mWeaponRecord) {
        os::PostFailureQuit("device %d has no charge weapon record", deviceId);
        mActive = 0;
        return;
    }
    if (!owner) {
        mActive = 0;
        return;
    }
    mExperienceValue = 0;
    mHitPoints = 1;
    mRespawnTime = 0;
    mSolid = 0;
    mMarked = 0;
    mId = gResourceManager->NextTempObjectId();
    mRotation = owner->mRotation;
    mPosition = *origin;
    mScale = Vec3::Scaled(owner->mScale, kHullGrowth);
    mAlpha = kStartAlpha;
    mOwnerMeshId = owner->mHullMeshId;
    mHullMesh = MeshDrawRecord{mOwnerMeshId, &owner->mPosition,       &owner->mRotation,        &mScale, &mAlpha,
                               &kSolidFlag,  &mWeaponRecord->mColour, mWeaponRecord->mSpriteId, 0,       0};
}

CShip* CChargeShot::OwnerShip() const
{
    return dynamic_cast<CShip*>(Owner());
}

void CChargeShot::End(CShip& owner)
{
    mActive = 0;
    owner.mActiveChargeId = 0;
}

void CChargeShot::Update()
{
    if (!mActive || !mWeaponRecord)
        return;
    CShip* owner = OwnerShip();
    if (!owner || owner->mActiveChargeId != mId) {
        mActive = 0;
        return;
    }
    // A ship that lost its engine may charge again once it has one.
    if (!owner->mEngine) {
        End(*owner);
        return;
    }
    Pulse();
    if (mHitPoints < 1) {
        mActive = 0;
        return;
    }
    mClock += static_cast<int>(gFrameTimeMs);
    Convert(*owner);
}

void CChargeShot::Pulse()
{
    const float step = kPulsePerFrame * gFrameScale;
    mAlpha = static_cast<int>(static_cast<float>(mAlpha) + (mRising ? step : -step));
    if (mAlpha >= kTopAlpha) {
        mAlpha = kTopAlpha;
        mRising = 0;
    } else if (mAlpha < kBottomAlpha + 1) {
        mAlpha = kBottomAlpha;
        mRising = 1;
    }
}

void CChargeShot::Convert(CShip& owner)
{
    const CChargeWeapon& record = *mWeaponRecord;
    CEngine& engine = *owner.mEngine;
    // A period under 1 ms would never let the clock run down.
    const int period = record.mPeriod < 1 ? 1 : record.mPeriod;
    const int cost = record.mEnergyReq;
    switch (record.mChargeType) {
    case kChargeShield:
    case kChargeEnergy: {
        // A shield sold or lost while charging ends the charge.
        if (!owner.mShield) {
            End(owner);
            return;
        }
        CShield& shield = *owner.mShield;
        const bool toShield = record.mChargeType == kChargeShield;
        while (mClock >= period) {
            mClock -= period;
            const bool stop = toShield ? engine.mEnergy < cost || shield.mPoints >= shield.mMaxPoints
                                       : shield.mPoints < cost || engine.mEnergy >= engine.mMaxEnergy;
            if (stop) {
                End(owner);
                return;
            }
            if (toShield) {
                engine.mEnergy -= cost;
                shield.mPoints += 1;
            } else {
                shield.mPoints -= cost;
                engine.mEnergy += 1;
            }
        }
        break;
    }
    case kChargeEngine:
        // The engine charge counts its time twice.
        mClock += static_cast<int>(gFrameTimeMs);
        if (engine.mEnergy < cost || owner.mActiveChargeId == 0) {
            End(owner);
            return;
        }
        if (engine.mSpeed > 0.0f) {
            while (mClock >= period) {
                mClock -= period;
                engine.mEnergy -= cost;
            }
            engine.mBoost = record.mMultiplier;
        }
        break;
    default:
        break;
    }
}

void CChargeShot::Render()
{
    if (!mActive || !mWeaponRecord || mWeaponRecord->mChargeType == kChargeEngine)
        return;
    CShip* owner = OwnerShip();
    if (!owner)
        return;
    mHullMesh.position = &owner->mPosition;
    mHullMesh.rotation = &owner->mRotation;
    gResourceManager->RenderMesh(mHullMesh, false);
}

Vec3& CChargeShot::GetTargetPoint(Vec3& out)
{
    out = Vec3();
    return out;
}
