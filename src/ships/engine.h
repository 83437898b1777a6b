// CEngine: a ship's speed, top speed, acceleration, fuel and the energy weapons draw on.
#pragma once

#include <cstdint>

#include "core/vec3.h"
#include "ships/device_info.h"

class CShip;

class CEngine : public CDeviceInfo {
public:
    // An engine fitted to a ship: the row scaled by the ship (Attach).
    CEngine(int deviceId, CShip* owner);
    // An engine without a ship (stores, the device factory): the row as it is.
    explicit CEngine(int deviceId);

    // (Re)reads the row and scales it by the owner's size and factors; speed, timers and
    // accumulators go to 0, fuel and energy to full.
    void Attach(CShip* owner);
    // The owner's speed factor times the base, never below 2.0.
    float GetTopSpeed() const;
    // Computer and remote ships, once per frame while away from the destination: accelerate
    // (not frame-scaled), cap, boost, burn fuel, place the exhaust.
    void Thrust();
    // The player: accelerate by the frame, capped at the top speed.
    void Accelerate();
    // Slows by rate x acceleration; the distance counts toward the next fuel use.
    void Decelerate(float rate);
    void ConsumeFuel();
    // The player out of fuel: the warning on the first empty frame, then every 10 s.
    void CheckOutOfFuel();
    // One energy point per period of the frame's time, up to the maximum; none while the owner's
    // recharge is off.
    void RegenerateEnergy();

    CShip* mOwner = nullptr;
    int mDamageType = 0;
    int mEnergyAccumulator = 0;
    float mTopSpeedBase = 0.0f;
    float mAcceleration = 0.0f;
    float mRowTopSpeed = 0.0f;
    float mRowAcceleration = 0.0f;
    float mSpeed = 0.0f;
    // Multiplies the speed of the next Thrust once.
    float mBoost = 1.0f;
    int mMaxEnergy = 0;
    int mEnergyPerSecond = 0;
    int mRegenerationRate = 0;
    int mMaxFuel = 0;
    int mFuel = 0;
    int mFuelWarningClock = 0;
    float mDistancePerFuelUnit = 0.0f;
    int mEnergy = 0;
    // Milliseconds per energy point; 0 regenerates nothing.
    int mEnergyPeriod = 0;
    float mFuelDistance = 0.0f;
    int mExhaustSpriteId = 0;
    uint32_t mExhaustColour = 0;
    int mExhaustAlpha = 255;
    float mExhaustOuterSize = 0.0f;
    float mExhaustInnerSize = 0.0f;
    Vec3 mExhaustPoint;
    Vec3 mForward;

private:
    // The row's values; false (quit posted) when the engine has no row.
    bool ReadRow();
    void BurnFuel(float distance);
};
