// CRemoteShip: construction from a snapshot, steering, firing and the skill factors.
#include "net/remote_ship.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "net/network_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

constexpr float kStopDistanceSq = 0.4f;
constexpr float kBrakeRate = 4.0f;
constexpr float kTurnPerUnit = 0.174533f;

bool IsDeviceOfType(int deviceId, int deviceType)
{
    const DeviceTypeRecord* record = gGameDatabase.GetDeviceType(deviceId);
    return record && record->device_type == deviceType;
}

int ListCount(int32_t count)
{
    return std::clamp<int32_t>(count, 0, kSnapshotListSize);
}

}  // namespace

bool CanBuildRemoteShip(const MsgShipSnapshot& snapshot)
{
    if (!gGameDatabase.GetShip(snapshot.hullId))
        return false;
    if ((snapshot.engineId != 0 && !IsDeviceOfType(snapshot.engineId, kDeviceEngine)) ||
        (snapshot.shieldId != 0 && !IsDeviceOfType(snapshot.shieldId, kDeviceShield)) ||
        (snapshot.armorId != 0 && !IsDeviceOfType(snapshot.armorId, kDeviceArmor)))
        return false;
    for (int i = 0; i < ListCount(snapshot.weaponCount); ++i) {
        if (!IsDeviceOfType(snapshot.weapons[i], kDeviceWeapon) ||
            gResourceManager->GetWeaponType(snapshot.weapons[i]) == 0)
            return false;
    }
    for (int i = 0; i < ListCount(snapshot.carriedCount); ++i) {
        if (!gGameDatabase.GetDeviceType(snapshot.carried[i]))
            return false;
    }
    return true;
}

CRemoteShip::CRemoteShip(const MsgShipSnapshot& snapshot)
{
    mType = kTypePlayer;
    SetRadarSprite(kPilotShipBlip);
    mId = snapshot.objectId;
    Outfit(snapshot);
    mPosition = mDestination = Vec3(10.0f, 10.0f, 30.0f);
}

void CRemoteShip::Outfit(const MsgShipSnapshot& snapshot)
{
    DropOutfit();
    mColour = snapshot.colour;
    mAffiliate = snapshot.affiliate;
    mLevel = snapshot.pilotLevel;
    mEngineering = snapshot.engineering;
    mTactical = snapshot.tactical;
    mNavigation = snapshot.navigation;
    mCommunication = snapshot.communication;
    mScience = snapshot.science;
    std::snprintf(mPilotName, sizeof mPilotName, "%s", snapshot.pilotName.c_str());
    // Bounded: a long pilot name and ship name together overflow the object name.
    const std::string name = std::string(mPilotName) + " (" + snapshot.shipName + ")";
    std::snprintf(mName, sizeof mName, "%s", name.c_str());

    mShipId = snapshot.hullId;
    if (const ShipRecord* hull = gGameDatabase.GetShip(snapshot.hullId)) {
        mMaxHitPoints = mHitPoints = hull->max_hit_points;
        mExperienceValue = hull->experience_value;
        mSize = hull->size;
        mScale = Vec3(mSize, mSize, mSize);
        mShipLevel = hull->ship_level;
        const int meshId = hull->mesh_id;
        SetShipTexts(hull->ship_type, hull->alignment);
        SetHullMesh(meshId);
    }
    FitDevices(snapshot.engineId, snapshot.armorId, snapshot.shieldId);
    if (mEngine)
        mEngine->mFuel = snapshot.fuel;

    for (int i = 0; i < ListCount(snapshot.weaponCount); ++i) {
        if (CWeaponInfo* weapon = gResourceManager->GetDeviceWeaponInfo(snapshot.weapons[i])) {
            mWeapons[mWeaponCount++] = weapon;
            mAmmo[snapshot.weapons[i]] = snapshot.ammunition[i];
        }
    }
    for (int i = 0; i < ListCount(snapshot.carriedCount); ++i) {
        if (CDeviceInfo* device = gGameDatabase.CreateDevice(snapshot.carried[i])) {
            mCarried[mCarriedCount++] = device;
            mCarriedAmounts[snapshot.carried[i]] = snapshot.amounts[i];
        }
    }
    mSelectedWeaponIndex = 0;
    mSelectedWeapon = mWeapons[0];

    mAlpha = 255;
    mVisible = mSolid = 1;
    Restore();
    mHullRegenerationPeriod = std::max(10000 - 100 * mEngineering, 50);
}

void CRemoteShip::DropOutfit()
{
    // The weapon records belong to the record cache; the carried devices are this ship's.
    for (int i = 0; i < mCarriedCount; ++i)
        delete mCarried[i];
    std::fill(std::begin(mCarried), std::end(mCarried), nullptr);
    std::fill(std::begin(mWeapons), std::end(mWeapons), nullptr);
    mCarriedCount = mWeaponCount = 0;
    mAmmo.clear();
    mCarriedAmounts.clear();
    delete mEngine;
    delete mShield;
    delete mArmor;
    mEngine = nullptr;
    mShield = nullptr;
    mArmor = nullptr;
}

