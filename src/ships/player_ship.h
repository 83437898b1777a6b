// CPlayerShip: the local pilot's ship, which is also the pilot: crew skills, level and
// experience, credits, cargo, weapons and carried devices with their ammunition, visited systems
// and its quests. gPlayerShip is the one that flies.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "core/draw_records.h"
#include "quests/quest_pilot.h"
#include "ships/pilot.h"
#include "ships/ship.h"
#include "world/player_view.h"

class CWeaponInfo;
struct ShipRecord;

// Slots of the weapon list and of the carried-device list.
constexpr int kPlayerListSize = 10;
// Equipping and unequipping stop one short of a full list.
constexpr int kPlayerListWorkingLimit = 9;
constexpr int kCompoundClassCount = 5;
constexpr int kPilotNameSize = 52;

// Ownership: the ship owns its engine, shield and armor (the base deletes them) and every carried
// device. Weapon records in the weapon slots belong to the shared weapon-record cache and are
// never deleted here; a weapon moved to the carried list becomes a device of its own. The two
// quest maps own their quests.
class CPlayerShip : public CShip, public CPilot, public CPlayerView, public CQuestPilot {
public:
    // A new pilot from a create_ship row and the chosen skills; the colour is not used.
    CPlayerShip(int shipId, const char* name, int weapon1DeviceId, int weapon2DeviceId, int engineDeviceId,
                int shieldDeviceId, int armorDeviceId, int engineering, int tactical, int navigation, int communication,
                int science, uint32_t colour, int affiliate);
    // A saved pilot from the save database; the caller loads the visited systems. A pilot id
    // without a row leaves an inactive ship without devices.
    explicit CPlayerShip(int playerId);
    ~CPlayerShip() override;

    // Flight, firing and drawing.
    void Update() override;
    void Render() override;
    void Thrust();
    void Brake();
    void TurnLeft();
    void TurnRight();
    // The fire key: cooldown, energy and ammunition decide whether the selected weapon launches.
    void FireWeapon(const Vec3* target);
    void Fire(const Vec3* target) override { FireWeapon(target); }
    int GetMeshId() override { return mHullMeshId; }
    // The player drops nothing when destroyed.
    void DropLoot() override {}

    // Skill factors.
    float GetArmorRegenFactor() override;
    float GetDamageFactor() override;
    float GetSpeedFactor() override;
    float GetAccelerationFactor() override;
    float GetFuelEfficiencyFactor() override;
    float GetScienceFactor() override;
    float GetEnergyRegenFactor() override;
    float GetShieldRegenFactor() override;

    // Experience is divided by the level; each level gained is announced.
    void AddExperience(int experience) override;
    // Classes 1 to 5; only what the hold has room for is taken.
    void AddCompounds(int compoundClass, int tons) override;
    int GetCompoundAmount(int compoundClass) override;
    int CargoTons() const;

    // Weapon selection; with no weapons nothing is selected.
    void SelectWeaponSlot(int index) override;
    void SelectWeapon(int deviceId) override;
    void NextWeapon();
    void PreviousWeapon();
    CWeaponInfo* SelectedWeapon() const { return mSelectedWeaponRecord; }

    // Inventory. AddWeapon takes a cached weapon record; AddCarriedDevice takes ownership of a
    // device when it returns true.
    bool AddWeapon(CWeaponInfo* weapon);
    bool AddCarriedDevice(CDeviceInfo* device);
    void RemoveWeapon(int slot);
    void RemoveCarriedDevice(int slot);
    bool EquipCarriedDevice(int slot);
    // The stored ammunition or fuel of the device id; -1 when none is stored.
    int GetAmmo(int deviceId) const;
    // Records the amount unless the device id has one already.
    void StoreAmmo(int deviceId, int amount);

    // Trade and cargo.
    float SellFactor() const;
    float BuyFactor() const;
    // What buying a device of this credit value costs, capped at the largest credit count.
    int PurchasePrice(int creditValue) const;
    // What selling it pays, capped the same way.
    int SalePrice(int creditValue) const;
    void UnequipToCargo(int weaponIndex);
    void UnequipShield();
    void UnequipArmor();
    void UnequipEngine();

