// Time of every solar-system list query against the shipped content, per query, for one system.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

#include "db/game_database.h"
#include "support/game_folder.h"

namespace {

using IdQuery = RowList<ObjectIdRow>& (CGameDatabase::*)(RowList<ObjectIdRow>&, int32_t, int32_t);

struct Named {
    const char* name;
    IdQuery query;
};

const Named kQueries[] = {
    {"GetResourceObjectIds", &CGameDatabase::GetResourceObjectIds},
    {"GetFountainObjectIds", &CGameDatabase::GetFountainObjectIds},
    {"GetVortexObjectIds", &CGameDatabase::GetVortexObjectIds},
    {"GetPhantomObjectIds", &CGameDatabase::GetPhantomObjectIds},
    {"GetOutpostObjectIds", &CGameDatabase::GetOutpostObjectIds},
    {"GetMineObjectIds", &CGameDatabase::GetMineObjectIds},
    {"GetOrbitObjectIds", &CGameDatabase::GetOrbitObjectIds},
    {"GetScaffoldObjectIds", &CGameDatabase::GetScaffoldObjectIds},
    {"GetNebulaObjectIds", &CGameDatabase::GetNebulaObjectIds},
    {"GetStationObjectIds", &CGameDatabase::GetStationObjectIds},
    {"GetPlanetObjectIds", &CGameDatabase::GetPlanetObjectIds},
    {"GetWormholeObjectIds", &CGameDatabase::GetWormholeObjectIds},
    {"GetGotoObjectIds", &CGameDatabase::GetGotoObjectIds},
    {"GetDeviceObjectIds", &CGameDatabase::GetDeviceObjectIds},
    {"GetHealthObjectIds", &CGameDatabase::GetHealthObjectIds},
    {"GetLeadShipAIIds", &CGameDatabase::GetLeadShipAIIds},
    {"GetShipAIIds", &CGameDatabase::GetShipAIIds},
};

constexpr int kRuns = 200;
constexpr int32_t kSystem = 1;

template <class Call>
void Time(const char* name, Call call)
{
    auto start = std::chrono::steady_clock::now();
    size_t rows = 0;
    for (int i = 0; i < kRuns; ++i)
        rows = call();
    double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / kRuns;
    std::printf("%-24s %9.1f us  %zu rows\n", name, us, rows);
}

}  // namespace

int main()
{
    std::optional<GameFolder> folder;
    try {
        folder.emplace();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
    if (!gGameDatabase.Open(folder->ContentFile(), folder->SaveFile()))
        return 1;
    std::printf("list queries of system %d, mean of %d runs\n", kSystem, kRuns);
    RowList<ObjectIdRow> ids;
    for (const Named& q : kQueries)
        Time(q.name, [&] { return (gGameDatabase.*q.query)(ids, kSystem, 0).size(); });
    RowList<ShipObjectIdRow> ships;
    Time("GetEnemyShipIds", [&] { return gGameDatabase.GetEnemyShipIds(ships, kSystem, 0, 1).size(); });
    RowList<GalaxySystemRow> systems;
    Time("GetGalaxySystems", [&] { return gGameDatabase.GetGalaxySystems(systems, 1).size(); });
    RowList<SystemLinkRow> links;
    Time("GetSystemLinks", [&] { return gGameDatabase.GetSystemLinks(links, 1, {1, 2, 3, 4, 5}).size(); });
    gGameDatabase.Close();
    return 0;
}
