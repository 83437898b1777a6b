// CNetworkManager: the multiplayer session: the peer, hosting and joining through the host rows,
// object ids, the remote ships, the senders and the handling of every peer event.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "net/net_messages.h"
#include "platform/netpeer/peer.h"

class CRemoteShip;

constexpr int kDefaultNetPort = 6734;
// The object ids a host hands out, below every placed object's; the local ship is
// kUnassignedObjectId until it has one.
constexpr int kFirstObjectId = 21;
constexpr int kLastObjectId = 1000;
constexpr int kUnassignedObjectId = 1;
constexpr size_t kHostTextSize = 352;
constexpr const char* kSessionLostLine = "Lost the network session.";

// The session every copy of the game hosts and joins.
const netpeer::SessionDesc& VarnokSession();

// The peer ids of this peer and of the current host; 0 until their create-player events.
extern netpeer::PlayerId gLocalPlayerId;
extern netpeer::PlayerId gHostPlayerId;

// Events arrive on the peer's thread and are only queued there; ApplyNetworkEvents applies them
// on the main thread between frames, so every game change falls between two frames.
class CNetworkManager {
public:
    CNetworkManager();
    ~CNetworkManager();
    CNetworkManager(const CNetworkManager&) = delete;
    CNetworkManager& operator=(const CNetworkManager&) = delete;

    // A fresh peer named "Player %d"; an old one is closed first.
    void InitPeer();
    // Hosts on the port; false when there is no peer or the port cannot be used.
    bool HostSession();
    // Tries the host rows in turn; true once one of them answers. Otherwise mJoinResult says why.
    bool JoinSession();
    // Leaves the session and drops the events not yet applied; no event arrives afterwards.
    void ClosePeer();

    // The id the player holds from this game, or else the lowest of 21 ... kLastObjectId that no
    // player holds and nothing in this world uses; 0 once none is left.
    int ObjectIdOf(netpeer::PlayerId player);
    // The host's work in the game (ids, telling a newcomer of the ships) falls to this game when it
    // hosts or the host role came to it; the host flag itself never changes.
    bool ActsAsHost() const;
    // The remote ship of a snapshot its owner sent. A ship not shown yet is built and filed, and
    // its owner hears of this player's ship once; a ship shown already is fitted again when it is
    // dead or its hull or devices changed. Nothing for an id of another object or for a snapshot
    // naming what this game does not know.
    void CreateRemoteShip(const MsgShipSnapshot& snapshot, netpeer::PlayerId sender);
    // Files the ship in the world as another player's and lists it; its id, or 0 when the id is
    // taken and the ship deleted.
    int AddRemoteShip(CRemoteShip* ship);
    // The remote ships still in the world, in whichever system, in arrival order.
    std::vector<CRemoteShip*> RemoteShips();
    // The player holds the id: the host gave it to him, or it is this game's own.
    bool HoldsId(netpeer::PlayerId player, int objectId) const;

    // To one player, or to netpeer::kAllPlayers (this peer included); false when not sent.
    template <typename Message>
    bool Send(netpeer::PlayerId to, const Message& message)
    {
        const NetBytes data = EncodeMessage(message);
        return mPeer && mPeer->SendTo(to, data.data(), data.size());
    }

    // Main thread, under gFrameLock: applies every queued event in arrival order.
    void ApplyEvents();
    // Main thread, once a frame: the peers learn the state of this player's ship (a few times a
    // second) and each shot it fired since, once the ship has its id in the session; its
    // snapshot again when it came back to life or changed its hull or devices.
    void SendOwnShip();
    // One event as it arrives (the peer's handler).
    void NetMessageHandler(const netpeer::Event& event);

