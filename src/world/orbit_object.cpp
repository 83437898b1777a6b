// Orbiting bodies: the orbit and drift, collisions, destruction with its debris, and the
// obstacle tests computer ships plan around.
#include "world/orbit_object.h"

#include <cstdlib>
#include <vector>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh.h"
#include "platform/gfx/mesh_split.h"
#include "platform/os/message_queue.h"
#include "world/player_view.h"

namespace {

constexpr int kOrbitBlip = 307;
constexpr int kDestroyedSound = 200;
constexpr int kSmokeParticle = 52;
constexpr float kDebrisReachSq = 10000.0f;
constexpr float kRestSq = 0.0001f;

bool IsComputerShip(int type)
{
    return type == kTypeLeadShip || type == kTypeWingman;
}

// A random offset across a body of that size; a body smaller than 1 gives none.
float Scatter(float size)
{
    const int span = static_cast<int>(size);
    if (span < 1)
        return 0.0f;
    return static_cast<float>(std::rand() % span - span / 2);
}

}  // namespace

CWorldObject* MakeOrbitObject(int objectId)
{
    return new COrbitObject(objectId);
}

COrbitObject::COrbitObject(int objectId)
{
    mId = objectId;
    OrbitObjectRecord* row = gGameDatabase.GetOrbitObject(objectId);
    if (!row) {
        os::PostFailureQuit("no orbit row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 row->object_type, kOrbitBlip);
    mOrbitId = row->orbit_id;
    mMeshId = row->mesh_id;
    mColour = row->color_mod;
    mBaseAlpha = static_cast<int>(row->color_mod >> 24);
    mAlpha = mBaseAlpha;
    FillMeshRecord(mMeshRecord, mMeshId);
    mCollisionSound = SoundRequest{kCollisionSound, &mPosition};
    mRotateRates = Vec3(row->rotate_x, row->rotate_y, row->rotate_z);
    mParticleId = row->particle_id;
    mParticleDelay = row->particle_delay;
    mCompounds = row->compounds;
    mResourceType = row->resource_type;
    mMoveSpeed = row->velocity;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mRespawnTime = row->respawn_time * 1000;
    mInvulnerable = row->invulnerable ? 1 : 0;
    mAffiliate = kAffiliateNature;
    mExperienceValue = 1;
    mSolid = 1;
    mDirection = Vec3(0.0f, 1.0f, 0.0f);
}

void COrbitObject::Update()
{
    if (!mActive && mRespawnTime > 0) {
        if (mRespawnClock < mRespawnTime)
            mRespawnClock += static_cast<int>(gFrameTimeMs);
        if (mRespawnClock >= mRespawnTime) {
            mActive = 1;
            mVisible = 1;
            mAlpha = 10;
            mPosition = mHomePosition;
            mHitPoints = mMaxHitPoints;
            mRespawnClock = 0;
            mVelocity = Vec3();
        }
    }
    if (!mActive)
        return;
    // The rate falls with the squared distance from the centre, height included.
    const float radiusSq = Vec3LengthSq(mPosition);
    if (mMoveSpeed != 0.0f && radiusSq != 0.0f)
        mPosition = RotateVec3Z(mPosition, mMoveSpeed / radiusSq * gFrameScale);
    mVelocity.z = 0.0f;
    Vec3::Add(mPosition, Vec3::Scaled(mVelocity, gFrameScale));
    mVelocity = Vec3::Scaled(mVelocity, 1.0f - 0.1f * gFrameScale);
    if (Vec3LengthSq(mVelocity) < kRestSq)
        mVelocity = Vec3();
    Vec3::Add(mRotation, Vec3::Scaled(mRotateRates, gFrameScale));
    ClampToSystem();
    if (mParticleId != 0)
        ShedParticle();
}

void COrbitObject::ShedParticle()
{
    mParticleClock += static_cast<int>(gFrameTimeMs);
    if (mParticleDelay > mParticleClock)
        return;
    mParticleClock = 0;
    const float a = static_cast<float>(std::rand() % 100) / 100.0f;
    Vec3 point = mPosition;
    point.x += mSize / 2.0f * (static_cast<float>(std::rand() % 200 - 100) / 100.0f);
    point.y += mSize / 2.0f * (static_cast<float>(std::rand() % 200 - 100) / 100.0f);
    const Vec3 drift(a, 1.0f - a, 0.0f);
    gResourceManager->AddParticle(mParticleId, &point, &drift, 0, 1.0f, nullptr);
}

void COrbitObject::Render()
{
    if (!mActive) {
        mAlpha = 0;
        return;
    }
    if (mAlpha < mBaseAlpha)
        ++mAlpha;
    gResourceManager->RenderMesh(mMeshRecord, false);
    EmitTrail();
}

void COrbitObject::Interact(CWorldObject* other)
{
    if (!mActive || !other || !other->mActive || !other->mSolid)
        return;
    if (IsComputerShip(other->mType)) {
        const float reach = other->mSize + mSize;
        const Vec3 apart(other->mPosition.x - mPosition.x, other->mPosition.y - mPosition.y, 0.0f);
        if (Vec3LengthSq(apart) <= reach * reach)
            other->mPosition =
                Vec3::Sum(mPosition, Vec3::Scaled(UnitVec3(Vec3::Difference(other->mPosition, mPosition)), reach));
        return;
    }
    const float reach = (other->mSize + mSize) / 1.5f;
    const Vec3 apart = Vec3::Difference(other->mPosition, mPosition);
    if (Vec3LengthSq(apart) > reach * reach)
        return;
    const float force = (other->mMoveSpeed + mMoveSpeed) * mSize;
    const Vec3 away = UnitVec3(apart);
    other->Push(Vec3::Scaled(away, force));
    other->mPosition = Vec3::Sum(mPosition, Vec3::Scaled(away, reach));
    // A body without size has nothing to spread the blow over: it is pushed, not hurt.
    other->TakeDamage(other->mSize > 0.0f ? static_cast<int>(force / other->mSize) : 0, 0);
    gResourceManager->PlaySoundAt(mCollisionSound);
}

void COrbitObject::Push(const Vec3& impulse)
{
    if (mSize == 0.0f)
        return;
    mVelocity = Vec3::Scaled(impulse, 12.0f / (mSize * mSize * mSize));
    mVelocity.z = 0.0f;
}

bool COrbitObject::TakeDamage(int amount, int)
{
    mHitPoints -= amount;
    if (mHitPoints >= 1)
        return false;
    mHitPoints = 0;
    mActive = 0;
    gSoundRequest = SoundRequest{kDestroyedSound, &mPosition};
    gResourceManager->PlaySoundAt(gSoundRequest);
    if (gPlayerView && gPlayerView->Level() < kExperienceLevelCap)
        gPlayerView->AddExperience(mExperienceValue);
    if (mCompounds > 0 && std::rand() % 3 == 0)
        gResourceManager->SpawnResource(mResourceType, mCompounds, mPosition.x, mPosition.y, mPosition.z);
    const Vec3 seen(mPosition.x, mPosition.y, gCamera.GetEyeZ());
    const Vec3 eye(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    if (Vec3LengthSq(Vec3::Difference(seen, eye)) < kDebrisReachSq)
        BreakUp();
    return true;
}

void COrbitObject::BreakUp()
{
    MeshEntry* entry = gResourceManager->GetMesh(mMeshId);
    if (!entry || !entry->mesh)
        return;
    std::vector<uint32_t> adjacency;
    if (gfx::Failed(entry->mesh->GenerateAdjacency(0.0f, &adjacency))) {
        os::PostFailureQuit("mesh %d could not be split into debris", mMeshId);
        return;
    }
    if (mMeshId == kWholePiecesMesh) {
        const int count = std::rand() % 5 + 3;
        for (int i = 0; i < count; ++i) {
            auto* piece = new DebrisRecord;
            entry->mesh->AddRef();
            piece->SetMesh(mMeshId, entry->mesh, entry->texturePaths);
            piece->scale = Vec3::Divided(mScale, static_cast<float>(count));
            piece->spinStep += static_cast<float>(count - 1) * mMoveSpeed;
            piece->rotation = mRotation;
            piece->direction =
                RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), static_cast<float>(std::rand() % 628) / 100.0f - 3.14f);
            piece->position = mPosition;
            piece->position.x += Scatter(mSize);
            piece->position.y += Scatter(mSize);
            gResourceManager->QueueParticle(piece);
        }
    } else {
        std::vector<gfx::Mesh*> parts;
        if (!gfx::Failed(gfx::SplitMesh(*entry->mesh, adjacency.data(), entry->mesh->GetNumVertices() / 3, &parts))) {
            for (gfx::Mesh* part : parts) {
                auto* piece = new DebrisRecord;
                piece->SetMesh(mMeshId, part, entry->texturePaths);
                piece->scale = mScale;
                piece->rotation = mRotation;
                piece->direction = RotateVec3Z(mDirection, static_cast<float>(std::rand() % 314) / 100.0f - 1.57f);
                piece->position = mPosition;
                gResourceManager->QueueParticle(piece);
            }
        }
    }
    gResourceManager->AddParticle(kSmokeParticle, &mPosition, &gZeroVector, 0, 1.0f, nullptr);
    gResourceManager->AddParticle(kSmokeParticle, &mPosition, &mDirection, 0, 1.0f, nullptr);
}

bool COrbitObject::HitTestSegment(const Vec3* from, const Vec3* to, float radius)
{
    const float half = mSize / 2.0f + radius;
    const gfx::Vector3 low{mPosition.x - half, mPosition.y - half, -100.0f};
    const gfx::Vector3 high{mPosition.x + half, mPosition.y + half, 100.0f};
    return gfx::BoxBoundProbe(low, high, from->ToGfx(), Vec3::Difference(*from, *to).ToGfx());
}

void COrbitObject::GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover)
{
    const float half = mSize / 1.6f + mover->mSize;
    const float z = mover->mPosition.z;
    *c0 = Vec3(mPosition.x + half, mPosition.y + half, z);
    *c1 = Vec3(mPosition.x - half, mPosition.y + half, z);
    *c2 = Vec3(mPosition.x - half, mPosition.y - half, z);
    *c3 = Vec3(mPosition.x + half, mPosition.y - half, z);
}
