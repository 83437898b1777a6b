// CNetworkManager: the peer's life, hosting, joining, ids and the queue of peer events.
#include <cstdio>
#include <cstdlib>

#include "core/frame_clock.h"
#include "core/message_log.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "screens/main_menu_screen.h"

namespace {

constexpr int kPlayerNumberRange = 10000000;

}  // namespace

const netpeer::SessionDesc& VarnokSession()
{
    static const netpeer::SessionDesc session{
        {0x7a, 0x3c, 0x91, 0x0e, 0x56, 0x4b, 0x4d, 0x2a, 0x9f, 0x61, 0xc8, 0x05, 0x3e, 0xb2, 0x77, 0x14}, "SESSION"};
    return session;
}

CNetworkManager::CNetworkManager() = default;

CNetworkManager::~CNetworkManager()
{
    ClosePeer();
}

void CNetworkManager::InitPeer()
{
    mPeerInitialised = 1;
    ClosePeer();
    // A new session: the lobby shows only its players and its chat, ids start again and the
    // peers have heard nothing of this ship yet.
    mPlayerNames.clear();
    mChatLines.clear();
    mOwnObjectId = kUnassignedObjectId;
    mAwaitingId = false;
    mObjectIds.clear();
    mRefusedStarters.clear();
    mAnnouncedShots.clear();
    mLastStateMs = 0;
    mPeer = std::make_unique<netpeer::Peer>();
    mPeer->Initialize([this](const netpeer::Event& event) { NetMessageHandler(event); });
    char name[32];
    std::snprintf(name, sizeof name, "Player %d", std::rand() % kPlayerNumberRange);
    mPeer->SetPeerInfo(name);
}

bool CNetworkManager::HostSession()
{
    if (!mPeer)
        return false;
    const netpeer::Address device{"", static_cast<uint16_t>(mPort)};
    return mPeer->Host(VarnokSession(), device) == netpeer::Result::kOk;
}

bool CNetworkManager::JoinSession()
{
    if (!mPeer)
        return false;
    RowList<HostRow> hosts;
    gGameDatabase.GetHosts(hosts);
    mJoinResult = netpeer::Result::kBadAddress;
    for (const HostRow* row : hosts) {
        std::snprintf(mHostText, sizeof mHostText, "%s", row->host_address);
        mPort = row->host_port;
        if (mPort < 1 || mPort > 65535)
            continue;
        const netpeer::Address host{mHostText, static_cast<uint16_t>(mPort)};
        const netpeer::Result result = mPeer->Connect(VarnokSession(), host, netpeer::Address{});
        if (result == netpeer::Result::kOk)
            return true;
        // The player hears of the host that came nearest to letting this game in.
        if (result == netpeer::Result::kRefused || mJoinResult == netpeer::Result::kBadAddress)
            mJoinResult = result;
    }
    return false;
}

void CNetworkManager::ClosePeer()
{
    if (mPeer)
        mPeer->Close();
    std::lock_guard lock(mQueueMutex);
    mQueue.clear();
}

int CNetworkManager::ObjectIdOf(netpeer::PlayerId player)
{
    if (const auto held = mObjectIds.find(player); held != mObjectIds.end())
        return held->second;
    std::set<int> taken{mOwnObjectId};
    for (const auto& [holder, id] : mObjectIds)
        taken.insert(id);
    for (int id = kFirstObjectId; id <= kLastObjectId; ++id) {
        if (!taken.contains(id) && !gResourceManager->FindObject(id) && !gResourceManager->FindOtherPlayer(id))
            return mObjectIds[player] = id;
    }
    return 0;
}

bool CNetworkManager::HoldsId(netpeer::PlayerId player, int objectId) const
{
    if (player == gLocalPlayerId)
        return objectId == mOwnObjectId;
    const auto held = mObjectIds.find(player);
    return held != mObjectIds.end() && held->second == objectId;
}

bool CNetworkManager::ActsAsHost() const
{
    return mHost || (gLocalPlayerId != 0 && gLocalPlayerId == gHostPlayerId);
}

void CNetworkManager::NetMessageHandler(const netpeer::Event& event)
{
    std::lock_guard lock(mQueueMutex);
    mQueue.push_back(event);
}

void CNetworkManager::ApplyEvents()
{
    for (;;) {
        netpeer::Event event;
        {
            std::lock_guard lock(mQueueMutex);
            if (mQueue.empty())
                return;
            event = std::move(mQueue.front());
            mQueue.pop_front();
        }
        ApplyEvent(event);
    }
}

void CNetworkManager::ApplyEvent(const netpeer::Event& event)
{
    switch (event.kind) {
    case netpeer::EventKind::kCreatePlayer:
        if (event.info.flags & netpeer::kPlayerLocal)
            gLocalPlayerId = event.player;
        if (event.info.flags & netpeer::kPlayerHost)
            gHostPlayerId = event.player;
        mPlayerNames.push_back(event.info.name.empty() ? "Unknown player name" : event.info.name);
        if (gLobbyScreen && gLobbyScreen->IsEntered())
            gLobbyScreen->AddPlayerName(mPlayerNames.back());
        break;
    case netpeer::EventKind::kHostMigrate:
        gHostPlayerId = event.player;
        RequestObjectIdAgain(true);
        break;
    case netpeer::EventKind::kReceive:
        ApplyReceive(event);
        break;
    case netpeer::EventKind::kTerminateSession:
        OnSessionLost();
        break;
    case netpeer::EventKind::kDestroyPlayer:
        break;
    }
}

// Close drops its own terminate-session with the queue, so one applied here is a session that went
// on without this game: the player hears of it and plays on alone.
void CNetworkManager::OnSessionLost()
{
    ClosePeer();
    PostFlightMessage(kSessionLostLine);
    OnChatLine(MsgChatLine{kSessionLostLine});
}

int CNetworkManager::AddRemoteShip(CRemoteShip* ship)
{
    const int id = ship->mId;
    if (!gResourceManager->AddOtherPlayer(ship))
        return 0;
    mRemoteShipIds.push_back(id);
    return id;
}

std::vector<CRemoteShip*> CNetworkManager::RemoteShips()
{
    std::vector<CRemoteShip*> ships;
    std::erase_if(mRemoteShipIds, [&](int id) {
        auto* ship = dynamic_cast<CRemoteShip*>(gResourceManager->FindOtherPlayer(id));
        if (ship)
            ships.push_back(ship);
        return !ship;
    });
    return ships;
}

void ApplyNetworkEvents()
{
    // The main menu is outside every network game, whichever way the player came to it, so no
    // later Start can pull a single-player game into one.
    if (gCurrentScreen && gCurrentScreen == gMainMenuScreen)
        gNetworkManager.ClosePeer();
    gNetworkManager.ApplyEvents();
    gNetworkManager.RequestObjectIdAgain(false);
    gNetworkManager.SendOwnShip();
}
