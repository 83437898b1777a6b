// The game set up headless inside the built game folder, for benchmarks of the resource
// manager: its content database, meshes and images, no sound, no recording of draws.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "app/entry.h"
#include "app/globals.h"
#include "engine/resource_manager.h"
#include "platform/gfx/headless/headless_device.h"

class BenchGame {
public:
    // False (after a line on stderr) when the game could not be set up.
    bool Start()
    {
        std::filesystem::current_path(VARNOK_GAME_DIR);
        if (std::optional<std::string> error = StartGame(gfx::Backend::kHeadless)) {
            std::fprintf(stderr, "bench: %s\n", error->c_str());
            return false;
        }
        gfx::headless::AsHeadless(gDevice)->SetRecording(false);
        gDevice->BeginScene();
        return true;
    }
    ~BenchGame() { StopGame(); }
};
