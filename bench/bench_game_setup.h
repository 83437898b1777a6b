// The game set up, headless unless told, in a temporary game folder, for benchmarks of the
// resource manager: the shipped content, meshes and images, no sound, no recording of draws, and a save database
// of its own, so a benchmark never writes a player's saves.
#pragma once

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "app/entry.h"
#include "app/globals.h"
#include "engine/resource_manager.h"
#include "platform/gfx/headless/headless_device.h"
#include "support/game_folder.h"

class BenchGame {
public:
    // False (after a line on stderr) when the game could not be set up.
    bool Start(gfx::Backend backend = gfx::Backend::kHeadless)
    {
        try {
            mFolder.emplace();
            mFolder->Enter();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "bench: %s\n", error.what());
            return false;
        }
        mStarted = true;
        if (std::optional<std::string> error = StartGame(backend)) {
            std::fprintf(stderr, "bench: %s\n", error->c_str());
            return false;
        }
        if (backend == gfx::Backend::kHeadless)
            gfx::headless::AsHeadless(gDevice)->SetRecording(false);
        gDevice->BeginScene();
        return true;
    }
    ~BenchGame()
    {
        if (mStarted)
            StopGame();
    }

private:
    std::optional<GameFolder> mFolder;
    bool mStarted = false;
};
