// Debris pieces: their random start and the ownership of their mesh.
#include "core/draw_records.h"

#include <cstdlib>

#include "platform/gfx/mesh.h"

const int gNoTrailCount = 0;
const float gNoTrailSpacing = 0.0f;
const float gUnitScale = 1.0f;

DebrisRecord::DebrisRecord()
{
    initialLife = (std::rand() % 10 + 1) * 500;
    speed = static_cast<float>(std::rand() % 60) / 20.0f;
    spinStep = speed / (static_cast<float>(std::rand() % 20) + 10.0f);
    lifeLeft = initialLife;
}

DebrisRecord::DebrisRecord(const DebrisRecord& other) : DebrisRecord()
{
    mesh = other.mesh;
    if (mesh.mesh)
        mesh.mesh->AddRef();
}

DebrisRecord::~DebrisRecord()
{
    if (mesh.mesh)
        mesh.mesh->Release();
}

void DebrisRecord::SetMesh(int meshId, gfx::Mesh* newMesh, const std::list<std::string>& texturePaths)
{
    if (mesh.mesh)
        mesh.mesh->Release();
    mesh.id = meshId;
    mesh.mesh = newMesh;
    mesh.texturePaths = texturePaths;
}
