// The fighting both computer ship classes share: the threat step, firing, damage and loot.
#include "ships/computer_combat.h"

#include <cstdlib>

#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"

namespace {

constexpr float kRetreatStep = 25.0f;
constexpr int kRangeFireCycle = 40;
constexpr int kRangeFireShare = 20;
constexpr int kOutpostStopOdds = 80;

void Select(CShip& ship, const ComputerWeapons& weapons, int slot)
{
    ship.SelectWeapon(weapons.ids[slot]);
}

// Fall back, charge or fire at range against one target; no flee. True when engaged.
bool Engage(CShip& ship, const ComputerWeapons& weapons, const FightingDistances& distances, CWorldObject& target,
            float d, int& fireCounter, int stopOdds)
{
    const bool range = weapons.Fitted(kRangeSlot);
    const bool melee = weapons.Fitted(kMeleeSlot);
    if (d < distances.fallBackSq) {
        ship.SetDestination(Vec3::Sum(ship.mPosition, Vec3::Scaled(target.mDirection, kRetreatStep)));
        if (range && d < distances.maxAttackSq) {
            Select(ship, weapons, kRangeSlot);
            ship.FireAt(&target);
        }
        return false;
    }
    if (d < distances.chargeSq && (melee || range) &&
        !gResourceManager->FindBlockingObstacle(ship.mPosition, target.mPosition, &ship)) {
        const bool meleeOutOfReach =
            melee && weapons.records[kMeleeSlot]->mRange * weapons.records[kMeleeSlot]->mRange < d;
        Select(ship, weapons, (!melee || (meleeOutOfReach && range)) ? kRangeSlot : kMeleeSlot);
        if (std::rand() % stopOdds == 0) {
            ship.SetDestination(ship.mPosition);
        } else {
            ship.FireAt(&target);
            ship.SetDestination(StandOff(ship, target, distances.fallBack));
        }
        return true;
    }
    if (range && d < distances.maxAttackSq) {
        fireCounter = (fireCounter + 1) % kRangeFireCycle;
        if (fireCounter < kRangeFireShare) {
            Select(ship, weapons, kRangeSlot);
            ship.FireAt(&target);
        }
        return true;
    }
    return false;
}

}  // namespace

Vec3 StandOff(const CShip& ship, const CWorldObject& target, float fallBack)
{
    const Vec3 dir = UnitVec3(Vec3::Difference(target.mPosition, ship.mPosition));
    return Vec3::Difference(target.mPosition, Vec3::Scaled(dir, ship.mSize + target.mSize + fallBack));
}

void ComputerWeapons::Set(int slot, int deviceId)
{
    ids[slot] = deviceId;
    records[slot] = deviceId != 0 ? gResourceManager->GetDeviceWeaponInfo(deviceId) : nullptr;
}

bool RunThreatStep(CShip& ship, const ComputerWeapons& weapons, const FightingDistances& distances,
                   SharedSearch& search, const ThreatRules& rules)
{
    search.shipSq = gResourceManager->FindNearestEnemyShip(&ship, search.ship);
    search.outpostSq = gResourceManager->FindNearestEnemyOutpost(&ship, search.outpost);
    const bool noOutpost = rules.shipWinsWithoutOutpost ? search.outpost == nullptr : search.outpostSq == 0.0f;
    if (search.ship && (search.shipSq <= search.outpostSq || noOutpost)) {
        CWorldObject& enemy = *search.ship;
        const float d = search.shipSq;
        if (d < distances.fleeSq || ship.mHitPoints < distances.fleeHitPoints) {
            if (weapons.Fitted(kStealthSlot)) {
                Select(ship, weapons, kStealthSlot);
                ship.FireAt(&enemy);
            }
            ship.SetDestination(Vec3::Sum(ship.mPosition, Vec3::Scaled(enemy.mDirection, kRetreatStep)));
            return false;
        }
        return Engage(ship, weapons, distances, enemy, d, search.shipFireCounter, rules.shipStopOdds);
    }
    if (search.outpost)
        return Engage(ship, weapons, distances, *search.outpost, search.outpostSq, search.outpostFireCounter,
                      kOutpostStopOdds);
    return false;
}

bool SelectFirstFitted(CShip& ship, const ComputerWeapons& weapons, ComputerWeaponSlot first, ComputerWeaponSlot second)
{
    for (ComputerWeaponSlot slot : {first, second}) {
        if (weapons.Fitted(slot)) {
            Select(ship, weapons, slot);
            return true;
        }
    }
    return false;
}

void FireSelectedWeapon(CShip& ship, const Vec3* target)
{
    auto* weapon = static_cast<CWeaponInfo*>(ship.mSelectedWeapon);
    if (!weapon || !ship.mActive || ship.mWeaponCooldown < weapon->mDelay)
        return;
    ship.mWeaponCooldown = 0;
    gResourceManager->LaunchWeapon(weapon->mDeviceId, &ship, &ship.mPosition, target);
}

float ComputerDamageFactor()
{
    const int level = gPlayerShip ? gPlayerShip->mLevel : 0;
    return level >= 31 ? 1.0f + 0.02f * static_cast<float>(level - 30) : 1.0f;
}

int LootPick(const CShip& ship, const ComputerWeapons& weapons, int pick)
{
    if (pick < kComputerWeaponSlots)
        return weapons.ids[pick];
    if (pick == 5)
        return ship.mEngine ? ship.mEngine->mDeviceId : 0;
    if (pick == 6)
        return ship.mArmor ? ship.mArmor->mDeviceId : 0;
    return ship.mShield ? ship.mShield->mDeviceId : 0;
}

void DropComputerLoot(CShip& ship, int deviceId, int healthOdds, int repairPerLevel)
{
    const Vec3& at = ship.mPosition;
    if (deviceId != 0)
        gResourceManager->SpawnDeviceObject(deviceId, at.x, at.y, at.z);
    else if (std::rand() % healthOdds == 0)
        gResourceManager->SpawnHealthObject(ship.mShipLevel * repairPerLevel, at.x, at.y, at.z);
}
