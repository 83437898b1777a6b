// CGameDatabase::CreateDevice: builds the device class that a device's type names.
#include "db/game_database.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

CDeviceInfo* CreateWeapon(CGameDatabase& database, int32_t deviceId)
{
    const WeaponTypeRecord* weapon = database.GetWeaponType(deviceId);
    if (!weapon)
        return nullptr;
    switch (weapon->weapon_type) {
    case kWeaponBeam:
        return new CBeamWeapon(deviceId);
    case kWeaponProjectile:
        return new CProjectileWeapon(deviceId);
    case kWeaponShockwave:
        return new CShockwaveWeapon(deviceId);
    case kWeaponCloak:
        return new CCloakWeapon(deviceId);
    case kWeaponCharge:
        return new CChargeWeapon(deviceId);
    case kWeaponMine:
        return new CMineWeapon(deviceId);
    case kWeaponPhantom:
        return new CPhantomWeapon(deviceId);
    case kWeaponPortal:
        return new CPortalWeapon(deviceId);
    case kWeaponHealth:
        return new CHealthWeapon(deviceId);
    default:
        return nullptr;
    }
}

}  // namespace

CDeviceInfo* CGameDatabase::CreateDevice(int32_t deviceId)
{
    if (deviceId == 0)
        return nullptr;
    const DeviceTypeRecord* device = GetDeviceType(deviceId);
    if (!device)
        return nullptr;
    switch (device->device_type) {
    case kDeviceWeapon:
        return CreateWeapon(*this, deviceId);
    case kDeviceShield:
        return new CShield(deviceId);
    case kDeviceArmor:
        return new CArmor(deviceId);
    case kDeviceEngine:
        return new CEngine(deviceId);
    case kDeviceQuest:
        return new CGenericDevice(deviceId);
    default:
        return nullptr;
    }
}

CDeviceInfo* CGameDatabase::CreateOwnedDevice(int32_t deviceId)
{
    if (CDeviceInfo* device = CreateDevice(deviceId))
        return device;
    const DeviceTypeRecord* device = GetDeviceType(deviceId);
    if (!device)
        os::PostFailureQuit("device %d has no device_main row", deviceId);
    else if (device->device_type == kDeviceWeapon)
        QuitForMissingWeaponRow(deviceId, kWeaponNone);
    else
        os::PostFailureQuit("device %d has no kind of device in its device_main row", deviceId);
    return nullptr;
}
