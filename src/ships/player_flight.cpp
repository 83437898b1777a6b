// The player ship's frame, steering, firing and drawing.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "core/message_log.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/ship_clocks.h"
#include "ships/weapon_records.h"

namespace {

constexpr float kTwoPi = 6.28318f;
constexpr float kPi = 3.14159f;
constexpr float kFlightPlaneZ = 30.0f;
constexpr float kMinThrustSpeed = 0.8f;
constexpr float kMaxThrustSpeed = 8.0f;
constexpr float kBrakeRate = 9.0f;
constexpr float kMaxTurnRate = 0.349f;
constexpr int kExhaustParticle = 51;
constexpr int kOutOfAmmoSound = 12;
constexpr int kCloakedAlpha = 80;

float Wrapped(float angle)
{
    return WrappedAngle(angle, kTwoPi);
}

// 100000 / (size^3 x requirement), the size truncated: below one frame on a large hull, so such a
// cloak takes a unit every frame. Worked in double, so no row can overflow it.
int CloakDrainPeriod(float size, int energyReq)
{
    const double hull = std::trunc(static_cast<double>(size));
    const double denominator = hull * hull * hull * energyReq;
    // Nothing to divide by (or a cost below nothing): the cloak is free while it runs.
    if (!(denominator > 0.0))
        return CPlayerShip::kNoCloakDrain;
    return static_cast<int>(100000.0 / denominator);
}

// A tilt levels out toward 0 (or 2 pi) by step.
float LevelledOut(float angle, float step)
{
    const float size = std::fabs(angle);
    if (size < step)
        return 0.0f;
    if (size < kPi)
        return Wrapped(angle - step);
    if (size > kPi)
        return Wrapped(angle + step);
    return Wrapped(angle);
}

}  // namespace

void CPlayerShip::Update()
{
    if (!mActive)
        return;
    if (mTarget && !mTarget->mActive)
        mTarget = nullptr;
    if (mEngine)
        mEngine->CheckOutOfFuel();
    mColour = 0xFFFFFFFFu;
    UpdateFade();
    ClampDestination();

    const Vec3 heading = RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), mRotation.z);
    if (mEngine) {
        if (const CAilment* slow = GetAilment(kAilmentSlow))
            mMoveSpeed = static_cast<float>(slow->mAmount) * mEngine->mSpeed / 100.0f;
        if (const CAilment* boost = GetAilment(kBonusEngine))
            mMoveSpeed = (1.0f + static_cast<float>(boost->mAmount) / 100.0f) * mEngine->mSpeed;
        if (GetAilment(kAilmentStunned))
            mMoveSpeed = 0.0f;
    }
    Vec3::Add(mPosition, Vec3::Scaled(heading, mMoveSpeed * gFrameScale));

    mFireTimer += static_cast<int>(gFrameTimeMs);
    UpdateAilments();
    FlyPushed();
    LevelOut();
    UpdateSubsystems();
    DrainCloak();
    EveryTenthFrame();
    ClampToSystem();
    Smoke();

    mExhaustPoint = Vec3::Difference(
        mPosition, Vec3::Scaled(heading, (mSize * mHullExtent.y + (mMoveSpeed + 3.0f) * mSize / 30.0f) / 2.2f));
    mExhaustPoint.z = kFlightPlaneZ;
    if (mEngine && !mThrusting) {
        mEngine->Decelerate(mBrakingRate);
        mEngine->ConsumeFuel();
        mMoveSpeed = mEngine->mSpeed;
    }
    mThrusting = 0;
}

void CPlayerShip::FlyPushed()
{
    if (mVelocity.x == 0.0f && mVelocity.y == 0.0f)
        return;
    const Vec3 drift = Vec3::Scaled(mVelocity, gFrameScale);
    Vec3::Add(mPosition, drift);
    // A pushed ship tumbles.
    Vec3::Add(mRotation, drift);
    const float length = (1.0f - 0.2f * gFrameScale) * Vec3Length(mVelocity);
    if (length <= mMoveSpeed / 2.0f)
        mVelocity = Vec3();
    else
        mVelocity = Vec3::Scaled(mVelocity, length / Vec3Length(mVelocity));
}

void CPlayerShip::LevelOut()
{
    mRotation.y = LevelledOut(mRotation.y, 0.08f * gFrameScale);
    mRotation.x = LevelledOut(mRotation.x, 0.1f * gFrameScale);
}

void CPlayerShip::DrainCloak()
{
    if (!mStealth || !mEngine || mCloakDrainPeriod == kNoCloakDrain)
        return;
    if (mCloakDrainTimer >= 1) {
        mCloakDrainTimer -= static_cast<int>(gFrameTimeMs);
        return;
    }
    mCloakDrainTimer = mCloakDrainPeriod;
    if (mEngine->mEnergy < 1)
        mStealth = 0;
    else
        --mEngine->mEnergy;
}

void CPlayerShip::EveryTenthFrame()
{
    gShipClocks.playerFrames = (gShipClocks.playerFrames + 1) % 10;
    if (gShipClocks.playerFrames != 0)
        return;
    UpdateQuests();
    if (mActiveChargeId == 0)
        LaunchEngineCharge();
    for (const CDeviceInfo* device :
         {static_cast<const CDeviceInfo*>(mSelectedWeaponRecord), static_cast<const CDeviceInfo*>(mArmor),
          static_cast<const CDeviceInfo*>(mShield)}) {
        if (device && device->mAilmentId != 0)
            ApplyAilment(device->mAilmentId, true);
    }
}

