// Nebulae: the turning, breathing cloud, its radar blip and what it does to what is inside.
#include "world/nebula.h"

#include <cstdio>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "world/actor.h"

namespace {

constexpr int kNebulaBlip = 301;
constexpr float kTurnStep = 0.0174533f;
constexpr float kFullTurn = 6.28318f;
constexpr float kCopySpread = 0.349f;
// The cloud is drawn behind the flight plane.
constexpr float kCloudZ = 15.0f;
constexpr float kFlightPlaneZ = 30.0f;
constexpr int kLowAlpha = 50;
constexpr int kHighAlpha = 150;
constexpr int kTickMs = 499;

// One flag sets whether every nebula fades or brightens.
bool gNebulaFalling = true;

// Type 3 is counted among the ships, though no kind of ours takes it.
bool CatchesAilment(int type)
{
    return type == kTypePlayer || type == kTypeLeadShip || type == kTypeWingman || type == 3;
}

}  // namespace

CWorldObject* MakeNebula(int objectId)
{
    return new CNebulaObject(objectId);
}

void CNebulaObject::ResetBreathing()
{
    gNebulaFalling = true;
}

CNebulaObject::CNebulaObject(int objectId)
{
    mId = objectId;
    mFrameSprites.push_back(0);
    NebulaObjectRecord* row = gGameDatabase.GetNebulaObject(objectId);
    if (!row) {
        os::PostFailureQuit("no nebula row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 row->object_type, kNebulaBlip);
    mHurtSound = SoundRequest{kHurtSound, &mPosition};
    mAilmentId = row->ailment_id;
    mNebulaId = row->nebula_id;
    mFrameSprites.clear();
    for (int i = 0; i < row->num_sprites; ++i)
        mFrameSprites.push_back(row->sprite_id + i);
    if (mFrameSprites.empty())
        mFrameSprites.push_back(row->sprite_id);
    // A frame without its row is drawn blank.
    for (int sprite : mFrameSprites) {
        if (!gGameDatabase.GetSprite(sprite))
            std::fprintf(stderr, "varnok: nebula %d names sprite %d, which has no sprite row\n", objectId, sprite);
    }
    mFrameCount = row->num_sprites;
    mDamage = row->damage;
    mColour = row->color_mod;
    mSolid = 0;
    mRespawnTime = 0;
    mScale = Vec3(0.75f * mSize, 0.75f * mSize, 0.75f * mSize);
    mAlpha = 100;
    mCloudSize = mSize / 1.4f;
    mRadarBlip.xScale = &mBlipScale;
    mRadarBlip.yScale = &mBlipScale;
    mCloud = TrailDrawRecord{mFrameSprites[0], &mPosition, &gZeroVector,   &mCloudAngle,    &mCloudSize,
                             &mAlpha,          &mColour,   &gNoTrailCount, &gNoTrailSpacing};
}

void CNebulaObject::Update()
{
    mCloudAngle += kTurnStep * gFrameScale;
    mCloudAngle = WrappedAngle(mCloudAngle, kFullTurn);
    if (gNebulaFalling) {
        if (--mAlpha < kLowAlpha + 1) {
            mAlpha = kLowAlpha;
            gNebulaFalling = false;
        }
    } else if (++mAlpha >= kHighAlpha) {
        mAlpha = kHighAlpha;
        gNebulaFalling = true;
    }
}

void CNebulaObject::Render()
{
    const int sprite = mCloud.spriteId;
    const float angle = mCloudAngle;
    mPosition.z = kCloudZ;
    gResourceManager->DrawTrail(mCloud);
    mCloudAngle = angle - kCopySpread;
    gResourceManager->DrawTrail(mCloud);
    mCloudAngle = -(angle - 2.0f * kCopySpread);
    gResourceManager->DrawTrail(mCloud);
    mCloudAngle = -(angle - 2.0f * kCopySpread) + kCopySpread;
    gResourceManager->DrawTrail(mCloud);
    mCloudAngle = angle;
    mCloud.spriteId = sprite;
    mPosition.z = kFlightPlaneZ;
}

void CNebulaObject::DrawRadar()
{
    const float width = gResourceManager->mSystemWidth;
    if (width == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    mBlipScale = mSize * 15.0f / width;
    PlaceRadarBlip(mBlipScale * 4.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
}

void CNebulaObject::Interact(CWorldObject* other)
{
    // An expired or destroyed cloud touches nothing.
    if (!mActive)
        return;
    const float reach = (other->mSize + mSize) / 2.0f;
    if (Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition)) >= reach * reach ||
        gResourceManager->mNextSystem != 0)
        return;
    if (mAilmentId != 0 && CatchesAilment(other->mType)) {
        if (auto* actor = dynamic_cast<CActor*>(other))
            actor->ApplyAilment(mAilmentId, false);
    }
    if (mDamage > 0) {
        // The cloud's own clock: every object inside advances it, the one that crosses the tick is hurt.
        mDamageClock += static_cast<int>(gFrameTimeMs);
        if (mDamageClock > kTickMs) {
            if (other->mType == kTypePlayer)
                gResourceManager->PlaySoundAt(mHurtSound);
            other->TakeDamage(mDamage, 0);
            mDamageClock = 0;
        }
    }
    if (other->mType == kTypeShot)
        other->Push(gZeroVector);
}
