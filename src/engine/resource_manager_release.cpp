// Emptying the resource caches: after a device reset, at system entry and at shutdown. Every
// cache entry holds one reference of its own and releases exactly that one.
#include "engine/resource_manager.h"

#include "db/game_database.h"
#include "platform/gfx/mesh.h"

namespace {

template <typename Map>
void ReleaseEach(Map& map)
{
    for (auto& [key, object] : map) {
        if (object)
            object->Release();
    }
    map.clear();
}

template <typename Container>
void DeleteEach(Container& container)
{
    for (auto* object : container)
        delete object;
    container.clear();
}

}  // namespace

void CResourceManager::ReleaseSpriteTextures()
{
    ReleaseEach(mSpriteTextures);
}

void CResourceManager::ReleasePathTextures()
{
    ReleaseEach(mPathTextures);
}

void CResourceManager::ReleaseMeshes()
{
    for (auto& [id, entry] : mMeshes) {
        if (entry->mesh)
            entry->mesh->Release();
        delete entry;
    }
    mMeshes.clear();
    mTrailQuad = nullptr;
}

void CResourceManager::ReleaseBackdrops()
{
    ReleaseEach(mBackdrops);
}

void CResourceManager::DeleteParticles()
{
    DeleteEach(mParticles);
    mLiveParticleCount = 0;
    for (auto& [id, definition] : mParticleDefinitions)
        delete definition;
    mParticleDefinitions.clear();
    DeleteEach(mDebris);
}

void CResourceManager::ReleaseAll()
{
    ReleaseSoundBuffers();
    ReleaseSpriteTextures();
    ReleasePathTextures();
    ReleaseMeshes();
    ReleaseBackdrops();
    DeleteParticles();
}
