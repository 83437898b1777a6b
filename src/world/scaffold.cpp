// Scaffolds: the bar's segments, its radar blip, the push-out and the obstacle tests.
#include "world/scaffold.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/gfx/math.h"
#include "platform/os/message_queue.h"
#include "world/player_view.h"

namespace {

constexpr int kScaffoldBlip = 316;
constexpr int kGhostMesh = 1056;
constexpr float kTurnStep = 0.0174533f;
constexpr float kDrawReachSq = 14400.0f;

bool IsShip(int type)
{
    return type == kTypePlayer || type == kTypeWingman || type == kTypeLeadShip;
}

// Where a coordinate goes to leave the bar on its own side.
float OutTo(float self, float other, float half)
{
    return other <= self ? self - half : self + half;
}

}  // namespace

CWorldObject* MakeScaffold(int objectId)
{
    return new CScaffoldObject(objectId);
}

CScaffoldObject::CScaffoldObject(int objectId)
{
    mId = objectId;
    ScaffoldObjectRecord* row = gGameDatabase.GetScaffoldObject(objectId);
    if (!row) {
        os::PostFailureQuit("no scaffold row for object %d", objectId);
        return;
    }
    // The row's size is not used: every segment is the same.
    PlaceFromRow(ObjectRow{row->object_id, row->system_id, row->object_name, row->x_pos, row->y_pos, kSegmentLength},
                 kTypeScaffold, kScaffoldBlip);
    mSolid = 1;
    mAffiliate = kAffiliateNature;
    mRespawnTime = 0;
    mRadarBlip.xScale = &mBlipScaleX;
    mRadarBlip.yScale = &mBlipScaleY;
    mScaffoldId = row->scaffold_id;
    mLength = row->length;
    mMoveSpeed = 0.0f;
    mHitPoints = mMaxHitPoints = 1;
    mMeshId = row->mesh_id;
    mHorizontal = row->horizontal ? 1 : 0;
    mRotation = mHorizontal ? Vec3() : Vec3(0.0f, 0.0f, 1.5708f);
    if (mMeshId == kGhostMesh) {
        mAlpha = 160;
        mColour = 0xA0FFFFFFu;
    }
    FillMeshRecord(mMesh, mMeshId);
    mLightPosition = &mPosition;
}

void CScaffoldObject::Update()
{
    mRotation.x += kTurnStep * gFrameScale;
}

void CScaffoldObject::Render()
{
    CWorldObject* player = gPlayerView ? gPlayerView->Ship() : nullptr;
    if (!player)
        return;
    const Vec3 centre = mPosition;
    float& along = mHorizontal ? mPosition.x : mPosition.y;
    along -= static_cast<float>(mLength) * (kSegmentLength / 2.0f);
    // Only segments within reach of the player can be drawn, so the walk starts a step before the
    // first of them and ends a step after the last: a bar of any length costs a few segments.
    const double playerAlong = mHorizontal ? player->mPosition.x : player->mPosition.y;
    const double reachInSegments = std::sqrt(kDrawReachSq) / kSegmentLength;
    const double nearest = (playerAlong - along) / kSegmentLength;
    if (!std::isfinite(nearest)) {
        mPosition = centre;
        return;
    }
    const double segments = std::max(mLength, 0);
    const int first = static_cast<int>(std::clamp(std::floor(nearest - reachInSegments) - 1.0, 0.0, segments));
    const int end = static_cast<int>(std::clamp(std::ceil(nearest + reachInSegments) + 2.0, 0.0, segments));
    along += static_cast<float>(first) * kSegmentLength;
    for (int segment = first; segment < end; ++segment) {
        if (Vec3LengthSq(Vec3::Difference(player->mPosition, mPosition)) < kDrawReachSq)
            gResourceManager->RenderMesh(mMesh, false);
        along += kSegmentLength;
    }
    mPosition = centre;
}

void CScaffoldObject::DrawRadar()
{
    const float width = gResourceManager->mSystemWidth;
    if (width == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    const float stretch = static_cast<float>(mLength) * 150.0f / width;
    mBlipScaleX = mHorizontal ? stretch : 0.5f;
    mBlipScaleY = mHorizontal ? 0.5f : stretch;
    PlaceRadarBlip(0.0f);
    if (mHorizontal) {
        mRadarX -= 4;
        mRadarY -= static_cast<int>(mBlipScaleY * 4.0f);
    } else {
        mRadarX -= static_cast<int>(mBlipScaleX * 4.0f);
    }
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CScaffoldObject::Interact(CWorldObject* other)
{
    if (!other->mSolid) {
        other->TakeDamage(0, 0);
        return;
    }
    if (!IsShip(other->mType) || other->mSize == 0.0f)
        return;
    const float across = (kSegmentLength + other->mSize) / 1.3f;
    const float along = (static_cast<float>(mLength) * kSegmentLength + other->mSize) / 1.8f;
    Vec3& at = other->mPosition;
    if (mHorizontal) {
        const float ox = std::fabs(mPosition.x - at.x) - along;
        const float oy = std::fabs(mPosition.y - at.y) - across;
        if (ox > 0.0f || oy > 0.0f)
            return;
        if (oy <= ox)
            at.x = OutTo(mPosition.x, at.x, along);
        else
            at.y = OutTo(mPosition.y, at.y, across);
    } else {
        const float ox = std::fabs(mPosition.x - at.x) - across;
        const float oy = std::fabs(mPosition.y - at.y) - along;
        if (ox > 0.0f || oy > 0.0f)
            return;
        if (ox <= oy)
            at.y = OutTo(mPosition.y, at.y, along);
        else
            at.x = OutTo(mPosition.x, at.x, across);
    }
}

void CScaffoldObject::GetName(char* out)
{
    std::strcpy(out, "Stellar Scaffold");
}

bool CScaffoldObject::HitTestSegment(const Vec3* from, const Vec3* to, float radius)
{
    const float across = radius + kSegmentLength / 2.0f;
    const float along = static_cast<float>(mLength) / 2.0f + radius;
    const float halfX = mHorizontal ? along : across;
    const float halfY = mHorizontal ? across : along;
    const gfx::Vector3 low{mPosition.x - halfX, mPosition.y - halfY, -100.0f};
    const gfx::Vector3 high{mPosition.x + halfX, mPosition.y + halfY, 100.0f};
    return gfx::BoxBoundProbe(low, high, from->ToGfx(), Vec3::Difference(*to, *from).ToGfx());
}

void CScaffoldObject::GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover)
{
    const float across = 11.2f + mover->mSize;
    const float along = static_cast<float>(mLength) * 36.0f + mover->mSize;
    const float halfX = mHorizontal ? along : across;
    const float halfY = mHorizontal ? across : along;
    const float z = mover->mPosition.z;
    *c0 = Vec3(mPosition.x + halfX, mPosition.y + halfY, z);
    *c1 = Vec3(mPosition.x - halfX, mPosition.y + halfY, z);
    *c2 = Vec3(mPosition.x - halfX, mPosition.y - halfY, z);
    *c3 = Vec3(mPosition.x + halfX, mPosition.y - halfY, z);
}
