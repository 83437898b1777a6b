// The weapon records' constructors, each copying its weapon type's row, the record cache and
// the weapon label.
#include "ships/weapon_records.h"

#include <algorithm>
#include <cstdio>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kChargeLaunchDelayMs = 500;
constexpr int kDefaultChargePeriodMs = 100;
constexpr int kHealthDelayMs = 1000;
constexpr int kHealthLaunchSound = 13;
// The portal row has no delay; a second press within it would only burn a charge.
constexpr int kPortalDelayMs = 1000;

// The tables by weapon type, kWeaponNone first.
constexpr const char* kWeaponTables[] = {
    nullptr,         "beam_weapon",   "projectile_weapon", "shockwave_weapon", "cloak_weapon",
    "charge_weapon", "mine_weapon",   "phantom_weapon",    "portal_weapon",    "health_weapon",
};

}  // namespace

void QuitForMissingWeaponRow(int deviceId, int weaponType)
{
    const bool known = weaponType > kWeaponNone && weaponType <= kWeaponHealth;
    if (!gGameDatabase.GetDeviceMain(deviceId))
        os::PostFailureQuit("weapon device %d has no device_main row", deviceId);
    else if (known)
        os::PostFailureQuit("weapon device %d has no %s row", deviceId, kWeaponTables[weaponType]);
    else
        os::PostFailureQuit("weapon device %d has no row in any weapon table", deviceId);
}

void ReportMissingSprite(int deviceId, int spriteId)
{
    if (!gGameDatabase.GetSprite(spriteId))
        std::fprintf(stderr, "varnok: weapon device %d names sprite %d, which has no sprite row\n", deviceId, spriteId);
}

void ReportMissingSound(int deviceId, const char* use, int soundId)
{
    if (!gGameDatabase.GetSound(soundId))
        std::fprintf(stderr, "varnok: weapon device %d names %s sound %d, which has no sound row\n", deviceId, use,
                     soundId);
}

bool CWeaponInfo::Found(int deviceId, const void* row)
{
    mRowsFound = row != nullptr;
    if (!mRowsFound)
        QuitForMissingWeaponRow(deviceId, mWeaponType);
    return mRowsFound;
}

void CChainedWeaponInfo::ReadChainsAndParticles(int deviceId)
{
    RowList<ChainWeaponRow> chains;
    for (const ChainWeaponRow* chain : gGameDatabase.GetChainWeapons(chains, deviceId))
        mChainWeapons.push_back(chain->chain_weapon_device_id);
    RowList<DeviceParticleRow> particles;
    for (const DeviceParticleRow* particle : gGameDatabase.GetDeviceParticles(particles, deviceId))
        mParticles.push_back(particle->particle_id);
}

CBeamWeapon::CBeamWeapon(int deviceId)
{
    mWeaponType = kWeaponBeam;
    const BeamWeaponRecord* row = gGameDatabase.GetBeamWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mMinDamage = row->min_damage;
    mVariableDamage = row->variable_damage;
    mRange = row->range;
    mPrecision = static_cast<int>(row->precision);
    mDelay = row->delay;
    mColour = row->color_mod;
    mEnergyReq = row->energy_req;
    mRecordId = row->beam_weapon_id;
    mAilmentId = row->ailment_id;
    mSpriteId = row->sprite_id;
    mLaunchSoundId = row->launch_sound_id;
    mBeamWidth = row->beam_width;
    mForceScalar = row->force_scalar;
    ReadChainsAndParticles(deviceId);
}

