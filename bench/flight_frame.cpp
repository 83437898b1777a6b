// Frames per second of the in-flight screen over the busiest shipped system, beside the main
// menu's, and the first entry into each shipped system and a re-entry (also in steady frames),
// and flight with 50 to 3000 far planets, on the headless backend and on GL (when a display is
// there), in one run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "bench_report.h"
#include "generated_planets.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/os/clock.h"
#include "screens/flight_screen.h"
#include "screens/main_menu_screen.h"
#include "ships/player_ship.h"
#include "support/game_folder.h"

namespace {

constexpr int kFrames = 1500;
// A slow renderer is measured for about this long rather than for every frame.
constexpr double kEnoughSeconds = 4.0;

struct FrameCost {
    double perSecond;
    // The processor time of every thread (a software renderer draws on threads of its own), which
    // a busy machine disturbs less than the wall clock.
    double cpuMs;
};

FrameCost MeasureFrames()
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    int frames = 0;
    double seconds = 0.0;
    while (frames < kFrames && seconds < kEnoughSeconds) {
        os::AdvanceManualTime(16);
        RunFrame();
        ++frames;
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return {frames / seconds, cpuSeconds * 1e3 / frames};
}

void ReportFrames(const std::string& what, const FrameCost& cost)
{
    ReportRow(what, cost.perSecond, "frames/s");
    ReportRow(what, cost.cpuMs, "CPU ms/frame");
}

// The milliseconds of an entry into the system with the first frame that loads what it shows,
// as the player waits for it.
double EntryWithFirstFrame(int id)
{
    const auto start = std::chrono::steady_clock::now();
    gFlightScreen->SetSystemBackdrop(id);
    RunFrame();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The visible system whose entry files the most objects. Each system's first entry and a later
// one, once every system was entered, are reported.
int BusiestSystem(const char* backend, size_t* objects)
{
    RowList<GalaxySystemRow> rows;
    std::vector<int> ids;
    for (const GalaxySystemRow* row : gGameDatabase.GetGalaxySystems(rows, 1))
        ids.push_back(row->system_id);
    int busiest = 1;
    *objects = 0;
    gCurrentScreen = gFlightScreen;
    for (int id : ids) {
        ReportRow("first entry into system " + std::to_string(id) + " with its first frame, " + backend,
                  EntryWithFirstFrame(id), "ms");
        const size_t count = gResourceManager->mObjects.size() + gResourceManager->mSuns.size() +
                             gResourceManager->mWormholes.size() + gResourceManager->mNebulae.size();
        if (count > *objects) {
            *objects = count;
            busiest = id;
        }
    }
    for (int id : ids)
        ReportRow("re-entry into system " + std::to_string(id) + " with its first frame, " + backend,
                  EntryWithFirstFrame(id), "ms");
    return busiest;
}

// The least of a few re-entries into the system with their first frames, over the least steady
// frame after them: how many frames' time the player waits at a wormhole.
void ReportReentryInSteadyFrames(int system, int other, const char* backend)
{
    double entry = 1e30;
    double steady = 1e30;
    for (int round = 0; round < 5; ++round) {
        gFlightScreen->SetSystemBackdrop(other);
        RunFrame();
        os::AdvanceManualTime(16);
        entry = std::min(entry, EntryWithFirstFrame(system));
        for (int frame = 0; frame < 20; ++frame) {
            os::AdvanceManualTime(16);
            const auto start = std::chrono::steady_clock::now();
            RunFrame();
            steady = std::min(steady,
                              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    ReportRow("re-entry into system " + std::to_string(system) + " with its first frame, " + backend, entry / steady,
              "steady frames");
}

// Flight over the home system with far planets added out of view, as many as each generated size.
void ReportFarPlanets(const char* backend)
{
    for (int size : kGeneratedSizes) {
        gFlightScreen->SetSystemBackdrop(1);
        // Apart, so that they never push each other into view.
        AddGeneratedPlanets(size, -700.0f, 130.0f, -130.0f);
        ReportFrames("in flight over system 1 with " + std::to_string(size) + " far planets, " + backend,
                     MeasureFrames());
    }
}

void Run(gfx::Backend backend, const char* name)
{
    GameFolder folder;
    folder.Enter();
    os::SetManualTime(true, 1000);
    if (std::optional<std::string> error = StartGame(backend)) {
        std::printf("flight_frame %s: not measured (%s)\n", name, error->c_str());
        StopGame();
        os::SetManualTime(false);
        return;
    }
    if (auto* headless = gfx::headless::AsHeadless(gDevice))
        headless->SetRecording(false);
    gCurrentScreen = gMainMenuScreen;
    const FrameCost menu = MeasureFrames();

    RowList<CreateShipRow> hulls;
    const CreateShipRow hull = *gGameDatabase.GetCreateShips(hulls).front();
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Bench Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 2, 2, 2, 2, 2,
                                      0xFFFFFFFFu, hull.affiliate));
    size_t objects = 0;
    const int system = BusiestSystem(name, &objects);
    gFlightScreen->SetSystemBackdrop(system);
    const FrameCost flight = MeasureFrames();
    ReportFrames(std::string("main menu, ") + name, menu);
    ReportFrames("in flight over system " + std::to_string(system) + " (" + std::to_string(objects) + " objects), " +
                     name,
                 flight);
    ReportReentryInSteadyFrames(system, system == 1 ? 2 : 1, name);
    ReportFarPlanets(name);
    StopGame();
    gGameDatabase.Close();
    os::SetManualTime(false);
}

}  // namespace

int main()
{
    Run(gfx::Backend::kHeadless, "headless");
    Run(gfx::Backend::kOpenGl, "GL");
    return 0;
}
