// The shots' cost: 500 live beams and projectiles updated and drawn every frame, headless, draw
// recording off. Ended shots are replaced between frames, outside the timing.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench_game_setup.h"
#include "core/frame_clock.h"
#include "ships/beam_shot.h"
#include "ships/projectile_shot.h"
#include "world/phantom.h"

namespace {

using Clock = std::chrono::steady_clock;

// Shipped devices without chain weapons: the turret laser and the plasma bolt.
constexpr int kBeamDevice = 24;
constexpr int kProjectileDevice = 11;
constexpr int kLiveShots = 500;
constexpr int kFrames = 400;

// Even slots hold beams, odd slots projectiles; the aim turns with the launch count.
CShot* Launch(int index, int count, CActor* owner)
{
    const float angle = static_cast<float>(count) * 0.0126f;
    const Vec3 target(std::sin(angle) * 100.0f, std::cos(angle) * 100.0f, 30.0f);
    CShot* shot = index % 2 ? static_cast<CShot*>(new CProjectileShot(kProjectileDevice, owner, &target))
                            : static_cast<CShot*>(new CBeamShot(kBeamDevice, owner, &target));
    gResourceManager->mObjects[shot->mId] = shot;
    return shot;
}

}  // namespace

int main()
{
    BenchGame game;
    if (!game.Start())
        return 1;
    gFrameScale = 1.0f;
    gFrameTimeMs = 16;
    gResourceManager->EnterSystem(1);
    gResourceManager->DeleteWorldObjects();

    auto* owner = new CPhantomObject(0.0f, 0.0f, 30.0f, 1, 4.0f, 0.0f, 0, 1000000, 0.0f, 1000, 1);
    gResourceManager->mObjects[owner->mId] = owner;
    std::vector<CShot*> shots;
    for (int i = 0; i < kLiveShots; ++i)
        shots.push_back(Launch(i, i, owner));

    double seconds = 0.0;
    long updated = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        const Clock::time_point start = Clock::now();
        for (CShot* shot : shots) {
            shot->Update();
            shot->Render();
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        updated += static_cast<long>(shots.size());
        for (int i = 0; i < kLiveShots; ++i) {
            if (shots[i]->mActive)
                continue;
            gResourceManager->mObjects.erase(shots[i]->mId);
            delete shots[i];
            shots[i] = Launch(i, i + frame, owner);
        }
    }
    std::printf("shots: %d live beams and projectiles, %d frames: %.3f us per shot per frame, %.1f us per frame\n",
                kLiveShots, kFrames, seconds * 1e6 / static_cast<double>(updated), seconds * 1e6 / kFrames);

    gDevice->EndScene();
    return 0;
}
