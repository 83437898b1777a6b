// CRemoteShip: another player's ship as this peer shows it, built from that player's snapshot,
// fitted again when the player tells a new one, and flown towards the destination its peer sends.
#pragma once

#include <map>

#include "net/net_messages.h"
#include "ships/ship.h"
#include "ships/shot.h"

class CWeaponInfo;

constexpr int kRemoteListSize = 20;

class CRemoteShip : public CShip, public CShotWitness {
public:
    // The snapshot must name a known hull and known devices (CanBuildRemoteShip).
    explicit CRemoteShip(const MsgShipSnapshot& snapshot);
    ~CRemoteShip() override;

    // The pilot, hull and devices of a later snapshot of the same player (one CanBuildRemoteShip
    // takes), in place of what the ship had; it lives again, whole, where it is.
    void Outfit(const MsgShipSnapshot& snapshot);

    // Its owner's game alone decides that the ship dies: a blow here leaves the hull a point.
    bool TakeDamage(int amount, int damageType) override;
    // A blow of this player's shot is told to the owner, whose game applies it.
    void StruckBy(const CShot& shot, int amount) override;
    // The hit points its owner's game tells; none left is its death, seen and heard only when the
    // ship is in this system. A dead ship lives again only by its owner's next snapshot.
    void TakeOwnersHitPoints(int hitPoints, bool here);

    void Update() override;
    void Render() override;
    int GetMeshId() override { return mHullMeshId; }
    void Fire(const Vec3* target) override;
    void SetAttackFactor(float) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int) override {}
    float GetArmorRegenFactor() override;
    float GetDamageFactor() override;
    float GetSpeedFactor() override;
    float GetAccelerationFactor() override;
    float GetFuelEfficiencyFactor() override;
    float GetScienceFactor() override;
    float GetEnergyRegenFactor() override;
    float GetShieldRegenFactor() override;
    void DropLoot() override {}
    void SelectWeaponSlot(int) override {}
    void SelectWeapon(int deviceId) override;
    // The first slot holding a weapon of the device; -1 when the ship carries none.
    int WeaponSlot(int deviceId) const;

    char mPilotName[kSnapshotNameBytes] = {};
    int mLevel = 0;
    int mEngineering = 0;
    int mTactical = 0;
    int mNavigation = 0;
    int mCommunication = 0;
    int mScience = 0;
    int mSelectedWeaponIndex = 0;
    CWeaponInfo* mWeapons[kRemoteListSize] = {};
    int mWeaponCount = 0;
    CDeviceInfo* mCarried[kRemoteListSize] = {};
    int mCarriedCount = 0;
    std::map<int, int> mAmmo;
    std::map<int, int> mCarriedAmounts;

private:
    void DropOutfit();
    void Steer();
    void Smoke();
};

// False when the snapshot names a hull, device or weapon this game does not know: such a ship
// cannot be built whole.
bool CanBuildRemoteShip(const MsgShipSnapshot& snapshot);
