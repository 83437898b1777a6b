// Checks the built content database: references, fixed ids, keywords, colours and the files rows name.
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "content/game_files.h"
#include "db/table_reader.h"
#include "engine/wave_file.h"
#include "platform/gfx/image.h"
#include "platform/gfx/xfile.h"
#include "ui/control_text.h"

namespace {

using content_check::DatabasePath;
using content_check::GameDir;

class ContentRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!content_check::ReadFile(DatabasePath()))
            GTEST_SKIP() << "no content database built at " << DatabasePath();
    }

    // Every row of the statement; a failing statement fails the test and gives no rows.
    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        std::string error;
        auto result = db::ReadQuery(DatabasePath(), sql, &error);
        EXPECT_TRUE(result.has_value()) << sql << ": " << error;
        return result ? result->rows : std::vector<std::vector<std::string>>{};
    }

    std::set<std::string> Keys(const std::string& table, const std::string& column)
    {
        std::set<std::string> keys;
        for (auto& r : Rows("select " + column + " from " + table))
            keys.insert(r[0]);
        return keys;
    }
};

struct Reference {
    const char* table;
    const char* column;
    const char* target;
    const char* targetColumn;
    bool zeroMeansNone;
};

// Every id column the game follows to another row.
const Reference kReferences[] = {
    {"screen", "sprite_id", "sprite", "sprite_id", false},
    {"sprite_control", "sprite_id", "sprite", "sprite_id", false},
    {"button", "sprite_id", "sprite", "sprite_id", false},
    {"mouse_over_button", "sprite_id", "sprite", "sprite_id", false},
    {"checkbox", "sprite_id", "sprite", "sprite_id", false},
    {"checkbox", "checked_sprite_id", "sprite", "sprite_id", false},
    {"slider", "slider_sprite_id", "sprite", "sprite_id", false},
    {"slider", "meter_sprite_id", "sprite", "sprite_id", false},
    {"drag_button", "sprite_id", "sprite", "sprite_id", false},
    {"snap_control", "sprite_id", "sprite", "sprite_id", false},
    {"movie_control", "sprite_id", "sprite", "sprite_id", false},
    {"font", "sprite_id", "sprite", "sprite_id", false},
    {"particle", "sprite_id", "sprite", "sprite_id", false},
    {"planet_object", "sprite_id", "sprite", "sprite_id", false},
    {"planet_object", "glow_sprite_id", "sprite", "sprite_id", false},
    {"nebula_object", "sprite_id", "sprite", "sprite_id", false},
    {"goto_object", "sprite_id", "sprite", "sprite_id", false},
    {"shield", "sprite_id", "sprite", "sprite_id", false},
    {"beam_weapon", "sprite_id", "sprite", "sprite_id", false},
    {"projectile_weapon", "sprite_id", "sprite", "sprite_id", false},
    {"shockwave_weapon", "sprite_id", "sprite", "sprite_id", false},
    {"charge_weapon", "sprite_id", "sprite", "sprite_id", false},
    {"resource_object", "mesh_id", "mesh", "mesh_id", false},
    {"orbit_object", "mesh_id", "mesh", "mesh_id", false},
    {"scaffold_object", "mesh_id", "mesh", "mesh_id", false},
    {"outpost_object", "mesh_id", "mesh", "mesh_id", false},
    {"outpost_object", "base_mesh_id", "mesh", "mesh_id", false},
    {"mine_object", "mesh_id", "mesh", "mesh_id", false},
    {"station", "mesh_id", "mesh", "mesh_id", false},
    {"ship", "mesh_id", "mesh", "mesh_id", false},
    {"device_main", "display_mesh_id", "mesh", "mesh_id", false},
    {"projectile_weapon", "solid_mesh_id", "mesh", "mesh_id", false},
    {"shockwave_weapon", "mesh_id", "mesh", "mesh_id", false},
    {"mine_weapon", "mesh_id", "mesh", "mesh_id", false},
    {"object_control", "mesh_id", "mesh", "mesh_id", false},
    {"quest", "target_mesh_id", "mesh", "mesh_id", false},
    {"quest_step", "mesh_id", "mesh", "mesh_id", false},
    {"button", "down_sound_id", "sound", "sound_id", false},
    {"button", "up_sound_id", "sound", "sound_id", false},
    {"mouse_over_button", "down_sound_id", "sound", "sound_id", false},
    {"mouse_over_button", "up_sound_id", "sound", "sound_id", false},
    {"mouse_over_button", "over_sound_id", "sound", "sound_id", false},
    {"checkbox", "sound_id", "sound", "sound_id", false},
    {"slider", "sound_id", "sound", "sound_id", false},
    {"drag_button", "down_sound_id", "sound", "sound_id", false},
    {"drag_button", "up_sound_id", "sound", "sound_id", false},
    {"beam_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"projectile_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"shockwave_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"mine_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"phantom_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"cloak_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"charge_weapon", "launch_sound_id", "sound", "sound_id", false},
    {"ailment", "particle_id", "particle", "particle_id", true},
    {"fountain_object", "particle_id", "particle", "particle_id", true},
    {"phantom_object", "particle_id", "particle", "particle_id", true},
    {"orbit_object", "particle_id", "particle", "particle_id", true},
    {"projectile_weapon", "particle_id", "particle", "particle_id", true},
    {"phantom_weapon", "particle_id", "particle", "particle_id", true},
    {"device_particles", "particle_id", "particle", "particle_id", false},
    {"ship", "destruct_particle_id", "particle", "particle_id", true},
    {"device_main", "ailment_id", "ailment", "ailment_id", true},
    {"nebula_object", "ailment_id", "ailment", "ailment_id", true},
    {"engine", "device_id", "device_main", "device_id", false},
    {"shield", "device_id", "device_main", "device_id", false},
    {"armor", "device_id", "device_main", "device_id", false},
    {"beam_weapon", "device_id", "device_main", "device_id", false},
    {"projectile_weapon", "device_id", "device_main", "device_id", false},
    {"shockwave_weapon", "device_id", "device_main", "device_id", false},
    {"mine_weapon", "device_id", "device_main", "device_id", false},
    {"mine_weapon", "destruct_device_id", "device_main", "device_id", false},
    {"phantom_weapon", "device_id", "device_main", "device_id", false},
    {"cloak_weapon", "device_id", "device_main", "device_id", false},
    {"charge_weapon", "device_id", "device_main", "device_id", false},
    {"health_weapon", "device_id", "device_main", "device_id", false},
    {"portal_weapon", "device_id", "device_main", "device_id", false},
    {"chain_weapon", "weapon_device_id", "device_main", "device_id", false},
    {"chain_weapon", "chain_weapon_device_id", "device_main", "device_id", false},
    {"device_particles", "device_id", "device_main", "device_id", false},
    {"device_criteria_xref", "device_id", "device_main", "device_id", false},
    {"device_criteria_xref", "device_criteria_id", "device_criteria", "device_criteria_id", false},
    {"device_description", "device_id", "device_main", "device_id", false},
    {"device_object", "device_id", "device_main", "device_id", false},
    {"create_ship", "engine_device_id", "engine", "device_id", false},
    {"create_ship", "shield_device_id", "shield", "device_id", false},
    {"create_ship", "armor_device_id", "armor", "device_id", false},
    {"create_ship", "weapon_id_1", "v_weapon_type", "device_id", false},
    {"create_ship", "weapon_id_2", "v_weapon_type", "device_id", false},
    {"fountain_object", "weapon_device_id", "device_main", "device_id", true},
    {"outpost_object", "weapon_device_id", "device_main", "device_id", true},
    {"mine_object", "weapon_device_id", "device_main", "device_id", false},
    {"quest_step", "device_id", "device_main", "device_id", true},
    {"quest_trigger", "device_id", "device_main", "device_id", true},
    {"object", "system_id", "system", "system_id", false},
    {"wormhole_object", "jump_system_id", "system", "system_id", false},
    {"quest_step", "system_id", "system", "system_id", true},
    {"quest_trigger", "system_id", "system", "system_id", false},
    {"state_trigger", "system_id", "system", "system_id", false},
    {"state_trigger", "new_system_id", "system", "system_id", false},
    {"station_object_xref", "station_id", "station", "station_id", false},
    {"ship", "ship_id", "ship", "ship_id", false},
    {"create_ship", "ship_id", "ship", "ship_id", false},
    {"upgrade_ship", "ship_id", "ship", "ship_id", false},
    {"ship_description", "ship_id", "ship", "ship_id", false},
    {"lead_ship_ai", "ship_id", "ship", "ship_id", false},
    {"ship_ai", "ship_id", "ship", "ship_id", false},
    {"ship_ai", "lead_ship_ai_id", "lead_ship_ai", "lead_ship_ai_id", false},
    {"task", "lead_ship_ai_id", "lead_ship_ai", "lead_ship_ai_id", false},
    {"lead_ship_message", "lead_ship_ai_id", "lead_ship_ai", "lead_ship_ai_id", false},
    {"task", "object_id", "object", "object_id", true},
    {"quest_step", "target_object_id", "object", "object_id", true},
    {"quest_trigger", "object_id", "object", "object_id", true},
    {"quest_step_disabled", "wormhole_object_id", "wormhole_object", "object_id", false},
    {"quest_step_disabled", "quest_step_id", "quest_step", "quest_step_id", false},
    {"quest_step_conversation", "quest_step_id", "quest_step", "quest_step_id", false},
    {"quest_step", "quest_id", "quest", "quest_id", false},
    {"quest_alignment", "quest_id", "quest", "quest_id", false},
    {"quest_description", "quest_id", "quest", "quest_id", false},
    {"quest_ties", "quest_id", "quest", "quest_id", false},
    {"quest_ties", "next_quest_id", "quest", "quest_id", false},
    {"quest", "prereq_quest_id", "quest", "quest_id", true},
    {"quest_trigger", "quest_id", "quest", "quest_id", false},
    {"quest_trigger", "prereq_quest_id", "quest", "quest_id", true},
    {"quest_trigger", "remove_quest_id", "quest", "quest_id", true},
    {"state_trigger", "quest_id", "quest", "quest_id", false},
    {"state_trigger", "quest_step_id", "quest_step", "quest_step_id", true},
    {"object", "quest_step_id", "quest_step", "quest_step_id", true},
    {"button", "control_id", "control", "control_id", false},
    {"mouse_over_button", "control_id", "control", "control_id", false},
    {"sprite_control", "control_id", "control", "control_id", false},
    {"movie_control", "control_id", "control", "control_id", false},
    {"text_control", "control_id", "control", "control_id", false},
    {"checkbox", "control_id", "control", "control_id", false},
    {"slider", "control_id", "control", "control_id", false},
    {"drag_button", "control_id", "control", "control_id", false},
    {"snap_control", "control_id", "control", "control_id", false},
};

