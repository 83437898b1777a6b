// Pilot save, list, load and delete, the pilot-id pool and the settings row.
#include "db/game_database.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "db/db_fixture.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"

namespace {

class DbPlayer : public DbFixture {
protected:
    static PlayerSaveData Pilot(int32_t id, const std::string& name)
    {
        PlayerSaveData p;
        p.player_id = id;
        p.object_id = 1;
        p.ship_id = 3;
        p.system_id = 101;
        p.x_pos = 50.5f;
        p.y_pos = -70.25f;
        p.credits = 1234;
        p.experience = 5678;
        p.com_level = 1;
        p.eng_level = 2;
        p.nav_level = 3;
        p.sci_level = 4;
        p.tac_level = 5;
        p.level = 6;
        p.level_up = 7;
        p.character_name = name;
        p.common_compounds = 11;
        p.uncommon_compounds = 12;
        p.rare_compounds = 13;
        p.exotic_compounds = 14;
        p.undiscovered_compounds = 15;
        p.color_mod = 0xff102030u;
        p.next_level = 99;
        p.engine_device_id = 40;
        p.shield_device_id = 41;
        p.armor_device_id = 42;
        p.alignment = kAlignmentUnlawful;
        p.fuel = 321;
        p.carried[0] = {50, -1};
        p.carried[1] = {51, 7};
        p.weapons[0] = {60, 30};
        p.visited_systems = {1, 3, 101};
        p.completed_quests = {2, 9};
        return p;
    }
};

TEST_F(DbPlayer, ASavedPilotLoadsBackFieldByField)
{
    const std::string name = "Jo O'Hara";
    mDb.SavePlayer(Pilot(2, name));
    ASSERT_FALSE(os::QuitPosted());

    PlayerRecord* p = mDb.GetPlayer(2);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->player_id, 2);
    EXPECT_EQ(p->ship_id, 3);
    EXPECT_EQ(p->system_id, 101);
    EXPECT_FLOAT_EQ(p->x_pos, 50.5f);
    EXPECT_FLOAT_EQ(p->y_pos, -70.25f);
    EXPECT_EQ(p->credits, 1234);
    EXPECT_EQ(p->experience, 5678);
    EXPECT_EQ(p->com_level, 1);
    EXPECT_EQ(p->eng_level, 2);
    EXPECT_EQ(p->nav_level, 3);
    EXPECT_EQ(p->sci_level, 4);
    EXPECT_EQ(p->tac_level, 5);
    EXPECT_EQ(p->level, 6);
    EXPECT_EQ(p->level_up, 7);
    EXPECT_EQ(p->next_level, 99);
    EXPECT_EQ(p->common_compounds, 11);
    EXPECT_EQ(p->uncommon_compounds, 12);
    EXPECT_EQ(p->rare_compounds, 13);
    EXPECT_EQ(p->exotic_compounds, 14);
    EXPECT_EQ(p->undiscovered_compounds, 15);
    EXPECT_EQ(p->color_mod, 0xff102030u);
    EXPECT_EQ(std::string(p->character_name), name);
    EXPECT_EQ(p->engine_device_id, 40);
    EXPECT_EQ(p->shield_device_id, 41);
    EXPECT_EQ(p->armor_device_id, 42);
    EXPECT_EQ(p->fuel, 321);
    EXPECT_EQ(p->affiliate, kAlignmentUnlawful);

    RowList<PlayerDeviceRow> devices;
    mDb.GetPlayerDevices(devices, 2);
    ASSERT_EQ(devices.size(), 3u);
    auto it = devices.begin();
    EXPECT_EQ((*it)->device_number, 0);
    EXPECT_EQ((*it)->device_id, 50);
    EXPECT_EQ((*it)->amount, -1);
    ++it;
    EXPECT_EQ((*it)->device_number, 1);
    EXPECT_EQ((*it)->amount, 7);
    ++it;
    EXPECT_EQ((*it)->device_number, 10);
    EXPECT_EQ((*it)->device_id, 60);
    EXPECT_EQ((*it)->amount, 30);

