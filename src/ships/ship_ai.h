// CShipAI: a computer wingman. It follows its lead ship at an offset, mirrors the lead's current
// task and otherwise fights by the same distances as a lead ship. It never hails.
#pragma once

#include "ships/computer_combat.h"

class CLeadShipAI;

// Ownership: the lead is looked up by its lead id on every think, never held.
class CShipAI : public CShip {
public:
    // Reads the wingman row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CShipAI(int objectId);

    void Update() override;
    void Render() override;
    int GetMeshId() override { return mHullMeshId; }
    void Fire(const Vec3* point) override { FireSelectedWeapon(*this, point); }
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int) override {}
    float GetArmorRegenFactor() override { return 1.0f; }
    float GetDamageFactor() override { return ComputerDamageFactor(); }
    float GetSpeedFactor() override { return 1.0f; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return 1.0f; }
    float GetShieldRegenFactor() override { return 1.0f; }
    void DropLoot() override;
    void SelectWeaponSlot(int) override {}
    void SelectWeapon(int deviceId) override;

    void Think();

    // What all wingmen found last and their fire counters.
    static SharedSearch sSearch;

    int mLeadId = 0;
    // The mining slot stays empty: wingmen carry no mining weapon.
    ComputerWeapons mWeapons;
    FightingDistances mDistances;
    Vec3 mOffset;

private:
    // The lead of this wingman's lead id in the current system, or null.
    CLeadShipAI* Lead();
    void MirrorTask(CLeadShipAI& lead);
};
