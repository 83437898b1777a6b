// Frames per second of the game's frame loop on the headless backend, drawing the first screen
// (the main menu) with draw recording off.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/sound_globals.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/os/window.h"

int main()
{
    // The game reads its databases and files relative to its own folder.
    std::filesystem::current_path(VARNOK_GAME_DIR);
    std::unique_ptr<os::Window> window = os::OpenHeadlessWindow();
    gWindow = window.get();
    gGfxBackend = gfx::Backend::kHeadless;
    gSoundBackend = audio::Backend::kSilent;
    if (gfx::Failed(InitDevice(false))) {
        std::fprintf(stderr, "frame_loop: the headless device could not be set up\n");
        return 1;
    }
    gfx::headless::AsHeadless(gDevice)->SetRecording(false);

    constexpr int kFrames = 5000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i)
        RunFrame();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("frame_loop: %d headless frames of the first screen in %.3f s: %.0f frames per second\n", kFrames,
                seconds, kFrames / seconds);
    Shutdown();
    ReleasePlatformObjects();
    return 0;
}
