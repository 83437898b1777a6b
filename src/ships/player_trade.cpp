// Prices by the crew's communication skill, the station's repair and compound prices, the save
// point of a docking, and moving equipped devices into the carried list.
#include <algorithm>

#include "core/saturated.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/ailment.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

constexpr int kUiSound = 10;
constexpr int kMaxRefillPrice = 999999;
constexpr int kAilmentRepairPrice = 10;
// Credits per ton of common, uncommon, rare and exotic compounds before the sell factor.
constexpr int kCompoundBase[] = {2, 5, 20, 100};
constexpr int kSellableClasses = 4;

// What a weight of base-priced tons fetches at the sell factor.
int SaleOf(double tons, float sellFactor)
{
    return SaturatedInt((1.0f + sellFactor) * static_cast<float>(tons));
}

}  // namespace

float SellFactor(int communication)
{
    return std::min(0.25f + 0.01f * static_cast<float>(communication), 0.5f);
}

float BuyFactor(int communication)
{
    return std::max(1.0f - 0.01f * static_cast<float>(communication), 0.5f);
}

int AmmoRefillPrice(int remaining, int maxAmmo, int creditValue, float sellFactor)
{
    // Wide enough that a dear device with a large load cannot wrap.
    const long long unit = creditValue / 10;
    const long long missing = static_cast<long long>(maxAmmo) - remaining;
    const long long value = maxAmmo != 0 ? missing * unit / maxAmmo : missing * unit;
    const long long price = static_cast<long long>(sellFactor * static_cast<float>(value));
    if (price != 0)
        return static_cast<int>(std::min<long long>(price, kMaxRefillPrice));
    return remaining < maxAmmo ? 1 : 0;
}

void PlayUiSound()
{
    gSoundRequest = SoundRequest{kUiSound, &gZeroVector};
    gResourceManager->PlaySoundAt(gSoundRequest);
}

float CPlayerShip::SellFactor() const
{
    return ::SellFactor(mCommunication);
}

float CPlayerShip::BuyFactor() const
{
    return ::BuyFactor(mCommunication);
}

int CPlayerShip::PurchasePrice(int creditValue) const
{
    return SaturatedInt(BuyFactor() * static_cast<float>(creditValue));
}

int CPlayerShip::SalePrice(int creditValue) const
{
    return SaturatedInt(SellFactor() * static_cast<float>(creditValue));
}

void CPlayerShip::UnequipToCargo(int weaponIndex)
{
    if (weaponIndex < 0 || weaponIndex >= mWeaponCount || mCarriedCount >= kPlayerListWorkingLimit || mWeaponCount == 1)
        return;
    // The carried list holds the cache's record as it is; deleting it from there is skipped.
    mCarried[mCarriedCount++] = mWeapons[weaponIndex];
    RemoveWeapon(weaponIndex);
}

void CPlayerShip::UnequipShield()
{
    if (!mShield || mCarriedCount >= kPlayerListWorkingLimit)
        return;
    mCarried[mCarriedCount++] = mShield;
    mShield = nullptr;
}

void CPlayerShip::UnequipArmor()
{
    if (!mArmor || mCarriedCount >= kPlayerListWorkingLimit)
        return;
    mCarried[mCarriedCount++] = mArmor;
    mArmor = nullptr;
}

void CPlayerShip::UnequipEngine()
{
    if (!mEngine || mCarriedCount >= kPlayerListWorkingLimit)
        return;
    mCarried[mCarriedCount++] = mEngine;
    StoreAmmo(mEngine->mDeviceId, mEngine->mFuel);
    mEngine = nullptr;
}

int CPlayerShip::GetRepairCost()
{
    // Wide enough that no edited hull, shield or armor can wrap it.
    long long cost = (static_cast<long long>(mMaxHitPoints) - mHitPoints) / 2;
    if (mShield)
        cost += (static_cast<long long>(mShield->mMaxPoints) - mShield->mPoints) / 3;
    if (mArmor)
        cost += 2 * (static_cast<long long>(mArmor->mMaxPoints) - mArmor->mPoints);
    for (int type = kAilmentStunned; type <= kAilmentNoEnergy; ++type) {
        if (mAilments[type - 1])
            cost += kAilmentRepairPrice;
    }
    return SaturatedInt(static_cast<double>(cost));
}

int CPlayerShip::GetCompoundSaleValue()
{
    double tons = 0.0;
    for (int i = 0; i < kSellableClasses; ++i)
        tons += kCompoundBase[i] * static_cast<double>(mCompounds[i]);
    return SaleOf(tons, SellFactor());
}

int CPlayerShip::GetCompoundClassSale(int compoundClass)
{
    if (compoundClass < 1 || compoundClass > kSellableClasses)
        return 0;
    return SaleOf(kCompoundBase[compoundClass - 1] * static_cast<double>(mCompounds[compoundClass - 1]), SellFactor());
}

void CPlayerShip::AddCredits(double amount)
{
    mCredits = SaturatedInt(static_cast<double>(mCredits) + amount);
}

void CPlayerShip::ClearSellableCompounds()
{
    for (int i = 0; i < kSellableClasses; ++i)
        mCompounds[i] = 0;
}

void CPlayerShip::DockAt(const Vec3& savePoint, int systemId)
{
    mHomeX = savePoint.x;
    mHomeY = savePoint.y;
    mHomeSystemId = systemId;
    if (mEngine)
        mEngine->mEnergy = mEngine->mMaxEnergy;
}