// Computer and device columns in which 0 means none.
const char* const kShipDeviceColumns[] = {
    "range_weapon_device_id", "melee_weapon_device_id", "stealth_weapon_device_id", "bonus_weapon_device_id",
    "engine_device_id",       "armor_device_id",        "shield_device_id"};

// Object kind tables and the object_type text their rows must carry.
const std::map<std::string, std::string> kKindTypes = {
    {"resource_object", "resource"},
    {"fountain_object", "fountain"},
    {"vortex_object", "vortex"},
    {"phantom_object", "phantom"},
    {"outpost_object", "outpost"},
    {"mine_object", "mine"},
    {"orbit_object", "orbital"},
    {"nebula_object", "nebula"},
    {"planet_object", "planet"},
    {"wormhole_object", "wormhole"},
    {"goto_object", "goto"},
    {"device_object", "device"},
    {"station_object_xref", "station"},
    {"lead_ship_ai", "lead"},
    {"ship_ai", "ai"},
    // The constructors of these two fix their type themselves; the row names the kind.
    {"scaffold_object", "scaffold"},
    {"health_object", "health"},
};

TEST_F(ContentRowsTest, EveryReferencedIdHasItsRow)
{
    auto check = [this](const std::string& table, const std::string& column, const std::string& target,
                        const std::string& targetColumn, bool zeroMeansNone) {
        std::set<std::string> keys = Keys(target, targetColumn);
        for (auto& r : Rows("select rowid, " + column + " from " + table)) {
            if (zeroMeansNone && (r[1] == "0" || r[1].empty()))
                continue;
            EXPECT_TRUE(keys.count(r[1]))
                << table << " row " << r[0] << ": " << column << " " << r[1] << " has no " << target << " row";
        }
    };
    for (const Reference& ref : kReferences)
        check(ref.table, ref.column, ref.target, ref.targetColumn, ref.zeroMeansNone);
    for (const char* column : kShipDeviceColumns) {
        check("lead_ship_ai", column, "device_main", "device_id", true);
        check("ship_ai", column, "device_main", "device_id", true);
    }
    check("lead_ship_ai", "drop_device_id", "device_main", "device_id", true);
    for (const auto& [table, type] : kKindTypes)
        check(table, "object_id", "object", "object_id", false);
}

