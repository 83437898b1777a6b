// Pilot save, load, list and delete, and the settings row (save database).
#include "db/game_database.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "db/parsers.h"
#include "db/query_shapes.h"

namespace {

void FillPilot(PilotRow& r, CColumnReader& in)
{
    r.player_id = in.Int();
    r.ship_id = in.Int();
    in.Text(r.character_name);
    r.level = in.Int();
}

void FillPlayer(PlayerRecord& r, CColumnReader& in)
{
    r.player_id = in.Int();
    r.ship_id = in.Int();
    r.system_id = in.Int();
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.credits = in.Int();
    r.experience = in.Int();
    r.com_level = in.Int();
    r.eng_level = in.Int();
    r.nav_level = in.Int();
    r.sci_level = in.Int();
    r.tac_level = in.Int();
    r.level = in.Int();
    r.level_up = in.Int();
    r.next_level = in.Int();
    r.common_compounds = in.Int();
    r.uncommon_compounds = in.Int();
    r.rare_compounds = in.Int();
    r.exotic_compounds = in.Int();
    r.undiscovered_compounds = in.Int();
    r.color_mod = in.Color();
    in.Text(r.character_name);
    r.engine_device_id = in.Int();
    r.shield_device_id = in.Int();
    r.armor_device_id = in.Int();
    r.fuel = in.Int();
    r.affiliate = ParseAlignment(in.Raw());
}

void FillPlayerDevice(PlayerDeviceRow& r, CColumnReader& in)
{
    r.player_id = in.Int();
    r.device_number = in.Int();
    r.device_id = in.Int();
    r.amount = in.Int();
}

void FillPlayerQuest(PlayerQuestRow& r, CColumnReader& in)
{
    r.player_quest_id = in.Int();
    r.player_id = in.Int();
    r.quest_id = in.Int();
    r.complete = in.Bool();
}

void FillVisitedSystem(int32_t& r, CColumnReader& in)
{
    r = in.Int();
}

void FillSettings(SettingsRecord& r, CColumnReader& in)
{
    r.brightness = in.Int();
    r.volume = in.Int();
    r.sound_on = in.Bool();
    r.wire_frame = in.Bool();
    r.display_xy = in.Bool();
    r.display_fps = in.Bool();
    r.display_velocity = in.Bool();
    r.high_quality_glow = in.Bool();
    r.auto_decelerate = in.Bool();
}

// An exhausted pool gives a NULL minimum; it must never read as pilot id 0.
int NewPlayerIdRow(void* user, int columns, char** values, char**)
{
    if (columns == 1)
        *static_cast<int32_t*>(user) = values[0] != nullptr ? std::atoi(values[0]) : kNoFreePlayerId;
    return 0;
}

// One above the largest id; a largest id with nothing above it in 32 bits leaves no id.
int NextPlayerQuestIdRow(void* user, int columns, char** values, char**)
{
    if (columns != 1)
        return 0;
    auto* next = static_cast<int32_t*>(user);
    if (values[0] == nullptr) {
        *next = 0;
        return 0;
    }
    const long long largest = std::strtoll(values[0], nullptr, 10);
    *next = largest < INT32_MAX && largest >= INT32_MIN ? static_cast<int32_t>(largest + 1) : kNoPlayerQuestId;
    return 0;
}

const char* FlagText(bool flag)
{
    return flag ? "true" : "false";
}

const char* const kNextPlayerQuestIdSql = "select max(player_quest_id) from player_quest";

}  // namespace

int32_t CGameDatabase::GetCurrentPlayerId()
{
    return RunScalar(mSave, "select cp.player_id from current_player cp, player p where p.player_id = cp.player_id",
                     mCurrentPlayerId, -1);
}

