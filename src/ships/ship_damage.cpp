// The damage chain, destruction and debris, ramming and pushing.
#include "ships/ship.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/camera.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "platform/gfx/mesh_split.h"
#include "platform/os/message_queue.h"
#include "ships/armor.h"
#include "ships/pilot.h"
#include "ships/shield.h"
#include "world/player_view.h"

namespace {

constexpr int kDestructionSound = 200;
constexpr int kExplosionParticle = 52;
constexpr float kDebrisRangeSq = 10000.0f;
constexpr int kCreditsLostAtDeath = 20;
constexpr int kCreditsKeptBelow = 100;
constexpr float kPushScale = 3.0f;
constexpr float kPushLimit = 60.0f;
// A remote player's ship; the world has no constant for it yet.
constexpr int kTypeRemoteShip = 3;

bool IsShipType(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman || type == kTypeRemoteShip;
}

}  // namespace

int CShip::AbsorbHit(int amount, int damageType)
{
    // A destroyed ship takes no more: its points would run down every frame until they wrap.
    if (!mActive)
        return 0;
    if (amount > 0) {
        // A hit uncloaks the ship even when nothing reaches the hull.
        mStealth = 0;
        mVisible = 1;
    }
    if (mShield)
        amount = mShield->Absorb(amount, damageType);
    if (mArmor)
        amount = mArmor->Absorb(amount, damageType);
    return amount;
}

bool CShip::TakeDamage(int amount, int damageType)
{
    amount = AbsorbHit(amount, damageType);
    if (amount < mHitPoints || !mActive) {
        if (amount > 0)
            mHitPoints -= amount;
        return false;
    }
    Destroy();
    BreakUp();
    return true;
}

void CShip::Destroy()
{
    mHitPoints = 0;
    mActive = 0;
    gSoundRequest = SoundRequest{kDestructionSound, &mPosition};
    gResourceManager->PlaySoundAt(gSoundRequest);
    if (mCompoundAmount > 0 && std::rand() % 3 == 0)
        gResourceManager->SpawnResource(mCompoundClass, mCompoundAmount, mPosition.x, mPosition.y, mPosition.z);
    DropLoot();

    CWorldObject* player = PlayerObject();
    CPilot* pilot = PlayerPilot();
    if (!player || !pilot)
        return;
    if (player != this) {
        // Unsigned, as it always was: a negative level pays every player.
        if (static_cast<unsigned>(5 * mShipLevel) >= static_cast<unsigned>(gPlayerView->Level())) {
            if (auto* actor = dynamic_cast<CActor*>(player))
                actor->AddExperience(mExperienceValue);
        }
    } else if (pilot->GetCredits() >= kCreditsKeptBelow) {
        pilot->SetCredits(pilot->GetCredits() - kCreditsLostAtDeath);
    }
}

void CShip::BreakUp()
{
    const Vec3 eye(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    const Vec3 nearest(mPosition.x, mPosition.y, eye.z);
    if (Vec3LengthSq(Vec3::Difference(eye, nearest)) >= kDebrisRangeSq)
        return;
    MeshEntry* entry = gResourceManager->GetMesh(mHullMeshId);
    if (entry && entry->mesh) {
        std::vector<uint32_t> adjacency;
        if (gfx::Failed(entry->mesh->GenerateAdjacency(0.0f, &adjacency))) {
            os::PostFailureQuit("mesh %d could not be split into debris", mHullMeshId);
            return;
        }
        std::vector<gfx::Mesh*> pieces;
        gfx::SplitMesh(*entry->mesh, adjacency.data(), entry->mesh->GetNumVertices() / 3, &pieces);
        for (gfx::Mesh* pieceMesh : pieces) {
            auto* piece = new DebrisRecord();
            // The piece owns its split mesh and releases it when it fades.
            piece->SetMesh(entry->id, pieceMesh, entry->texturePaths);
            piece->scale = mScale;
            piece->rotation = mRotation;
            const float spread = static_cast<float>(std::rand() % 314) / 100.0f - 1.57f;
            piece->direction = RotateVec3Z(mDirection, spread);
            piece->position = mPosition;
            gResourceManager->QueueParticle(piece);
        }
    }
    gResourceManager->AddParticle(kExplosionParticle, &mPosition, &gZeroVector, 0, 1.0f, nullptr);
    gResourceManager->AddParticle(kExplosionParticle, &mPosition, &mDirection, 0, 1.0f, nullptr);
}

void CShip::Interact(CWorldObject* other)
{
    if (!mActive || !other || other == this || other->mActive != 1)
        return;
    const float reach = other->mSize + mSize;
    const Vec3 apart = Vec3::Difference(other->mPosition, mPosition);
    const bool contact = Vec3LengthSq(apart) <= reach * reach && other->mSolid == 1;
    if (!contact)
        return;
    const Vec3 unit = UnitVec3(apart);
    if (IsShipType(other->mType) && other->mAffiliate == mAffiliate) {
        // Friends are only set apart, the smaller one moving.
        const Vec3 offset = Vec3::Scaled(unit, reach);
        if (mSize >= other->mSize)
            other->mPosition = Vec3::Sum(mPosition, offset);
        else
            mPosition = Vec3::Difference(other->mPosition, offset);
        return;
    }
    const float momentum = mMoveSpeed * mSize;
    other->Push(Vec3::Scaled(unit, momentum));
    if (other->mSize != 0.0f)
        other->TakeDamage(static_cast<int>(momentum / other->mSize), 0);
}

void CShip::Push(const Vec3& impulse)
{
    if (mSize <= 0.0f)
        return;
    const Vec3 velocity = Vec3::Sum(mVelocity, Vec3::Scaled(impulse, kPushScale / (mSize * mSize)));
    if (!Vec3IsFinite(velocity))
        return;
    mVelocity = Vec3(velocity.x, velocity.y, 0.0f);
    const float limit = MaxPushSpeed();
    if (Vec3LengthSq(mVelocity) > limit * limit)
        mVelocity = Vec3::Scaled(UnitVec3(mVelocity), limit);
}

float CShip::MaxPushSpeed() const
{
    return mSize > 0.0f ? kPushLimit / mSize : 0.0f;
}
