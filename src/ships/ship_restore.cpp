// CShip::Restore: the full repair that stations and the in-flight screen give a ship.
#include "ships/ship.h"

#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"

namespace {

// The harmful ailment types; the bonuses below them stay.
constexpr int kFirstHarmfulAilment = 6;

}  // namespace

CShip* CShip::Restore()
{
    mActive = 1;
    mHitPoints = mMaxHitPoints;
    if (mEngine)
        mEngine->mEnergy = mEngine->mMaxEnergy;
    if (mShield)
        mShield->mPoints = mShield->mMaxPoints;
    if (mArmor)
        mArmor->mPoints = mArmor->mMaxPoints;
    for (int type = kFirstHarmfulAilment; type <= kAilmentTypeCount; ++type) {
        CAilment*& slot = mAilments[type - 1];
        if (!slot)
            continue;
        slot->Remove(this);
        delete slot;
        slot = nullptr;
    }
    return this;
}
