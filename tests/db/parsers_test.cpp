// The keyword parsers: exact, case-sensitive, first match, and each table's default.
#include "db/parsers.h"

#include <gtest/gtest.h>

#include "db/game_enums.h"

namespace {

struct Case {
    const char* text;
    int32_t value;
};

void ExpectTable(int32_t (*parse)(const char*), std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(parse(c.text), c.value) << "\"" << c.text << "\"";
}

TEST(Parsers, BoolIsTrueOnlyForExactLowerCaseTrue)
{
    EXPECT_TRUE(ParseBool("true"));
    EXPECT_FALSE(ParseBool("True"));
    EXPECT_FALSE(ParseBool("TRUE"));
    EXPECT_FALSE(ParseBool("1"));
    EXPECT_FALSE(ParseBool("true "));
    EXPECT_FALSE(ParseBool(""));
    EXPECT_FALSE(ParseBool(nullptr));
}

TEST(Parsers, EveryKeywordOfEveryTable)
{
    ExpectTable(ParseFaction, {{"union", 0}, {"goth", 1}, {"ignus", 2}, {"enimanga", 3}, {"mandralor", 4}});
    ExpectTable(ParseAlignment, {{"nature", 4}, {"evil", 3}, {"unlawful", 2}, {"lawful", 1}, {"neutral", 0}});
    ExpectTable(ParseQuestTriggerType, {{"enter", 1}, {"position", 2}, {"device", 4}, {"proximity", 3}, {"dock", 5}});
    ExpectTable(ParseObjectType, {{"player", 13},
                                  {"lead", 1},
                                  {"ai", 2},
                                  {"network", 3},
                                  {"resource", 4},
                                  {"fountain", 15},
                                  {"vortex", 19},
                                  {"phantom", 18},
                                  {"outpost", 17},
                                  {"mine", 16},
                                  {"wormhole", 5},
                                  {"station", 6},
                                  {"planet", 7},
                                  {"device", 8},
                                  {"goto", 9},
                                  {"orbital", 11},
                                  {"nebula", 12}});
    ExpectTable(ParseCompoundClass, {{"common", 1}, {"uncommon", 2}, {"rare", 3}, {"exotic", 4}, {"undiscovered", 5}});
    ExpectTable(ParseDamageType,
                {{"radiation", 1}, {"organic", 2}, {"crystal", 3}, {"photon", 4}, {"antimatter", 5}, {"plasma", 6}});
    ExpectTable(ParseDeviceType, {{"weapon", 0}, {"shield", 1}, {"armor", 3}, {"engine", 4}, {"quest", 5}});
    ExpectTable(ParseQuestStepType, {{"killenemy", 8},
                                     {"assasinate", 1},
                                     {"goto", 2},
                                     {"deliver", 3},
                                     {"acquire", 4},
                                     {"escort", 5},
                                     {"defendfrom", 6},
                                     {"conversation", 7},
                                     {"interrupt", 11},
                                     {"dock", 9},
                                     {"jump", 10}});
    ExpectTable(ParseTaskType,
                {{"attack", 1}, {"fall_back", 2}, {"hold_position", 3}, {"move", 4}, {"flee", 5}, {"charge", 6}});
    ExpectTable(ParseChargeType, {{"shield", 0}, {"energy", 1}, {"engine", 2}});
    ExpectTable(ParseAilmentType, {{"bonus_defense_recharge", 1},
                                   {"bonus_energy", 2},
                                   {"bonus_attack", 3},
                                   {"bonus_engine", 4},
                                   {"bonus_defense", 5},
                                   {"ailment_stunned", 6},
                                   {"ailment_slow", 7},
                                   {"ailment_vulnerable", 8},
                                   {"ailment_weak", 9},
                                   {"ailment_norecharge", 10},
                                   {"ailment_noenergy", 11}});
    ExpectTable(ParseSize, {{"small", 0}, {"medium", 1}, {"large", 2}});
    ExpectTable(ParseWeaponType, {{"beam", 1},
                                  {"projectile", 2},
                                  {"shockwave", 3},
                                  {"mine", 6},
                                  {"phantom", 7},
                                  {"cloak", 4},
                                  {"health", 9},
                                  {"charge", 5},
                                  {"portal", 8}});
}

TEST(Parsers, UnknownTextGivesEachTablesDefault)
{
    EXPECT_EQ(ParseAlignment("Lawful"), kAlignmentNeutral);
    EXPECT_EQ(ParseFaction("Goth"), kFactionUnion);
    EXPECT_EQ(ParseSize("huge"), kSizeSmall);
    EXPECT_EQ(ParseChargeType("fuel"), kChargeShield);
    EXPECT_EQ(ParseWeaponType("laser"), kWeaponNone);
    EXPECT_EQ(ParseObjectType(""), kObjectTypeNone);
    EXPECT_EQ(ParseTaskType(nullptr), kTaskNone);
    EXPECT_EQ(ParseAilmentType("bonus_energy "), kAilmentNone);
}

TEST(Parsers, UnknownDeviceTypeIsSixNeverTwo)
{
    EXPECT_EQ(ParseDeviceType("gadget"), kDeviceUnknown);
    EXPECT_EQ(ParseDeviceType(""), 6);
    EXPECT_EQ(ParseDeviceType(nullptr), 6);
    EXPECT_EQ(ParseDeviceType("Armor"), 6);
}

TEST(Parsers, KeepTheContentsOwnSpellings)
{
    EXPECT_EQ(ParseQuestStepType("assasinate"), kQuestStepAssassinate);
    EXPECT_EQ(ParseQuestStepType("assassinate"), kQuestStepNone);
    EXPECT_EQ(ParseObjectType("orbital"), kObjectTypeOrbital);
    EXPECT_EQ(ParseObjectType("orbit"), kObjectTypeNone);
}

TEST(Parsers, AlignmentToTextWritesNeutralOutsideTheRange)
{
    char text[16];
    for (int32_t value : {0, 5, -1}) {
        AlignmentToText(value, text, sizeof text);
        EXPECT_STREQ(text, "neutral") << value;
    }
    AlignmentToText(kAlignmentUnlawful, text, sizeof text);
    EXPECT_STREQ(text, "unlawful");
    for (int32_t value = 0; value <= 4; ++value)
        EXPECT_EQ(ParseAlignment(AlignmentKeyword(value)), value);
}

TEST(Parsers, AlignmentToTextStaysInsideTheArray)
{
    char text[5] = {'x', 'x', 'x', 'x', 'x'};
    AlignmentToText(kAlignmentUnlawful, text, sizeof text);
    EXPECT_STREQ(text, "unla");
}

}  // namespace
