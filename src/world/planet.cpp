// Planets and suns: turning, drawing, the radar blip and the push out of the surface.
#include "world/planet.h"

#include <cstring>

#include "core/angle.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "platform/os/message_queue.h"

namespace {

constexpr int kPlanetBlip = 305;
constexpr int kHaloSprite = 816;
constexpr float kTurnStep = 0.0174533f;
constexpr float kFullTurn = 6.28318f;
constexpr float kHaloSpread = 0.349f;
// The halo is drawn behind the flight plane.
constexpr float kHaloZ = 16.0f;
constexpr float kFlightPlaneZ = 30.0f;

}  // namespace

CWorldObject* MakePlanet(int objectId)
{
    return new CPlanetObject(objectId);
}

CPlanetObject::CPlanetObject(int objectId)
{
    mId = objectId;
    PlanetObjectRecord* row = gGameDatabase.GetPlanetObject(objectId);
    if (!row) {
        os::PostFailureQuit("no planet row for object %d", objectId);
        return;
    }
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, row->size},
                 kTypePlanet, kPlanetBlip);
    mPlanetId = row->planet_id;
    mIsSun = std::strcmp(mName, "Sun") == 0 ? 1 : 0;
    mRingSpriteId = row->ring_sprite_id;
    mCommonRate = row->common_rate;
    mUncommonRate = row->uncommon_rate;
    mRareRate = row->rare_rate;
    mExoticRate = row->exotic_rate;
    mSolid = 0;
    mAffiliate = kAffiliateNature;
    mRespawnTime = 0;
    mRadarBlip.xScale = &mBlipScale;
    mRadarBlip.yScale = &mBlipScale;
    FillMeshRecord(mMesh, kSphereMesh);
    mMesh.textureSpriteId = row->sprite_id;
    mMesh.glowSpriteId = row->glow_sprite_id;
    mMesh.textured = 1;
    mHaloSize = 2.0f * mSize;
    mHalo = TrailDrawRecord{kHaloSprite, &mPosition, &gZeroVector,   &mHaloAngle,     &mHaloSize,
                            &mHaloAlpha, &mColour,   &gNoTrailCount, &gNoTrailSpacing};
}

void CPlanetObject::Update()
{
    mRotation.z += kTurnStep * gFrameScale;
    mRotation.z = WrappedAngle(mRotation.z, kFullTurn);
}

void CPlanetObject::Render()
{
    if (!mIsSun) {
        gResourceManager->RenderMesh(mMesh, false);
        return;
    }
    mHaloAngle += kTurnStep * gFrameScale;
    const float angle = mHaloAngle;
    mPosition.z = kHaloZ;
    gResourceManager->DrawTrail(mHalo);
    mHaloAngle -= kHaloSpread;
    gResourceManager->DrawTrail(mHalo);
    mHaloAngle = -mHaloAngle;
    gResourceManager->DrawTrail(mHalo);
    mHaloAngle -= kHaloSpread;
    gResourceManager->DrawTrail(mHalo);
    mHaloAngle = angle;
    mPosition.z = kFlightPlaneZ;
}

void CPlanetObject::DrawRadar()
{
    const float width = gResourceManager->mSystemWidth;
    if (width == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    mBlipScale = mSize * 15.0f / width;
    PlaceRadarBlip(mBlipScale * 4.0f);
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CPlanetObject::Interact(CWorldObject* other)
{
    if (!other->mSolid)
        return;
    const float reach = other->mSize + mSize;
    // Both in the flight plane, whatever their z.
    const Vec3 away(other->mPosition.x - mPosition.x, other->mPosition.y - mPosition.y, 0.0f);
    if (Vec3LengthSq(away) > reach * reach)
        return;
    // An object at the very centre has no direction out and stays where it is.
    const Vec3 unit = UnitVec3(away);
    other->mPosition = Vec3::Sum(mPosition, Vec3::Scaled(unit, reach));
}

void CPlanetObject::GetName(char* out)
{
    std::strcpy(out, mName);
}

bool CPlanetObject::HitTestSegment(const Vec3* from, const Vec3* to, float radius)
{
    const float extent = mSize / 2.0f + radius;
    const gfx::Vector3 low{mPosition.x - extent, mPosition.y - extent, -100.0f};
    const gfx::Vector3 high{mPosition.x + extent, mPosition.y + extent, 100.0f};
    return gfx::BoxBoundProbe(low, high, from->ToGfx(), Vec3::Difference(*to, *from).ToGfx());
}

void CPlanetObject::GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover)
{
    const float half = mSize / 1.6f + mover->mSize;
    const float z = mover->mPosition.z;
    *c0 = Vec3(mPosition.x + half, mPosition.y + half, z);
    *c1 = Vec3(mPosition.x - half, mPosition.y + half, z);
    *c2 = Vec3(mPosition.x - half, mPosition.y - half, z);
    *c3 = Vec3(mPosition.x + half, mPosition.y - half, z);
}
