// The drift, touch test and pulse colours shared by the floating kinds.
#include "world/floating_object.h"

#include "core/frame_clock.h"
#include "core/message_log.h"
#include "ui/flight_view.h"
#include "world/player_view.h"

namespace {

constexpr float kDriftLoss = 0.1f;
constexpr float kStillSq = 0.0001f;

}  // namespace

void CFloatingObject::Drift()
{
    mVelocity.z = 0.0f;
    mPosition = Vec3::Sum(mPosition, Vec3::Scaled(mVelocity, gFrameScale));
    mVelocity = Vec3::Scaled(mVelocity, 1.0f - kDriftLoss * gFrameScale);
    if (Vec3LengthSq(mVelocity) < kStillSq)
        mVelocity = Vec3();
    ClampToSystem();
}

void CFloatingObject::ReplaceVelocity(const Vec3& impulse)
{
    mVelocity = Vec3(impulse.x, impulse.y, 0.0f);
}

bool CFloatingObject::Touches(const CWorldObject* other) const
{
    const float r = (other->mSize + mSize) / 2.0f;
    return Vec3LengthSq(Vec3::Difference(other->mPosition, mPosition)) < r * r;
}

bool CFloatingObject::IsPlayer(const CWorldObject* other)
{
    return gPlayerView && other == gPlayerView->Ship();
}

uint32_t GreenPulse(int pulse)
{
    return (static_cast<uint32_t>(pulse) << 16) + static_cast<uint32_t>(pulse) - 0xFF0100u;
}

uint32_t RedPulse(int pulse)
{
    return static_cast<uint32_t>(pulse) * 0x101u - 0x10000u;
}

void PostPickupMessage(const char* line)
{
    if (gFlightView)
        gFlightView->PostMessage(line);
    else
        PostFlightMessage(line);
}
