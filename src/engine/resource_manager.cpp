// Construction and destruction of the resource manager.
#include "engine/resource_manager.h"

#include "core/graphics_globals.h"

gfx::Material gMeshMaterial{{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0.0f};
uint8_t gWireFrame = 0;

namespace {

const int kPortalAlpha = 255;
const uint32_t kPortalColour = 0xFFFFFFFFu;
constexpr int kPortalSpriteId = 45;

}  // namespace

CResourceManager::CResourceManager()
{
    mPortalEffect.spriteId = kPortalSpriteId;
    mPortalEffect.position = &mPortalPosition;
    mPortalEffect.direction = &gZeroVector;
    mPortalEffect.angle = &mPortalAngle;
    mPortalEffect.scale = &mPortalScale;
    mPortalEffect.alpha = &kPortalAlpha;
    mPortalEffect.colour = &kPortalColour;
    mPortalEffect.copyCount = &gNoTrailCount;
    mPortalEffect.copySpacing = &gNoTrailSpacing;
    gMeshMaterial = gfx::Material{{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0.0f};
}

CResourceManager::~CResourceManager()
{
    DeleteWorldObjects();
    DeleteWeaponRecords();
    // Sound buffers go before the sound device they were made on.
    ReleaseSoundBuffers();
    ReleaseSpriteTextures();
    ReleasePathTextures();
    ReleaseMeshes();
    ReleaseBackdrops();
    DeleteParticles();
    // The shaders go while the device they belong to still exists; then the device itself.
    ReleaseDeviceResources();
    if (mSoundDevice)
        mSoundDevice->Release();
    mSoundDevice = nullptr;
    if (gDevice) {
        while (gDevice->Release() > 0) {
        }
        gDevice = nullptr;
    }
}