    RowList<PlayerQuestRow> quests;
    mDb.GetPlayerQuests(quests, 2);
    ASSERT_EQ(quests.size(), 2u);
    EXPECT_EQ(quests.front()->quest_id, 2);
    EXPECT_EQ(quests.front()->player_quest_id, 0);
    EXPECT_TRUE(quests.front()->complete);
    EXPECT_EQ(quests.back()->quest_id, 9);
    EXPECT_EQ(quests.back()->player_quest_id, 1);

    std::set<int32_t> visited = {77};
    mDb.LoadVisitedSystems(2, visited);
    EXPECT_EQ(visited, (std::set<int32_t>{1, 3, 101}));
    EXPECT_EQ(mDb.GetCurrentPlayerId(), 2);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, NamesAtTheLongestAllowedLengthAndWithQuotesSurvive)
{
    const std::string longest = std::string(46, 'q') + "'";
    ASSERT_EQ(longest.size(), 47u);
    mDb.SavePlayer(Pilot(0, longest));
    mDb.SavePlayer(Pilot(1, "'); delete from player; --"));
    ASSERT_FALSE(os::QuitPosted());
    RowList<PilotRow> pilots;
    mDb.GetPilots(pilots);
    ASSERT_EQ(pilots.size(), 2u);
    EXPECT_EQ(std::string(pilots.front()->character_name), longest);
    EXPECT_EQ(std::string(pilots.back()->character_name), "'); delete from player; --");
    // Saving again updates rather than inserts, quotes included.
    mDb.SavePlayer(Pilot(0, longest));
    EXPECT_EQ(mDb.GetPilots(pilots).size(), 2u);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, PilotListCarriesTheHullMeshAndLevel)
{
    Content("insert into ship (ship_id, mesh_id) values (3, 1201)");
    mDb.SavePlayer(Pilot(4, "Ana"));
    RowList<PilotRow> pilots;
    mDb.GetPilots(pilots);
    ASSERT_EQ(pilots.size(), 1u);
    EXPECT_EQ(pilots.front()->player_id, 4);
    EXPECT_EQ(pilots.front()->ship_id, 3);
    EXPECT_EQ(pilots.front()->mesh_id, 1201);
    EXPECT_EQ(pilots.front()->level, 6);
    EXPECT_STREQ(pilots.front()->character_name, "Ana");
}

TEST_F(DbPlayer, SavingTwiceLeavesOneRowOfEach)
{
    mDb.SavePlayer(Pilot(3, "Twice"));
    mDb.SavePlayer(Pilot(4, "Other"));
    mDb.SavePlayer(Pilot(3, "Twice"));
    RowList<PlayerDeviceRow> devices;
    EXPECT_EQ(mDb.GetPlayerDevices(devices, 3).size(), 3u);
    RowList<PlayerQuestRow> quests;
    mDb.GetPlayerQuests(quests, 3);
    ASSERT_EQ(quests.size(), 2u);
    // Ids count on from the highest of the whole table (the other pilot holds 2 and 3).
    EXPECT_EQ(quests.front()->player_quest_id, 4);
    EXPECT_EQ(quests.back()->player_quest_id, 5);
    std::set<int32_t> visited;
    mDb.LoadVisitedSystems(3, visited);
    EXPECT_EQ(visited.size(), 3u);
    RowList<PilotRow> pilots;
    EXPECT_EQ(mDb.GetPilots(pilots).size(), 2u);
    EXPECT_EQ(mDb.NextPlayerQuestId(), 6);
    EXPECT_EQ(mDb.GetCurrentPlayerId(), 3);
}

TEST_F(DbPlayer, DevicesStopAtTheFirstEmptySlot)
{
    PlayerSaveData p = Pilot(5, "Gap");
    p.carried = {};
    p.carried[0] = {70, -1};
    p.carried[1] = {71, -1};
    p.carried[3] = {73, -1};
    p.weapons = {};
    p.weapons[0] = {80, 5};
    p.weapons[2] = {82, 5};
    mDb.SavePlayer(p);
    RowList<PlayerDeviceRow> devices;
    mDb.GetPlayerDevices(devices, 5);
    std::vector<int32_t> numbers;
    for (PlayerDeviceRow* d : devices)
        numbers.push_back(d->device_number);
    EXPECT_EQ(numbers, (std::vector<int32_t>{0, 1, 10}));
}

