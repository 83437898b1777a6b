// CLeadShipAI: a computer ship placed by a lead ship row. It follows its scripted tasks, fights
// the nearest enemy ship or outpost by fixed distances, hails the player once, and drops loot.
#pragma once

#include <cstdint>
#include <list>

#include "db/game_enums.h"
#include "ships/computer_combat.h"

// One step of a lead ship's script.
class CTask {
public:
    explicit CTask(int taskId);

    int mTaskId = 0;
    int mTaskSequence = 0;
    int mTaskType = 0;
    Vec3 mPoint;
    // The target of an attack.
    int mObjectId = 0;
    uint8_t mRepeat = 0;
    // Read from the row; nothing orders tasks by it.
    int mPriority = 0;
    uint8_t mDone = 0;
};

// Ownership: the ship owns its tasks; targets are looked up by id on every think.
class CLeadShipAI : public CShip {
public:
    // Reads the lead ship row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CLeadShipAI(int objectId);
    ~CLeadShipAI() override;

    void Update() override;
    void Render() override;
    int GetMeshId() override { return mHullMeshId; }
    void Fire(const Vec3* point) override { FireWeapon(point); }
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
    void FireWeapon(const Vec3* point);

    // What all lead ships found last and their fire counters.
    static SharedSearch sSearch;

    int mLeadId = 0;
    ComputerWeapons mWeapons;
    int mDropDeviceId = 0;
    // Set while the last think attacked; a move task waits for it to clear.
    uint8_t mEngaged = 0;
    FightingDistances mDistances;
    uint8_t mHailed = 0;
    float mMessageDistanceSq = 0.0f;
    std::list<CTask*> mTasks;
    std::list<CTask*>::iterator mTaskIterator;
    CTask* mCurrentTask = nullptr;

private:
    // Step 1: false when the think ends here.
    bool PickTask();
    // Step 2: false when the think ends here.
    bool RunTask(CTask& task);
    void Attack(CTask& task);
    void Move(CTask& task);
    void Flee(CTask& task);
    void NextTask();
    void HailPlayer();
};
