// CNetworkManager: what a peer's message does here, checked against its type's size and its
// object's kind before anything changes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/net_plausible.h"
#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "screens/flight_screen.h"
#include "screens/load_pilot_screen.h"
#include "ships/armor.h"
#include "ships/beam_shot.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/projectile_shot.h"
#include "ships/shield.h"
#include "ships/shockwave_shot.h"
#include "ships/weapon_records.h"
#include "ui/screen.h"
#include "world/system_check.h"

namespace {

constexpr float kCameraHeight = -90.0f;
constexpr float kCameraZoom = -70.0f;
constexpr float kShockwaveDepth = 16.0f;
constexpr float kShockwaveDepthPerId = 0.00001f;
// Every game of this kind tells its ship's system within a few frames of its snapshot.
constexpr uint32_t kUntoldCopyMs = 1000;

// Only other players' ships take orders from peers, and only in this system.
CRemoteShip* ShipHere(int objectId)
{
    CWorldObject* ship = gResourceManager->FindOtherPlayer(objectId);
    return ship && gResourceManager->FindObject(objectId) == ship ? dynamic_cast<CRemoteShip*>(ship) : nullptr;
}

// The object is a shot the ship fired here; a peer's ring, which has no owner, is known by its launcher.
bool FiredBy(const CWorldObject* object, int shipId)
{
    const auto* shot = dynamic_cast<const CShot*>(object);
    if (!shot)
        return false;
    if (const auto* ring = dynamic_cast<const CShockwaveShot*>(shot); ring && ring->mLauncherId == shipId)
        return true;
    const CActor* owner = shot->Owner();
    return owner && owner->mId == shipId;
}

// The most one hit of the weapon deals in its pilot's own game: its highest roll, times the
// factor his own ship takes from his tactical level, where the shot applies it.
int MostBlow(const CWeaponInfo& weapon, const CRemoteShip& pilot)
{
    constexpr float kFactorPerTacticalLevel = 0.1f;
    const int most = weapon.mMinDamage + std::max(weapon.mVariableDamage - 1, 0);
    if (weapon.mWeaponType == kWeaponShockwave && weapon.mVariableDamage > 0)
        return most;
    const float factor = 1.0f + kFactorPerTacticalLevel * static_cast<float>(pilot.mTactical);
    return static_cast<int>(factor * static_cast<float>(most));
}

// rand() % extent, centred; 0 for a system narrower than one unit.
float RandomOffset(float extent)
{
    const int modulus = static_cast<int>(extent);
    if (modulus < 1)
        return 0.0f;
    return static_cast<float>(std::rand() % modulus) - extent / 2.0f;
}

// A message of its type's size whose ids and floats are plausible; anything else is dropped.
template <typename Message>
bool Decode(const NetBytes& data, Message& out)
{
    std::optional<Message> message = DecodeMessage<Message>(data);
    if (!message || !IsPlausible(*message))
        return false;
    out = *message;
    return true;
}

}  // namespace

