// The weapon records: one per weapon device, built from the row of its weapon type's table.
// Each begins with the device head and the fields every weapon shares.
#pragma once

#include <cstdint>
#include <vector>

#include "db/game_enums.h"
#include "ships/device_info.h"

// A weapon's shots are drawn blank without their sprite's row and fly silent without their
// sound's: one line on stderr names the device and the row, once for each record built.
void ReportMissingSprite(int deviceId, int spriteId);
void ReportMissingSound(int deviceId, const char* use, int soundId);

class CWeaponInfo : public CDeviceInfo {
public:
    // DamageType of the hits.
    int mDeviceMod = 0;
    int mMinDamage = 0;
    // A hit adds rand() % this when it is above 0.
    int mVariableDamage = 0;
    int mWeaponType = 0;
    float mRange = 0.0f;
    // The aim point moves by up to this many units in x and in y.
    int mPrecision = 0;
    // Milliseconds between two launches.
    int mDelay = 0;
    uint32_t mColour = 0;
    // Engine energy spent per launch.
    int mEnergyReq = 0;
    // Charges one load holds; 0 = unlimited.
    int mMaxAmmo = 0;
    // The row's id in its weapon table.
    int mRecordId = 0;
    // False when the rows failed: such a record is never handed out, fitted or saved.
    bool mRowsFound = false;

protected:
    // Every constructor starts here; a missing row ends the game, naming the device and the table.
    bool Found(int deviceId, const void* row);
    // Found, then the device head and damage type that every weapon row carries, and a word on
    // the sprite and sounds the row names without their rows.
    template <typename Row>
    bool TakeHead(int deviceId, const Row* row)
    {
        if (!Found(deviceId, row))
            return false;
        SetHead(deviceId, kDeviceWeapon, row->device_name, row->display_mesh_id, row->credit_value);
        mDeviceMod = row->device_mod;
        if constexpr (requires { row->sprite_id; })
            ReportMissingSprite(deviceId, row->sprite_id);
        if constexpr (requires { row->launch_sound_id; })
            ReportMissingSound(deviceId, "launch", row->launch_sound_id);
        if constexpr (requires { row->detonate_sound_id; })
            ReportMissingSound(deviceId, "detonation", row->detonate_sound_id);
        return true;
    }
};

// Ends the game with a line naming the weapon device and the table that lacks its row:
// device_main, the weapon type's own table, or every weapon table when the type is unknown.
void QuitForMissingWeaponRow(int deviceId, int weaponType);

// The beam and projectile records also list the weapons fired after them and their particles.
class CChainedWeaponInfo : public CWeaponInfo {
public:
    std::vector<int> mChainWeapons;
    std::vector<int> mParticles;

protected:
    void ReadChainsAndParticles(int deviceId);
};

class CBeamWeapon : public CChainedWeaponInfo {
public:
    explicit CBeamWeapon(int deviceId);
    int mSpriteId = 0;
    int mLaunchSoundId = 0;
    float mBeamWidth = 0.0f;
    int mForceScalar = 0;
};

class CProjectileWeapon : public CChainedWeaponInfo {
public:
    explicit CProjectileWeapon(int deviceId);
    bool mGuided = false;
    int mSpriteId = 0;
    int mParticleId = 0;
    // 0 = drawn as a sprite.
    int mSolidMeshId = 0;
    float mMaxVelocity = 0.0f;
    float mAcceleration = 0.0f;
    float mSize = 0.0f;
    float mSpinRate = 0.0f;
    float mGrowthRate = 0.0f;
    float mBlurrDist = 0.0f;
    int mBlurrRepeat = 0;
    int mLaunchSoundId = 0;
    int mDetonateSoundId = 0;
};

class CShockwaveWeapon : public CWeaponInfo {
public:
    explicit CShockwaveWeapon(int deviceId);
    int mSpriteId = 0;
    // 0 = drawn as a sprite.
    int mMeshId = 0;
    float mGrowthRate = 0.0f;
    int mLaunchSoundId = 0;
    int mDetonateSoundId = 0;
};

class CCloakWeapon : public CWeaponInfo {
public:
    explicit CCloakWeapon(int deviceId);
    int mLaunchSoundId = 0;
};

class CChargeWeapon : public CWeaponInfo {
public:
    explicit CChargeWeapon(int deviceId);
    int mSpriteId = 0;
    // Milliseconds per charge step.
    int mPeriod = 0;
    float mMultiplier = 0.0f;
    int mChargeType = 0;
    int mLaunchSoundId = 0;
};

class CMineWeapon : public CWeaponInfo {
public:
    explicit CMineWeapon(int deviceId);
    // The weapon the mine sets off.
    int mDestructDeviceId = 0;
    int mMeshId = 0;
    int mLaunchSoundId = 0;
};

class CPhantomWeapon : public CWeaponInfo {
public:
    explicit CPhantomWeapon(int deviceId);
    int mDamage = 0;
    int mParticleId = 0;
    int mParticleDelay = 0;
    int mAliveTime = 0;
    float mVelocity = 0.0f;
    float mSize = 0.0f;
    int mLaunchSoundId = 0;
};

class CPortalWeapon : public CWeaponInfo {
public:
    explicit CPortalWeapon(int deviceId);
};

class CHealthWeapon : public CWeaponInfo {
public:
    explicit CHealthWeapon(int deviceId);
    int mLaunchSoundId = 0;
    float mHealFraction = 0.0f;
};

// The heads-up label of the selected weapon: "Weapon: name (left/max)" for a weapon with ammo,
// else "Weapon: name". Writes at most size bytes and returns the length written.
int FormatWeaponLabel(char* out, int size, const CWeaponInfo& record, int ammoLeft);