CRemoteShip::~CRemoteShip()
{
    DropOutfit();
}

bool CRemoteShip::TakeDamage(int amount, int damageType)
{
    amount = AbsorbHit(amount, damageType);
    if (amount > 0 && mActive)
        mHitPoints = std::max(mHitPoints - amount, std::min(mHitPoints, 1));
    return false;
}

void CRemoteShip::StruckBy(const CShot& shot, int amount)
{
    if (mActive && shot.OwnerIsPlayer())
        gNetworkManager.TellBlow(mId, shot.mId, amount);
}

void CRemoteShip::TakeOwnersHitPoints(int hitPoints, bool here)
{
    if (!mActive)
        return;
    if (hitPoints > 0) {
        mHitPoints = hitPoints;
    } else if (here) {
        Destroy();
        BreakUp();
    } else {
        mHitPoints = 0;
        mActive = 0;
    }
}

void CRemoteShip::Update()
{
    UpdateFade();
    mWeaponCooldown += static_cast<int>(gFrameTimeMs);
    Steer();
    UpdateAilments();
    const float step = gFrameScale * mMoveSpeed;
    MoveAndTumble(step);
    Turn(step != 0.0f ? kTurnPerUnit * step : kTurnPerUnit * gFrameScale);
    Smoke();
    UpdateSubsystems();
}

void CRemoteShip::Steer()
{
    if (!mEngine) {
        mMoveSpeed = 0.0f;
        return;
    }
    const Vec3 toward = Vec3::Difference(mDestination, mPosition);
    const float distanceSq = Vec3LengthSq(toward);
    if (distanceSq > kStopDistanceSq) {
        if (distanceSq >= 4.0f * mMoveSpeed * mMoveSpeed) {
            mDirection = UnitVec3(toward);
            mTargetRotation.z = HeadingOfVec3(mDirection);
            mEngine->Thrust();
        } else {
            mEngine->Decelerate(kBrakeRate);
        }
    } else {
        mEngine->mSpeed = 0.0f;
    }
    mMoveSpeed = mEngine->mSpeed;
}

void CRemoteShip::Smoke()
{
    const int interval = StepSmokeClock();
    const Vec3 up(0.0f, 1.0f, 0.0f);
    while (interval > 0 && mSmokeClock > interval) {
        mSmokeClock -= interval;
        gResourceManager->AddParticle(2 + std::rand() % 4, &mPosition, &up, 0, 1.0f, nullptr);
    }
}

void CRemoteShip::Render()
{
    if (!mVisible || !mActive)
        return;
    for (CAilment* ailment : mAilments) {
        if (ailment)
            ailment->EmitParticle(this);
    }
    gResourceManager->RenderMesh(mHullRecord, false);
    if (mEngine)
        mEngine->RegenerateEnergy();
    if (mShield)
        mShield->DrawHitFlash();
}

void CRemoteShip::Fire(const Vec3* target)
{
    if (!mSelectedWeapon || !mActive)
        return;
    const auto* weapon = static_cast<CWeaponInfo*>(mSelectedWeapon);
    if (mWeaponCooldown < weapon->mDelay)
        return;
    mWeaponCooldown = 0;
    gResourceManager->LaunchWeapon(weapon->mDeviceId, this, &mPosition, target);
}

void CRemoteShip::SelectWeapon(int deviceId)
{
    if (const int slot = WeaponSlot(deviceId); slot >= 0) {
        mSelectedWeaponIndex = slot;
        mSelectedWeapon = mWeapons[slot];
    }
}

int CRemoteShip::WeaponSlot(int deviceId) const
{
    for (int i = 0; i < mWeaponCount; ++i) {
        if (mWeapons[i]->mDeviceId == deviceId)
            return i;
    }
    return -1;
}

float CRemoteShip::GetArmorRegenFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mEngineering);
}
float CRemoteShip::GetDamageFactor()
{
    return 1.0f + 0.05f * static_cast<float>(mTactical);
}
float CRemoteShip::GetSpeedFactor()
{
    return 1.0f + 0.05f * static_cast<float>(mNavigation);
}
float CRemoteShip::GetAccelerationFactor()
{
    return 1.0f + 0.02f * static_cast<float>(mNavigation);
}
float CRemoteShip::GetFuelEfficiencyFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mNavigation);
}
float CRemoteShip::GetScienceFactor()
{
    return 1.0f + 0.1f * static_cast<float>(mScience);
}
float CRemoteShip::GetEnergyRegenFactor()
{
    return 1.0f + 0.02f * static_cast<float>(mScience);
}
float CRemoteShip::GetShieldRegenFactor()
{
    return 1.0f + 0.05f * static_cast<float>(mScience);
}
