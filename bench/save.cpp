// The cost of saving a pilot through the game's own save: a new pilot of the first hull who has
// seen every shipped system and finished twenty quests, then one who has seen a hundred thousand
// systems and finished ten thousand quests, each saved over and over into the save database of a
// temporary game folder. Each save is one transaction, synced to the disk.
#include <chrono>
#include <string>

#include "bench_game_setup.h"
#include "bench_report.h"
#include "db/game_database.h"
#include "quests/quest.h"
#include "ships/player_ship.h"

namespace {

// The pilot saved once to begin with, so that each timed save replaces its rows.
void ReportSaves(CPlayerShip& pilot, int saves)
{
    pilot.Save();
    const auto start = std::chrono::steady_clock::now();
    for (int save = 0; save < saves; ++save) {
        pilot.SetCredits(save);
        pilot.Save();
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ReportRow("save of a pilot (" + std::to_string(pilot.mVisitedSystems.size()) + " systems, " +
                  std::to_string(pilot.mCompletedQuests.size()) + " quests done)",
              ms / saves, "ms");
}

// The save writes a row per finished quest whatever the content holds.
void FinishQuests(CPlayerShip& pilot, int count)
{
    for (int quest = static_cast<int>(pilot.mCompletedQuests.size()) + 1; quest <= count; ++quest)
        pilot.mCompletedQuests[quest] = new CQuest(quest);
}

}  // namespace

int main()
{
    BenchGame game;
    if (!game.Start())
        return 1;
    RowList<CreateShipRow> hulls;
    const CreateShipRow hull = *gGameDatabase.GetCreateShips(hulls).front();
    CPlayerShip pilot(hull.ship_id, "Bench Pilot", hull.weapon_id_1, hull.weapon_id_2, hull.engine_device_id,
                      hull.shield_device_id, hull.armor_device_id, 2, 2, 2, 2, 2, 0xFFFFFFFFu, hull.affiliate);
    RowList<GalaxySystemRow> systems;
    for (const GalaxySystemRow* row : gGameDatabase.GetGalaxySystems(systems, 1))
        pilot.mVisitedSystems.insert(row->system_id);
    FinishQuests(pilot, 20);
    ReportSaves(pilot, 100);

    // Rows that an edited save or a very long game may hold; the save must stay short all the same.
    for (int system = 1; pilot.mVisitedSystems.size() < 100000; ++system)
        pilot.mVisitedSystems.insert(system);
    FinishQuests(pilot, 10000);
    ReportSaves(pilot, 5);
    gDevice->EndScene();
    return 0;
}
