// Particles and debris: adding them near the camera, and moving, drawing and ending them once
// per frame.
#include "engine/resource_manager.h"

#include <cstdlib>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/message_log.h"
#include "core/world_matrix.h"
#include "db/game_database.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"

namespace {

// Particles and debris farther than 100 units from the camera in the plane are not made.
constexpr float kNearCameraSq = 10000.0f;
constexpr float kPi = 3.14159f;
constexpr float kParticleZ = 26.0f;
constexpr float kPlaneZ = 30.0f;
constexpr float kParticleSpin = 0.349f;
constexpr float kDebrisSpin = 0.174533f;

float PlaneDistanceSqToCamera(const Vec3& position)
{
    Vec3 eye(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    Vec3 p(position.x, position.y, eye.z);
    return Vec3LengthSq(Vec3::Difference(p, eye));
}

}  // namespace

ParticleEffectRecord* CResourceManager::FindParticleDefinition(int particleId)
{
    auto cached = mParticleDefinitions.find(particleId);
    if (cached != mParticleDefinitions.end())
        return cached->second;
    const ParticleEffectRecord* row = gGameDatabase.GetParticleEffect(particleId);
    if (!row)
        return nullptr;
    auto* definition = new ParticleEffectRecord(*row);
    mParticleDefinitions.emplace(particleId, definition);
    return definition;
}

void CResourceManager::AddParticle(int particleId, const Vec3* position, const Vec3* direction, uint32_t colour,
                                   float sizeFactor, const Vec3* follow)
{
    if (particleId == 0)
        return;
    try {
        if (!follow && PlaneDistanceSqToCamera(*position) >= kNearCameraSq)
            return;
        const ParticleEffectRecord* definition = FindParticleDefinition(particleId);
        if (!definition)
            return;
        const Vec3 heading = direction ? *direction : Vec3();
        for (int i = 0; i < definition->num_particles; ++i) {
            auto* particle = new Particle;
            ++mLiveParticleCount;
            particle->alpha = 255;
            particle->colour = colour != 0 ? colour : definition->color_mod;
            particle->deceleration = definition->deceleration;
            float spread = 0.0f;
            if (definition->variance != 0)
                spread = static_cast<float>((std::rand() % definition->variance) * 2 - definition->variance) / 100.0f;
            particle->direction = RotateVec3Z(heading, kPi * spread);
            particle->angle = HeadingOfVec3(particle->direction);
            particle->duration = particle->lifeLeft = definition->duration;
            particle->growth = sizeFactor * definition->growth_rate;
            particle->maxTrail = definition->max_trail;
            particle->spriteId = definition->sprite_id;
            particle->particleId = particleId;
            particle->size = sizeFactor * definition->size;
            particle->speed = definition->velocity;
            particle->position = Vec3(position->x, position->y, kParticleZ);
            particle->trailSpacing = definition->blurr_dist;
            particle->follow = follow;
            mParticles.push_back(particle);
        }
    } catch (...) {
        PostFlightMessage("Exception Caught Adding Particle");
    }
}

void CResourceManager::QueueParticle(DebrisRecord* piece)
{
    if (PlaneDistanceSqToCamera(piece->position) < kNearCameraSq)
        mDebris.push_back(piece);
    else
        delete piece;
}

void CResourceManager::UpdateParticle(Particle& particle)
{
    particle.alpha = particle.duration == 0 ? 250 : 250 * particle.lifeLeft / particle.duration;
    particle.speed -= gFrameScale * particle.deceleration;
    if (particle.speed < 0.0f) {
        particle.speed = 0.0f;
    } else {
        Vec3::Add(particle.position, Vec3::Scaled(particle.direction, gFrameScale * particle.speed));
        particle.position.z = kPlaneZ;
    }
    particle.size += gFrameScale * particle.growth;
    particle.angle += kParticleSpin * gFrameScale;
    if (particle.angle > kPi)
        particle.angle -= kPi;
    if (particle.angle < 0.0f)
        particle.angle += kPi;

    int copies = 1;
    if (particle.speed != 0.0f && particle.trailSpacing != 0.0f) {
        float elapsed = static_cast<float>(particle.duration - particle.lifeLeft) / 1000.0f;
        copies = static_cast<int>(elapsed * particle.speed / particle.trailSpacing);
    }
    if (copies > particle.maxTrail)
        copies = particle.maxTrail;
    mScratchTrail.spriteId = particle.spriteId;
    mScratchTrail.position = &particle.position;
    mScratchTrail.direction = &particle.direction;
    mScratchTrail.angle = &particle.angle;
    mScratchTrail.scale = &particle.size;
    mScratchTrail.alpha = &particle.alpha;
    mScratchTrail.colour = &particle.colour;
    mScratchTrail.copyCount = &copies;
    mScratchTrail.copySpacing = &particle.trailSpacing;
    if (particle.follow)
        particle.position = *particle.follow;
    DrawTrail(mScratchTrail);
    mScratchTrail.copyCount = nullptr;
}

void CResourceManager::DrawDebrisPiece(DebrisRecord& piece, uint32_t tint)
{
    gDevice->SetTransform(gfx::kTransformWorld, ObjectWorldMatrix(piece.scale, piece.rotation, piece.position));
    gDevice->SetRenderState(gfx::kRsFillMode, gWireFrame ? gfx::kFillWireframe : gfx::kFillSolid);

    gfx::ColorValue half{0.5f, 0.5f, 0.5f, 0.5f};
    gfx::Material material{half, half, half, half, 0.0f};
    if (!gNoSourceBlendCaps && piece.alpha != 255) {
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
        gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendOne);
        gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendOne);
        gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendTextureFactorAlpha);
        gDevice->SetRenderState(gfx::kRsTextureFactor, ((static_cast<uint32_t>(piece.alpha) << 24) + 0xFFFFFFu) & tint);
    } else {
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
        float a = static_cast<float>(piece.alpha);
        // As the game always drew it: the channels are not brought back to 0..1.
        gfx::ColorValue c{static_cast<float>((tint >> 16) & 0xFF) * a / 255.0f,
                          static_cast<float>((tint >> 8) & 0xFF) * a / 255.0f,
                          static_cast<float>(tint & 0xFF) * a / 255.0f, a / 255.0f};
        material = gfx::Material{c, c, c, c, 0.0f};
    }
    if (!piece.mesh.mesh)
        return;
    uint32_t subset = 0;
    const std::list<std::string>& paths = piece.mesh.texturePaths;
    for (auto path = paths.begin(); path != paths.end(); ++path, ++subset) {
        auto texture = mPathTextures.find(*path);
        gDevice->SetMaterial(material);
        gDevice->SetTexture(0, texture == mPathTextures.end() ? nullptr : texture->second);
        piece.mesh.mesh->DrawSubset(gDevice, subset);
        // A "+" texture's partner path belongs to the same subset.
        if (TextureNameBeginsWith(*path, '+') && std::next(path) != paths.end())
            ++path;
    }
}

