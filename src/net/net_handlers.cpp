// CNetworkManager: what a peer's message does here, checked against its type's size and its
// object's kind before anything changes.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "core/camera.h"
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

// Only the ships of players take orders from peers.
CShip* FindPlayerKindShip(int objectId)
{
    auto* ship = dynamic_cast<CShip*>(gResourceManager->FindObject(objectId));
    return ship && ship->mType == kTypePlayer ? ship : nullptr;
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
        if (MsgObjectState m; Decode(data, m))
            OnObjectState(m);
        break;
    case MsgShipState::kType:
        if (MsgShipState m; Decode(data, m))
            OnShipState(m);
        break;
    case MsgRemoteFire::kType:
        if (MsgRemoteFire m; mHost && Decode(data, m))
            OnRemoteFire(m);
        break;
    case MsgWeaponSlot::kType:
        if (MsgWeaponSlot m; Decode(data, m))
            OnWeaponSlot(m);
        break;
    case MsgDestination::kType:
        if (MsgDestination m; Decode(data, m))
            OnDestination(m);
        break;
    case MsgStartGame::kType:
        if (MsgStartGame m; Decode(data, m))
            OnStartGame(m, event.player);
        break;
    case MsgShipSnapshot::kType:
        if (MsgShipSnapshot m; Decode(data, m))
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
        if (MsgCreateShot m; Decode(data, m))
            OnCreateShot(m);
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
    if (CShip* ship = FindPlayerKindShip(message.objectId)) {
        ship->mPosition = message.position;
        ship->mHitPoints = message.hitPoints;
    }
}

void CNetworkManager::OnShipState(const MsgShipState& message)
{
    if (message.objectId == mOwnObjectId)
        return;
    CShip* ship = FindPlayerKindShip(message.objectId);
    if (!ship)
        return;
    ship->mPosition = message.position;
    ship->mDestination = message.destination;
    ship->mRotation = message.rotation;
    ship->mVelocity = message.velocity;
    ship->mTargetRotation = message.targetRotation;
    if (ship->mShield)
        ship->mShield->mPoints = message.shieldPoints;
    if (ship->mArmor)
        ship->mArmor->mPoints = message.armorPoints;
    ship->mHitPoints = message.hitPoints;
}

void CNetworkManager::OnRemoteFire(const MsgRemoteFire& message)
{
    if (CShip* ship = FindPlayerKindShip(message.objectId)) {
        ship->SelectWeapon(message.deviceId);
        ship->Fire(&message.target);
    }
}

void CNetworkManager::OnWeaponSlot(const MsgWeaponSlot& message)
{
    if (CShip* ship = FindPlayerKindShip(message.objectId))
        ship->SelectWeaponSlot(message.slot);
}

void CNetworkManager::OnDestination(const MsgDestination& message)
{
    if (message.objectId == mOwnObjectId && gPlayerShip)
        gPlayerShip->mDestination = message.destination;
    else if (CShip* ship = FindPlayerKindShip(message.objectId))
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
    if (ActsAsHost() && sender != gLocalPlayerId) {
        for (CRemoteShip* ship : RemoteShips())
            Send(sender, BuildObjectSnapshot(*ship));
        if (gPlayerShip)
            Send(sender, BuildShipSnapshot());
    }
    if (sender != gLocalPlayerId)
        CreateRemoteShip(message, sender);
}

void CNetworkManager::OnRequestObjectId(netpeer::PlayerId sender)
{
    if (const int id = ObjectIdOf(sender))
        Send(sender, MsgObjectIdAssigned{id});
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
    auto* owner = dynamic_cast<CRemoteShip*>(gResourceManager->FindObject(message.ownerId));
    if (!owner || owner->WeaponSlot(message.deviceId) < 0)
        return;
    // This very shot is here already (told twice; a ring is known by its launcher).
    const CWorldObject* taken = gResourceManager->FindObject(message.shotId);
    if (auto* shot = dynamic_cast<const CShot*>(taken); shot && shot->Owner() == owner)
        return;
    if (auto* ring = dynamic_cast<const CShockwaveShot*>(taken); ring && ring->mLauncherId == message.ownerId)
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
    if (!gResourceManager->mObjects.emplace(shot->mId, shot).second)
        delete shot;
}

void CNetworkManager::CreateRemoteShip(const MsgShipSnapshot& snapshot, netpeer::PlayerId)
{
    if (snapshot.objectId == mOwnObjectId || !CanBuildRemoteShip(snapshot))
        return;
    CWorldObject* shown = gResourceManager->FindObject(snapshot.objectId);
    if (!shown) {
        AddRemoteShip(new CRemoteShip(snapshot));
        return;
    }
    // A player tells its ship again when it comes back to life or changes it.
    auto* ship = dynamic_cast<CRemoteShip*>(shown);
    if (ship && (!ship->mActive || !SameOutfit(BuildObjectSnapshot(*ship), snapshot)))
        ship->Outfit(snapshot);
}

void CNetworkManager::SendOwnSnapshot()
{
    mToldSnapshot = BuildShipSnapshot();
    mToldLive = gPlayerShip->mActive != 0;
    Send(netpeer::kAllPlayers, mToldSnapshot);
}

void CNetworkManager::PlaceOwnShipAtRandom()
{
    Vec3 position = gPlayerShip->mPosition;
    position.x = RandomOffset(gResourceManager->mSystemWidth);
    position.y = RandomOffset(gResourceManager->mSystemHeight);
    gPlayerShip->mPosition = gPlayerShip->mDestination = position;
}
