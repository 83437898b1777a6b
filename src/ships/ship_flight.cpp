// The computer ships' flight: respawn, steering, movement, tumbling, turning, smoke and exhaust;
// the fade and the destination clamp that every ship uses.
#include "ships/ship.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"

namespace {

constexpr float kFlightPlaneZ = 30.0f;
constexpr float kTwoPi = 6.28318f;
constexpr float kPi = 3.14159f;
constexpr float kTurnPerUnit = 0.174533f;
constexpr float kMaxRoll = 0.7853975f;
constexpr int kFadeStep = 20;
constexpr uint32_t kGhostColour = 0xA0FFFFFFu;
constexpr int kGhostAlpha = 160;
constexpr int kSmokeCapMs = 800;
constexpr int kSmokeFloorMs = 300;
constexpr int kExhaustIntervalMs = 500;
constexpr int kExhaustParticle = 51;

float Wrapped(float angle)
{
    return WrappedAngle(angle, kTwoPi);
}

}  // namespace

void CShip::UpdateFade()
{
    // The fraction of a step is carried over, so short frames still fade.
    const float step = kFadeStep * gFrameScale;
    if (mStealth) {
        if (mAlpha > 0)
            StepAlpha(-step);
        if (mAlpha <= 0) {
            mAlpha = 0;
            mFadeCarry = 0.0f;
            mVisible = 0;
        }
        return;
    }
    mVisible = 1;
    const int top = mColour == kGhostColour ? kGhostAlpha : 255;
    if (mAlpha < top)
        StepAlpha(step);
    if (mAlpha >= top) {
        mAlpha = top;
        mFadeCarry = 0.0f;
    }
}

void CShip::StepAlpha(float step)
{
    const float next = static_cast<float>(mAlpha) + mFadeCarry + step;
    mAlpha = static_cast<int>(next);
    mFadeCarry = next - static_cast<float>(mAlpha);
}

void CShip::ClampDestination()
{
    const float halfWidth = gResourceManager->mSystemWidth / 2.0f;
    const float halfHeight = gResourceManager->mSystemHeight / 2.0f;
    mDestination.x = std::clamp(mDestination.x, -halfWidth, halfWidth);
    mDestination.y = std::clamp(mDestination.y, -halfHeight, halfHeight);
}

bool CShip::BeginComputerFrame()
{
    if (!mActive) {
        if (mRespawnClock < mRespawnTime || mRespawnTime < 1) {
            mRespawnClock += static_cast<int>(gFrameTimeMs);
            return false;
        }
        mActive = 1;
        mPosition = mHomePosition;
        mRespawnClock = 0;
        mAlpha = 0;
        mVelocity = Vec3();
        mHitPoints = mMaxHitPoints;
        if (mArmor)
            mArmor->mPoints = mArmor->mMaxPoints;
        if (mShield)
            mShield->mPoints = mShield->mMaxPoints;
        return false;
    }
    mPosition.z = kFlightPlaneZ;
    return mEngine != nullptr;
}

void CShip::FlyComputerFrame(int& exhaustClock)
{
    mWeaponCooldown += static_cast<int>(gFrameTimeMs);

    const bool atDestination = Vec3::Equals(mPosition, mDestination);
    if (mFollowingWaypoints && atDestination) {
        if (!mWaypoints.empty()) {
            SetDestination(mWaypoints.front());
            mWaypoints.pop_front();
        } else {
            mFollowingWaypoints = 0;
            mArrived = 1;
        }
    } else if (!atDestination) {
        mDirection = UnitVec3(Vec3::Difference(mDestination, mPosition));
        mTargetRotation.z = HeadingOfVec3(mDirection);
        mEngine->Thrust();
    }
    if (Vec3::Equals(mPosition, mDestination))
        mEngine->mSpeed = 0.0f;

    mMoveSpeed = mEngine->mSpeed;
    UpdateAilments();

    const float step = gFrameScale * mMoveSpeed;
    MoveAndTumble(step);
    Turn(kTurnPerUnit * step);
    SmokeWhenDamaged();
    UpdateSubsystems();
    if (mVisible)
        EmitExhaust(exhaustClock);
}