TEST_F(ContentRowsTest, FixedIdsOfTheGameCodeHaveRows)
{
    const std::map<std::string, std::vector<int>> fixed = {
        {"sprite",
         {0,     1,     28,    29,    35,    36,    37,    38,    39,    40,    41,    42,    43,    44,    45,
          301,   304,   305,   306,   307,   308,   309,   316,   317,   319,   320,   321,   322,   450,   600,
          610,   702,   750,   800,   816,   10001, 10015, 10016, 15001, 15100, 15101, 15102, 15103, 15104, 15105,
          15106, 15107, 15108, 15109, 15110, 15111, 15200, 15204, 20001, 20002, 20003, 20004, 20009, 21000}},
        {"mesh", {0, 8, 9, 10, 11, 13, 19, 22, 32, 48, 57, 59, 1055, 1056}},
        {"sound", {0, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 50, 51, 54, 55, 200, 401, 402, 450, 500}},
        {"particle", {2, 3, 4, 5, 51, 52, 2010, 10015, 10016, 15204}},
    };
    for (const auto& [table, ids] : fixed) {
        std::set<std::string> keys = Keys(table, table + "_id");
        for (int id : ids)
            EXPECT_TRUE(keys.count(std::to_string(id))) << table << " " << id << " is missing";
    }
    std::set<std::string> glyphSizes = Keys("font", "font_size");
    for (const char* size : {"small", "medium", "large"})
        for (int code = 32; code <= 126; ++code) {
            std::string ch(1, static_cast<char>(code));
            std::string quoted = ch == "'" ? "''" : ch;
            auto rows = Rows("select sprite_id from font where font_size = '" + std::string(size) +
                             "' and font_char = '" + quoted + "'");
            EXPECT_FALSE(rows.empty()) << size << " font has no glyph for '" << ch << "'";
        }
    EXPECT_FALSE(Rows("select host_address from host where host_address = '127.0.0.1'").empty());
    auto cursor = Rows("select c.visible from control c, sprite_control s where c.control_id = 0 and s.control_id = 0");
    ASSERT_EQ(cursor.size(), 1u) << "cursor sprite control 0";
    EXPECT_EQ(cursor[0][0], "true");
}

TEST_F(ContentRowsTest, EnumeratedTextsAreKnownKeywords)
{
    const std::set<std::string> faction{"union", "goth", "ignus", "enimanga", "mandralor"};
    const std::set<std::string> alignment{"nature", "evil", "unlawful", "lawful", "neutral"};
    const std::set<std::string> compound{"common", "uncommon", "rare", "exotic", "undiscovered"};
    const std::set<std::string> damage{"radiation", "organic", "crystal", "photon", "antimatter", "plasma"};
    const std::set<std::string> size{"small", "medium", "large"};
    const struct {
        const char* table;
        const char* column;
        std::set<std::string> words;
    } columns[] = {
        {"system", "system_type", faction},
        {"object", "affiliate", alignment},
        {"create_ship", "affiliate", alignment},
        {"upgrade_ship", "affiliate", alignment},
        {"resource_object", "resource_type", compound},
        {"orbit_object", "resource_type", compound},
        {"outpost_object", "compound_type", compound},
        {"outpost_object", "device_weakness_type", damage},
        {"lead_ship_ai", "compound_type", compound},
        {"ship_ai", "compound_type", compound},
        {"device_main", "device_mod", damage},
        {"device_main", "device_type", {"weapon", "shield", "armor", "engine", "quest"}},
        {"charge_weapon", "charge_type", {"shield", "energy", "engine"}},
        {"ailment",
         "ailment_type",
         {"bonus_defense_recharge", "bonus_energy", "bonus_attack", "bonus_engine", "bonus_defense", "ailment_stunned",
          "ailment_slow", "ailment_vulnerable", "ailment_weak", "ailment_norecharge", "ailment_noenergy"}},
        {"v_weapon_type",
         "weapon_type",
         {"beam", "projectile", "shockwave", "mine", "phantom", "cloak", "health", "charge", "portal"}},
        {"task", "task_type", {"attack", "fall_back", "hold_position", "move", "flee", "charge"}},
        {"quest_alignment", "alignment", alignment},
        {"quest_step", "compound_type", compound},
        {"quest_step",
         "quest_step_type",
         {"assasinate", "goto", "deliver", "acquire", "escort", "defendfrom", "conversation", "killenemy", "dock",
          "jump", "interrupt"}},
        // A dock trigger never fires, so none ships.
        {"quest_trigger", "quest_trigger_type", {"enter", "position", "proximity", "device"}},
        {"control", "text_size", size},
        {"font", "font_size", size},
    };
    for (const auto& c : columns)
        for (auto& r : Rows(std::string("select rowid, ") + c.column + " from " + c.table))
            EXPECT_TRUE(c.words.count(r[1]))
                << c.table << " row " << r[0] << ": " << c.column << " '" << r[1] << "' is no keyword";

    const std::pair<const char*, const char*> flags[] = {
        {"system", "visible"},
        {"control", "visible"},
        {"object_control", "visible"},
        {"object_control", "orbit"},
        {"checkbox", "checked"},
        {"slider", "horizontal"},
        {"device_main", "for_sale"},
        {"ailment", "friendly"},
        {"projectile_weapon", "guided"},
        {"station", "invulnerable"},
        {"planet_object", "invulnerable"},
        {"orbit_object", "invulnerable"},
        {"outpost_object", "invulnerable"},
        {"fountain_object", "invulnerable"},
        {"scaffold_object", "horizontal"},
        {"lead_ship_ai", "invulnerable"},
        {"ship_ai", "invulnerable"},
        {"task", "repeat"},
        {"lead_ship_message", "friendly_message"},
        {"quest_step", "conversation"},
    };
    for (const auto& [table, column] : flags)
        for (auto& r : Rows(std::string("select rowid, ") + column + " from " + table))
            EXPECT_TRUE(r[1] == "true" || r[1] == "false")
                << table << " row " << r[0] << ": " << column << " '" << r[1] << "' is neither 'true' nor 'false'";

    for (const auto& [table, type] : kKindTypes)
        for (auto& r :
             Rows("select o.object_id, o.object_type from object o, " + table + " k where k.object_id = o.object_id"))
            EXPECT_EQ(r[1], type) << "object " << r[0] << " of " << table;
}

