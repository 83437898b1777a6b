// The world's cost: the world pass on the busiest shipped system and on generated systems of 50 to
// 3000 objects, and the entry of every shipped system. Runs headless in a temporary game folder,
// draw recording off.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_game_setup.h"
#include "bench_report.h"
#include "generated_planets.h"
#include "db/game_database.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

size_t ObjectCount()
{
    return gResourceManager->mObjects.size() + gResourceManager->mSuns.size() + gResourceManager->mWormholes.size() +
           gResourceManager->mNebulae.size();
}

void TimePasses(const char* what, int passes)
{
    const size_t objects = ObjectCount();
    const Clock::time_point start = Clock::now();
    for (int pass = 0; pass < passes; ++pass)
        gResourceManager->UpdateObjects();
    const double us = Seconds(start) * 1e6 / passes;
    const std::string scene = std::string("world pass, ") + what + " (" + std::to_string(objects) + " objects)";
    ReportRow(scene + ", per pass", us, "us");
    ReportRow(scene + ", per object", objects ? us / static_cast<double>(objects) : 0.0, "us");
}

}  // namespace

int main()
{
    BenchGame game;
    if (!game.Start())
        return 1;
    gFrameScale = 1.0f;
    gFrameTimeMs = 16;

    int busiest = 0;
    size_t busiestCount = 0;
    for (int system = 1; system < 200; ++system) {
        if (!gGameDatabase.GetSystem(system))
            continue;
        constexpr int kEntries = 20;
        const Clock::time_point start = Clock::now();
        for (int entry = 0; entry < kEntries; ++entry)
            gResourceManager->EnterSystem(system);
        ReportRow("system entry, " + std::to_string(system) + " " + gResourceManager->mSystemName,
                  Seconds(start) * 1e3 / kEntries, "ms");
        if (ObjectCount() > busiestCount) {
            busiest = system;
            busiestCount = ObjectCount();
        }
    }

    gResourceManager->EnterSystem(busiest);
    TimePasses(("busiest shipped system " + std::to_string(busiest)).c_str(), 2000);

    for (int size : kGeneratedSizes) {
        gResourceManager->EnterSystem(1);
        gResourceManager->DeleteWorldObjects();
        AddGeneratedPlanets(size, -600.0f, 60.0f, 80.0f);
        // About the same time for every size.
        TimePasses("generated system", std::max(20, 60000 / size));
    }

    gDevice->EndScene();
    return 0;
}
