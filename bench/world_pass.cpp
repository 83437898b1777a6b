// The world's cost: the world pass on the busiest shipped system and on a generated system of
// 300 objects, and the entry of every shipped system. Runs headless in a temporary copy of the
// game folder, draw recording off.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/entry.h"
#include "app/globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/headless/headless_device.h"
#include "world/planet.h"

namespace {

namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// The built game's databases and files, linked into a fresh folder that is removed at the end.
class TempGame {
public:
    bool Make()
    {
        const fs::path game = VARNOK_GAME_DIR;
        char pattern[] = "/tmp/varnok-bench-XXXXXX";
        if (!mkdtemp(pattern))
            return false;
        mFolder = pattern;
        fs::create_directories(mFolder / "config");
        std::error_code error;
        for (const char* database : {"varnok.dat", "pe.dat"})
            fs::copy_file(game / "config" / database, mFolder / "config" / database, error);
        for (const char* shared : {"raster", "x", "sound"})
            fs::create_directory_symlink(game / shared, mFolder / shared, error);
        if (error) {
            std::fprintf(stderr, "world_pass: cannot copy the game folder: %s\n", error.message().c_str());
            return false;
        }
        fs::current_path(mFolder);
        return true;
    }
    ~TempGame()
    {
        if (mFolder.empty())
            return;
        std::error_code error;
        fs::remove_all(mFolder, error);
    }

private:
    fs::path mFolder;
};

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
    std::printf("world_pass: %s, %zu objects: %.1f us per pass, %.3f us per object\n", what, objects, us,
                objects ? us / static_cast<double>(objects) : 0.0);
}

}  // namespace

int main()
{
    TempGame folder;
    if (!folder.Make())
        return 1;
    if (std::optional<std::string> error = StartGame(gfx::Backend::kHeadless)) {
        std::fprintf(stderr, "world_pass: %s\n", error->c_str());
        StopGame();
        return 1;
    }
    gfx::headless::AsHeadless(gDevice)->SetRecording(false);
    gDevice->BeginScene();
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
        std::printf("world_pass: entering system %d (%s): %.3f ms\n", system, gResourceManager->mSystemName,
                    Seconds(start) * 1e3 / kEntries);
        if (ObjectCount() > busiestCount) {
            busiest = system;
            busiestCount = ObjectCount();
        }
    }

    gResourceManager->EnterSystem(busiest);
    TimePasses(("busiest shipped system " + std::to_string(busiest)).c_str(), 2000);

    gResourceManager->EnterSystem(1);
    gResourceManager->DeleteWorldObjects();
    for (int i = 0; i < 300; ++i) {
        CWorldObject* planet = MakePlanet(1002);
        planet->mId = 50000 + i;
        planet->mPosition =
            Vec3(static_cast<float>(i % 20) * 60.0f - 600.0f, static_cast<float>(i / 20) * 80.0f - 600.0f, 30.0f);
        gResourceManager->mObjects[planet->mId] = planet;
    }
    TimePasses("generated system", 200);

    gDevice->EndScene();
    StopGame();
    return 0;
}
