// The extent of a mesh: the size of the box around its vertices.
#include "engine/resource_manager.h"

#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"

Vec3 CResourceManager::MeshExtent(gfx::Mesh* mesh)
{
    void* data = nullptr;
    if (gfx::Failed(mesh->LockVertexBuffer(gfx::kLockReadOnly, &data)))
        return Vec3();
    gfx::Vector3 low;
    gfx::Vector3 high;
    gfx::ComputeBoundingBox(data, mesh->GetNumVertices(), gfx::FvfVertexSize(mesh->GetFvf()), &low, &high);
    if (gfx::Failed(mesh->UnlockVertexBuffer()))
        return Vec3();
    return Vec3(high.x - low.x, high.y - low.y, high.z - low.z);
}
