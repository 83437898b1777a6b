// What the peers learn of this player's ship while a network game runs: its state and system a
// few times a second, steering them toward where it is heading, its snapshot again when it
// respawns or is refitted, and every shot it fires.
#include <set>

#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "net/network_manager.h"
#include "ships/armor.h"
#include "ships/beam_shot.h"
#include "ships/player_ship.h"
#include "ships/projectile_shot.h"
#include "ships/shield.h"
#include "ships/shockwave_shot.h"
#include "ships/weapon_records.h"

namespace {

constexpr uint32_t kStateIntervalMs = 100;
// How many intervals ahead the peers are told to steer: the ship still moves when the next
// state is late, and stops where it stops.
constexpr float kIntervalsAhead = 2.0f;
// The ship's speed is in units per 100 ms.
constexpr float kMsPerSpeedUnit = 100.0f;

struct SentShot {
    int kind = 0;
    int deviceId = 0;
    Vec3 point;
};

// What the peers need to build the shot again: its kind, its weapon and the point its network
// constructor takes; kind 0 for the kinds that are not sent.
SentShot Describe(CShot& shot)
{
    if (auto* beam = dynamic_cast<CBeamShot*>(&shot); beam && beam->mWeaponRecord)
        return {kShotBeam, beam->mWeaponRecord->mDeviceId, beam->mTarget};
    if (auto* projectile = dynamic_cast<CProjectileShot*>(&shot); projectile && projectile->mWeaponRecord)
        return {kShotProjectile, projectile->mWeaponRecord->mDeviceId, projectile->mTarget};
    if (auto* shockwave = dynamic_cast<CShockwaveShot*>(&shot); shockwave && shockwave->mWeaponRecord)
        return {kShotShockwave, shockwave->mWeaponRecord->mDeviceId, shockwave->mPosition};
    return {};
}

}  // namespace

void CNetworkManager::SendOwnShip()
{
    ForgetSpentShots();
    ShowUntoldCopies();
    // Only a ship that has its id in the session is known to the peers.
    if (!mPeer || !gPlayerShip || mOwnObjectId < kFirstObjectId || gPlayerShip->mId != mOwnObjectId) {
        mUntoldBlows.clear();
        return;
    }
    SendOwnShots();
    // A ship that came back to life or was refitted is told again: the peers' copies are out of date.
    const bool live = gPlayerShip->mActive != 0;
    if ((live && !mToldLive) || !SameOutfit(BuildShipSnapshot(), mToldSnapshot))
        SendOwnSnapshot();
    mToldLive = live;
    if (gTimeNow - mLastStateMs < kStateIntervalMs)
        return;
    mLastStateMs = gTimeNow;
    CPlayerShip& ship = *gPlayerShip;
    MsgShipState state;
    state.objectId = mOwnObjectId;
    state.hitPoints = ship.mHitPoints;
    state.shieldPoints = ship.mShield ? ship.mShield->mPoints : 0;
    state.armorPoints = ship.mArmor ? ship.mArmor->mPoints : 0;
    state.position = ship.mPosition;
    const float ahead = ship.mMoveSpeed * kIntervalsAhead * static_cast<float>(kStateIntervalMs) / kMsPerSpeedUnit;
    const Vec3 heading = RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), ship.mRotation.z);
    state.destination = Vec3::Sum(ship.mPosition, Vec3::Scaled(heading, ahead));
    state.rotation = ship.mRotation;
    state.velocity = ship.mVelocity;
    state.systemId = gResourceManager->mPlaceSystemId;
    Send(netpeer::kAllPlayers, state);
}

void CNetworkManager::SendOwnSnapshot(netpeer::PlayerId to)
{
    // A dead ship is told once it flies again: its snapshot would bring its copies back to life.
    if (!gPlayerShip || !gPlayerShip->mActive || mOwnObjectId < kFirstObjectId)
        return;
    const MsgShipSnapshot snapshot = BuildShipSnapshot();
    if (to == netpeer::kAllPlayers) {
        mToldSnapshot = snapshot;
        mToldLive = true;
    }
    Send(to, snapshot);
    // Its state follows in this frame: the peers learn which system the ship is in.
    mLastStateMs = gTimeNow - kStateIntervalMs;
}

void CNetworkManager::SendOwnShots()
{
    // A shot of another device was chained by one of these, and the peers' copy chains it too.
    std::set<int> fired;
    for (int slot = 0; slot < gPlayerShip->mWeaponCount; ++slot)
        fired.insert(gPlayerShip->mWeapons[slot]->mDeviceId);
    // A shot already over would start afresh at the peers, unless it struck a copy in the frame it
    // was fired: its blow, told right after, ends it there.
    std::set<int> struck;
    for (const MsgShotBlow& blow : mUntoldBlows)
        struck.insert(blow.shotId);
    std::set<int> live;
    for (const auto& [id, object] : gResourceManager->mObjects) {
        auto* shot = dynamic_cast<CShot*>(object);
        if (!shot || !shot->OwnerIsPlayer() || !(shot->mActive || struck.contains(id)))
            continue;
        live.insert(id);
        const SentShot sent = Describe(*shot);
        if (sent.kind != 0 && fired.contains(sent.deviceId) && !mAnnouncedShots.contains(id))
            Send(netpeer::kAllPlayers, MsgCreateShot{sent.deviceId, mOwnObjectId, sent.point, sent.kind, id});
    }
    mAnnouncedShots = std::move(live);
    for (const MsgShotBlow& blow : mUntoldBlows)
        Send(netpeer::kAllPlayers, blow);
    mUntoldBlows.clear();
    std::erase_if(mBlowShots, [](const auto& told) { return !gResourceManager->FindObject(told.first); });
}

void CNetworkManager::TellBlow(int copyId, int shotId, int damage)
{
    if (mPeer && damage > 0 && mBlowShots.insert({shotId, copyId}).second)
        mUntoldBlows.push_back(MsgShotBlow{copyId, mOwnObjectId, shotId, damage});
}
