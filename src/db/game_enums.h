// The game's shared enumerations; the databases store them as keywords, the parsers turn them into these values.
#pragma once

#include <cstdint>

enum Faction : int32_t {
    kFactionUnion = 0,
    kFactionGoth = 1,
    kFactionIgnus = 2,
    kFactionEnimanga = 3,
    kFactionMandralor = 4,
};

enum Alignment : int32_t {
    kAlignmentNeutral = 0,
    kAlignmentLawful = 1,
    kAlignmentUnlawful = 2,
    kAlignmentEvil = 3,
    kAlignmentNature = 4,
};

enum QuestTriggerType : int32_t {
    kQuestTriggerNone = 0,
    kQuestTriggerEnter = 1,
    kQuestTriggerPosition = 2,
    kQuestTriggerProximity = 3,
    kQuestTriggerDevice = 4,
    kQuestTriggerDock = 5,
};

// 14 (scaffold), 20 (shot) and 21 (health object) are set by constructors, never read from a row.
enum ObjectType : int32_t {
    kObjectTypeNone = 0,
    kObjectTypeLead = 1,
    kObjectTypeAi = 2,
    kObjectTypeNetwork = 3,
    kObjectTypeResource = 4,
    kObjectTypeWormhole = 5,
    kObjectTypeStation = 6,
    kObjectTypePlanet = 7,
    kObjectTypeDevice = 8,
    kObjectTypeGoto = 9,
    kObjectTypeOrbital = 11,
    kObjectTypeNebula = 12,
    kObjectTypePlayer = 13,
    kObjectTypeScaffold = 14,
    kObjectTypeFountain = 15,
    kObjectTypeMine = 16,
    kObjectTypeOutpost = 17,
    kObjectTypePhantom = 18,
    kObjectTypeVortex = 19,
    kObjectTypeShot = 20,
    kObjectTypeHealth = 21,
};

enum CompoundClass : int32_t {
    kCompoundNone = 0,
    kCompoundCommon = 1,
    kCompoundUncommon = 2,
    kCompoundRare = 3,
    kCompoundExotic = 4,
    kCompoundUndiscovered = 5,
};

// 0 is no damage type: ship collisions.
enum DamageType : int32_t {
    kDamageNone = 0,
    kDamageRadiation = 1,
    kDamageOrganic = 2,
    kDamageCrystal = 3,
    kDamagePhoton = 4,
    kDamageAntimatter = 5,
    kDamagePlasma = 6,
};

// There is no 2; 6 is a device of no known type.
enum DeviceType : int32_t {
    kDeviceWeapon = 0,
    kDeviceShield = 1,
    kDeviceArmor = 3,
    kDeviceEngine = 4,
    kDeviceQuest = 5,
    kDeviceUnknown = 6,
};

enum QuestStepType : int32_t {
    kQuestStepNone = 0,
    kQuestStepAssassinate = 1,
    kQuestStepGoto = 2,
    kQuestStepDeliver = 3,
    kQuestStepAcquire = 4,
    kQuestStepEscort = 5,
    kQuestStepDefendFrom = 6,
    kQuestStepConversation = 7,
    kQuestStepKillEnemy = 8,
    kQuestStepDock = 9,
    kQuestStepJump = 10,
    kQuestStepInterrupt = 11,
};

enum TaskType : int32_t {
    kTaskNone = 0,
    kTaskAttack = 1,
    kTaskFallBack = 2,
    kTaskHoldPosition = 3,
    kTaskMove = 4,
    kTaskFlee = 5,
    kTaskCharge = 6,
};

enum ChargeType : int32_t {
    kChargeShield = 0,
    kChargeEnergy = 1,
    kChargeEngine = 2,
};

enum AilmentType : int32_t {
    kAilmentNone = 0,
    kBonusDefenseRecharge = 1,
    kBonusEnergy = 2,
    kBonusAttack = 3,
    kBonusEngine = 4,
    kBonusDefense = 5,
    kAilmentStunned = 6,
    kAilmentSlow = 7,
    kAilmentVulnerable = 8,
    kAilmentWeak = 9,
    kAilmentNoRecharge = 10,
    kAilmentNoEnergy = 11,
};

enum SizeClass : int32_t {
    kSizeSmall = 0,
    kSizeMedium = 1,
    kSizeLarge = 2,
};

enum WeaponType : int32_t {
    kWeaponNone = 0,
    kWeaponBeam = 1,
    kWeaponProjectile = 2,
    kWeaponShockwave = 3,
    kWeaponCloak = 4,
    kWeaponCharge = 5,
    kWeaponMine = 6,
    kWeaponPhantom = 7,
    kWeaponPortal = 8,
    kWeaponHealth = 9,
};
