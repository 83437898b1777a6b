// A pilot saved over and over through the game's own save, killed at a random moment, a hundred
// times: each time pe.dat opens, passes SQLite's integrity check, holds every save that returned,
// and holds the pilot as one save left it, never part of one save and part of another.
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/entry.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "quests/quest.h"
#include "reliability/child_process.h"
#include "ships/player_ship.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"

namespace {

constexpr int kTries = 100;
constexpr int kSecondQuest = 100000;

// Save number k leaves its mark in every table a save writes.
void Mark(CPlayerShip& ship, int k)
{
    ship.mCredits = k;
    for (int& compound : ship.mCompounds)
        compound = k;
    ship.mVisitedSystems = {1, 2 + k % 4};
    for (auto& [questId, quest] : ship.mCompletedQuests)
        delete quest;
    ship.mCompletedQuests = {{k, new CQuest(k)}, {kSecondQuest + k, new CQuest(kSecondQuest + k)}};
}

// What the save database holds of the pilot.
struct Held {
    std::string integrity;
    int credits = -1;
    std::set<int> compounds;
    std::set<int> visited;
    std::set<int> quests;
};

int Collect(void* user, int, char** values, char**)
{
    static_cast<std::set<int>*>(user)->insert(values[0] ? std::stoi(values[0]) : -1);
    return 0;
}

int Text(void* user, int, char** values, char**)
{
    *static_cast<std::string*>(user) += values[0] ? values[0] : "";
    return 0;
}

Held Read(const std::string& file, int playerId)
{
    Held held;
    sqlite3* db = nullptr;
    // Read-write, as the game opens it: the first reader rolls back what a killed save left.
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "pragma integrity_check", &Text, &held.integrity, nullptr) != SQLITE_OK) {
        held.integrity = sqlite3_errmsg(db);
        sqlite3_close(db);
        return held;
    }
    const std::string pilot = " where player_id = " + std::to_string(playerId);
    std::set<int> credits;
    sqlite3_exec(db, ("select credits from player" + pilot).c_str(), &Collect, &credits, nullptr);
    held.credits = credits.size() == 1 ? *credits.begin() : -1;
    for (const char* column :
         {"common_compounds", "uncommon_compounds", "rare_compounds", "exotic_compounds", "undiscovered_compounds"})
        sqlite3_exec(db, ("select " + std::string(column) + " from player" + pilot).c_str(), &Collect,
                     &held.compounds, nullptr);
    sqlite3_exec(db, ("select system_id from player_systems" + pilot).c_str(), &Collect, &held.visited, nullptr);
    sqlite3_exec(db, ("select quest_id from player_quest" + pilot).c_str(), &Collect, &held.quests, nullptr);
    sqlite3_close(db);
    return held;
}

// The child: the game started, the pilot loaded from the save, then saved as k + 1, k + 2, ...
// until it is killed. It writes a byte to done once started and once after each save returns, so
// the parent can kill it in the middle of a chosen save.
int SaveUntilKilled(int playerId, int k, int done)
{
    if (StartGame(gfx::Backend::kHeadless))
        return 1;
    CPlayerShip ship(playerId);
    const char byte = 1;
    for (;;) {
        if (write(done, &byte, 1) != 1)
            return 1;
        Mark(ship, ++k);
        ship.Save();
    }
}

TEST(InterruptedSave, AKillAtAnyMomentLeavesOneWholeSave)
{
    GameFolder folder;
    folder.Enter();
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend};
    os::ClearMessages();
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
    int playerId = 0;
    // The kill lands within about one save of this machine's disk.
    std::chrono::microseconds saveTime{};
    {
        RowList<CreateShipRow> rows;
        const CreateShipRow hull = *gGameDatabase.GetCreateShips(rows).front();
        CPlayerShip ship(hull.ship_id, "Kill Pilot", hull.weapon_id_1, hull.weapon_id_2, hull.engine_device_id,
                         hull.shield_device_id, hull.armor_device_id, 2, 2, 2, 2, 2, 0xFFFFFFFFu, hull.affiliate);
        playerId = ship.mPlayerId;
        Mark(ship, 0);
        ship.Save();
        const auto start = std::chrono::steady_clock::now();
        ship.Save();
        saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    }
    StopGame();
    gGameDatabase.Close();

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> savesDone(0, 3);
    std::uniform_int_distribution<int> delayUs(0, static_cast<int>(saveTime.count()));
    int last = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const int saves = savesDone(random);
        const int delay = delayUs(random);
        const ChildEnd end = RunInChild(
            [&] {
                close(pipe[0]);
                return SaveUntilKilled(playerId, last, pipe[1]);
            },
            (folder.Path() / "errors.txt").string(), std::chrono::seconds(20),
            [&](pid_t child) {
                close(pipe[1]);
                char byte = 0;
                for (int started = 0; started <= saves && read(pipe[0], &byte, 1) == 1; ++started) {
                }
                std::this_thread::sleep_for(std::chrono::microseconds(delay));
                kill(child, SIGKILL);
            });
        close(pipe[0]);
        ASSERT_EQ(end.signal, SIGKILL) << "try " << attempt << ": the saving child ended by itself\n" << end.errors;

        const Held held = Read(folder.SaveFile(), playerId);
        ASSERT_EQ(held.integrity, "ok") << "try " << attempt << ", " << delay << " us into save " << saves + 1;
        const int k = held.credits;
        ASSERT_GE(k, last + saves) << "try " << attempt << ": a save that returned is not in pe.dat";
        EXPECT_EQ(held.compounds, std::set<int>{k}) << "try " << attempt << ": the pilot row is torn";
        EXPECT_EQ(held.visited, (std::set<int>{1, 2 + k % 4})) << "try " << attempt << ": systems of another save";
        EXPECT_EQ(held.quests, (std::set<int>{k, kSecondQuest + k})) << "try " << attempt << ": quests of another save";
        last = k;
    }
}

}  // namespace
