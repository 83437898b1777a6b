// The engine: scaling the row to the hull, thrust, fuel and energy.
#include "ships/engine.h"

#include <algorithm>
#include <cmath>

#include "core/frame_clock.h"
#include "core/message_log.h"
#include "core/saturated.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "ships/pilot.h"
#include "ships/ship.h"

namespace {

constexpr float kMinTopSpeed = 2.0f;
// A hull of size 3 flies the row's values.
constexpr float kReferenceSizeSq = 9.0f;
constexpr int kFuelWarningMs = 10000;
constexpr int kFuelWarningSound = 55;
constexpr int kAttachedExhaustSprite = 15001;
constexpr int kLooseExhaustSprite = 10001;
constexpr float kInitialInnerExhaust = 0.6f;

}  // namespace

CEngine::CEngine(int deviceId, CShip* owner)
{
    mDeviceId = deviceId;
    Attach(owner);
    mDeviceType = kDeviceEngine;
    mFuelWarningClock = kFuelWarningMs;
}

CEngine::CEngine(int deviceId)
{
    mDeviceId = deviceId;
    mDeviceType = kDeviceEngine;
    mFuelWarningClock = kFuelWarningMs;
    mExhaustSpriteId = kLooseExhaustSprite;
    mExhaustInnerSize = kInitialInnerExhaust;
    if (!ReadRow())
        return;
    mTopSpeedBase = mRowTopSpeed;
    mAcceleration = mRowAcceleration;
    mEnergyPerSecond = mRegenerationRate;
    mEnergyPeriod = mEnergyPerSecond > 0 ? 1000 / mEnergyPerSecond : 0;
    mFuel = mMaxFuel;
    mEnergy = mMaxEnergy;
}

bool CEngine::ReadRow()
{
    const EngineRecord* row = gGameDatabase.GetEngine(mDeviceId);
    if (!row) {
        os::PostFailureQuit("no engine row for device %d", mDeviceId);
        return false;
    }
    SetHead(mDeviceId, kDeviceEngine, row->device_name, row->display_mesh_id, row->credit_value);
    mDamageType = row->device_mod;
    mRowTopSpeed = row->max_velocity;
    mRowAcceleration = row->acceleration;
    mMaxEnergy = row->max_energy;
    mRegenerationRate = row->regeneration_rate;
    mMaxFuel = row->max_fuel;
    mDistancePerFuelUnit = row->dist_per_fuel_unit;
    mExhaustColour = row->color_mod;
    return true;
}

void CEngine::Attach(CShip* owner)
{
    mOwner = owner;
    mExhaustSpriteId = kAttachedExhaustSprite;
    mSpeed = 0.0f;
    mBoost = 1.0f;
    mFuelDistance = 0.0f;
    mEnergyAccumulator = 0;
    mFuelWarningClock = kFuelWarningMs;
    if (!ReadRow())
        return;
    const float size = owner->mSize;
    const float sizeSq = size * size;
    mTopSpeedBase = size != 0.0f ? mRowTopSpeed * kReferenceSizeSq / sizeSq : 0.0f;
    mAcceleration = size != 0.0f ? mRowAcceleration * kReferenceSizeSq / sizeSq : 0.0f;
    mEnergyPerSecond = SaturatedInt(owner->GetEnergyRegenFactor() * static_cast<float>(mRegenerationRate));
    // Above 1000 a second the period would round to 0: such an engine regenerates nothing.
    mEnergyPeriod = mEnergyPerSecond > 0 ? 1000 / mEnergyPerSecond : 0;
    mDistancePerFuelUnit = size != 0.0f ? owner->GetFuelEfficiencyFactor() * mDistancePerFuelUnit / size : 1.0f;
    mFuel = mMaxFuel;
    mEnergy = mMaxEnergy;
}

float CEngine::GetTopSpeed() const
{
    const float factor = mOwner ? mOwner->GetSpeedFactor() : 1.0f;
    return std::max(factor * mTopSpeedBase, kMinTopSpeed);
}