CProjectileWeapon::CProjectileWeapon(int deviceId)
{
    mWeaponType = kWeaponProjectile;
    const ProjectileWeaponRecord* row = gGameDatabase.GetProjectileWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mMinDamage = row->min_damage;
    mVariableDamage = row->variable_damage;
    mRange = row->range;
    mPrecision = row->precision;
    mDelay = row->delay;
    mColour = row->color_mod;
    mEnergyReq = row->energy_req;
    mMaxAmmo = row->max_ammo;
    mRecordId = row->projectile_weapon_id;
    mAilmentId = row->ailment_id;
    mGuided = row->guided;
    mSpriteId = row->sprite_id;
    mParticleId = row->particle_id;
    mSolidMeshId = row->solid_mesh_id;
    mMaxVelocity = row->max_velocity;
    mAcceleration = row->acceleration;
    mSize = row->size;
    mSpinRate = row->spin_rate;
    mGrowthRate = row->growth_rate;
    mBlurrDist = row->blurr_dist;
    mBlurrRepeat = row->blurr_repeat;
    mLaunchSoundId = row->launch_sound_id;
    mDetonateSoundId = row->detonate_sound_id;
    ReadChainsAndParticles(deviceId);
}

CShockwaveWeapon::CShockwaveWeapon(int deviceId)
{
    mWeaponType = kWeaponShockwave;
    const ShockwaveWeaponRecord* row = gGameDatabase.GetShockwaveWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mMinDamage = row->min_damage;
    mVariableDamage = row->variable_damage;
    mRange = row->range;
    mDelay = row->delay;
    mColour = row->color_mod;
    mEnergyReq = row->energy_req;
    mRecordId = row->shockwave_weapon_id;
    mSpriteId = row->sprite_id;
    mMeshId = row->mesh_id;
    mGrowthRate = row->growth_rate;
    mLaunchSoundId = row->launch_sound_id;
    mDetonateSoundId = row->detonate_sound_id;
}

CCloakWeapon::CCloakWeapon(int deviceId)
{
    mWeaponType = kWeaponCloak;
    const CloakWeaponRecord* row = gGameDatabase.GetCloakWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mDelay = row->delay;
    mEnergyReq = row->energy_req;
    mAilmentId = row->ailment_id;
    mRecordId = row->cloak_weapon_id;
    mLaunchSoundId = row->launch_sound_id;
}

CChargeWeapon::CChargeWeapon(int deviceId)
{
    mWeaponType = kWeaponCharge;
    mDelay = kChargeLaunchDelayMs;
    const ChargeWeaponRecord* row = gGameDatabase.GetChargeWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mEnergyReq = row->energy_req;
    mColour = row->color_mod;
    mRecordId = row->charge_weapon_id;
    mSpriteId = row->sprite_id;
    mPeriod = row->delay != 0 ? row->delay : kDefaultChargePeriodMs;
    mMultiplier = row->multiplier;
    mChargeType = row->charge_type;
    mLaunchSoundId = row->launch_sound_id;
}

CMineWeapon::CMineWeapon(int deviceId)
{
    mWeaponType = kWeaponMine;
    const MineWeaponRecord* row = gGameDatabase.GetMineWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mRange = row->destruct_range;
    mDelay = row->delay;
    mMaxAmmo = row->max_ammo;
    mDestructDeviceId = row->destruct_device_id;
    mRecordId = row->destruct_device_id;
    mMeshId = row->mesh_id;
    mLaunchSoundId = row->launch_sound_id;
}

CPhantomWeapon::CPhantomWeapon(int deviceId)
{
    mWeaponType = kWeaponPhantom;
    const PhantomWeaponRecord* row = gGameDatabase.GetPhantomWeapon(deviceId);
    if (!Found(deviceId, row))
        return;
    // The phantom row has no damage type; the device's own one stands for it.
    if (const DeviceRecord* device = gGameDatabase.GetDevice(deviceId))
        mDeviceMod = device->device_mod;
    SetHead(deviceId, kDeviceWeapon, row->device_name, row->display_mesh_id, row->credit_value);
    mRange = row->pursuit_range;
    mDelay = row->delay;
    mMaxAmmo = row->max_ammo;
    mRecordId = row->phantom_weapon_id;
    mDamage = row->damage;
    mParticleId = row->particle_id;
    mParticleDelay = row->particle_delay;
    mAliveTime = row->alive_time;
    mVelocity = row->velocity;
    mSize = row->size;
    mLaunchSoundId = row->launch_sound_id;
    ReportMissingSound(deviceId, "launch", mLaunchSoundId);
}

