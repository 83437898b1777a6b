// Frames per second of the game's own loop with nothing to draw, on the headless backend.
#include <chrono>
#include <cstdio>

#include "app/entry.h"

int main()
{
    constexpr uint32_t kFrames = 20000;
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    options.maxFrames = kFrames;
    auto start = std::chrono::steady_clock::now();
    int result = GameMain(options);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("frame_loop: %u empty headless frames in %.3f s: %.0f frames per second\n", kFrames, seconds,
                kFrames / seconds);
    return result;
}
