// CDefenseDevice: what a shield and an armor share: points that soak weighted damage, less an
// armor class per hit, and come back one at a time.
#pragma once

#include "ships/device_info.h"

class CShip;

class CDefenseDevice : public CDeviceInfo {
public:
    // The damage that passes on to the next layer.
    int Absorb(int amount, int damageType);
    // One frame of regeneration; every ship calls it each frame.
    void Regenerate();

    CShip* mOwner = nullptr;
    // The device's own DamageType.
    int mDamageType = 0;
    int mArmorClass = 0;
    int mMaxPoints = 0;
    int mPoints = 0;
    // Milliseconds per regenerated point; below 1 regenerates nothing.
    int mRegenerationPeriod = 0;
    int mRegenerationRate = 0;
    int mRegenerationAccumulator = 0;

protected:
    // The period of the row's rate, before the owner's regeneration factor.
    void SetRate(int rate);
    // Divides the period by the owner's factor, at least 1 ms.
    void ScalePeriod(float factor);
};
