// Phantoms: roaming with pauses, shedding particles, pursuit and touch damage.
#include "world/phantom.h"

#include <algorithm>
#include <cstdlib>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kPhantomBlip = 321;
constexpr int kReleasedHitPoints = 100;
constexpr int kTouchPeriodMs = 500;
constexpr int kMaxPauseMs = 2000;
constexpr float kFlightPlaneZ = 30.0f;

bool IsShip(int type)
{
    return type == kTypePlayer || type == kTypeWingman || type == kTypeLeadShip;
}

// A random spread of +-1 (in hundredths) times the size.
float Spread(float size)
{
    return static_cast<float>(std::rand() % 200 - 100) / 100.0f * size;
}

// A random coordinate across a system side; a side narrower than 1 gives its centre.
float RandomAcross(float side)
{
    const int span = static_cast<int>(side);
    if (span < 1)
        return 0.0f;
    return static_cast<float>(std::rand() % span - span / 2);
}

}  // namespace

CWorldObject* MakePhantom(int objectId)
{
    return new CPhantomObject(objectId);
}

CPhantomObject::CPhantomObject(int objectId)
{
    mId = objectId;
    PhantomObjectRecord* row = gGameDatabase.GetPhantomObject(objectId);
    if (!row) {
        os::PostFailureQuit("no phantom row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypePhantom, kPhantomBlip);
    SetCommonFields(row->size, row->velocity);
    mPhantomId = row->phantom_id;
    mMaxHitPoints = mHitPoints = row->hit_points;
    mDamage = row->damage;
    mParticleId = row->particle_id;
    mParticleDelay = row->particle_delay;
    mPursuitRangeSq = row->pursuit_range * row->pursuit_range;
    mAffiliate = kAffiliateNature;
    mLifetime = kForever;
    mDestination = mPosition;
}

CPhantomObject::CPhantomObject(float x, float y, float z, int damage, float size, float pursuitRange, int particleId,
                               int particleDelay, float velocity, int aliveTime, int affiliate)
{
    PlaceFromRow(
        ObjectRow{gResourceManager->NextTempObjectId(), gResourceManager->mCurrentSystemId, "Phantom", x, y, size},
        kTypePhantom, kPhantomBlip);
    mPosition.z = z;
    mHomePosition = mPosition;
    SetCommonFields(size, velocity);
    mPhantomId = 1;
    mMaxHitPoints = mHitPoints = kReleasedHitPoints;
    mDamage = damage;
    mParticleId = particleId;
    mParticleDelay = particleDelay;
    mPursuitRangeSq = pursuitRange * pursuitRange;
    mAffiliate = affiliate;
    mLifetime = aliveTime * 1000;
    mDestination = mPosition;
}

void CPhantomObject::SetCommonFields(float size, float speed)
{
    mExperienceValue = 100;
    mColour = 0xFFFFFFFFu;
    mRespawnTime = 0;
    mSize = size;
    mScale = Vec3(size, size, size);
    mMoveSpeed = speed;
}

void CPhantomObject::Update()
{
    if (!mActive)
        return;
    if (mLifetime != kForever) {
        if (mLifetime < 1) {
            mActive = 0;
            return;
        }
        mLifetime -= static_cast<int>(gFrameTimeMs);
    }
    mParticleClock += static_cast<int>(gFrameTimeMs);
    if (mParticleDelay <= mParticleClock) {
        mParticleClock = 0;
        Vec3 point = mPosition;
        point.x += Spread(mSize);
        point.y += Spread(mSize);
        gResourceManager->AddParticle(mParticleId, &point, &gZeroVector, 0, 1.0f, nullptr);
    }
    const float step = gFrameScale * mMoveSpeed;
    if (!mPaused) {
        if (Vec3LengthSq(Vec3::Difference(mDestination, mPosition)) <= step * step) {
            mPosition = mDestination;
            mPaused = 1;
            mPauseTime = std::rand() % kMaxPauseMs;
            mPauseClock = 0;
            PickNextDestination();
        } else {
            Vec3::Add(mPosition, Vec3::Scaled(mHeading, step));
        }
    } else {
        mPauseClock += static_cast<int>(gFrameTimeMs);
        if (mPauseClock > mPauseTime)
            mPaused = 0;
    }
}

void CPhantomObject::PickNextDestination()
{
    const float x = RandomAcross(gResourceManager->mSystemWidth);
    const float y = RandomAcross(gResourceManager->mSystemHeight);
    mDestination = Vec3(x, y, kFlightPlaneZ);
    mPosition.z = kFlightPlaneZ;
    mHeading = UnitVec3(Vec3::Difference(mDestination, mPosition));
}

void CPhantomObject::DrawRadar()
{
    if (!mActive || gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

float CPhantomObject::ContactReach() const
{
    return std::max(std::fabs(mSize) / 2.0f, std::sqrt(std::fabs(mPursuitRangeSq)));
}

void CPhantomObject::Interact(CWorldObject* other)
{
    // The pass offers the player to every object, live or not: an expired phantom is gone.
    if (!mActive)
        return;
    const float distanceSq = Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition));
    const float reach = (other->mSize + mSize) / 2.0f;
    if (distanceSq < reach * reach && (other->mAffiliate == kAffiliateNature || other->mAffiliate != mAffiliate)) {
        mTouchClock += static_cast<int>(gFrameTimeMs);
        if (mTouchClock > kTouchPeriodMs) {
            other->TakeDamage(mDamage, 0);
            mTouchClock = 0;
        }
    }
    if (other->mActive && other->mAffiliate != mAffiliate && IsShip(other->mType) && distanceSq < mPursuitRangeSq) {
        mDestination = Vec3(other->mPosition.x, other->mPosition.y, kFlightPlaneZ);
        mPosition.z = kFlightPlaneZ;
        mHeading = UnitVec3(Vec3::Difference(mDestination, mPosition));
    }
}