    void OnChatLine(const MsgChatLine& message);
    void OnObjectState(const MsgObjectState& message);
    void OnShipState(const MsgShipState& message);
    void OnRemoteFire(const MsgRemoteFire& message);
    void OnWeaponSlot(const MsgWeaponSlot& message);
    void OnDestination(const MsgDestination& message);
    // A refused Start is told on stderr once for each sender.
    void OnStartGame(const MsgStartGame& message, netpeer::PlayerId sender = 0);
    void OnShipSnapshot(const MsgShipSnapshot& message, netpeer::PlayerId sender);
    void OnRequestObjectId(netpeer::PlayerId sender);
    void OnObjectIdAssigned(const MsgObjectIdAssigned& message);
    void OnCreateShot(const MsgCreateShot& message);
    // The session went on without this game: it is left, with a line in the log and the lobby.
    void OnSessionLost();
    // Asks every player for this game's id (only the host answers) and waits for it.
    void RequestObjectId();
    // Once a frame and when the host role moves: asks again while the id has not come.
    void RequestObjectIdAgain(bool hostMoved);
    void OnIdHolder(const MsgIdHolder& message);
    // A blow the holder of a shot tells: this player's ship takes it once, within the shot's damage.
    void OnShotBlow(const MsgShotBlow& message);
    // A shot of this player's struck another player's copy here; its owner hears of the shot's
    // first blow with the shot.
    void TellBlow(int copyId, int shotId, int damage);

    std::unique_ptr<netpeer::Peer> mPeer;
    // Object ids of the remote ships, in arrival order; the world owns the ships.
    std::vector<int> mRemoteShipIds;
    int mOwnObjectId = kUnassignedObjectId;
    // This game asked the host for its id and has not had it yet, last at that time.
    bool mAwaitingId = false;
    uint32_t mIdRequestMs = 0;
    // The ids the host handed out, by player: on the host the ones it gave, which a player that
    // asks again gets again; elsewhere as the host told them. Only a holder speaks for its id.
    std::map<netpeer::PlayerId, int> mObjectIds;
    int mPort = kDefaultNetPort;
    // How the last join that failed ended: refused by a host, timed out, or no row could be tried.
    netpeer::Result mJoinResult = netpeer::Result::kOk;
    char mHostText[kHostTextSize] = "192.168.0.1";
    uint8_t mHost = 0;
    uint8_t mPeerInitialised = 0;
    // What the lobby shows: player names in order of their arrival, and the chat.
    std::vector<std::string> mPlayerNames;
    std::vector<std::string> mChatLines;

private:
    void ApplyEvent(const netpeer::Event& event);
    void ApplyReceive(const netpeer::Event& event);
    // This player's ship, to one player or to all, while it lives and has its id.
    void SendOwnSnapshot(netpeer::PlayerId to = netpeer::kAllPlayers);
    void SendOwnShots();
    void PlaceOwnShipAtRandom();

    // The player speaks for the id: he holds it, or he hosts without telling holdings and the id
    // is not this game's.
    bool SpeaksFor(netpeer::PlayerId player, int objectId) const;
    // The peers' shots gone from this world can no longer be told to have struck.
    void ForgetSpentShots();
    // A copy whose player has told no system a second after its snapshot is shown wherever this
    // player is, until its player tells one.
    void ShowUntoldCopies();
    // The copies built whose players have told no system yet, with the time each was built.
    std::map<int, uint32_t> mUntoldCopies;
    // The peers' shots still in this world that may yet be told to have struck this player's
    // ship: by (owner id, shot id as told) the id each flies under here and its weapon.
    struct PeerShot {
        int localId = 0;
        int deviceId = 0;
    };
    std::map<std::pair<int, int>, PeerShot> mPeerShots;

    // The player's shots the peers have been told of, among those still in the world.
    std::set<int> mAnnouncedShots;
    // The player's shots whose blow on a copy was told (or is about to be), by (shot id, copy id),
    // and those blows.
    std::set<std::pair<int, int>> mBlowShots;
    std::vector<MsgShotBlow> mUntoldBlows;
    // The last snapshot the peers were told of this player's ship, and whether it was live since.
    MsgShipSnapshot mToldSnapshot;
    bool mToldLive = false;
    uint32_t mLastStateMs = 0;
    // The players whose refused Start was told on stderr.
    std::set<netpeer::PlayerId> mRefusedStarters;

    std::mutex mQueueMutex;
    std::deque<netpeer::Event> mQueue;
};

extern CNetworkManager gNetworkManager;

// The shell's call at the start of each frame: the session is left on the main menu, the peers'
// events are applied, then the peers hear what this player's ship did.
void ApplyNetworkEvents();

// The snapshot of the local player ship and of a remote ship.
MsgShipSnapshot BuildShipSnapshot();
MsgShipSnapshot BuildObjectSnapshot(const CRemoteShip& ship);
// True when both name the same hull and the same engine, shield, armor and weapons.
bool SameOutfit(const MsgShipSnapshot& a, const MsgShipSnapshot& b);
