// UpdateParticles with 1000 live particles (moving, fading, drawn as trails) on the headless
// backend.
#include <chrono>
#include <cstdio>

#include "app/frame.h"
#include "bench_game_setup.h"

int main()
{
    constexpr int kLive = 1000;
    constexpr int kFrames = 2000;
    constexpr int kParticleId = 52;  // six particles with trails of up to four copies
    BenchGame game;
    if (!game.Start())
        return 1;
    const Vec3 origin(0.0f, 0.0f, 30.0f), direction(0.0f, 1.0f, 0.0f);
    gFrameTimeMs = 1;
    gFrameScale = 0.01f;
    double seconds = 0.0;
    long drawnParticles = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        while (gResourceManager->mLiveParticleCount < kLive)
            gResourceManager->AddParticle(kParticleId, &origin, &direction, 0, 1.0f, nullptr);
        drawnParticles += gResourceManager->mLiveParticleCount;
        auto start = std::chrono::steady_clock::now();
        gResourceManager->UpdateParticles();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("particles: %d frames of %d live particles in %.3f s: %.1f us per frame, %.0f particles per second\n",
                kFrames, kLive, seconds, seconds / kFrames * 1e6, drawnParticles / seconds);
    return 0;
}
