// Frames per second of the game's frame loop on the headless backend, drawing the first screen
// (the main menu) with draw recording off.
#include "app/frame.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "bench_game_setup.h"

int main()
{
    BenchGame game;
    if (!game.Start())
        return 1;
    gDevice->EndScene();

    constexpr int kFrames = 5000;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i)
        RunFrame();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("frame_loop: %d headless frames of the first screen in %.3f s: %.0f frames per second\n", kFrames,
                seconds, kFrames / seconds);
    return 0;
}