void CPlayerShip::Smoke()
{
    const int period = StepSmokeClock();
    const Vec3 up(0.0f, 1.0f, 0.0f);
    while (period > 0 && mSmokeClock > period) {
        mSmokeClock -= period;
        gResourceManager->AddParticle(2 + std::rand() % 4, &mPosition, &up, 0, 1.0f, nullptr);
    }
}

void CPlayerShip::Thrust()
{
    mThrusting = 1;
    if (!mEngine || mEngine->mFuel < 1) {
        mMoveSpeed = kMinThrustSpeed;
        return;
    }
    mEngine->Accelerate();
    mEngine->mSpeed = std::clamp(mEngine->mSpeed, kMinThrustSpeed, kMaxThrustSpeed);
    mEngine->ConsumeFuel();
    mMoveSpeed = mEngine->mSpeed;

    const float radius = std::clamp(mMoveSpeed * mMoveSpeed * mSize / 20.0f, mSize / 4.0f, mSize);
    const Vec3 heading = RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), mRotation.z);
    Vec3 exhaust = Vec3::Difference(mPosition, Vec3::Scaled(heading, mSize * mHullExtent.y / 2.0f));
    // A draw of 0 would divide by zero: it means no jitter.
    const int jitterX = std::rand() % 10;
    const int jitterY = std::rand() % 10;
    if (jitterX != 0)
        exhaust.x += 0.8f / static_cast<float>(jitterX);
    if (jitterY != 0)
        exhaust.y += 0.8f / static_cast<float>(jitterY);
    gResourceManager->AddParticle(kExhaustParticle, &exhaust, &gZeroVector, 0xFFFFFFFFu, radius, nullptr);
}

void CPlayerShip::Brake()
{
    mThrusting = 0;
    if (!mEngine) {
        mMoveSpeed = 0.0f;
        return;
    }
    mEngine->Decelerate(kBrakeRate);
    mEngine->ConsumeFuel();
    mMoveSpeed = mEngine->mSpeed;
}

void CPlayerShip::TurnLeft()
{
    if (!mEngine)
        return;
    const float rate = std::min(static_cast<float>(mNavigation) / (mSize * mSize + 1.0f), kMaxTurnRate);
    mRotation.z = Wrapped(mRotation.z + rate * gFrameScale);
    mRotation.y = Wrapped(mRotation.y + 0.1f * gFrameScale);
}

void CPlayerShip::TurnRight()
{
    if (!mEngine)
        return;
    const float rate = std::min(static_cast<float>(mNavigation) / (mSize * mSize + 1.0f), kMaxTurnRate);
    mRotation.z = Wrapped(mRotation.z - rate * gFrameScale);
    mRotation.y = Wrapped(mRotation.y - 0.1f * gFrameScale);
}

void CPlayerShip::FireWeapon(const Vec3* target)
{
    CWeaponInfo* weapon = mSelectedWeaponRecord;
    if (!weapon || !mActive || mFireTimer < weapon->mDelay)
        return;
    if (weapon->mEnergyReq > 0 && (!mEngine || mEngine->mEnergy < weapon->mEnergyReq))
        return;
    mFireTimer = 0;
    const bool cloak = weapon->mWeaponType == kWeaponCloak;
    if (mEngine && !cloak)
        mEngine->mEnergy -= weapon->mEnergyReq;
    const auto* charge = dynamic_cast<const CChargeWeapon*>(weapon);
    if (charge && charge->mChargeType == kChargeEngine)
        return;
    // Without an aim point the shot goes where the ship is.
    const Vec3* aim = target ? target : &mPosition;

    if (weapon->mMaxAmmo < 1) {
        gResourceManager->LaunchWeapon(weapon->mDeviceId, this, &mPosition, aim);
        if (cloak)
            mCloakDrainPeriod = CloakDrainPeriod(mSize, weapon->mEnergyReq);
        return;
    }
    const auto ammo = mAmmo.find(weapon->mDeviceId);
    if (ammo != mAmmo.end() && ammo->second >= 1) {
        gResourceManager->LaunchWeapon(weapon->mDeviceId, this, &mPosition, aim);
        --ammo->second;
        return;
    }
    PostFlightMessage("You are out of ammo for this weapon!");
    PostFlightMessage("Buy ammo from the arms dealer at the nearest starbase!");
    gSoundRequest = SoundRequest{kOutOfAmmoSound, &mPosition};
    gResourceManager->PlaySoundAt(gSoundRequest);
}

void CPlayerShip::DrawGuideArrow()
{
    if (!mGuideTarget)
        return;
    mArrowColour = 0xFFFF0000u + static_cast<uint32_t>(gPulse) * 0x0101u;
    Vec3 toward = Vec3::Difference(mGuideTarget->mPosition, mPosition);
    toward.z = 0.0f;
    const float length = Vec3Length(toward);
    if (length > 0.0f)
        toward = Vec3::Scaled(toward, 1.0f / length);
    mArrowPosition = Vec3::Sum(mPosition, Vec3::Scaled(toward, mSize * 2.0f));
    mArrowAngle = HeadingOfVec3(toward);
    gResourceManager->DrawTrail(mArrowRecord);
}

void CPlayerShip::Render()
{
    if (!mActive)
        return;
    if (!mVisible) {
        DrawGuideArrow();
        mAlpha = kCloakedAlpha;
        gResourceManager->RenderMesh(mHullRecord, true);
        mAlpha = 0;
        return;
    }
    for (CAilment* ailment : mAilments) {
        if (ailment)
            ailment->EmitParticle(this);
    }
    gResourceManager->RenderMesh(mHullRecord, false);
    if (mShield)
        mShield->DrawHitFlash();
    DrawGuideArrow();
    EmitTrail();
    if (mEngine)
        mEngine->RegenerateEnergy();
}