CPortalWeapon::CPortalWeapon(int deviceId)
{
    mWeaponType = kWeaponPortal;
    mDelay = kPortalDelayMs;
    const PortalWeaponRecord* row = gGameDatabase.GetPortalWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mMaxAmmo = row->max_ammo;
    mEnergyReq = row->energy_req;
    mRecordId = row->portal_weapon_id;
}

CHealthWeapon::CHealthWeapon(int deviceId)
{
    mWeaponType = kWeaponHealth;
    mDelay = kHealthDelayMs;
    mLaunchSoundId = kHealthLaunchSound;
    const HealthWeaponRecord* row = gGameDatabase.GetHealthWeapon(deviceId);
    if (!TakeHead(deviceId, row))
        return;
    mMaxAmmo = row->max_ammo;
    mAilmentId = row->ailment_id;
    mRecordId = row->health_weapon_id;
    mHealFraction = static_cast<float>(row->heal_pct) / 100.0f;
}

CWeaponInfo* CResourceManager::GetWeaponInfo(int deviceId, int weaponType)
{
    auto found = mWeaponRecords.find(deviceId);
    if (found != mWeaponRecords.end())
        return found->second;
    CWeaponInfo* record = nullptr;
    switch (weaponType) {
    case kWeaponBeam:
        record = new CBeamWeapon(deviceId);
        break;
    case kWeaponProjectile:
        record = new CProjectileWeapon(deviceId);
        break;
    case kWeaponShockwave:
        record = new CShockwaveWeapon(deviceId);
        break;
    case kWeaponCloak:
        record = new CCloakWeapon(deviceId);
        break;
    case kWeaponCharge:
        record = new CChargeWeapon(deviceId);
        break;
    case kWeaponMine:
        record = new CMineWeapon(deviceId);
        break;
    case kWeaponPhantom:
        record = new CPhantomWeapon(deviceId);
        break;
    case kWeaponPortal:
        record = new CPortalWeapon(deviceId);
        break;
    case kWeaponHealth:
        record = new CHealthWeapon(deviceId);
        break;
    default:
        return nullptr;
    }
    // Fitted, a record without its rows would fly as device 0 and be saved as an empty slot.
    if (!record->mRowsFound) {
        delete record;
        return nullptr;
    }
    mWeaponRecords.emplace(deviceId, record);
    return record;
}

int CResourceManager::GetWeaponType(int deviceId)
{
    auto found = mWeaponTypes.find(deviceId);
    if (found != mWeaponTypes.end())
        return found->second;
    const WeaponTypeRecord* row = gGameDatabase.GetWeaponType(deviceId);
    if (!row)
        return kWeaponNone;
    mWeaponTypes.emplace(deviceId, row->weapon_type);
    return row->weapon_type;
}

CWeaponInfo* CResourceManager::GetDeviceWeaponInfo(int deviceId)
{
    return GetWeaponInfo(deviceId, GetWeaponType(deviceId));
}

float CResourceManager::LongestWeaponRange()
{
    if (!mLongestWeaponRange) {
        const WeaponRangeRecord* row = gGameDatabase.GetLongestWeaponRange();
        mLongestWeaponRange = std::max(row ? row->range : 0.0f, 0.0f);
    }
    return *mLongestWeaponRange;
}

void CResourceManager::DeleteWeaponRecords()
{
    for (auto& [deviceId, record] : mWeaponRecords)
        delete record;
    mWeaponRecords.clear();
    mWeaponTypes.clear();
}

int FormatWeaponLabel(char* out, int size, const CWeaponInfo& record, int ammoLeft)
{
    const int length = record.mMaxAmmo >= 1
                           ? std::snprintf(out, size, "Weapon: %s (%d/%d)", record.mName, ammoLeft, record.mMaxAmmo)
                           : std::snprintf(out, size, "Weapon: %s", record.mName);
    return length < 0 ? 0 : std::min(length, size - 1);
}
