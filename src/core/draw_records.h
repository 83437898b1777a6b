// The records through which objects have their meshes, trails, sprites and debris drawn: each
// holds pointers to the owner's live values, filled once, read at every draw.
#pragma once

#include <cstdint>

#include "core/mesh_entry.h"
#include "core/vec3.h"

struct MeshDrawRecord {
    int meshId = 0;
    const Vec3* position = nullptr;
    // Angles in radians about x, y and z.
    const Vec3* rotation = nullptr;
    const Vec3* scale = nullptr;
    const int* alpha = nullptr;
    // The owner's mesh flag: non-zero draws the mesh as wire frame.
    const uint8_t* wireFrame = nullptr;
    const uint32_t* colour = nullptr;
    // 0 draws the mesh's own textures.
    int textureSpriteId = 0;
    // 0 = no glow texture.
    int glowSpriteId = 0;
    int textured = 0;
};

// A camera-facing textured square, drawn once or as a row of fading copies behind the owner.
struct TrailDrawRecord {
    int spriteId = 0;
    const Vec3* position = nullptr;
    const Vec3* direction = nullptr;
    // Radians about z.
    const float* angle = nullptr;
    const float* scale = nullptr;
    const int* alpha = nullptr;
    const uint32_t* colour = nullptr;
    const int* copyCount = nullptr;
    const float* copySpacing = nullptr;
};

// A sprite at a screen position (pixels of its top-left corner), scaled and tinted.
struct SpriteDrawRecord {
    int spriteId = 0;
    const int* x = nullptr;
    const int* y = nullptr;
    const uint32_t* colour = nullptr;
    const float* xScale = nullptr;
    const float* yScale = nullptr;
};

// One square cell of a sprite sheet, cells numbered row by row.
struct SpriteFrameRecord {
    int spriteId = 0;
    const int* x = nullptr;
    const int* y = nullptr;
    const int* frame = nullptr;
    const int* cellSize = nullptr;
    const uint32_t* colour = nullptr;
    const int* cellsPerRow = nullptr;
    const float* xScale = nullptr;
    const float* yScale = nullptr;
};

// A piece of a destroyed object that drifts, spins and fades. The piece holds its own
// reference to its mesh and releases it when it is deleted.
struct DebrisRecord {
    // Draws the life, speed and spin step with rand(), in that order.
    DebrisRecord();
    // Copies only the mesh entry (taking a reference of its own); the rest is new.
    DebrisRecord(const DebrisRecord& other);
    DebrisRecord& operator=(const DebrisRecord& other) = delete;
    ~DebrisRecord();

    // Takes over the caller's reference to mesh.
    void SetMesh(int meshId, gfx::Mesh* mesh, const std::list<std::string>& texturePaths);

    MeshEntry mesh;
    int initialLife = 0;
    float speed = 0.0f;
    float spinStep = 0.0f;
    uint8_t spinX = 1, spinY = 1, spinZ = 1;
    Vec3 scale;
    Vec3 rotation;
    Vec3 direction;
    Vec3 position;
    int lifeLeft = 0;
    int alpha = 254;
    uint32_t colour = 0xFFFFFFFFu;
};

// What objects without a trail point a trail record's copy count and spacing at.
extern const int gNoTrailCount;
extern const float gNoTrailSpacing;
// The scale sprite records point at to draw an image at its own size.
extern const float gUnitScale;
