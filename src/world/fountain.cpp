// Fountains: the particle and weapon clocks near the player, and contact damage.
#include "world/fountain.h"

#include <cstdlib>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/player_view.h"

namespace {

constexpr int kFountainBlip = 321;
constexpr float kNearSq = 6400.0f;

// A random value in [-1, 1) in hundredths.
float Jitter()
{
    return static_cast<float>(std::rand() % 200 - 100) / 100.0f;
}

}  // namespace

CWorldObject* MakeFountain(int objectId)
{
    return new CFountainObject(objectId);
}

CFountainObject::CFountainObject(int objectId)
{
    mId = objectId;
    FountainObjectRecord* row = gGameDatabase.GetFountainObject(objectId);
    if (!row) {
        os::PostFailureQuit("no fountain row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypeFountain, kFountainBlip);
    // The row's respawn time is not used: nothing destroys a fountain.
    mRespawnTime = 0;
    mMoveSpeed = row->velocity;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mFountainId = row->fountain_id;
    mCollisionDamage = row->collision_damage;
    mParticleId = row->particle_id;
    mParticleDelay = row->particle_delay;
    mWeaponDeviceId = row->weapon_device_id;
    mWeaponDelay = row->weapon_delay;
    mInvulnerableFlag = row->invulnerable ? 1 : 0;
    mAffiliate = kAffiliateNature;
    mExperienceValue = 100;
}

void CFountainObject::Update()
{
    mParticleClock += static_cast<int>(gFrameTimeMs);
    CWorldObject* player = gPlayerView ? gPlayerView->Ship() : nullptr;
    if (!player || Vec3LengthSq(Vec3::Difference(player->mPosition, mPosition)) > kNearSq)
        return;
    if (mWeaponDeviceId != 0)
        mWeaponClock += static_cast<int>(gFrameTimeMs);
    if (mParticleClock >= mParticleDelay) {
        mParticleClock = 0;
        const Vec3 point(mPosition.x + Jitter() * mSize, mPosition.y + Jitter() * mSize, mPosition.z);
        gResourceManager->AddParticle(mParticleId, &point, &gZeroVector, 0, 1.0f, nullptr);
    }
    if (mWeaponDeviceId != 0 && mWeaponClock >= mWeaponDelay) {
        mWeaponClock = 0;
        const Vec3 target(mPosition.x + Jitter(), mPosition.y + Jitter(), mPosition.z);
        gResourceManager->LaunchWeapon(mWeaponDeviceId, this, &mPosition, &target);
    }
}

void CFountainObject::DrawRadar()
{
    if (gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CFountainObject::Interact(CWorldObject* other)
{
    if (!other || !gPlayerView || other != gPlayerView->Ship())
        return;
    const float reach = (other->mSize + mSize) / 2.0f;
    if (Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition)) < reach * reach)
        other->TakeDamage(mCollisionDamage, 0);
}
