// The cost of saving a pilot through the game's own save: a new pilot of the first hull who has
// seen every shipped system and finished twenty quests, saved over and over into the save database
// of a temporary game folder. Each save is one transaction, synced to the disk.
#include <chrono>
#include <string>

#include "bench_game_setup.h"
#include "bench_report.h"
#include "db/game_database.h"
#include "quests/quest.h"
#include "ships/player_ship.h"

constexpr int kQuestsDone = 20;

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
    // The save writes a row per finished quest whatever the content holds.
    for (int quest = 1; quest <= kQuestsDone; ++quest)
        pilot.mCompletedQuests[quest] = new CQuest(quest);
    pilot.Save();

    constexpr int kSaves = 100;
    const auto start = std::chrono::steady_clock::now();
    for (int save = 0; save < kSaves; ++save) {
        pilot.SetCredits(save);
        pilot.Save();
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ReportRow("save of a pilot (" + std::to_string(pilot.mVisitedSystems.size()) + " systems, " +
                  std::to_string(pilot.mCompletedQuests.size()) + " quests done)",
              ms / kSaves, "ms");
    gDevice->EndScene();
    return 0;
}