void CNetworkManager::ApplyReceive(const netpeer::Event& event)
{
    const NetBytes& data = event.data;
    switch (NetMessageType(data)) {
    case MsgChatLine::kType:
        if (MsgChatLine m; Decode(data, m))
            OnChatLine(m);
        break;
    case MsgObjectState::kType:
        if (MsgObjectState m; Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnObjectState(m);
        break;
    case MsgShipState::kType:
        if (MsgShipState m; Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnShipState(m);
        break;
    case MsgRemoteFire::kType:
        if (MsgRemoteFire m; mHost && Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnRemoteFire(m);
        break;
    case MsgWeaponSlot::kType:
        if (MsgWeaponSlot m; Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnWeaponSlot(m);
        break;
    case MsgDestination::kType:
        if (MsgDestination m; Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnDestination(m);
        break;
    case MsgStartGame::kType:
        if (MsgStartGame m; Decode(data, m))
            OnStartGame(m, event.player);
        break;
    case MsgShipSnapshot::kType:
        if (MsgShipSnapshot m; Decode(data, m) && SpeaksFor(event.player, m.objectId))
            OnShipSnapshot(m, event.player);
        break;
    case MsgRequestObjectId::kType:
        if (MsgRequestObjectId m; ActsAsHost() && Decode(data, m))
            OnRequestObjectId(event.player);
        break;
    case MsgObjectIdAssigned::kType:
        // Only the host gives ids, and only to a game that asked for one.
        if (MsgObjectIdAssigned m; mAwaitingId && event.player == gHostPlayerId && Decode(data, m))
            OnObjectIdAssigned(m);
        break;
    case MsgCreateShot::kType:
        if (MsgCreateShot m; Decode(data, m) && SpeaksFor(event.player, m.ownerId))
            OnCreateShot(m);
        break;
    case MsgShotBlow::kType:
        if (MsgShotBlow m; Decode(data, m) && SpeaksFor(event.player, m.ownerId))
            OnShotBlow(m);
        break;
    case MsgIdHolder::kType:
        if (MsgIdHolder m; !ActsAsHost() && event.player == gHostPlayerId && Decode(data, m))
            OnIdHolder(m);
        break;
    default:
        break;
    }
}

void CNetworkManager::OnChatLine(const MsgChatLine& message)
{
    // The lobby shows no more lines than these when it is entered.
    if (mChatLines.size() == static_cast<size_t>(CLobbyScreen::kChatLines))
        mChatLines.erase(mChatLines.begin());
    mChatLines.push_back(message.text);
    if (gLobbyScreen && gLobbyScreen->IsEntered())
        gLobbyScreen->OnChatLine(message.text);
}

void CNetworkManager::OnObjectState(const MsgObjectState& message)
{
    if (CRemoteShip* ship = ShipHere(message.objectId)) {
        ship->mPosition = message.position;
        ship->TakeOwnersHitPoints(message.hitPoints, true);
    }
}

void CNetworkManager::OnShipState(const MsgShipState& message)
{
    if (message.objectId == mOwnObjectId)
        return;
    auto* ship = dynamic_cast<CRemoteShip*>(gResourceManager->FindOtherPlayer(message.objectId));
    if (!ship)
        return;
    mUntoldCopies.erase(message.objectId);
    gResourceManager->SetOtherPlayerSystem(message.objectId, message.systemId);
    const bool here = ShipHere(message.objectId) == ship;
    if (here) {
        ship->mPosition = message.position;
        ship->mDestination = message.destination;
        ship->mRotation = message.rotation;
        ship->mVelocity = message.velocity;
        // The owner's ship already faces where it is told to go.
        ship->mTargetRotation = message.rotation;
    } else if (gPlayerShip && (gPlayerShip->mTarget == ship || gPlayerShip->mGuideTarget == ship)) {
        gPlayerShip->ClearTargets();
    }
    if (ship->mShield)
        ship->mShield->mPoints = message.shieldPoints;
    if (ship->mArmor)
        ship->mArmor->mPoints = message.armorPoints;
    ship->TakeOwnersHitPoints(message.hitPoints, here);
}

void CNetworkManager::OnRemoteFire(const MsgRemoteFire& message)
{
    if (CRemoteShip* ship = ShipHere(message.objectId)) {
        ship->SelectWeapon(message.deviceId);
        ship->Fire(&message.target);
    }
}

void CNetworkManager::OnWeaponSlot(const MsgWeaponSlot& message)
{
    if (CRemoteShip* ship = ShipHere(message.objectId))
        ship->SelectWeaponSlot(message.slot);
}

void CNetworkManager::OnDestination(const MsgDestination& message)
{
    if (message.objectId == mOwnObjectId && gPlayerShip)
        gPlayerShip->mDestination = message.destination;
    else if (CRemoteShip* ship = ShipHere(message.objectId))
        ship->mDestination = message.destination;
}

void CNetworkManager::OnStartGame(const MsgStartGame& message, netpeer::PlayerId sender)
{
    if (!gFlightScreen)
        return;
    if (const char* refusal = SystemRefusal(message.systemId)) {
        if (mRefusedStarters.insert(sender).second)
            std::fprintf(stderr, "varnok: a game was started in system %d, which %s; it is not joined\n",
                         message.systemId, refusal);
        return;
    }
    const int pilotId = gGameDatabase.GetCurrentPlayerId();
    if (pilotId < 0) {
        if (gLobbyScreen && gLobbyScreen->IsEntered())
            gLobbyScreen->AddChatLine(CLobbyScreen::kNoPilotLine);
        return;
    }
    if (!SavedPilotCanFly(pilotId))
        return;
    // The world goes first, so that nothing in it still points at the ship being replaced.
    gResourceManager->DeleteWorldObjects();
    gResourceManager->ClosePortal();
    ReplacePlayerShip(nullptr);
    auto* ship = new CPlayerShip(pilotId);
    ReplacePlayerShip(ship);
    gGameDatabase.LoadVisitedSystems(pilotId, ship->mVisitedSystems);
    ship->mSystemId = message.systemId;
    gFlightScreen->SetSystemBackdrop(message.systemId);
    PlaceOwnShipAtRandom();

    // Every world starts afresh, so the ids of players who left are free again.
    if (mPeer)
        std::erase_if(mObjectIds, [this](const auto& held) { return !mPeer->GetPeerInfo(held.first); });
    // A client has no id until the host answers: nothing is told under an id of an earlier game.
    mAwaitingId = false;
    mOwnObjectId = mHost ? ObjectIdOf(gLocalPlayerId) : kUnassignedObjectId;
    ship->mId = mOwnObjectId;
    if (mHost && mOwnObjectId)
        Send(netpeer::kAllPlayers, MsgIdHolder{mOwnObjectId, gLocalPlayerId});
    if (mHost)
        SendOwnSnapshot();
    else
        RequestObjectId();
    // A page that was showing, such as the shipyard's hull view, leaves the camera its own way
    // and is entered afresh for the new ship when it is next opened.
    gCamera.Reset();
    if (gCurrentScreen && gCurrentScreen != gFlightScreen)
        gCurrentScreen->SetEntered(false);
    gCamera.SetEye(ship->mPosition.x, ship->mPosition.y, kCameraHeight);
    gCamera.SetZoom(kCameraZoom);
    gCurrentScreen = gFlightScreen;
}

void CNetworkManager::OnShipSnapshot(const MsgShipSnapshot& message, netpeer::PlayerId sender)
{
    if (sender != gLocalPlayerId)
        CreateRemoteShip(message, sender);
}

void CNetworkManager::OnRequestObjectId(netpeer::PlayerId sender)
{
    const bool known = mObjectIds.contains(sender);
    const int id = ObjectIdOf(sender);
    if (!id)
        return;
    // Everyone learns who holds a new id; the asker learns who holds every other.
    if (!known)
        Send(netpeer::kAllPlayers, MsgIdHolder{id, sender});
    for (const auto& [player, held] : mObjectIds) {
        if (player != sender)
            Send(sender, MsgIdHolder{held, player});
    }
    Send(sender, MsgObjectIdAssigned{id});
}

void CNetworkManager::OnIdHolder(const MsgIdHolder& message)
{
    std::erase_if(mObjectIds, [&](const auto& held) { return held.second == message.objectId; });
    mObjectIds[message.player] = message.objectId;
}

void CNetworkManager::OnObjectIdAssigned(const MsgObjectIdAssigned& message)
{
    mOwnObjectId = message.objectId;
    mAwaitingId = false;
    if (!gPlayerShip)
        return;
    gPlayerShip->mId = mOwnObjectId;
    PlaceOwnShipAtRandom();
    SendOwnSnapshot();
}

void CNetworkManager::OnCreateShot(const MsgCreateShot& message)
{
    // This player's own shots come back too: each is here already, or over.
    if (message.ownerId == mOwnObjectId)
        return;
    // A peer fires only the weapons its snapshot gave its ship.
    CRemoteShip* owner = ShipHere(message.ownerId);
    if (!owner || owner->WeaponSlot(message.deviceId) < 0)
        return;
    // This very shot is here already (told twice).
    const CWorldObject* taken = gResourceManager->FindObject(message.shotId);
    if (FiredBy(taken, message.ownerId))
        return;
    static const std::map<int, int> kWeaponTypeOfKind{
        {kShotBeam, kWeaponBeam}, {kShotProjectile, kWeaponProjectile}, {kShotShockwave, kWeaponShockwave}};
    const auto weaponType = kWeaponTypeOfKind.find(message.kind);
    if (weaponType == kWeaponTypeOfKind.end() ||
        gResourceManager->GetWeaponType(message.deviceId) != weaponType->second)
        return;

    CShot* shot = nullptr;
    switch (message.kind) {
    case kShotBeam:
        shot = new CBeamShot(message.deviceId, owner, message.point, message.shotId);
        break;
    case kShotProjectile:
        shot = new CProjectileShot(message.deviceId, owner, message.point, message.shotId);
        break;
    default:
        shot = new CShockwaveShot(message.deviceId, *owner, message.point, message.shotId);
        break;
    }
    if (!shot->mActive) {
        delete shot;
        return;
    }
    // Every game counts its temporary ids down from the same start, so a peer's shot often
    // carries the id of one of ours; it flies under a free id of this game instead of being lost.
    shot->mId = taken ? gResourceManager->NextTempObjectId() : message.shotId;
    if (message.kind == kShotShockwave)
        shot->mPosition.z = kShockwaveDepth + static_cast<float>(message.shotId) * kShockwaveDepthPerId;
    if (!gResourceManager->mObjects.emplace(shot->mId, shot).second) {
        delete shot;
        return;
    }
    mPeerShots[{message.ownerId, message.shotId}] = PeerShot{shot->mId, message.deviceId};
}

void CNetworkManager::OnShotBlow(const MsgShotBlow& message)
{
    const auto told = mPeerShots.find({message.ownerId, message.shotId});
    if (message.objectId != mOwnObjectId || !gPlayerShip || !gPlayerShip->mActive || told == mPeerShots.end())
        return;
    CRemoteShip* shooter = ShipHere(message.ownerId);
    auto* shot = dynamic_cast<CShot*>(gResourceManager->FindObject(told->second.localId));
    CWeaponInfo* weapon = gResourceManager->GetDeviceWeaponInfo(told->second.deviceId);
    // A shot that struck the ship here has dealt its blow already.
    if (!shooter || !FiredBy(shot, message.ownerId) || shot->StruckThePlayer() || !weapon ||
        message.damage > MostBlow(*weapon, *shooter))
        return;
    // Once: a repeat finds the shot spent, and it strikes nothing more here.
    mPeerShots.erase(told);
    shot->mActive = 0;
    gPlayerShip->TakeDamage(message.damage, weapon->mDeviceMod);
}

bool CNetworkManager::SpeaksFor(netpeer::PlayerId player, int objectId) const
{
    if (HoldsId(player, objectId))
        return true;
    return !ActsAsHost() && mObjectIds.empty() && player == gHostPlayerId && player != gLocalPlayerId &&
           objectId != mOwnObjectId;
}

void CNetworkManager::ShowUntoldCopies()
{
    std::erase_if(mUntoldCopies, [](const auto& copy) {
        if (gResourceManager->FindOtherPlayer(copy.first) && gTimeNow - copy.second < kUntoldCopyMs)
            return false;
        gResourceManager->SetOtherPlayerSystem(copy.first, kNoSystemTold);
        return true;
    });
}

void CNetworkManager::ForgetSpentShots()
{
    std::erase_if(mPeerShots, [](const auto& told) {
        return !FiredBy(gResourceManager->FindObject(told.second.localId), told.first.first);
    });
}

void CNetworkManager::CreateRemoteShip(const MsgShipSnapshot& snapshot, netpeer::PlayerId sender)
{
    if (snapshot.objectId == mOwnObjectId || !CanBuildRemoteShip(snapshot))
        return;
    auto* ship = dynamic_cast<CRemoteShip*>(gResourceManager->FindOtherPlayer(snapshot.objectId));
    if (!ship) {
        // Answered once: the sender may not know this ship yet, and repeats find it built.
        if (AddRemoteShip(new CRemoteShip(snapshot))) {
            mUntoldCopies[snapshot.objectId] = gTimeNow;
            SendOwnSnapshot(sender);
        }
        return;
    }
    // Its owner tells the ship again when it comes back to life or changes it.
    if (!ship->mActive || !SameOutfit(BuildObjectSnapshot(*ship), snapshot))
        ship->Outfit(snapshot);
}

void CNetworkManager::PlaceOwnShipAtRandom()
{
    Vec3 position = gPlayerShip->mPosition;
    position.x = RandomOffset(gResourceManager->mSystemWidth);
    position.y = RandomOffset(gResourceManager->mSystemHeight);
    gPlayerShip->mPosition = gPlayerShip->mDestination = position;
}