void CShip::MoveAndTumble(float step)
{
    if (Vec3LengthSq(Vec3::Difference(mDestination, mPosition)) <= step * step)
        mPosition = mDestination;
    else
        Vec3::Add(mPosition, Vec3::Scaled(mDirection, step));

    if (mVelocity.x == 0.0f && mVelocity.y == 0.0f)
        return;
    const Vec3 drift = Vec3::Scaled(mVelocity, gFrameScale);
    Vec3::Add(mPosition, drift);
    // A pushed ship tumbles.
    Vec3::Add(mRotation, drift);
    const float length = Vec3Length(mVelocity) * (1.0f - 0.2f * gFrameScale);
    if (length <= mMoveSpeed / 2.0f)
        mVelocity = Vec3();
    else
        mVelocity = Vec3::Scaled(UnitVec3(mVelocity), length);
}

void CShip::Turn(float turn)
{
    float heading = Wrapped(mRotation.z);
    const float target = Wrapped(mTargetRotation.z);
    mTargetRotation.z = target;
    float& roll = mRotation.y;
    if (heading == target) {
        if (roll > turn)
            roll -= turn;
        else if (roll < -turn)
            roll += turn;
        else
            roll = 0.0f;
    } else if (std::fabs(target - heading) <= turn) {
        heading = target;
    } else if ((heading < target && target - heading <= kPi) || (target < heading && heading - target >= kPi)) {
        heading += turn;
        roll = std::min(roll + turn, kMaxRoll);
    } else {
        heading -= turn;
        roll = std::max(roll - turn, -kMaxRoll);
    }
    mRotation.z = heading;

    float& pitch = mRotation.x;
    pitch = Wrapped(pitch);
    if (pitch == 0.0f)
        return;
    if (std::fabs(pitch) < 0.5f * gFrameScale)
        pitch = 0.0f;
    else if (std::fabs(pitch) > kPi)
        pitch += 0.3f * gFrameScale;
    else if (std::fabs(pitch) < kPi)
        pitch -= 0.3f * gFrameScale;
}

int CShip::StepSmokeClock()
{
    if (mHitPoints <= 0 || mHitPoints >= mMaxHitPoints)
        return 0;
    mSmokeClock = std::min(mSmokeClock + static_cast<int>(gFrameTimeMs), kSmokeCapMs);
    // Worked wide: a hull row may hold more points than 800 times them fits in an int.
    const long long share = static_cast<long long>(mHitPoints) * kSmokeCapMs / mMaxHitPoints;
    return std::max(static_cast<int>(share), kSmokeFloorMs);
}

void CShip::SmokeWhenDamaged()
{
    const int period = StepSmokeClock();
    while (period > 0 && mSmokeClock > period) {
        mSmokeClock -= period;
        mDirection.z = 0.0f;
        const Vec3 away = Vec3::Negated(mDirection);
        gResourceManager->AddParticle(2 + std::rand() % 4, &mPosition, &away, 0, 1.0f, nullptr);
    }
}

void CShip::EmitExhaust(int& exhaustClock)
{
    exhaustClock += static_cast<int>(gFrameTimeMs);
    Vec3 forward = RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), mRotation.z);
    forward.z = 0.0f;
    forward = UnitVec3(forward);
    const float size = std::min((mMoveSpeed + 3.0f) * mSize / 30.0f, 4.0f);
    mExhaustPoint = Vec3::Difference(mPosition, Vec3::Scaled(forward, (mSize * mHullExtent.y + size) / 2.2f));
    mExhaustPoint.z = mPosition.z;
    if (exhaustClock <= kExhaustIntervalMs)
        return;
    exhaustClock = 0;
    gResourceManager->AddParticle(kExhaustParticle, &mExhaustPoint, &gZeroVector, 0xFFFFFFFFu, size, &mExhaustPoint);
}