TEST_F(ContentRowsTest, ColoursAreEightHexDigits)
{
    const std::pair<const char*, const char*> colours[] = {
        {"control", "color_mod"},
        {"button", "down_color_mod"},
        {"mouse_over_button", "down_color_mod"},
        {"mouse_over_button", "over_color_mod"},
        {"particle", "color_mod"},
        {"engine", "color_mod"},
        {"shield", "color_mod"},
        {"beam_weapon", "color_mod"},
        {"projectile_weapon", "color_mod"},
        {"shockwave_weapon", "color_mod"},
        {"charge_weapon", "color_mod"},
        {"orbit_object", "color_mod"},
        {"outpost_object", "color_mod"},
        {"nebula_object", "color_mod"},
        {"lead_ship_ai", "color_mod"},
        {"ship_ai", "color_mod"},
    };
    for (const auto& [table, column] : colours)
        for (auto& r : Rows(std::string("select rowid, ") + column + " from " + table))
            EXPECT_TRUE(r[1].size() == 8 && r[1].find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
                << table << " row " << r[0] << ": " << column << " '" << r[1] << "'";
}

TEST_F(ContentRowsTest, WorldRulesHold)
{
    // Placed objects stay clear of the player (1), network ids and run-time ids.
    for (auto& r : Rows("select object_id from object")) {
        int id = std::stoi(r[0]);
        EXPECT_TRUE(id > 1000 && (id < 100001 || id > 101000)) << "object " << id << " collides with reserved ids";
    }
    // A wormhole's target leads back, so the ship arrives beside a way home; only the portal
    // system's exit leads one way, to the centre of the system it opens on.
    for (auto& r : Rows("select o.object_id, o.system_id, w.jump_system_id from wormhole_object w, object o "
                        "where o.object_id = w.object_id and o.system_id % 100 <> 2"))
        EXPECT_FALSE(Rows("select w.object_id from wormhole_object w, object o where o.object_id = w.object_id and "
                          "o.system_id = " +
                          r[2] + " and w.jump_system_id = " + std::to_string(std::stoi(r[1]) % 100))
                         .empty())
            << "wormhole " << r[0] << " to system " << r[2] << " has no way back";
    // Every system has a way out, so a pilot saved anywhere is never stranded.
    for (auto& r : Rows("select system_id from system"))
        EXPECT_FALSE(Rows("select w.object_id from wormhole_object w, object o where o.object_id = w.object_id and "
                          "o.system_id = " +
                          r[0])
                         .empty())
            << "system " << r[0] << " has no wormhole";
    // Player hulls carry the alignment keyword of the affiliate they are created with.
    for (auto& r :
         Rows("select c.ship_id, c.affiliate, s.alignment from create_ship c, ship s where s.ship_id = c.ship_id"))
        EXPECT_EQ(r[1], r[2]) << "create_ship " << r[0];
    // A starting device can be refitted by its pilot: a criterion of the hull's alignment exists.
    for (const char* column : {"weapon_id_1", "weapon_id_2", "engine_device_id", "shield_device_id", "armor_device_id"})
        for (auto& r : Rows(std::string("select c.ship_id, c.") + column + " from create_ship c where c." + column +
                            " <> 0 and not exists (select 1 from "
                            "device_criteria d, device_criteria_xref x where x.device_id = c." +
                            column + " and d.device_criteria_id = x.device_criteria_id and d.alignment = c.affiliate)"))
            ADD_FAILURE() << "create_ship " << r[0] << ": device " << r[1] << " has no criterion";
    // A hub that circled would take its docking reach away from where the pilot last saw it.
    for (auto& r : Rows("select object_id from object where object_type = 'station' and velocity > 0"))
        ADD_FAILURE() << "station " << r[0] << " circles";
    EXPECT_FALSE(Rows("select system_id from system where system_id >= 100").empty()) << "no state variant";
    for (const char* faction : {"union", "goth", "ignus", "enimanga", "mandralor"})
        EXPECT_FALSE(Rows(std::string("select system_id from system where system_type = '") + faction + "'").empty())
            << "no " << faction << " system";
}

// Quests: texts fit the fields and screens that show them, a page is one hail box at most, every
// step and trigger type is met, a quest opens at its first step, and what a step places stands
// in the step's system.
TEST_F(ContentRowsTest, QuestRulesHold)
{
    const struct {
        const char* table;
        const char* column;
        size_t limit;
    } texts[] = {
        {"quest", "quest_name", 50},
        {"quest", "complete_quest_string", 59},
        {"quest_description", "line", 60},
        {"quest_step", "begin_step_string", 60},
        {"quest_step", "complete_step_string", 59},
        {"quest_step", "display_alignment", 49},
        {"quest_step_conversation", "line", 60},
    };
    for (const auto& t : texts)
        for (auto& r : Rows(std::string("select rowid, ") + t.column + " from " + t.table))
            EXPECT_LE(r[1].size(), t.limit) << t.table << " row " << r[0] << ": " << t.column << " '" << r[1] << "'";
    for (auto& r : Rows("select quest_step_id, feed, count(*) from quest_step_conversation group by quest_step_id, feed "
                        "having count(*) > 12"))
        ADD_FAILURE() << "step " << r[0] << " page " << r[1] << " has " << r[2] << " lines";
    for (const char* type : {"assasinate", "goto", "deliver", "acquire", "escort", "defendfrom", "conversation",
                             "killenemy", "dock", "jump", "interrupt"})
        EXPECT_FALSE(Rows(std::string("select 1 from quest_step where quest_step_type = '") + type + "'").empty())
            << "no " << type << " step";
    for (const char* type : {"enter", "position", "proximity", "device"})
        EXPECT_FALSE(Rows(std::string("select 1 from quest_trigger where quest_trigger_type = '") + type + "'").empty())
            << "no " << type << " trigger";
    for (auto& r : Rows("select q.quest_id from quest q where not exists (select 1 from quest_step s where "
                        "s.quest_id = q.quest_id and s.quest_step_sequence = 1) or not exists (select 1 from "
                        "quest_alignment a where a.quest_id = q.quest_id)"))
        ADD_FAILURE() << "quest " << r[0] << " has no first step or is offered to nobody";
    // Steps run by their sequence one after another: a gap or a repeat would end the quest early.
    for (auto& r : Rows("select quest_id from quest_step group by quest_id having min(quest_step_sequence) <> 1 or "
                        "max(quest_step_sequence) <> count(*) or count(distinct quest_step_sequence) <> count(*)"))
        ADD_FAILURE() << "quest " << r[0] << " has a gap or a repeat in its step sequence";
    for (auto& r : Rows("select o.object_id from object o, quest_step s where s.quest_step_id = o.quest_step_id and "
                        "s.system_id <> o.system_id"))
        ADD_FAILURE() << "object " << r[0] << " stands outside its step's system";
    for (auto& r : Rows("select state_trigger_id from state_trigger where new_system_id % 100 <> system_id"))
        ADD_FAILURE() << "state trigger " << r[0] << " turns a system into another one";
}

// A mission is offered by its triggers and on every station's board; from there wormholes reach
// each step's system (a state variant stands for its system), where the step's object, device or
// compounds are. A step in a system that a state trigger replaces finds them in the variant too,
// unless its mission ends before the trigger holds (an earlier step of the trigger's mission, or a
// mission the trigger's mission waits for).
TEST_F(ContentRowsTest, EveryMissionsPlacesAreReachedFromWhereItIsOffered)
{
    std::map<std::string, std::set<std::string>> ways;
    for (auto& r : Rows("select o.system_id % 100, w.jump_system_id % 100 from wormhole_object w, object o "
                        "where o.object_id = w.object_id"))
        ways[r[0]].insert(r[1]);
    const auto missing = [&](const std::vector<std::string>& step, const std::string& system) {
        const std::string at = " and (o.system_id = " + system + " or o.quest_step_id = " + step[0] + ")";
        const bool found =
            (step[2] == "0" || !Rows("select 1 from object o where o.object_id = " + step[2] + at).empty()) &&
            (step[3] == "0" || !Rows("select 1 from device_object d, object o where o.object_id = "
                                     "d.object_id and d.device_id = " +
                                     step[3] + at)
                                    .empty()) &&
            (step[1] != "acquire" || step[5] == "0" ||
             !Rows("select 1 from resource_object r, object o where o.object_id = r.object_id and "
                   "r.resource_type = '" +
                   step[4] + "'" + at)
                  .empty());
        return !found;
    };
    const std::string steps =
        "select quest_step_id, quest_step_type, target_object_id, device_id, compound_type, "
        "compound_amount, system_id, quest_id from quest_step";
    for (auto& step : Rows(steps)) {
        EXPECT_FALSE(missing(step, step[6])) << "step " << step[0] << " finds not what it needs";
        for (auto& from : Rows("select system_id % 100 from quest_trigger where quest_id = " + step[7] +
                               " union select system_id % 100 from object where object_type = 'station'")) {
            std::set<std::string> seen{from[0]};
            for (std::vector<std::string> open{from[0]}; !open.empty();) {
                const std::string at = open.back();
                open.pop_back();
                for (const std::string& next : ways[at])
                    if (seen.insert(next).second)
                        open.push_back(next);
            }
            EXPECT_TRUE(seen.count(std::to_string(std::stoi(step[6]) % 100)))
                << "step " << step[0] << " from " << from[0];
        }
    }
    for (auto& t : Rows("select quest_id, quest_step_id, system_id, new_system_id from state_trigger")) {
        std::string waited = t[0];
        for (auto q = Rows("select prereq_quest_id from quest where quest_id = " + t[0]); !q.empty() && q[0][0] != "0";
             q = Rows("select prereq_quest_id from quest where quest_id = " + q[0][0]))
            waited += ", " + q[0][0];
        for (auto& step : Rows(steps + " where system_id = " + t[2] + " and (quest_id = " + t[0] +
                               " and quest_step_id >= " + t[1] + " or quest_id not in (" + waited + "))"))
            EXPECT_FALSE(missing(step, t[3]))
                << "step " << step[0] << " goes on in system " << t[3] << " without its place";
    }
}

// Hails and conversations are shown in the hail box, in flight and at a station, one line a row
// in small glyph cells from the text's left edge: every line ends inside the box's frame.
TEST_F(ContentRowsTest, EveryHailLineFitsTheHailBox)
{
    const auto box = Rows(
        "select s.sprite_file from sprite s, sprite_control c where c.control_id = 330 and "
        "s.sprite_id = c.sprite_id");
    ASSERT_EQ(box.size(), 1u);
    gfx::Image image;
    const auto bytes = content_check::ReadFile(GameDir() + "/raster/" + box[0][0]);
    ASSERT_TRUE(bytes && !gfx::Failed(gfx::DecodeImage(*bytes, &image))) << box[0][0];
    constexpr int kFrame = 2;
    const int cell = GlyphCellWidth(0);
    const auto left = Rows("select max(x_pos) from control where control_id in (332, 1510)");
    ASSERT_EQ(left.size(), 1u);
    const int room = (static_cast<int>(image.width) - kFrame - std::stoi(left[0][0])) / cell;
    for (const char* table : {"quest_step_conversation", "lead_ship_message"})
        for (auto& r : Rows(std::string("select rowid, line from ") + table))
            EXPECT_LE(static_cast<int>(r[1].size()), room)
                << table << " row " << r[0] << " runs past the box: '" << r[1] << "'";
}

// Computer ships: every lead ship follows a script (a lead without tasks neither fights nor
// hails), every wingman's lead is in its system, the scripts use every task type with repeat set
// both ways, and the first system has pirates hostile to a new pilot of every hull.
TEST_F(ContentRowsTest, ComputerShipRulesHold)
{
    for (auto& r : Rows("select l.lead_ship_ai_id from lead_ship_ai l where not exists (select 1 from task t where "
                        "t.lead_ship_ai_id = l.lead_ship_ai_id)"))
        ADD_FAILURE() << "lead ship " << r[0] << " has no task";
    for (auto& r : Rows("select s.ship_ai_id from ship_ai s, object o where o.object_id = s.object_id and not exists "
                        "(select 1 from lead_ship_ai l, object p where l.lead_ship_ai_id = s.lead_ship_ai_id and "
                        "p.object_id = l.object_id and p.system_id = o.system_id)"))
        ADD_FAILURE() << "wingman " << r[0] << " has no lead in its system";
    for (const char* type : {"attack", "fall_back", "hold_position", "move", "flee", "charge"})
        EXPECT_FALSE(Rows(std::string("select task_id from task where task_type = '") + type + "'").empty())
            << "no " << type << " task";
    for (const char* repeat : {"true", "false"})
        EXPECT_FALSE(Rows(std::string("select task_id from task where repeat = '") + repeat + "'").empty())
            << "no task with repeat " << repeat;
    for (auto& r : Rows("select affiliate from create_ship"))
        EXPECT_FALSE(Rows("select o.object_id from object o, lead_ship_ai l where l.object_id = o.object_id and "
                          "o.system_id = 1 and o.affiliate <> '" +
                          r[0] + "'")
                         .empty())
            << "nothing in the first system fights a new " << r[0] << " pilot";
}

// Chains never lead back to their own weapon (a launch would never end); a charge always costs
// energy (otherwise it is free energy); a spread beam and a chained projectile are in the game
// where a pilot can buy or meet them.
TEST_F(ContentRowsTest, WeaponRulesHold)
{
    std::map<std::string, std::vector<std::string>> chains;
    for (auto& r : Rows("select weapon_device_id, chain_weapon_device_id from chain_weapon"))
        chains[r[0]].push_back(r[1]);
    for (auto& [start, next] : chains) {
        std::vector<std::string> open = next;
        std::set<std::string> seen;
        while (!open.empty()) {
            const std::string id = open.back();
            open.pop_back();
            EXPECT_NE(id, start) << "weapon " << start << " chains back to itself";
            if (id == start || !seen.insert(id).second)
                continue;
            for (const std::string& more : chains[id])
                open.push_back(more);
        }
    }
    for (auto& r : Rows("select device_id, energy_req from charge_weapon"))
        EXPECT_GT(std::stoi(r[1]), 0) << "charge weapon " << r[0] << " hands out free energy";

    const std::string offered =
        " and (d.device_id in (select device_id from device_criteria_xref) or d.device_id in (select "
        "weapon_device_id from outpost_object) or d.device_id in (select range_weapon_device_id from lead_ship_ai) or "
        "d.device_id in (select melee_weapon_device_id from lead_ship_ai))";
    EXPECT_FALSE(Rows("select d.device_id from beam_weapon b, device_main d where d.device_id = b.device_id and "
                      "b.precision > 0" +
                      offered)
                     .empty());
    EXPECT_FALSE(Rows("select d.device_id from projectile_weapon p, device_main d where d.device_id = p.device_id "
                      "and d.device_id in (select weapon_device_id from chain_weapon)" +
                      offered)
                     .empty());
}

// Every system shows a scene: one sun and at least one other planet, placed in the system itself.
TEST_F(ContentRowsTest, EverySystemHasOneSunAndAPlanet)
{
    const std::string planets =
        "select count(*) from planet_object p, object o where p.object_id = o.object_id and "
        "o.quest_step_id = 0 and o.system_id = ";
    for (auto& r : Rows("select system_id from system")) {
        EXPECT_EQ(Rows(planets + r[0] + " and o.object_name = 'Sun'")[0][0], "1") << "system " << r[0];
        EXPECT_NE(Rows(planets + r[0] + " and o.object_name <> 'Sun'")[0][0], "0") << "system " << r[0];
    }
}

// Each nebula names num_sprites consecutive sprites from its sprite_id.
TEST_F(ContentRowsTest, EveryNebulaSpriteHasItsRow)
{
    const std::set<std::string> sprites = Keys("sprite", "sprite_id");
    for (auto& r : Rows("select nebula_id, sprite_id, num_sprites from nebula_object")) {
        EXPECT_GE(std::stoi(r[2]), 1) << "nebula " << r[0] << " has no sprites";
        for (int i = 0; i < std::stoi(r[2]); ++i)
            EXPECT_TRUE(sprites.count(std::to_string(std::stoi(r[1]) + i))) << "nebula " << r[0] << " frame " << i;
    }
}

// A body turns velocity / r^2 radians per 100 ms (r^2 counting the height of 30), and a hit deals
// (ship speed + velocity) x body size / ship size. Every body moves visibly and no hit at a
// starting ship's top speed takes its whole hull.
TEST_F(ContentRowsTest, OrbitingBodiesMoveVisiblyAndHurtWithoutKillingANewPilot)
{
    const auto starters = Rows(
        "select s.size, s.max_hit_points, e.max_velocity from create_ship c, ship s, engine e "
        "where s.ship_id = c.ship_id and e.device_id = c.engine_device_id");
    ASSERT_FALSE(starters.empty());
    for (auto& body : Rows("select o.object_id, o.x_pos, o.y_pos, o.velocity, o.size from orbit_object b, object o "
                           "where o.object_id = b.object_id")) {
        const double x = std::stod(body[1]), y = std::stod(body[2]), rate = std::stod(body[3]);
        const double along = rate * std::sqrt(x * x + y * y) / (x * x + y * y + 900.0);
        EXPECT_GE(along, 0.1) << "orbit object " << body[0] << " moves " << along << " units per 100 ms";
        for (auto& ship : starters) {
            const int hit = static_cast<int>((std::stod(ship[2]) + rate) * std::stod(body[4]) / std::stod(ship[0]));
            EXPECT_LT(hit, std::stoi(ship[1])) << "orbit object " << body[0] << " hits for " << hit;
        }
    }
}

// A new pilot leaves the first system by its wormholes; each hazard kind waits in a system there.
TEST_F(ContentRowsTest, EveryHazardKindIsMetOneJumpFromTheFirstSystem)
{
    const std::string next =
        "(select w.jump_system_id from wormhole_object w, object o where o.object_id = "
        "w.object_id and o.system_id = 1)";
    for (const char* table : {"nebula_object", "scaffold_object", "orbit_object", "phantom_object", "vortex_object"})
        EXPECT_FALSE(Rows(std::string("select o.object_id from ") + table +
                          " k, object o where o.object_id = k.object_id and o.quest_step_id = 0 and o.system_id in " +
                          next)
                         .empty())
            << table;
}

// Mines, outposts and fountains wait one jump out, never in the first system, and an outpost only
// locks onto ships its weapon can reach.
TEST_F(ContentRowsTest, ArmedObjectsWaitPastTheFirstSystemAndReachWhatTheyTarget)
{
    const std::string next =
        "(select w.jump_system_id from wormhole_object w, object o where o.object_id = "
        "w.object_id and o.system_id = 1)";
    for (const char* table : {"mine_object", "outpost_object", "fountain_object"}) {
        const std::string placed =
            std::string("select o.object_id from ") + table + " k, object o where o.object_id = k.object_id and ";
        EXPECT_FALSE(Rows(placed + "o.quest_step_id = 0 and o.system_id in " + next).empty()) << table;
        EXPECT_TRUE(Rows(placed + "o.system_id % 100 = 1").empty()) << table << " in the first system";
    }
    for (auto& r : Rows("select k.object_id, k.attack_radius, w.range from outpost_object k, (select device_id, "
                        "range from beam_weapon union all select device_id, range from projectile_weapon) w "
                        "where w.device_id = k.weapon_device_id"))
        EXPECT_LE(std::stod(r[1]), std::stod(r[2])) << "outpost " << r[0] << " targets beyond its weapon";
}

// The shipyards step each alignment up by size: every starting hull can buy the next larger hull
// of its alignment for a few missions' pay at a low level, and a larger hull is worth more and
// holds more. The upgrade list is chosen by alignment text, so a hull's affiliate row matches it.
TEST_F(ContentRowsTest, EveryStartingHullCanStepUpToALargerHull)
{
    for (auto& r : Rows("select u.ship_id from upgrade_ship u, ship s where s.ship_id = u.ship_id and "
                        "s.alignment <> u.affiliate"))
        ADD_FAILURE() << "upgrade hull " << r[0] << " is offered to another alignment than its own";
    for (auto& r : Rows("select c.ship_id, s.credit_value, (select min(n.size) from upgrade_ship u, ship n where "
                        "n.ship_id = u.ship_id and n.alignment = s.alignment and n.size > s.size) from create_ship c, "
                        "ship s where s.ship_id = c.ship_id")) {
        ASSERT_FALSE(r[2].empty()) << "starting hull " << r[0] << " has no larger hull to buy";
        auto next =
            Rows("select n.credit_value, n.ship_level from upgrade_ship u, ship n, ship s where s.ship_id = " + r[0] +
                 " and n.ship_id = u.ship_id and n.alignment = s.alignment and n.size = " + r[2]);
        ASSERT_EQ(next.size(), 1u) << "starting hull " << r[0];
        EXPECT_LE(std::stoi(next[0][0]) - std::stoi(r[1]), 2500) << "the first step up from hull " << r[0];
        EXPECT_LE(2 * std::stoi(next[0][1]), 6)
            << "the first step up from hull " << r[0] << " asks pilot level " << 2 * std::stoi(next[0][1]);
    }
    for (auto& r : Rows("select a.ship_id, b.ship_id from ship a, ship b where a.alignment = b.alignment and "
                        "a.ship_id in (select ship_id from create_ship union select ship_id from upgrade_ship) and "
                        "b.ship_id in (select ship_id from upgrade_ship) and b.size > a.size and "
                        "(b.credit_value <= a.credit_value or b.max_cargo <= a.max_cargo or "
                        "b.max_hit_points <= a.max_hit_points)"))
        ADD_FAILURE() << "hull " << r[1] << " is larger than hull " << r[0] << " but not worth more or holding more";
}

// Every sprite row's file decodes with the game's own decoder, at the size the game draws it:
// backdrops 800x600, everything else power-of-two sides (so the loader never stretches it).
TEST_F(ContentRowsTest, SpriteFilesDecodeAtUsableSizes)
{
    std::set<int> fullScreen{2, 3, 4, 5, 6, 450, 600, 610, 702, 750, 800, 21000};
    for (auto& r : Rows("select sprite_id from screen"))
        fullScreen.insert(std::stoi(r[0]));
    // The faction skies are textures the flight planes repeat, so they are powers of two like
    // every texture (the flight screen's row names one but draws no backdrop sprite); where a
    // screen shows one whole, it is scaled on load.
    for (int sky : {1, 38, 40, 42, 44})
        fullScreen.erase(sky);
    // Rows may share a file; each file is decoded once. An empty error means it decoded.
    struct Decoded {
        gfx::Image image;
        std::string error;
    };
    std::map<std::string, Decoded> decoded;
    for (auto& r : Rows("select sprite_id, sprite_file from sprite")) {
        const int id = std::stoi(r[0]);
        auto found = decoded.find(r[1]);
        if (found == decoded.end()) {
            Decoded d;
            if (auto bytes = content_check::ReadFile(GameDir() + "/raster/" + r[1])) {
                if (gfx::Failed(gfx::DecodeImage(*bytes, &d.image)))
                    d.error = "does not decode as PNG or JPEG";
            } else {
                d.error = "is missing";
            }
            found = decoded.emplace(r[1], std::move(d)).first;
        }
        if (!found->second.error.empty()) {
            ADD_FAILURE() << "sprite " << id << ": raster/" << r[1] << " " << found->second.error;
            continue;
        }
        const gfx::Image& image = found->second.image;
        if (fullScreen.count(id)) {
            EXPECT_EQ(image.width, 800u) << "sprite " << id << ": raster/" << r[1];
            EXPECT_EQ(image.height, 600u) << "sprite " << id << ": raster/" << r[1];
        } else {
            EXPECT_TRUE(content_check::IsPowerOfTwo(static_cast<int>(image.width)) &&
                        content_check::IsPowerOfTwo(static_cast<int>(image.height)))
                << "sprite " << id << ": raster/" << r[1] << " is " << image.width << "x" << image.height;
        }
    }
    EXPECT_FALSE(decoded.empty()) << "no sprite rows";
}

TEST_F(ContentRowsTest, MeshFilesParseAndTheirTexturesExist)
{
    for (auto& r : Rows("select mesh_id, mesh_file from mesh")) {
        gfx::Mesh* mesh = nullptr;
        std::vector<gfx::MeshMaterial> materials;
        std::string error;
        ASSERT_FALSE(gfx::Failed(gfx::LoadMeshFromX(GameDir() + "/x/" + r[1], &mesh, &materials, &error)))
            << "mesh " << r[0] << ": x/" << r[1] << ": " << error;
        EXPECT_GT(mesh->GetNumFaces(), 0u) << "mesh " << r[0];
        mesh->Release();
        for (const gfx::MeshMaterial& m : materials) {
            if (m.textureFilename.empty())
                continue;
            EXPECT_TRUE(content_check::ReadFile(GameDir() + "/raster/" + m.textureFilename))
                << "mesh " << r[0] << " names raster/" << m.textureFilename;
            if (m.textureFilename[0] == '+') {
                EXPECT_TRUE(content_check::ReadFile(GameDir() + "/raster/-" + m.textureFilename.substr(1)))
                    << "mesh " << r[0] << ": " << m.textureFilename << " has no '-' partner";
            }
        }
    }
}

TEST_F(ContentRowsTest, SoundFilesAreReadableWaves)
{
    for (auto& r : Rows("select sound_id, sound_file from sound")) {
        CWaveFile wave;
        std::string path = GameDir() + "/sound/" + r[1];
        ASSERT_EQ(wave.Open(path.c_str(), nullptr, kWaveOpenRead), audio::kOk) << "sound " << r[0] << ": " << r[1];
        ASSERT_NE(wave.GetFormat(), nullptr);
        EXPECT_EQ(wave.GetFormat()->formatTag, 1) << "sound " << r[0];
        EXPECT_TRUE(wave.GetFormat()->bitsPerSample == 8 || wave.GetFormat()->bitsPerSample == 16) << "sound " << r[0];
        EXPECT_GT(wave.GetSize(), 0u) << "sound " << r[0];
    }
}

}  // namespace

