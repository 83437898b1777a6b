// The player ship's weapon selection, its weapon and carried-device lists, equipping, and the
// ammunition kept per device.
#include <algorithm>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

// A weapon record the shared cache holds is the cache's to delete.
bool IsCachedRecord(const CDeviceInfo* device)
{
    if (!gResourceManager)
        return false;
    const auto found = gResourceManager->mWeaponRecords.find(device->mDeviceId);
    return found != gResourceManager->mWeaponRecords.end() && found->second == device;
}

void DeleteCarried(CDeviceInfo* device)
{
    if (device && !IsCachedRecord(device))
        delete device;
}

// Takes slot out of a list of count entries, closing the gap; the entry is not deleted.
template <typename T>
void TakeOut(T* (&list)[kPlayerListSize], int& count, int slot)
{
    for (int i = slot; i + 1 < count; ++i)
        list[i] = list[i + 1];
    list[count - 1] = nullptr;
    --count;
}

}  // namespace

CPlayerShip::~CPlayerShip()
{
    for (CDeviceInfo*& device : mCarried) {
        DeleteCarried(device);
        device = nullptr;
    }
    DeleteQuests();
}

void CPlayerShip::SelectSlot(int slot)
{
    if (mWeaponCount < 1) {
        mSelectedSlot = 0;
        mSelectedWeaponRecord = nullptr;
        mSelectedWeapon = nullptr;
        return;
    }
    mSelectedSlot = std::clamp(slot, 0, mWeaponCount - 1);
    mSelectedWeaponRecord = mWeapons[mSelectedSlot];
    mSelectedWeapon = mSelectedWeaponRecord;
    LaunchEngineCharge();
}

void CPlayerShip::LaunchEngineCharge()
{
    const auto* charge = dynamic_cast<const CChargeWeapon*>(mSelectedWeaponRecord);
    if (charge && charge->mChargeType == kChargeEngine)
        gResourceManager->LaunchWeapon(charge->mDeviceId, this, &mPosition, &mPosition);
}

void CPlayerShip::ReselectAfterChange()
{
    SelectSlot(mSelectedSlot);
}

void CPlayerShip::SelectWeaponSlot(int index)
{
    mActiveChargeId = 0;
    SelectSlot(index);
}

void CPlayerShip::SelectWeapon(int deviceId)
{
    for (int slot = 0; slot < mWeaponCount; ++slot) {
        if (mWeapons[slot]->mDeviceId == deviceId) {
            SelectSlot(slot);
            return;
        }
    }
}

void CPlayerShip::NextWeapon()
{
    mActiveChargeId = 0;
    const int next = mSelectedSlot + 1;
    SelectSlot(next < mWeaponCount ? next : 0);
    if (mSelectedWeaponRecord)
        mFireTimer = mSelectedWeaponRecord->mDelay;
}

void CPlayerShip::PreviousWeapon()
{
    mActiveChargeId = 0;
    SelectSlot(mSelectedSlot == 0 ? mWeaponCount - 1 : mSelectedSlot - 1);
    if (mSelectedWeaponRecord)
        mFireTimer = mSelectedWeaponRecord->mDelay;
}

bool CPlayerShip::AddWeapon(CWeaponInfo* weapon)
{
    if (!weapon || mWeaponCount >= kPlayerListSize)
        return false;
    mWeapons[mWeaponCount++] = weapon;
    StoreAmmo(weapon->mDeviceId, weapon->mMaxAmmo);
    ReselectAfterChange();
    return true;
}

void CPlayerShip::FitOwnWeapon(int deviceId)
{
    const int weaponType = gResourceManager->GetWeaponType(deviceId);
    CWeaponInfo* weapon = gResourceManager->GetWeaponInfo(deviceId, weaponType);
    if (!weapon)
        QuitForMissingWeaponRow(deviceId, weaponType);
    AddWeapon(weapon);
}

bool CPlayerShip::AddCarriedDevice(CDeviceInfo* device)
{
    if (!device || mCarriedCount >= kPlayerListSize)
        return false;
    mCarried[mCarriedCount++] = device;
    StoreAmmo(device->mDeviceId, 0);
    return true;
}

bool CPlayerShip::TakeDevice(int deviceId)
{
    // Room first: a full hold must not build a device at every frame of contact.
    if (mCarriedCount >= kPlayerListSize)
        return false;
    return AddCarriedDevice(gGameDatabase.CreateDevice(deviceId));
}

void CPlayerShip::RemoveWeapon(int slot)
{
    if (slot < 0 || slot >= mWeaponCount)
        return;
    TakeOut(mWeapons, mWeaponCount, slot);
    ReselectAfterChange();
}

void CPlayerShip::RemoveCarriedDevice(int slot)
{
    if (slot < 0 || slot >= mCarriedCount)
        return;
    DeleteCarried(mCarried[slot]);
    TakeOut(mCarried, mCarriedCount, slot);
}

bool CPlayerShip::EquipCarriedDevice(int slot)
{
    if (slot < 0 || slot >= mCarriedCount || mWeaponCount >= kPlayerListWorkingLimit)
        return false;
    CDeviceInfo* device = mCarried[slot];
    DeviceCriteriaValues pilot;
    pilot.alignment = mAlignment;
    pilot.level = mLevel;
    pilot.ship_level = mShipLevel;
    pilot.ship_size = mSize;
    pilot.com_level = mCommunication;
    pilot.eng_level = mEngineering;
    pilot.nav_level = mNavigation;
    pilot.sci_level = mScience;
    pilot.tac_level = mTactical;
    const CountRecord* met = gGameDatabase.CountDeviceCriteriaMet(device->mDeviceId, pilot);
    if (!met || met->count < 1)
        return false;

    if (device->mDeviceType == kDeviceWeapon) {
        // The weapon slots hold the cache's record; the carried copy goes.
        auto* weapon = gResourceManager->GetDeviceWeaponInfo(device->mDeviceId);
        if (!AddWeapon(weapon))
            return false;
        RemoveCarriedDevice(slot);
    } else if (auto* shield = dynamic_cast<CShield*>(device)) {
        PutBack(slot, mShield);
        mShield = shield;
        mShield->Attach(this);
    } else if (auto* armor = dynamic_cast<CArmor*>(device)) {
        PutBack(slot, mArmor);
        mArmor = armor;
        mArmor->Attach(this);
    } else if (auto* engine = dynamic_cast<CEngine*>(device)) {
        if (mEngine)
            StoreAmmo(mEngine->mDeviceId, mEngine->mFuel);
        PutBack(slot, mEngine);
        mEngine = engine;
        mEngine->Attach(this);
        if (GetAmmo(mEngine->mDeviceId) >= 0)
            mEngine->mFuel = GetAmmo(mEngine->mDeviceId);
    }
    return true;
}

void CPlayerShip::PutBack(int slot, CDeviceInfo* installed)
{
    if (installed)
        mCarried[slot] = installed;
    else
        TakeOut(mCarried, mCarriedCount, slot);
}

int CPlayerShip::GetAmmo(int deviceId) const
{
    const auto found = mAmmo.find(deviceId);
    return found == mAmmo.end() ? -1 : found->second;
}

void CPlayerShip::StoreAmmo(int deviceId, int amount)
{
    mAmmo.emplace(deviceId, amount);
}