RowList<PilotRow>& CGameDatabase::GetPilots(RowList<PilotRow>& out)
{
    RunList<PilotRow, 4, FillPilot>(mSave, "select p.player_id, p.ship_id, p.character_name, p.level from player p",
                                    mPilots, out);
    for (PilotRow* pilot : out) {
        const ShipRecord* hull = GetShip(pilot->ship_id);
        pilot->mesh_id = hull != nullptr ? hull->mesh_id : 0;
    }
    return out;
}

PlayerRecord* CGameDatabase::GetPlayer(int32_t playerId)
{
    return RunRecord<PlayerRecord, 27, FillPlayer>(
        mSave,
        FormatSql("select player_id, ship_id, system_id, x_pos, y_pos, credits, experience, com_level, eng_level, "
                  "nav_level, sci_level, tac_level, level, level_up, next_level, common_compounds, "
                  "uncommon_compounds, rare_compounds, exotic_compounds, undiscovered_compounds, color_mod,  "
                  "character_name, engine_device_id, shield_device_id,  armor_device_id, fuel, affiliate  "
                  "from player where player_id = %d",
                  playerId),
        mPlayer);
}

RowList<PlayerDeviceRow>& CGameDatabase::GetPlayerDevices(RowList<PlayerDeviceRow>& out, int32_t playerId)
{
    return RunList<PlayerDeviceRow, 4, FillPlayerDevice>(
        mSave,
        FormatSql("select player_id, device_number, device_id, amount from player_device p where player_id = %d",
                  playerId),
        mPlayerDevices, out);
}

RowList<PlayerQuestRow>& CGameDatabase::GetPlayerQuests(RowList<PlayerQuestRow>& out, int32_t playerId)
{
    return RunList<PlayerQuestRow, 4, FillPlayerQuest>(
        mSave,
        FormatSql("select player_quest_id, player_id, quest_id, complete from player_quest where player_id = %d",
                  playerId),
        mPlayerQuests, out);
}

void CGameDatabase::LoadVisitedSystems(int32_t playerId, std::set<int32_t>& visited)
{
    RowList<int32_t> rows;
    RunList<int32_t, 1, FillVisitedSystem>(
        mSave, FormatSql("select system_id from player_systems where player_id = %d", playerId), mVisitedSystems, rows);
    visited.clear();
    for (const int32_t* systemId : rows)
        visited.insert(*systemId);
}

int32_t CGameDatabase::NewPlayerId()
{
    return RunScalar(mSave,
                     "select min(test_num) from player_test where test_num not in ( select player_id from player )",
                     mNewPlayerId, 0, &NewPlayerIdRow);
}

int32_t CGameDatabase::NextPlayerQuestId()
{
    return RunScalar(mSave, kNextPlayerQuestIdSql, mNextPlayerQuestId, 0, &NextPlayerQuestIdRow);
}

void CGameDatabase::DeletePlayer(int32_t playerId)
{
    SaveStatement(FormatSql("delete from player where player_id = %d", playerId));
    SaveStatement(FormatSql("delete from player_quest where player_id = %d", playerId));
    SaveStatement(FormatSql("delete from player_device where player_id = %d", playerId));
}

SettingsRecord* CGameDatabase::LoadSettings()
{
    return RunRecord<SettingsRecord, 9, FillSettings>(
        mSave,
        "SELECT brightness,volume,sound_on,wire_frame,display_xy, display_fps, display_velocity,high_quality_glow,"
        "auto_decelerate FROM settings",
        mSettings);
}

bool CGameDatabase::MakeMissingSettingsRow()
{
    mSettingsCount = 0;
    if (!RunOrQuit(mSave, "select count(*) from settings", &ScalarRow, &mSettingsCount))
        return false;
    if (mSettingsCount > 0)
        return true;
    // Without the row every option the player changes would be lost.
    std::fprintf(stderr, "varnok: the save database has no settings row; one with the shipped options is made\n");
    return SaveStatement(
        "insert into settings ( brightness, volume, sound_on, wire_frame, display_xy, display_fps, "
        "display_velocity, high_quality_glow, auto_decelerate ) "
        "values( 50, 80, 'true', 'false', 'false', 'false', 'false', 'true', 'true' )");
}

