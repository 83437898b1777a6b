// RenderMesh of 500 meshes per frame (the world's usual solid, lit, textured draw, glow on) on
// the headless backend.
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_game_setup.h"
#include "platform/os/message_queue.h"

int main()
{
    constexpr int kMeshes = 500;
    constexpr int kFrames = 200;
    BenchGame game;
    if (!game.Start())
        return 1;
    struct Object {
        Vec3 position, rotation, scale{2.0f, 2.0f, 2.0f};
        int alpha = 255;
        uint8_t wire = 0;
        uint32_t colour = 0xFFFFFFFFu;
        MeshDrawRecord record;
    };
    std::vector<Object> objects(kMeshes);
    for (int i = 0; i < kMeshes; ++i) {
        Object& o = objects[i];
        o.position = Vec3(static_cast<float>(i % 25) * 4.0f - 50.0f, static_cast<float>(i / 25) * 4.0f - 40.0f, 30.0f);
        o.rotation = Vec3(0.0f, 0.0f, static_cast<float>(i) * 0.1f);
        o.alpha = i % 5 == 0 ? 200 : 255;
        o.record = {1 + i % 11, &o.position, &o.rotation, &o.scale, &o.alpha, &o.wire, &o.colour, 0, 0, 0};
        // Load once outside the timing.
        gResourceManager->GetMesh(o.record.meshId);
    }
    auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) {
        for (Object& o : objects)
            gResourceManager->RenderMesh(o.record, false);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (os::QuitPosted())
        std::printf("render_mesh: a draw failed and asked the game to quit\n");
    std::printf("render_mesh: %d frames of %d meshes in %.3f s: %.2f ms per frame, %.0f meshes per second\n", kFrames,
                kMeshes, seconds, seconds / kFrames * 1e3, kFrames * kMeshes / seconds);
    return 0;
}