TEST_F(DbPlayer, AShipWithoutEngineSavesZeroEngineAndFuel)
{
    PlayerSaveData p = Pilot(6, "Drifter");
    p.engine_device_id = 0;
    p.fuel = 0;
    mDb.SavePlayer(p);
    PlayerRecord* loaded = mDb.GetPlayer(6);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->engine_device_id, 0);
    EXPECT_EQ(loaded->fuel, 0);
}

TEST_F(DbPlayer, ASaveCutShortLeavesThePreviousSaveWhole)
{
    mDb.SavePlayer(Pilot(2, "Keeper"));
    Save("create trigger broken before insert on player_quest begin select raise(abort, 'disk full'); end;");
    PlayerSaveData changed = Pilot(2, "Keeper");
    changed.credits = 1;
    changed.carried = {};
    changed.visited_systems = {9};
    testing::internal::CaptureStderr();
    mDb.SavePlayer(changed);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(os::QuitPosted());
    // What the next start reads: after a failure this game runs no more statements.
    os::ClearMessages();

    EXPECT_EQ(mDb.GetPlayer(2)->credits, 1234);
    RowList<PlayerDeviceRow> devices;
    EXPECT_EQ(mDb.GetPlayerDevices(devices, 2).size(), 3u);
    RowList<PlayerQuestRow> quests;
    EXPECT_EQ(mDb.GetPlayerQuests(quests, 2).size(), 2u);
    std::set<int32_t> visited;
    mDb.LoadVisitedSystems(2, visited);
    EXPECT_EQ(visited, (std::set<int32_t>{1, 3, 101}));
}

// A backup, a database browser holding an edit, a reader amid its query: each holds a database for a
// moment, and the game waits for it, at a save and at start.
TEST_F(DbPlayer, ALockHeldElsewhereForAMomentIsWaitedFor)
{
    // The lock, whether on the content (else on the save), whether at start (else at a save).
    const std::tuple<const char*, bool, bool> locks[] = {{"BEGIN EXCLUSIVE", false, false},
                                                         {"BEGIN IMMEDIATE", false, false},
                                                         {"BEGIN; select count(*) from player", false, false},
                                                         {"BEGIN EXCLUSIVE", false, true},
                                                         {"BEGIN EXCLUSIVE", true, true}};
    for (const auto& [lock, onContent, atStart] : locks) {
        if (atStart)
            mDb.Close();
        sqlite3* other = nullptr;
        ASSERT_EQ(
            sqlite3_open_v2((onContent ? ContentFile() : SaveFile()).c_str(), &other, SQLITE_OPEN_READWRITE, nullptr),
            SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, lock, nullptr, nullptr, nullptr), SQLITE_OK);
        std::thread release([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_close_v2(other);
        });
        if (atStart)
            mDb.Open(ContentFile(), SaveFile());
        else
            mDb.SavePlayer(Pilot(2, "Patient"));
        release.join();
        EXPECT_FALSE(os::QuitPosted()) << lock << (onContent ? " on the content" : " on the save") << atStart;
        os::ClearMessages();
    }
    EXPECT_NE(mDb.GetPlayer(2), nullptr);
}

TEST_F(DbPlayer, QuestIdsAboveTheLargestNeverOverflow)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"-2147483648", -2147483647},
        {"41", 42},
        {"2147483646", 2147483647},
        {"2147483647", kNoPlayerQuestId},
        {"9223372036854775807", kNoPlayerQuestId},
        {"-9223372036854775808", kNoPlayerQuestId},
    };
    for (const auto& [largest, next] : cases) {
        Save(std::string("delete from player_quest; insert into player_quest values (") + largest + ", 7, 1, 'true');");
        EXPECT_EQ(mDb.NextPlayerQuestId(), next) << largest;
    }
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, ASaveWithNoQuestIdLeftFailsCleanlyKeepingThePreviousSave)
{
    mDb.SavePlayer(Pilot(2, "Keeper"));
    // A crafted save database: another pilot holds the largest id there is.
    Save("insert into player_quest values (2147483647, 7, 1, 'true');");
    PlayerSaveData changed = Pilot(2, "Keeper");
    changed.credits = 1;
    testing::internal::CaptureStderr();
    mDb.SavePlayer(changed);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("not saved"), std::string::npos) << errors;
    EXPECT_EQ(mDb.GetPlayer(2)->credits, 1234);
    RowList<PlayerQuestRow> quests;
    EXPECT_EQ(mDb.GetPlayerQuests(quests, 2).size(), 2u);
    // One id left is too few for the pilot's two quests.
    Save("update player_quest set player_quest_id = 2147483646 where player_quest_id = 2147483647;");
    testing::internal::CaptureStderr();
    mDb.SavePlayer(changed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("not saved"), std::string::npos);
    EXPECT_EQ(mDb.GetPlayer(2)->credits, 1234);
}