void CResourceManager::UpdateParticles()
{
    gDevice->SetRenderState(gfx::kRsAlphaTestEnable, 1);
    gDevice->SetRenderState(gfx::kRsAlphaFunc, gfx::kCmpGreaterEqual);

    for (auto it = mParticles.begin(); it != mParticles.end();) {
        Particle* particle = *it;
        particle->lifeLeft -= static_cast<int>(gFrameTimeMs);
        if (particle->lifeLeft < 1) {
            try {
                it = mParticles.erase(it);
                delete particle;
                --mLiveParticleCount;
            } catch (...) {
                PostFlightMessage("Exception Caught Deleting Particle");
            }
            continue;
        }
        UpdateParticle(*particle);
        ++it;
    }

    const uint32_t tint = 0xFFFF0000u + static_cast<uint32_t>(gPulse) * 257u;
    for (auto it = mDebris.begin(); it != mDebris.end();) {
        DebrisRecord* piece = *it;
        Vec3::Add(piece->position, Vec3::Scaled(piece->direction, gFrameScale * piece->speed));
        piece->lifeLeft -= static_cast<int>(gFrameTimeMs);
        piece->alpha = piece->initialLife == 0 ? 250 : piece->lifeLeft * 250 / piece->initialLife;
        if (piece->lifeLeft <= 0) {
            it = mDebris.erase(it);
            delete piece;
            continue;
        }
        float turn = kDebrisSpin * gFrameScale;
        if (piece->spinX)
            piece->rotation.x += turn;
        if (piece->spinY)
            piece->rotation.y += turn;
        if (piece->spinZ)
            piece->rotation.z += turn;
        DrawDebrisPiece(*piece, tint);
        ++it;
    }
}