    // The station's prices, from the ship's state at the moment they are asked.
    // Hull, shield and armor damage and the harmful ailments carried.
    int GetRepairCost();
    // Every discovered compound of the hold at the sell factor.
    int GetCompoundSaleValue();
    // One class of compounds (1 common to 4 exotic) at the sell factor.
    int GetCompoundClassSale(int compoundClass);
    // Empties the hold of everything that sells; undiscovered compounds stay.
    void ClearSellableCompounds();

    // Texts of the ship-and-crew and store screens; out has room for 64 characters.
    void FormatWeaponAmmo(char* out);
    void FormatHitPoints(char* out);
    void FormatTotalHitPoints(char* out);
    void FormatCargo(char* out);
    void FormatCommonCompounds(char* out);
    void FormatUncommonCompounds(char* out);
    void FormatRareCompounds(char* out);
    void FormatExoticCompounds(char* out);
    void FormatExperienceToLevel(char* out);
    void FormatWeaponDamage(char* out);
    void FormatShieldName(char* out);
    void FormatArmorName(char* out);
    void FormatEngineName(char* out);
    void FormatFuel(char* out);
    // The heads-up display's label of the selected weapon; empty without one. Returns its length.
    int FormatWeaponLabel(char* out, int size);

    // Writes the pilot to the save database in one transaction; of the quests only the
    // completed ones are kept.
    void Save() override;

    // Trades the hull for another: its figures replace the old hull's, the hull is whole, and the
    // engine, armor and shield are fitted again to the new size (which refills fuel and energy).
    // Cargo and devices stay. False when the hull has no row.
    bool ChangeHull(int shipId);
    // Quests. AcceptQuest files a new quest of the id among the active ones (unless it is there
    // already) and starts it. FindQuest looks in the active quests, then the completed ones;
    // null when the pilot has neither.
    void AcceptQuest(int questId);
    CQuest* FindQuest(int questId);
    // Every quest under way is given up (respawn); the completed ones stay.
    void DropActiveQuests();

    // The pilot.
    int GetCredits() override { return mCredits; }
    void SetCredits(int credits) override { mCredits = credits; }
    // Pays (a negative amount takes); the credits stop at the ends of the int range.
    void AddCredits(double amount);

    // The world's view of the player.
    CWorldObject* Ship() override { return this; }
    void AddVisitedSystem(int systemId) override;
    std::vector<int> CurrentQuestSteps() override;
    void ClearTargets() override;
    void ForgetObject(const CWorldObject* object) override;
    void ClearChargeShot() override;
    void StopForTrip() override;
    void UpdateQuests() override;
    void BeginQuestSteps(int systemId) override;
    int Level() override { return mLevel; }
    bool TakeDevice(int deviceId) override;
    void DockAt(const Vec3& savePoint, int systemId) override;

    // The quest code's view of the pilot.
    const QuestMap& ActiveQuests() override { return mActiveQuests; }
    const QuestMap& CompletedQuests() override { return mCompletedQuests; }
    int CarriedDeviceId(int slot) override;
    int CompoundAmount(int compoundClass) override { return GetCompoundAmount(compoundClass); }
    void TakeCompounds(int compoundClass, int tons) override;
    int Affiliate() override { return mAffiliate; }
    const char* AlignmentText() override { return mAlignment; }
    CWorldObject* SelectedTarget() override { return mTarget; }

    // The experience a level needs: 1.1^level + 5 x level, saturated.
    static int ExperienceForLevel(int level);

