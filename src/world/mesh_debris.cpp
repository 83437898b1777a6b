// Splitting a cached mesh into debris pieces.
#include "world/mesh_debris.h"

#include <cstdlib>
#include <vector>

#include "engine/resource_manager.h"
#include "platform/gfx/mesh.h"
#include "platform/gfx/mesh_split.h"
#include "platform/os/message_queue.h"

bool QueueMeshDebris(int meshId, const std::function<void(DebrisRecord& piece, int pieceCount)>& place)
{
    MeshEntry* entry = gResourceManager->GetMesh(meshId);
    if (!entry || !entry->mesh)
        return false;
    std::vector<uint32_t> adjacency;
    if (gfx::Failed(entry->mesh->GenerateAdjacency(0.0f, &adjacency))) {
        os::PostFailureQuit("mesh %d could not be split into debris", meshId);
        return false;
    }
    std::vector<gfx::Mesh*> parts;
    if (gfx::Failed(gfx::SplitMesh(*entry->mesh, adjacency.data(), entry->mesh->GetNumVertices() / 3, &parts)))
        return false;
    const int count = static_cast<int>(parts.size());
    for (gfx::Mesh* part : parts) {
        auto* piece = new DebrisRecord;
        piece->SetMesh(meshId, part, entry->texturePaths);
        place(*piece, count);
        gResourceManager->QueueParticle(piece);
    }
    return count > 0;
}

float DebrisScatter(float size)
{
    const int span = static_cast<int>(size);
    if (span < 1)
        return 0.0f;
    return static_cast<float>(std::rand() % span - span / 2);
}

Vec3 RandomDebrisHeading()
{
    return RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), static_cast<float>(std::rand() % 628) / 100.0f - 3.14f);
}
