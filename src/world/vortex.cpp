// Vortices: the turning swirl, the pull and the core.
#include "world/vortex.h"

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kVortexBlip = 309;
constexpr float kTurnStep = 0.0174533f;
constexpr float kFullTurn = 6.28318f;
constexpr float kCopyStep = 0.174533f;
// The pull never grows past force / 1.
constexpr float kLeastDivisor = 1.0f;

}  // namespace

CWorldObject* MakeVortex(int objectId)
{
    return new CVortex(objectId);
}

CVortex::CVortex(int objectId)
{
    mId = objectId;
    VortexObjectRecord* row = gGameDatabase.GetVortexObject(objectId);
    if (!row) {
        os::PostFailureQuit("no vortex row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{objectId, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size}, kTypeVortex,
                 kVortexBlip);
    mVortexId = row->vortex_id;
    mForce = row->force;
    mMaxHitPoints = mHitPoints = kCoreDamage;
    mAffiliate = kAffiliateNature;
    mExperienceValue = 100;
    mSolid = 0;
    mDirection = Vec3();
    mMoveSpeed = 0.0f;
    mRespawnTime = 0;
    mSwirl = TrailDrawRecord{kSwirlSprite, &mPosition, &mDirection,    &mSpin,          &mSize,
                             &mAlpha,      &mColour,   &gNoTrailCount, &gNoTrailSpacing};
}

void CVortex::Update()
{
    mSpin += gFrameScale * kTurnStep;
    mSpin = WrappedAngle(mSpin, kFullTurn);
}

void CVortex::Render()
{
    const float spin = mSpin;
    gResourceManager->DrawTrail(mSwirl);
    mSpin = -mSpin;
    gResourceManager->DrawTrail(mSwirl);
    mSpin -= kCopyStep;
    gResourceManager->DrawTrail(mSwirl);
    mSpin -= kCopyStep;
    gResourceManager->DrawTrail(mSwirl);
    mSpin = -mSpin + kCopyStep;
    gResourceManager->DrawTrail(mSwirl);
    mSpin += kCopyStep;
    gResourceManager->DrawTrail(mSwirl);
    mSpin += kCopyStep;
    gResourceManager->DrawTrail(mSwirl);
    mSpin = -mSpin;
    gResourceManager->DrawTrail(mSwirl);
    mSpin = spin;
}

void CVortex::DrawRadar()
{
    if (gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CVortex::Interact(CWorldObject* other)
{
    const Vec3 inward = Vec3::Difference(mPosition, other->mPosition);
    const float distanceSq = Vec3LengthSq(inward);
    const float core = (other->mSize + mSize) / 2.0f;
    if (distanceSq < core * core)
        other->TakeDamage(mCoreDamage, 0);
    if (other->mType == kTypeShot)
        return;
    float divisor = distanceSq - 2.0f * core * core;
    if (divisor < kLeastDivisor)
        divisor = kLeastDivisor;
    const Vec3 unit = UnitVec3(inward);
    other->Push(Vec3::Scaled(unit, mForce / divisor));
}
