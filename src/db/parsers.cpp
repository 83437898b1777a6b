// The keyword tables of every enumerated column.
#include "db/parsers.h"

#include <cstring>

#include "db/game_enums.h"

namespace {

struct Keyword {
    const char* text;
    int32_t value;
};

template <size_t N>
int32_t Lookup(const Keyword (&table)[N], const char* text, int32_t fallback)
{
    if (text == nullptr)
        return fallback;
    for (const Keyword& k : table)
        if (std::strcmp(k.text, text) == 0)
            return k.value;
    return fallback;
}

const Keyword kFactions[] = {
    {"union", kFactionUnion},       {"goth", kFactionGoth},           {"ignus", kFactionIgnus},
    {"enimanga", kFactionEnimanga}, {"mandralor", kFactionMandralor},
};

const Keyword kAlignments[] = {
    {"nature", kAlignmentNature}, {"evil", kAlignmentEvil},       {"unlawful", kAlignmentUnlawful},
    {"lawful", kAlignmentLawful}, {"neutral", kAlignmentNeutral},
};

const Keyword kQuestTriggerTypes[] = {
    {"enter", kQuestTriggerEnter},         {"position", kQuestTriggerPosition}, {"device", kQuestTriggerDevice},
    {"proximity", kQuestTriggerProximity}, {"dock", kQuestTriggerDock},
};

const Keyword kObjectTypes[] = {
    {"player", kObjectTypePlayer},   {"lead", kObjectTypeLead},         {"ai", kObjectTypeAi},
    {"network", kObjectTypeNetwork}, {"resource", kObjectTypeResource}, {"fountain", kObjectTypeFountain},
    {"vortex", kObjectTypeVortex},   {"phantom", kObjectTypePhantom},   {"outpost", kObjectTypeOutpost},
    {"mine", kObjectTypeMine},       {"wormhole", kObjectTypeWormhole}, {"station", kObjectTypeStation},
    {"planet", kObjectTypePlanet},   {"device", kObjectTypeDevice},     {"goto", kObjectTypeGoto},
    {"orbital", kObjectTypeOrbital}, {"nebula", kObjectTypeNebula},
};

const Keyword kCompoundClasses[] = {
    {"common", kCompoundCommon}, {"uncommon", kCompoundUncommon},         {"rare", kCompoundRare},
    {"exotic", kCompoundExotic}, {"undiscovered", kCompoundUndiscovered},
};

const Keyword kDamageTypes[] = {
    {"radiation", kDamageRadiation}, {"organic", kDamageOrganic},       {"crystal", kDamageCrystal},
    {"photon", kDamagePhoton},       {"antimatter", kDamageAntimatter}, {"plasma", kDamagePlasma},
};

const Keyword kDeviceTypes[] = {
    {"weapon", kDeviceWeapon}, {"shield", kDeviceShield}, {"armor", kDeviceArmor},
    {"engine", kDeviceEngine}, {"quest", kDeviceQuest},
};

// The content spells the assassination step with one s in the middle.
const Keyword kQuestStepTypes[] = {
    {"killenemy", kQuestStepKillEnemy},
    {"assasinate", kQuestStepAssassinate},
    {"goto", kQuestStepGoto},
    {"deliver", kQuestStepDeliver},
    {"acquire", kQuestStepAcquire},
    {"escort", kQuestStepEscort},
    {"defendfrom", kQuestStepDefendFrom},
    {"conversation", kQuestStepConversation},
    {"interrupt", kQuestStepInterrupt},
    {"dock", kQuestStepDock},
    {"jump", kQuestStepJump},
};

const Keyword kTaskTypes[] = {
    {"attack", kTaskAttack}, {"fall_back", kTaskFallBack}, {"hold_position", kTaskHoldPosition},
    {"move", kTaskMove},     {"flee", kTaskFlee},          {"charge", kTaskCharge},
};

const Keyword kChargeTypes[] = {
    {"shield", kChargeShield},
    {"energy", kChargeEnergy},
    {"engine", kChargeEngine},
};

const Keyword kAilmentTypes[] = {
    {"bonus_defense_recharge", kBonusDefenseRecharge},
    {"bonus_energy", kBonusEnergy},
    {"bonus_attack", kBonusAttack},
    {"bonus_engine", kBonusEngine},
    {"bonus_defense", kBonusDefense},
    {"ailment_stunned", kAilmentStunned},
    {"ailment_slow", kAilmentSlow},
    {"ailment_vulnerable", kAilmentVulnerable},
    {"ailment_weak", kAilmentWeak},
    {"ailment_norecharge", kAilmentNoRecharge},
    {"ailment_noenergy", kAilmentNoEnergy},
};

const Keyword kSizes[] = {
    {"small", kSizeSmall},
    {"medium", kSizeMedium},
    {"large", kSizeLarge},
};

const Keyword kWeaponTypes[] = {
    {"beam", kWeaponBeam},     {"projectile", kWeaponProjectile}, {"shockwave", kWeaponShockwave},
    {"mine", kWeaponMine},     {"phantom", kWeaponPhantom},       {"cloak", kWeaponCloak},
    {"health", kWeaponHealth}, {"charge", kWeaponCharge},         {"portal", kWeaponPortal},
};

}  // namespace

bool ParseBool(const char* text)
{
    return text != nullptr && std::strcmp(text, "true") == 0;
}

int32_t ParseFaction(const char* text)
{
    return Lookup(kFactions, text, kFactionUnion);
}
int32_t ParseAlignment(const char* text)
{
    return Lookup(kAlignments, text, kAlignmentNeutral);
}
int32_t ParseQuestTriggerType(const char* text)
{
    return Lookup(kQuestTriggerTypes, text, kQuestTriggerNone);
}
int32_t ParseObjectType(const char* text)
{
    return Lookup(kObjectTypes, text, kObjectTypeNone);
}
int32_t ParseCompoundClass(const char* text)
{
    return Lookup(kCompoundClasses, text, kCompoundNone);
}
int32_t ParseDamageType(const char* text)
{
    return Lookup(kDamageTypes, text, kDamageNone);
}
int32_t ParseDeviceType(const char* text)
{
    return Lookup(kDeviceTypes, text, kDeviceUnknown);
}
int32_t ParseQuestStepType(const char* text)
{
    return Lookup(kQuestStepTypes, text, kQuestStepNone);
}
int32_t ParseTaskType(const char* text)
{
    return Lookup(kTaskTypes, text, kTaskNone);
}
int32_t ParseChargeType(const char* text)
{
    return Lookup(kChargeTypes, text, kChargeShield);
}
int32_t ParseAilmentType(const char* text)
{
    return Lookup(kAilmentTypes, text, kAilmentNone);
}
int32_t ParseSize(const char* text)
{
    return Lookup(kSizes, text, kSizeSmall);
}
int32_t ParseWeaponType(const char* text)
{
    return Lookup(kWeaponTypes, text, kWeaponNone);
}

const char* AlignmentKeyword(int32_t alignment)
{
    switch (alignment) {
    case kAlignmentNature:
        return "nature";
    case kAlignmentEvil:
        return "evil";
    case kAlignmentUnlawful:
        return "unlawful";
    case kAlignmentLawful:
        return "lawful";
    default:
        return "neutral";
    }
}

void AlignmentToText(int32_t alignment, char* destination, size_t size)
{
    if (size == 0)
        return;
    std::strncpy(destination, AlignmentKeyword(alignment), size - 1);
    destination[size - 1] = '\0';
}
