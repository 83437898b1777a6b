// What lead ships and wingmen share: their weapons, their fighting distances, the search results
// and fire counters each class shares, the threat step, and building the ship from its row.
#pragma once

#include <cmath>

#include "engine/resource_manager.h"
#include "ships/ship.h"
#include "ships/weapon_records.h"

// Weapon slots in the order rows name them and SelectWeapon compares them.
enum ComputerWeaponSlot { kRangeSlot, kMeleeSlot, kStealthSlot, kBonusSlot, kMiningSlot, kComputerWeaponSlots };

struct ComputerWeapons {
    int ids[kComputerWeaponSlots] = {};
    CWeaponInfo* records[kComputerWeaponSlots] = {};

    void Set(int slot, int deviceId);
    bool Fitted(int slot) const { return records[slot] != nullptr; }
};

// Squared distances, except fallBack.
struct FightingDistances {
    float maxAttackSq = 0.0f;
    float fallBackSq = 0.0f;
    float fallBack = 0.0f;
    float chargeSq = 0.0f;
    float fleeSq = 0.0f;
    int fleeHitPoints = 0;
};

// One value for every ship of a class: a think overwrites what the previous ship found. Cleared
// when a system is left, as the objects it points at go.
struct SharedSearch {
    CWorldObject* ship = nullptr;
    float shipSq = 0.0f;
    CWorldObject* outpost = nullptr;
    float outpostSq = 0.0f;
    int shipFireCounter = 0;
    int outpostFireCounter = 0;

    void Clear() { *this = SharedSearch(); }
};

struct ThreatRules {
    // 1 in this many charges at a ship only stops the ship.
    int shipStopOdds;
    // Wingmen fight the ship whenever no outpost was found; lead ships whenever its distance is 0.
    bool shipWinsWithoutOutpost;
};

// Steps 3 to 5 of a think: search, then flee, fall back, charge or fire at range. True when the
// ship engaged.
bool RunThreatStep(CShip& ship, const ComputerWeapons& weapons, const FightingDistances& distances,
                   SharedSearch& search, const ThreatRules& rules);

// Selects the first weapon of the slots that is fitted; false when none is.
bool SelectFirstFitted(CShip& ship, const ComputerWeapons& weapons, ComputerWeaponSlot first,
                       ComputerWeaponSlot second);

// Just short of the target: the two hulls and the fall-back distance apart, on the line to it.
Vec3 StandOff(const CShip& ship, const CWorldObject& target, float fallBack);

// The fire slot of both classes: the selected weapon, when its delay has passed.
void FireSelectedWeapon(CShip& ship, const Vec3* target);

// 1.0, rising by 0.02 for each level of the pilot above 30.
float ComputerDamageFactor();

// Loot of a destroyed computer ship: the device of a slot, else a repair pickup with the odds.
void DropComputerLoot(CShip& ship, int deviceId, int healthOdds, int repairPerLevel);

// The device id behind pick 0-7: five weapons, then engine, armor, shield.
int LootPick(const CShip& ship, const ComputerWeapons& weapons, int pick);

// The fields both rows share, in the order the ship takes them.
template <class Row>
void SetUpComputerShip(CShip& ship, const Row& row, FightingDistances& distances)
{
    ship.mSolid = 1;
    ship.mStealth = 0;
    ship.mArrived = 1;
    ship.mFollowingWaypoints = 0;
    ship.mDirection = Vec3(0.0f, 1.0f, 0.0f);
    ship.mColour = row.color_mod;
    ship.mAlpha = 255;
    ship.mRespawnTime = row.respawn_time * 1000;
    ship.mRespawnClock = 0;
    ship.SetRadarSprite(306);
    ship.mId = row.object_id;
    ship.mInvulnerable = row.invulnerable ? 1 : 0;
    ship.mShipId = row.ship_id;
    ship.mSize = row.size;
    ship.mScale = Vec3(row.size, row.size, row.size);
    distances.maxAttackSq = row.max_attack_distance_sq;
    distances.fallBackSq = row.fall_back_distance_sq;
    distances.fallBack = std::sqrt(row.fall_back_distance_sq);
    distances.chargeSq = row.charge_distance_sq;
    distances.fleeSq = row.flee_distance_sq;
    distances.fleeHitPoints = row.flee_hp;
    ship.mCompoundAmount = row.compound_amount;
    ship.mCompoundClass = row.compound_type;
    ship.mAffiliate = row.affiliate;
    ship.mSystemId = row.system_id;
    ship.mMaxHitPoints = ship.mHitPoints = row.max_hit_points;
    ship.mExperienceValue = row.experience_value;
    CopyBounded(ship.mName, sizeof ship.mName, row.object_name);
    ship.mShipLevel = row.ship_level;
    ship.mActive = 1;
    ship.mTargetRotation = Vec3();
    ship.mRotation = Vec3();
    ship.mPosition = Vec3(row.x_pos, row.y_pos, 30.0f);
    ship.mHomePosition = ship.mDestination = ship.mExhaustPoint = ship.mPosition;
    ship.mVisible = 1;
    ship.mHullRegenerationPeriod = 10000;
}