TEST_F(DbPlayer, AFailedPilotInsertIsReportedAndWritesNothing)
{
    Save("create trigger broken before insert on player begin select raise(abort, 'no room'); end;");
    testing::internal::CaptureStderr();
    mDb.SavePlayer(Pilot(1, "Lost"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(os::QuitPosted());
    os::ClearMessages();
    RowList<PlayerDeviceRow> devices;
    EXPECT_TRUE(mDb.GetPlayerDevices(devices, 1).empty());
    EXPECT_EQ(mDb.GetCurrentPlayerId(), -1);
}

TEST_F(DbPlayer, DeletingRemovesThePilotButNotItsSystems)
{
    mDb.SavePlayer(Pilot(2, "Gone"));
    mDb.DeletePlayer(2);
    EXPECT_EQ(mDb.GetPlayer(2), nullptr);
    RowList<PlayerDeviceRow> devices;
    EXPECT_TRUE(mDb.GetPlayerDevices(devices, 2).empty());
    RowList<PlayerQuestRow> quests;
    EXPECT_TRUE(mDb.GetPlayerQuests(quests, 2).empty());
    std::set<int32_t> visited;
    mDb.LoadVisitedSystems(2, visited);
    EXPECT_EQ(visited, (std::set<int32_t>{1, 3, 101}));
    // The current_player row stays but names no pilot.
    EXPECT_EQ(mDb.GetCurrentPlayerId(), -1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, NewPilotIdsComeFromThePoolAndAFullPoolIsNeverIdZero)
{
    EXPECT_EQ(mDb.NewPlayerId(), 0);
    for (int id = 0; id < 8; ++id)
        mDb.SavePlayer(Pilot(id, "P" + std::to_string(id)));
    EXPECT_EQ(mDb.NewPlayerId(), 8);
    mDb.SavePlayer(Pilot(8, "P8"));
    EXPECT_EQ(mDb.NewPlayerId(), kNoFreePlayerId);
    mDb.DeletePlayer(3);
    EXPECT_EQ(mDb.NewPlayerId(), 3);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, SettingsRoundTrip)
{
    SettingsRecord* shipped = mDb.LoadSettings();
    ASSERT_NE(shipped, nullptr);
    EXPECT_EQ(shipped->brightness, 50);
    EXPECT_EQ(shipped->volume, 80);
    EXPECT_TRUE(shipped->sound_on);
    EXPECT_FALSE(shipped->wire_frame);
    EXPECT_TRUE(shipped->auto_decelerate);

    SettingsRecord s{};
    s.brightness = 12;
    s.volume = 34;
    s.wire_frame = true;
    s.display_xy = true;
    s.display_fps = true;
    s.display_velocity = true;
    s.high_quality_glow = false;
    mDb.SaveSettings(s);
    SettingsRecord* loaded = mDb.LoadSettings();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->brightness, 12);
    EXPECT_EQ(loaded->volume, 34);
    EXPECT_FALSE(loaded->sound_on);
    EXPECT_TRUE(loaded->wire_frame);
    EXPECT_TRUE(loaded->display_xy);
    EXPECT_TRUE(loaded->display_fps);
    EXPECT_TRUE(loaded->display_velocity);
    EXPECT_FALSE(loaded->high_quality_glow);
    EXPECT_FALSE(loaded->auto_decelerate);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbPlayer, WithoutASettingsRowNothingIsAppliedOrWritten)
{
    Save("delete from settings");
    EXPECT_EQ(mDb.LoadSettings(), nullptr);
    mDb.SaveSettings(SettingsRecord{});
    EXPECT_EQ(mDb.LoadSettings(), nullptr);
    EXPECT_FALSE(os::QuitPosted());
}

}  // namespace
