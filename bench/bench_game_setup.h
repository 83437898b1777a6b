// The game set up headless inside the built game folder, for benchmarks of the resource
// manager: its content database, meshes and images, no sound, no recording of draws.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/globals.h"
#include "app/resource_manager.h"
#include "app/sound_globals.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/os/window.h"

class BenchGame {
public:
    // False (after a line on stderr) when the game could not be set up.
    bool Start()
    {
        std::filesystem::current_path(VARNOK_GAME_DIR);
        mWindow = os::OpenHeadlessWindow();
        gWindow = mWindow.get();
        gGfxBackend = gfx::Backend::kHeadless;
        gSoundBackend = audio::Backend::kSilent;
        if (gfx::Failed(InitDevice(false))) {
            std::fprintf(stderr, "bench: the headless game could not be set up\n");
            return false;
        }
        gfx::headless::AsHeadless(gDevice)->SetRecording(false);
        gDevice->BeginScene();
        return true;
    }
    ~BenchGame()
    {
        Shutdown();
        ReleasePlatformObjects();
        gWindow = nullptr;
    }

private:
    std::unique_ptr<os::Window> mWindow;
};