// The controls the screens' code reaches by id, by screen and kind; a missing row leaves a screen
// without a button the player needs or a meter the HUD sets.
TEST_F(ContentRowsTest, EveryControlTheScreensNameHasItsRowOnItsScreen)
{
    struct Named {
        int screen;
        const char* table;
        const char* key;
        std::vector<int> ids;
    };
    auto range = [](int first, int last) {
        std::vector<int> ids;
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
        return ids;
    };
    const Named named[] = {
        {6, "text_control", "text_id", {300, 302, 303, 312, 313, 314, 315, 324, 325, 326, 327, 349}},
        {6, "text_control", "text_id", range(332, 343)},
        {6, "sprite_control", "sprite_control_id", {20, 310, 311, 317, 318, 319, 320, 321, 322, 330, 331, 1150, 1451}},
        {6, "button", "button_id", {345, 346, 1151, 1152, 1160, 1161}},
        {6, "slider", "slider_id", {1153, 1154}},
        {6, "checkbox", "checkbox_id", {1155, 1156, 1157, 1158, 1159, 1162, 1163}},
        {6, "movie_control", "movie_control_id", {1450}},
        {2, "text_control", "text_id", {50}},
        {2, "button", "button_id", {51}},
        {3, "text_control", "text_id", range(100, 108)},
        {3, "text_control", "text_id", {117, 118, 119, 120, 121, 122, 123, 140, 141, 142, 143}},
        {3, "button", "button_id", {113, 114, 115}},
        {3, "mouse_over_button", "mouse_over_button_id", range(125, 134)},
        {3, "sprite_control", "sprite_control_id", {135, 136}},
        {4, "mouse_over_button", "mouse_over_button_id", range(200, 207)},
        {4, "text_control", "text_id", range(210, 217)},
        {4, "text_control", "text_id", range(220, 227)},
        {4, "button", "button_id", {228}},
        {5, "mouse_over_button", "mouse_over_button_id", range(250, 257)},
        {5, "text_control", "text_id", range(260, 267)},
        {5, "text_control", "text_id", range(270, 277)},
        {5, "button", "button_id", {1210}},
        {20, "button", "button_id", {2600}},
        {18, "button", "button_id", {1100, 1101, 1102}},
        {18, "checkbox", "checkbox_id", {1003}},
        {18, "text_control", "text_id", {1088, 1149}},
        {18, "text_control", "text_id", range(1110, 1141)},
        {17, "button", "button_id", {1000, 1001, 1002}},
        {17, "text_control", "text_id", {1089}},
        {17, "text_control", "text_id", range(1040, 1065)},
        {17, "text_control", "text_id", range(1070, 1086)},
        {6, "button", "button_id", {347}},
        {7, "text_control", "text_id", range(350, 366)},
        {7, "text_control", "text_id", {376, 377, 378, 379, 380, 381, 382, 386, 387, 388, 389, 390, 391}},
        {7, "text_control", "text_id", range(1700, 1719)},
        {7, "mouse_over_button", "mouse_over_button_id", range(370, 374)},
        {7, "mouse_over_button", "mouse_over_button_id", range(1800, 1822)},
        {7, "button", "button_id", {375}},
        {7, "sprite_control", "sprite_control_id", {384, 385}},
        {7, "snap_control", "snap_control_id", range(1600, 1622)},
        {7, "snap_control", "snap_control_id", range(1625, 1628)},
        {7, "drag_button", "drag_button_id", range(1650, 1672)},
        {14, "text_control", "text_id", range(800, 808)},
        {14, "text_control", "text_id", range(817, 821)},
        {14, "text_control", "text_id", {823, 826}},
        {14, "button", "button_id", {813, 814, 815, 824}},
        {14, "sprite_control", "sprite_control_id", {644, 825}},
        {9, "button", "button_id", {400, 401, 402, 404, 405, 407, 408, 409, 410, 412}},
        {9, "text_control", "text_id", {406, 411, 413, 1542, 1543}},
        {9, "text_control", "text_id", range(1510, 1541)},
        {9, "sprite_control", "sprite_control_id", {1502, 1504}},
        {9, "movie_control", "movie_control_id", {1503}},
        {11, "button", "button_id", {645}},
        {11, "sprite_control", "sprite_control_id", {646, 647, 648, 2086, 2094, 2095, 2096, 2097, 2420}},
        {11, "sprite_control", "sprite_control_id", range(2070, 2084)},
        {11, "text_control", "text_id", {2410}},
        {11, "text_control", "text_id", range(2390, 2409)},
        {11, "snap_control", "snap_control_id", range(2000, 2022)},
        {11, "snap_control", "snap_control_id", range(2200, 2224)},
        {11, "snap_control", "snap_control_id", range(2230, 2233)},
        {11, "drag_button", "drag_button_id", range(2100, 2122)},
        {11, "drag_button", "drag_button_id", range(2300, 2324)},
        {11, "mouse_over_button", "mouse_over_button_id", range(2150, 2172)},
        {11, "mouse_over_button", "mouse_over_button_id", range(2350, 2374)},
        {11, "mouse_over_button", "mouse_over_button_id", range(2050, 2064)},
        {11, "mouse_over_button", "mouse_over_button_id", {2085, 2090, 2091, 2092, 2093}},
    };
    for (const Named& kind : named) {
        for (int id : kind.ids) {
            const std::string sql = std::string("select c.screen_id from control c, ") + kind.table +
                                    " k where c.control_id = k.control_id and k." + kind.key + " = " +
                                    std::to_string(id);
            auto rows = Rows(sql);
            ASSERT_EQ(rows.size(), 1u) << kind.table << " " << id << " has no row";
            EXPECT_EQ(rows[0][0], std::to_string(kind.screen)) << kind.table << " " << id;
        }
    }
    // A name goes to the first hidden place, so every place waits hidden.
    EXPECT_TRUE(
        Rows("select control_id from control where control_id between 1070 and 1086 and visible <> 'false'").empty());
    for (int id : {3, 4, 5, 6, 7, 8, 9, 10, 11, 54, 55, 56, 57, 58, 59, 60, 61, 75, 80, 90, 100, 101})
        EXPECT_EQ(Rows("select 1 from object_control where object_control_id = " + std::to_string(id)).size(), 1u)
            << "object control " << id;
}
