// The one check of a peer's ids, floats, points and levels, made as each message is decoded.
#include "net/net_plausible.h"

#include <cmath>
#include <limits>

#include "engine/resource_manager.h"
#include "net/network_manager.h"
#include "ships/ship.h"

namespace {

// Ships drift past the edge, and a shot leaves a hull's size ahead with its spread; no ship goes
// this far out. A shot's point lies up to the content's longest weapon range beyond that.
constexpr float kDriftMargin = 1000.0f;
// Ships and shots keep near the flight plane.
constexpr float kMaxDepth = 1000.0f;
// Headings are kept within a turn and a tumbling ship's angles grow by little more.
constexpr float kMaxAngle = 4.0f * 6.28318f;
// A push is capped at the hull's limit; the sender's float rounding may show a hair above it.
constexpr float kPushRounding = 1.001f;
// Far above any pilot's level or skill, and low enough that the skill factors keep damage and
// speed within what an int and a float hold.
constexpr int kMaxLevel = 10000;
// A ship's hull, shield and armor points, each within this, sum to an int.
constexpr int kMaxPoints = std::numeric_limits<int>::max() / 3;

bool IsSessionObjectId(int id)
{
    return id >= kFirstObjectId && id <= kLastObjectId;
}

// Inside the current system's box, margin included; z stays near the flight plane.
bool InBounds(const Vec3& point)
{
    if (!Vec3IsFinite(point))
        return false;
    const float margin = kDriftMargin + gResourceManager->LongestWeaponRange();
    const float halfWidth = gResourceManager->mSystemWidth / 2.0f + margin;
    const float halfHeight = gResourceManager->mSystemHeight / 2.0f + margin;
    return std::fabs(point.x) <= halfWidth && std::fabs(point.y) <= halfHeight && std::fabs(point.z) <= kMaxDepth;
}

bool PointsInRange(int points)
{
    return points >= -kMaxPoints && points <= kMaxPoints;
}

bool AnglesInRange(const Vec3& angles)
{
    return Vec3IsFinite(angles) && std::fabs(angles.x) <= kMaxAngle && std::fabs(angles.y) <= kMaxAngle &&
           std::fabs(angles.z) <= kMaxAngle;
}

// No faster than a push can move the hull the message names; only another player's ship takes a state.
bool PushInRange(int objectId, const Vec3& velocity)
{
    const auto* ship = dynamic_cast<const CShip*>(gResourceManager->FindOtherPlayer(objectId));
    if (!ship || !Vec3IsFinite(velocity))
        return false;
    const float limit = ship->MaxPushSpeed() * kPushRounding;
    return Vec3LengthSq(velocity) <= limit * limit;
}

}  // namespace

bool IsPlausible(const MsgObjectState& message)
{
    return IsSessionObjectId(message.objectId) && PointsInRange(message.hitPoints) && InBounds(message.position);
}

bool IsPlausible(const MsgShipState& message)
{
    if (!IsSessionObjectId(message.objectId) || !PointsInRange(message.hitPoints) ||
        !PointsInRange(message.shieldPoints) || !PointsInRange(message.armorPoints) ||
        !PushInRange(message.objectId, message.velocity))
        return false;
    // Where a ship of another system flies is measured by that system, and not used here.
    const bool here = message.systemId == gResourceManager->mPlaceSystemId || message.systemId == kNoSystemTold;
    return !here ||
           (InBounds(message.position) && InBounds(message.destination) && AnglesInRange(message.rotation));
}

bool IsPlausible(const MsgRemoteFire& message)
{
    return IsSessionObjectId(message.objectId) && InBounds(message.target);
}

bool IsPlausible(const MsgWeaponSlot& message)
{
    return IsSessionObjectId(message.objectId);
}

bool IsPlausible(const MsgDestination& message)
{
    return IsSessionObjectId(message.objectId) && InBounds(message.destination);
}

bool IsPlausible(const MsgShipSnapshot& message)
{
    for (int level : {message.pilotLevel, message.communication, message.engineering, message.navigation,
                      message.science, message.tactical}) {
        if (level < 0 || level > kMaxLevel)
            return false;
    }
    return IsSessionObjectId(message.objectId);
}

bool IsPlausible(const MsgObjectIdAssigned& message)
{
    return IsSessionObjectId(message.objectId);
}

bool IsPlausible(const MsgCreateShot& message)
{
    return IsSessionObjectId(message.ownerId) && CResourceManager::IsTempObjectId(message.shotId) &&
           InBounds(message.point);
}

bool IsPlausible(const MsgIdHolder& message)
{
    return IsSessionObjectId(message.objectId) && message.player != netpeer::kAllPlayers;
}

bool IsPlausible(const MsgShotBlow& message)
{
    return IsSessionObjectId(message.objectId) && IsSessionObjectId(message.ownerId) &&
           CResourceManager::IsTempObjectId(message.shotId) && message.damage > 0 && message.damage <= kMaxPoints;
}
