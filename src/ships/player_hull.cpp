// The player's hull: its figures from the hull row, and trading it for another at a shipyard.
#include "db/game_database.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"

void CPlayerShip::ApplyHull(const ShipRecord& hull)
{
    mShipId = hull.ship_id;
    mMaxHitPoints = mHitPoints = hull.max_hit_points;
    mExperienceValue = hull.experience_value;
    mSize = hull.size;
    mScale = Vec3(mSize, mSize, mSize);
    mShipLevel = hull.ship_level;
    mCargoCapacity = hull.max_cargo;
    mHullCreditValue = hull.credit_value;
    SetShipTexts(hull.ship_type, hull.alignment);
    SetHullMesh(hull.mesh_id);
}

bool CPlayerShip::ChangeHull(int shipId)
{
    const ShipRecord* hull = gGameDatabase.GetShip(shipId);
    if (!hull)
        return false;
    ApplyHull(*hull);
    // Engine speeds, the shield's outline and the regeneration periods follow the hull's size.
    if (mEngine)
        mEngine->Attach(this);
    if (mArmor)
        mArmor->Attach(this);
    if (mShield)
        mShield->Attach(this);
    return true;
}
