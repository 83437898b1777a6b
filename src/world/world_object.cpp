// The common fields and shared helpers of every space object.
#include "world/world_object.h"

#include <cstring>

#include "core/frame_clock.h"
#include "core/saturated.h"
#include "engine/resource_manager.h"

namespace {

constexpr int kQuestSparkleParticle = 2010;
constexpr int kSparkleIntervalMs = 500;
constexpr float kFlightPlaneZ = 30.0f;
}  // namespace

void CopyBounded(char* field, int size, const char* text)
{
    if (size <= 0)
        return;
    std::strncpy(field, text ? text : "", static_cast<size_t>(size) - 1);
    field[size - 1] = '\0';
}

CWorldObject::CWorldObject()
{
    // The quest marking sets the ring's sprite; until then the ring draws nothing.
    mMarkerSprite = SpriteDrawRecord{0, &mRadarX, &mRadarY, &mColour, &gUnitScale, &gUnitScale};
}

void CWorldObject::PlaceFromRow(const ObjectRow& row, int type, int radarSpriteId)
{
    mActive = 1;
    mVisible = 1;
    mExperienceValue = 0;
    mRespawnClock = 0;
    SetRadarSprite(radarSpriteId);
    mId = row.objectId;
    mSystemId = row.systemId;
    CopyBounded(mName, kObjectNameSize, row.name);
    mType = type;
    mPosition = Vec3(row.x, row.y, kFlightPlaneZ);
    mHomePosition = mPosition;
    mSize = row.size;
    mScale = Vec3(row.size, row.size, row.size);
    mRotation = Vec3();
    mVelocity = Vec3();
    mAlpha = 255;
    mColour = 0xFFFFFFFFu;
    mMeshFlag = 0;
    mMarked = 0;
}

void CWorldObject::SetRadarSprite(int spriteId)
{
    mRadarSpriteId = spriteId;
    mRadarBlip = SpriteDrawRecord{spriteId, &mRadarX, &mRadarY, &mColour, &gUnitScale, &gUnitScale};
}

void CWorldObject::FillMeshRecord(MeshDrawRecord& record, int meshId)
{
    record.meshId = meshId;
    record.position = &mPosition;
    record.rotation = &mRotation;
    record.scale = &mScale;
    record.alpha = &mAlpha;
    record.wireFrame = &mMeshFlag;
    record.colour = &mColour;
}

void CWorldObject::PlaceRadarBlip(float offset)
{
    const float width = gResourceManager->mSystemWidth;
    const float height = gResourceManager->mSystemHeight;
    mRadarX = PixelCoordinate((width / 2.0f + mPosition.x) / width * 120.0f + 675.0f - offset);
    mRadarY = PixelCoordinate(595.0f - (height / 2.0f + mPosition.y) / height * 120.0f - offset);
}

void CWorldObject::DrawRadarBlip()
{
    if (!mActive || gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    if (mRadarX < 675 || mRadarY < 476)
        return;
    gResourceManager->DrawSpriteTransformed(mRadarBlip);
    DrawMinimapBlip();
}

void CWorldObject::DrawMinimapBlip()
{
    if (!mMarked)
        return;
    if (mMarkerGrowing) {
        mMarkerPulse += 0.1f;
        if (mMarkerPulse >= 3.0f)
            mMarkerGrowing = 0;
    } else {
        mMarkerPulse -= 0.1f;
        if (mMarkerPulse <= 1.0f)
            mMarkerGrowing = 1;
    }
    const int x = mRadarX;
    const int y = mRadarY;
    const int shift = static_cast<int>((mMarkerPulse - 1.0f) * 4.0f);
    mRadarX = x - shift;
    mRadarY = y - shift;
    gResourceManager->DrawSpriteTransformed(mMarkerSprite);
    mRadarX = x;
    mRadarY = y;
}

void CWorldObject::EmitTrail()
{
    if (!mMarked)
        return;
    mMarkerClock += static_cast<int>(gFrameTimeMs);
    if (mMarkerClock < kSparkleIntervalMs)
        return;
    mMarkerClock = 0;
    // The quest marking fills the marker record; until then there is nothing to follow.
    if (!mMarker.scale || !mMarker.position)
        return;
    gResourceManager->AddParticle(kQuestSparkleParticle, &gZeroVector, &gZeroVector, 0, *mMarker.scale / 10.0f,
                                  mMarker.position);
}

void CWorldObject::ClampToSystem()
{
    const float halfWidth = gResourceManager->mSystemWidth / 2.0f;
    const float halfHeight = gResourceManager->mSystemHeight / 2.0f;
    if (mPosition.x > halfWidth)
        mPosition.x = halfWidth;
    else if (mPosition.x < -halfWidth)
        mPosition.x = -halfWidth;
    if (mPosition.y > halfHeight)
        mPosition.y = halfHeight;
    else if (mPosition.y < -halfHeight)
        mPosition.y = -halfHeight;
}