void CGameDatabase::SaveSettings(const SettingsRecord& s)
{
    SaveStatement(
        FormatSql("update settings set brightness=%d,volume=%d,sound_on='%q',wire_frame='%q', "
                  "display_xy='%q',display_fps='%q',display_velocity='%q',high_quality_glow='%q',"
                  "auto_decelerate='%q'",
                  s.brightness, s.volume, FlagText(s.sound_on), FlagText(s.wire_frame), FlagText(s.display_xy),
                  FlagText(s.display_fps), FlagText(s.display_velocity), FlagText(s.high_quality_glow),
                  FlagText(s.auto_decelerate)));
}

void CGameDatabase::SavePlayer(const PlayerSaveData& pilot)
{
    // The write lock first: asked for after a read, SQLite refuses it at once to another writer
    // instead of waiting for that writer to finish.
    if (!SaveStatement("BEGIN IMMEDIATE"))
        return;
    bool saved = SavePilotRow(pilot) && SaveStatement("delete from current_player") &&
                 SaveStatement(FormatSql("insert into current_player values( %d )", pilot.player_id)) &&
                 DeletePlayerDevices(pilot.player_id) && SavePlayerDevices(pilot) && SavePlayerSystems(pilot) &&
                 SavePlayerQuests(pilot) && SaveStatement("COMMIT");
    // A failed statement has posted the quit message; either way the previous save stays whole.
    if (!saved)
        ExecSql(mSave, "ROLLBACK", &IgnoreRow, nullptr);
}

bool CGameDatabase::SaveStatement(const std::string& sql)
{
    return RunOrQuit(mSave, sql, &IgnoreRow, nullptr);
}

bool CGameDatabase::SavePilotRow(const PlayerSaveData& p)
{
    mPlayerCount = 0;
    if (!RunOrQuit(mSave, FormatSql("select count(*) from player  where player_id = %d", p.player_id), &ScalarRow,
                   &mPlayerCount))
        return false;
    const char* affiliate = AlignmentKeyword(p.alignment);
    if (mPlayerCount < 1) {
        return SaveStatement(FormatSql(
            "INSERT INTO player ( player_id, object_id, ship_id, system_id,  x_pos, y_pos, credits, experience, "
            "com_level,   eng_level, nav_level, sci_level,   tac_level, level, level_up,   character_name, "
            "common_compounds,   uncommon_compounds, rare_compounds,   exotic_compounds, undiscovered_compounds,   "
            "color_mod, next_level, engine_device_id,  shield_device_id, armor_device_id, affiliate, fuel )  "
            "VALUES( %d, %d, %d, %d, %f, %f, %d, %d, %d, %d,  %d, %d, %d, %d, %d, '%q', %d, %d, %d, %d, %d,'%x', "
            "%d, %d, %d, %d, '%q', %d )",
            p.player_id, p.object_id, p.ship_id, p.system_id, static_cast<double>(p.x_pos),
            static_cast<double>(p.y_pos), p.credits, p.experience, p.com_level, p.eng_level, p.nav_level, p.sci_level,
            p.tac_level, p.level, p.level_up, p.character_name.c_str(), p.common_compounds, p.uncommon_compounds,
            p.rare_compounds, p.exotic_compounds, p.undiscovered_compounds, p.color_mod, p.next_level,
            p.engine_device_id, p.shield_device_id, p.armor_device_id, affiliate, p.fuel));
    }
    return SaveStatement(FormatSql(
        "UPDATE player set object_id = %d, ship_id = %d, system_id = %d,  x_pos = %f, y_pos = %f, credits = %d, "
        "experience = %d, com_level = %d,   eng_level = %d, nav_level = %d, sci_level = %d,   tac_level = %d, "
        "level = %d, level_up = %d,   character_name = '%q', common_compounds = %d,   uncommon_compounds = %d, "
        "rare_compounds = %d,   exotic_compounds = %d, undiscovered_compounds = %d,   color_mod = '%x', "
        "next_level = %d, engine_device_id = %d,  shield_device_id = %d, armor_device_id = %d, affiliate = '%q', "
        "fuel = %d  WHERE player_id = %d",
        p.object_id, p.ship_id, p.system_id, static_cast<double>(p.x_pos), static_cast<double>(p.y_pos), p.credits,
        p.experience, p.com_level, p.eng_level, p.nav_level, p.sci_level, p.tac_level, p.level, p.level_up,
        p.character_name.c_str(), p.common_compounds, p.uncommon_compounds, p.rare_compounds, p.exotic_compounds,
        p.undiscovered_compounds, p.color_mod, p.next_level, p.engine_device_id, p.shield_device_id, p.armor_device_id,
        affiliate, p.fuel, p.player_id));
}

