// The peer-to-peer session: the interface the game plays multiplayer through, with the
// semantics of the peer session it was written for, over ENet (UDP) as a full mesh.
//
// What the platform left open, answered here:
// - Topology: every peer listens on its own port and links to every other. The host hands out
//   player ids and tells a newcomer the other players' addresses; the newcomer links to each.
//   The host announces each newcomer's id to the others first, and a peer takes a link only
//   from a newcomer announced to it (the host takes none): nobody gets in without a join.
// - Player ids are 32-bit, never 0 (0 means every player): the session's creator is 1 and each
//   newcomer gets one more than the highest id the host has seen, so ids only grow and the
//   oldest player has the lowest id.
// - Events (player created or destroyed, host migrated, message received, session terminated)
//   reach the handler on the layer's own event thread, one at a time, in the order they
//   happened. Host and Connect never wait for the handler, so the handler may wait for a lock
//   that their caller holds. Close waits for a running callback to return: the handler must
//   not wait for a lock that the caller of Close holds, and must not call Close itself.
// - Create-player comes for this peer itself too (flag kPlayerLocal), for every player already
//   in the session and for every newcomer, always before any message from that player. A joiner
//   is in once the host admits it: it gets its own and the host's once its Connect has succeeded,
//   and each other player's as its link to that player answers.
// - A member that does not answer a newcomer's link within the Connect timeout is named to the
//   host, which drops it from the session (destroy-player everywhere) when it has not heard from
//   it for two seconds either; a member that answers the host stays, and the newcomer plays on
//   without it: neither gets create-player for the other, and they hear nothing of each other.
// - The host's word decides who is in: a member the host lost is dropped by every other member.
//   A peer the session went on without leaves it: one the host dropped, one whose link to the
//   host timed out after it had been stopped (whatever its other links say), or one that has no
//   link left after such a stop. Its handler gets terminate-session at once, nothing is sent or
//   received any more, and Close delivers no second one.
// - A connection that has not said who it is within a second of its first handshake packet is
//   cut, whether or not it finished the handshake; only a few such come in from one address at a
//   time, and a few in all, the oldest giving way, so strays cannot fill the slots newcomers need.
// - When the host leaves, every peer gets destroy-player for it and then host-migrate naming the
//   oldest remaining player, which hosts from then on: newcomers may join through it, at its own
//   port and, as soon as that is free, at the port the session was joined by.
// - Sending to kAllPlayers reaches every player, this peer included. Every message is
//   reliable and arrives in the order its sender sent it; there is no unreliable mode.
// - Messages are 1 to kMaxMessageBytes bytes. A packet from a peer that is malformed, too long,
//   or from a link that has not said who it is, is dropped, never trusted.
// - Names are up to kMaxNameBytes bytes of UTF-8 without NUL bytes.
// - Connect resolves the host name, then waits at most its timeout; it fails with a result
//   (refused for a wrong application id, a full session or a peer that is not the host),
//   never with a dialog. An empty host name fails at once.
// - Close sends what is queued, tells the others (waiting a short, bounded time), frees the
//   port before it returns and delivers terminate-session as the last event of the session.
//   A peer that vanishes without Close is noticed by ENet's own time-out, in seconds.
// - Initialize, Host, Connect and Close belong to one controlling thread; SendTo and
//   GetPeerInfo may be called from any thread, the handler included.
// - Addresses are IPv4. A player on the host's own machine is reached at the host's address.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/netpeer/address.h"

namespace netpeer {

using PlayerId = uint32_t;
constexpr PlayerId kAllPlayers = 0;

constexpr size_t kMaxMessageBytes = 1024;
constexpr size_t kMaxNameBytes = 260;
constexpr size_t kMaxPlayers = 32;
constexpr std::chrono::milliseconds kDefaultConnectTimeout{3000};

// Player flags, with the values the game tests.
constexpr uint32_t kPlayerLocal = 0x2;
constexpr uint32_t kPlayerHost = 0x4;

using ApplicationId = std::array<uint8_t, 16>;

// Peers join only a session of the same application. The name labels the session; joining
// does not compare it.
struct SessionDesc {
    ApplicationId application{};
    std::string name;
};

struct PlayerInfo {
    std::string name;
    uint32_t flags = 0;  // kPlayerLocal, kPlayerHost
};

enum class EventKind { kCreatePlayer, kDestroyPlayer, kHostMigrate, kReceive, kTerminateSession };

struct Event {
    EventKind kind = EventKind::kTerminateSession;
    // The created or destroyed player, the new host, or the sender.
    PlayerId player = 0;
    PlayerInfo info;            // kCreatePlayer
    std::vector<uint8_t> data;  // kReceive
};

// Called on the event thread; must not throw.
using Handler = std::function<void(const Event&)>;

enum class Result {
    kOk,
    kNotInitialized,  // no handler yet
    kBusy,            // already in a session
    kBadAddress,      // no host name, or it does not resolve
    kPortInUse,       // the local port cannot be bound
    kTimedOut,        // nobody answered in time
    kRefused,         // wrong application, not the host, or the session is full
};

class Session;
class EventThread;

class Peer {
public:
    Peer();
    ~Peer();  // closes the session
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    // Sets the handler of every later session. false while in a session.
    bool Initialize(Handler handler);
    // The name this peer's player has in the next session. false (name unchanged) when it is
    // too long or holds a NUL byte.
    bool SetPeerInfo(const std::string& name);
    // A player of the current session, with its current flags; nothing for an unknown id.
    std::optional<PlayerInfo> GetPeerInfo(PlayerId player) const;

    // Starts a session listening on the device's port (kDefaultPort when 0); this peer is
    // player 1 and the host.
    Result Host(const SessionDesc& desc, const Address& device);
    // Joins the session hosted at host (kDefaultPort when its port is 0), listening on the
    // device's port (any free one when 0). Returns once the host has admitted this peer.
    Result Connect(const SessionDesc& desc, const Address& host, const Address& device,
                   std::chrono::milliseconds timeout = kDefaultConnectTimeout);
    // Queues one message to a player or to kAllPlayers; the bytes are copied. false when not
    // in a session, for an unknown player, or for an empty or too long message.
    bool SendTo(PlayerId to, const void* data, size_t size);
    // Leaves the session; nothing happens without one. No callback runs after it returns.
    void Close();

private:
    // Ends the session; one that started ends with terminate-session.
    void End(bool started);

    Handler handler_;
    std::string name_;
    // Guards session_ against SendTo and GetPeerInfo from other threads while it is replaced.
    mutable std::mutex mutex_;
    std::unique_ptr<EventThread> events_;
    std::unique_ptr<Session> session_;
};

}  // namespace netpeer