void CEngine::BurnFuel(float distance)
{
    mFuelDistance += distance;
    if (!(mDistancePerFuelUnit > 0.0f) || !(mFuelDistance >= mDistancePerFuelUnit))
        return;
    // All the units of the distance at once: unit by unit, a tiny distance per unit would take
    // for ever, and below a float's step the subtraction would not even move.
    const double per = mDistancePerFuelUnit;
    const double units = std::floor(mFuelDistance / per);
    const double left = mFuelDistance - units * per;
    mFuel = SaturatedInt(static_cast<double>(mFuel) - units);
    // An endless distance (a speed no float holds) empties the tank and leaves nothing over.
    mFuelDistance = std::isfinite(left) ? static_cast<float>(std::clamp(left, 0.0, per)) : 0.0f;
}

void CEngine::Thrust()
{
    if (!mOwner)
        return;
    mSpeed += mOwner->GetAccelerationFactor() * mAcceleration;
    mSpeed = std::min(mSpeed, GetTopSpeed());
    // The boost comes after the cap, so a boosted frame may pass the top speed.
    mSpeed *= mBoost;
    if (mBoost > 1.0f) {
        const uint32_t pulse = static_cast<uint32_t>(gPulse) & 0xFFu;
        mExhaustColour = 0xFFFF0000u | (pulse << 8) | pulse;
    }
    mBoost = 1.0f;

    BurnFuel(gFrameScale * mSpeed);
    // Only the player's gauge stops at empty; a computer ship flies on.
    if (mFuel < 1 && IsPlayerShip(mOwner))
        mFuel = 0;

    const float heading = mOwner->mRotation.z;
    mForward = Vec3(-std::sin(heading), std::cos(heading), 0.0f);
    mExhaustPoint = Vec3::Difference(mOwner->mPosition, Vec3::Scaled(mForward, mOwner->mSize / 1.2f));
    mExhaustOuterSize = mOwner->mSize * mSpeed / 5.0f;
    mExhaustInnerSize = mExhaustOuterSize / 5.0f;
}

void CEngine::Accelerate()
{
    mSpeed = std::min(mSpeed + gFrameScale * mAcceleration, GetTopSpeed());
}

void CEngine::Decelerate(float rate)
{
    const float factor = mOwner ? mOwner->GetAccelerationFactor() : 1.0f;
    mSpeed -= rate * mAcceleration * factor * gFrameScale;
    if (mSpeed <= 0.0f)
        mSpeed = 0.0f;
    mFuelDistance += gFrameScale * mSpeed;
}

void CEngine::ConsumeFuel()
{
    BurnFuel(gFrameScale * mSpeed);
}

void CEngine::CheckOutOfFuel()
{
    if (!IsPlayerShip(mOwner) || mFuel >= 1)
        return;
    mFuel = 0;
    mFuelWarningClock += static_cast<int>(gFrameTimeMs);
    if (mFuelWarningClock <= kFuelWarningMs)
        return;
    mFuelWarningClock = 0;
    gResourceManager->PlaySoundAt(SoundRequest{kFuelWarningSound, &gZeroVector});
    PostFlightMessage("Your ship is out of fuel.  Refuel at the nearest starbase.");
    PostFlightMessage("You can purchase fuel at the arms dealer.");
}

void CEngine::RegenerateEnergy()
{
    if (mOwner && !mOwner->mRecharge)
        return;
    mEnergyAccumulator += static_cast<int>(gFrameTimeMs);
    if (mEnergyPeriod >= 1 && mEnergyAccumulator >= mEnergyPeriod) {
        const int points = mEnergyAccumulator / mEnergyPeriod;
        mEnergyAccumulator -= points * mEnergyPeriod;
        mEnergy = SaturatedInt(static_cast<double>(mEnergy) + points);
    }
    mEnergy = std::min(mEnergy, mMaxEnergy);
}