    // The in-flight screen's selected target and the quest step's guide target; null = none.
    CWorldObject* mTarget = nullptr;
    CWorldObject* mGuideTarget = nullptr;
    std::set<int> mVisitedSystems;
    // Quests by id: those under way, and the finished ones kept for the quest log and the save.
    QuestMap mActiveQuests;
    QuestMap mCompletedQuests;
    TrailDrawRecord mArrowRecord;
    uint32_t mArrowColour = 0;
    Vec3 mArrowPosition;
    float mArrowAngle = 0.0f;
    // A cloak that costs nothing while it runs.
    static constexpr int kNoCloakDrain = -1;
    // Milliseconds per unit of energy a running cloak takes; 0 = a unit every frame.
    int mCloakDrainPeriod = kNoCloakDrain;
    int mCloakDrainTimer = 0;
    uint8_t mThrusting = 0;
    // Deceleration without thrust: 3.0 with automatic braking, 0 without.
    float mBrakingRate = 3.0f;
    int mPlayerId = 0;
    int mExperience = 0;
    int mCredits = 500;
    int mNextLevelExperience = 0;
    // Levels gained and not yet spent on skills.
    int mLevelUps = 0;
    int mFireTimer = 0;
    int mSelectedSlot = 0;
    int mWeaponCount = 0;
    int mCarriedCount = 0;
    CWeaponInfo* mWeapons[kPlayerListSize] = {};
    CDeviceInfo* mCarried[kPlayerListSize] = {};
    // Device id -> ammunition of a weapon, or fuel of a carried engine.
    std::map<int, int> mAmmo;
    char mPilotName[kPilotNameSize] = {};
    // The last docking: where a destroyed ship comes back.
    float mHomeX = 0.0f;
    float mHomeY = 0.0f;
    int mHomeSystemId = 1;
    int mCompounds[kCompoundClassCount] = {};
    int mLevel = 1;
    int mEngineering = 0;
    int mTactical = 0;
    int mNavigation = 0;
    int mCommunication = 0;
    int mScience = 0;
    int mHullCreditValue = 0;
    int mCargoCapacity = 0;

private:
    // Where every new pilot starts: the first system's start point, which is also the save point.
    // False, with the game ending, when the first system cannot be entered.
    bool StartInFirstSystem();
    // The save point alone goes back to the start point; the ship stays where it flies.
    void HomeAtStart();
    // The save point is a number on both axes.
    bool HomeIsFinite() const;
    // What both constructors share once the hull is known.
    void SetUpHull(int shipId, const Vec3& position);
    // A saved or starting weapon: flown without its rows it would be lost at the next save, so a
    // missing row ends the game instead, naming the device and the table.
    void FitOwnWeapon(int deviceId);
    // The hull's figures, name, alignment and mesh; the hit points are the new maximum.
    void ApplyHull(const ShipRecord& hull);
    void ApplyNameBonus();
    void RecomputeNextLevel();
    // The weapon in the slot becomes the selected one (none when the slot is empty) and may
    // fire at once; an engine charge starts straight away.
    void SelectSlot(int slot);
    // After the weapon list changed: the same slot when it is still filled, else the last one.
    void ReselectAfterChange();
    void LaunchEngineCharge();
    // The carried slot takes the device that was installed (a swap), or closes when none was.
    void PutBack(int slot, CDeviceInfo* installed);
    void FlyPushed();
    void LevelOut();
    void DrainCloak();
    void EveryTenthFrame();
    void Smoke();
    void DrawGuideArrow();
    void DeleteQuests();
    // Takes a quest a trigger offers, or runs the quests under way and settles one that ended.
    void RunQuests();
    // The arrow points at the step of the first mission under way that guides somewhere here.
    void PointTheArrow();

    CWeaponInfo* mSelectedWeaponRecord = nullptr;
};

// The share of a value the player gets when selling, and of a price paid when buying, at that
// communication skill; every screen that prices goes through these.
float SellFactor(int communication);
float BuyFactor(int communication);
// Filling a weapon's ammunition or an engine's fuel from `remaining`: at least 1 while anything
// is missing, at most 999999.
int AmmoRefillPrice(int remaining, int maxAmmo, int creditValue, float sellFactor);
// The interface click every trading screen plays.
void PlayUiSound();

extern CPlayerShip* gPlayerShip;
// Makes the ship the pilot (gPlayerShip and gPlayerView), deleting the one before; null leaves
// no pilot.
void ReplacePlayerShip(CPlayerShip* ship);
