// Absorbing and regenerating, the same for shields and armor.
#include "ships/defense_device.h"

#include <algorithm>

#include "core/frame_clock.h"
#include "ships/damage_types.h"

namespace {

constexpr int kRegenerationBaseMs = 10000;

}  // namespace

void CDefenseDevice::SetRate(int rate)
{
    mRegenerationRate = rate;
    mRegenerationPeriod = rate > 0 ? kRegenerationBaseMs / rate : kRegenerationBaseMs;
}

void CDefenseDevice::ScalePeriod(float factor)
{
    // From the rate again, so attaching to a second ship does not scale twice.
    SetRate(mRegenerationRate);
    mRegenerationPeriod = std::max(1, static_cast<int>(static_cast<float>(mRegenerationPeriod) / factor));
}

int CDefenseDevice::Absorb(int amount, int incomingType)
{
    const int weighted = static_cast<int>(DamageTypeFactor(incomingType, mDamageType) * static_cast<float>(amount));
    if (weighted < 1)
        return 0;
    // A depleted device still weighs the damage, so it can pass more than it was given.
    if (mPoints == 0)
        return weighted;
    const int effective = weighted - mArmorClass;
    if (effective < 1)
        return 0;
    if (mPoints >= effective) {
        mPoints -= effective;
        return 0;
    }
    const int overflow = effective - mPoints;
    mPoints = 0;
    return std::min(overflow, amount);
}

void CDefenseDevice::Regenerate()
{
    mRegenerationAccumulator += static_cast<int>(gFrameTimeMs);
    while (mRegenerationPeriod >= 1 && mRegenerationAccumulator > mRegenerationPeriod) {
        mRegenerationAccumulator -= mRegenerationPeriod;
        if (mPoints < mMaxPoints)
            ++mPoints;
    }
    mPoints = std::min(mPoints, mMaxPoints);
}
