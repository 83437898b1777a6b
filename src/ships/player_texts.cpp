// The player ship's texts for the ship-and-crew and store screens.
#include <cstdio>
#include <cstring>

#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

// Every caller's buffer has room for this much.
constexpr size_t kTextRoom = 64;

void FormatName(char* out, const CDeviceInfo* device, const char* none)
{
    std::snprintf(out, kTextRoom, "%s", device ? device->mName : none);
}

}  // namespace

void CPlayerShip::FormatWeaponAmmo(char* out)
{
    if (!mSelectedWeaponRecord) {
        std::snprintf(out, kTextRoom, "0");
        return;
    }
    std::snprintf(out, kTextRoom, "%d/%d", GetAmmo(mSelectedWeaponRecord->mDeviceId), mSelectedWeaponRecord->mMaxAmmo);
}

void CPlayerShip::FormatHitPoints(char* out)
{
    std::snprintf(out, kTextRoom, "%d/%d", mHitPoints, mMaxHitPoints);
}

void CPlayerShip::FormatTotalHitPoints(char* out)
{
    std::snprintf(out, kTextRoom, "%d/%d", GetHitPoints(), GetMaxHitPoints());
}

void CPlayerShip::FormatCargo(char* out)
{
    std::snprintf(out, kTextRoom, "%d/%d", CargoTons(), mCargoCapacity);
}

void CPlayerShip::FormatCommonCompounds(char* out)
{
    std::snprintf(out, kTextRoom, "%d", mCompounds[0]);
}

void CPlayerShip::FormatUncommonCompounds(char* out)
{
    std::snprintf(out, kTextRoom, "%d", mCompounds[1]);
}

void CPlayerShip::FormatRareCompounds(char* out)
{
    std::snprintf(out, kTextRoom, "%d", mCompounds[2]);
}

void CPlayerShip::FormatExoticCompounds(char* out)
{
    std::snprintf(out, kTextRoom, "%d", mCompounds[3]);
}

void CPlayerShip::FormatExperienceToLevel(char* out)
{
    std::snprintf(out, kTextRoom, "%d", mNextLevelExperience - mExperience);
}

void CPlayerShip::FormatWeaponDamage(char* out)
{
    if (!mSelectedWeaponRecord) {
        std::snprintf(out, kTextRoom, "0");
        return;
    }
    const int low = mSelectedWeaponRecord->mMinDamage;
    const int high = low + mSelectedWeaponRecord->mVariableDamage;
    const int bonus = static_cast<int>(GetDamageFactor() * static_cast<float>(high)) - high;
    std::snprintf(out, kTextRoom, "%d-%d +%d", low, high, bonus);
}

void CPlayerShip::FormatShieldName(char* out)
{
    FormatName(out, mShield, "No Shields");
}

void CPlayerShip::FormatArmorName(char* out)
{
    FormatName(out, mArmor, "No Armor");
}

void CPlayerShip::FormatEngineName(char* out)
{
    FormatName(out, mEngine, "No Engine");
}

void CPlayerShip::FormatFuel(char* out)
{
    if (!mEngine) {
        std::snprintf(out, kTextRoom, "0");
        return;
    }
    std::snprintf(out, kTextRoom, "%d/%d", mEngine->mFuel, mEngine->mMaxFuel);
}

int CPlayerShip::FormatWeaponLabel(char* out, int size)
{
    if (!mSelectedWeaponRecord) {
        out[0] = '\0';
        return 0;
    }
    return ::FormatWeaponLabel(out, size, *mSelectedWeaponRecord, GetAmmo(mSelectedWeaponRecord->mDeviceId));
}
