// The ship snapshots a peer sends of its own ship and, as host, of the remote ships it knows.
#include <algorithm>

#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"

namespace {

template <typename Ship>
void FillShipFields(MsgShipSnapshot& out, Ship& ship)
{
    out.hullId = ship.mShipId;
    out.communication = ship.mCommunication;
    out.engineering = ship.mEngineering;
    out.navigation = ship.mNavigation;
    out.science = ship.mScience;
    out.tactical = ship.mTactical;
    out.pilotLevel = ship.mLevel;
    out.pilotName = ship.mPilotName;
    out.colour = ship.mColour;
    out.engineId = ship.mEngine ? ship.mEngine->mDeviceId : 0;
    out.shieldId = ship.mShield ? ship.mShield->mDeviceId : 0;
    out.armorId = ship.mArmor ? ship.mArmor->mDeviceId : 0;
    out.fuel = ship.mEngine ? ship.mEngine->mFuel : 0;
    out.affiliate = ship.mAffiliate;
    out.weaponCount = std::min(ship.mWeaponCount, kSnapshotListSize);
    for (int i = 0; i < out.weaponCount; ++i) {
        out.weapons[i] = ship.mWeapons[i]->mDeviceId;
        const auto ammo = ship.mAmmo.find(out.weapons[i]);
        out.ammunition[i] = ammo == ship.mAmmo.end() ? 0 : ammo->second;
    }
    out.carriedCount = std::min(ship.mCarriedCount, kSnapshotListSize);
    for (int i = 0; i < out.carriedCount; ++i)
        out.carried[i] = ship.mCarried[i]->mDeviceId;
}

}  // namespace

MsgShipSnapshot BuildShipSnapshot()
{
    MsgShipSnapshot out;
    FillShipFields(out, *gPlayerShip);
    out.shipName = gPlayerShip->mShipName;
    for (int i = 0; i < out.carriedCount; ++i) {
        const auto amount = gPlayerShip->mAmmo.find(out.carried[i]);
        out.amounts[i] = amount == gPlayerShip->mAmmo.end() ? 0 : amount->second;
    }
    out.objectId = gNetworkManager.mOwnObjectId;
    return out;
}

MsgShipSnapshot BuildObjectSnapshot(const CRemoteShip& ship)
{
    MsgShipSnapshot out;
    FillShipFields(out, ship);
    for (int i = 0; i < out.carriedCount; ++i) {
        const auto amount = ship.mCarriedAmounts.find(out.carried[i]);
        out.amounts[i] = amount == ship.mCarriedAmounts.end() ? 0 : amount->second;
    }
    out.objectId = ship.mId;
    return out;
}

bool SameOutfit(const MsgShipSnapshot& a, const MsgShipSnapshot& b)
{
    if (a.hullId != b.hullId || a.engineId != b.engineId || a.shieldId != b.shieldId || a.armorId != b.armorId ||
        a.weaponCount != b.weaponCount)
        return false;
    const int count = std::clamp<int32_t>(a.weaponCount, 0, kSnapshotListSize);
    return std::equal(a.weapons.begin(), a.weapons.begin() + count, b.weapons.begin());
}