bool CGameDatabase::DeletePlayerDevices(int32_t playerId)
{
    return SaveStatement(FormatSql("delete from player_device where player_id = %d", playerId)) &&
           SaveStatement(FormatSql("delete from player_systems where player_id = %d", playerId));
}

bool CGameDatabase::SavePlayerDevices(const PlayerSaveData& pilot)
{
    const std::array<PlayerSaveSlot, 10>* kinds[] = {&pilot.carried, &pilot.weapons};
    for (int kind = 0; kind < 2; ++kind) {
        const std::array<PlayerSaveSlot, 10>& slots = *kinds[kind];
        for (int slot = 0; slot < static_cast<int>(slots.size()); ++slot) {
            if (slots[slot].device_id == 0)
                break;
            if (!SaveStatement(FormatSql("insert into player_device ( player_id, device_number, device_id, amount ) "
                                         "values( %d, %d, %d, %d )",
                                         pilot.player_id, kind * 10 + slot, slots[slot].device_id, slots[slot].amount)))
                return false;
        }
    }
    return true;
}

// The pilot's rows were deleted in this transaction and the set holds each system once, so every
// system goes in with one statement, whatever the count: a row at a time asks as many questions of
// a table that grows with them.
bool CGameDatabase::SavePlayerSystems(const PlayerSaveData& pilot)
{
    if (pilot.visited_systems.empty())
        return true;
    std::string sql = "INSERT INTO player_systems (player_id,system_id) VALUES ";
    for (int32_t systemId : pilot.visited_systems)
        sql += FormatSql("(%d,%d),", pilot.player_id, systemId);
    sql.pop_back();
    return SaveStatement(sql);
}

bool CGameDatabase::SavePlayerQuests(const PlayerSaveData& pilot)
{
    if (!SaveStatement(FormatSql("delete from player_quest where player_id = %d", pilot.player_id)))
        return false;
    if (pilot.completed_quests.empty())
        return true;
    // One id query and one insert: each quest takes the id after the one before it.
    mNextPlayerQuestId = 0;
    if (!RunOrQuit(mSave, kNextPlayerQuestIdSql, &NextPlayerQuestIdRow, &mNextPlayerQuestId))
        return false;
    const long long lastId =
        static_cast<long long>(mNextPlayerQuestId) + static_cast<long long>(pilot.completed_quests.size()) - 1;
    if (mNextPlayerQuestId == kNoPlayerQuestId || lastId > INT32_MAX) {
        std::fprintf(stderr, "varnok: the pilot is not saved: the save database has no player_quest_id left\n");
        return false;
    }
    std::string sql = "insert into player_quest ( player_quest_id, player_id, quest_id, complete ) values ";
    int32_t id = mNextPlayerQuestId;
    for (int32_t questId : pilot.completed_quests)
        sql += FormatSql("( %d, %d, %d, '%q' ),", id++, pilot.player_id, questId, "true");
    sql.pop_back();
    return SaveStatement(sql);
}
