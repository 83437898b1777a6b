// One session of a peer: the ENet host, and the service thread that alone touches it, runs
// the join handshake, the mesh links and host migration, and hands events to the EventThread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include <enet/enet.h>

#include "platform/netpeer/event_thread.h"
#include "platform/netpeer/peer.h"
#include "platform/netpeer/wire.h"

namespace netpeer {

class Session {
public:
    Session(SessionDesc desc, std::string localName, EventThread& events);
    ~Session();  // Stop
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Binds port and runs as the host, player 1.
    Result Host(uint16_t port);
    // Binds devicePort (any when 0) and joins the host; returns when joined or failed.
    Result Join(const Address& host, uint16_t devicePort, std::chrono::milliseconds timeout);
    bool Send(PlayerId to, const void* data, size_t size);
    std::optional<PlayerInfo> Info(PlayerId player) const;
    // True once the session went on without this peer; its terminate-session is handed on already.
    bool Lost() const;
    // Sends what is queued, leaves the others (bounded wait) and frees the port. No event is
    // handed on once it has begun.
    void Stop();

private:
    using Clock = std::chrono::steady_clock;

    struct Link {
        PlayerId id = 0;  // 0 until the peer has said who it is
        Clock::time_point since;
        enet_uint32 connection = 0;  // ENet's id of a stranger's handshake
    };
    struct Outgoing {
        PlayerId to;
        wire::Bytes data;
    };

    Result Bind(uint16_t port);
    void Run();
    void ServiceEvents(ENetHost* enet);
    void CountHandshakes(ENetHost* enet);
    void Shutdown();
    void WaitForTraffic(int timeoutMs);
    void FlushOutbox();
    void HandleEvent(const ENetEvent& event);
    void HandlePacket(ENetPeer* peer, wire::View packet);
    void HandleJoin(ENetPeer* peer, const wire::Join& join);
    void HandleLink(ENetPeer* peer, const wire::Link& link);
    void HandleAnnounce(const wire::Announce& announce);
    void HandleWelcome(const wire::Welcome& welcome);
    void HandleDrop(PlayerId from, PlayerId id);
    void HandleDisconnect(ENetPeer* peer, enet_uint32 reason);
    void RemoveLink(ENetPeer* peer);
    void CheckDeadlines();
    void GiveUpPendingLinks();
    void NameUnreachedMembers();
    // Leaves the session the others went on with: terminate-session, and nothing more is done.
    void Lose();
    bool IsStranger(const std::pair<ENetPeer* const, Link>& link) const;
    void AdmitStranger(ENetPeer* peer);
    std::unordered_map<ENetPeer*, Link>::iterator CutStranger(std::unordered_map<ENetPeer*, Link>::iterator stranger);
    void OpenDoor();
    void AddPlayer(PlayerId id, const std::string& name, ENetPeer* peer);
    void SendPacket(ENetPeer* peer, const wire::Bytes& bytes);
    void CompleteJoin(Result result);
    void Emit(Event event);
    Event CreateEvent(PlayerId id) const;

    const SessionDesc desc_;
    const std::string localName_;
    EventThread& events_;

    ENetHost* host_ = nullptr;
    // A member that came to host also takes joins here, at the port newcomers know the session by.
    ENetHost* door_ = nullptr;
    int wakeRead_ = -1, wakeWrite_ = -1;
    std::thread thread_;
    std::atomic<bool> stopping_{false};

    // Read by any thread, written by the service thread (and by Host/Join before it starts).
    mutable std::mutex mutex_;
    std::condition_variable joinDone_;
    std::map<PlayerId, std::string> players_;
    PlayerId localId_ = 0, hostId_ = 0;
    bool running_ = false;
    std::optional<Result> joinResult_;
    std::vector<Outgoing> outbox_;

    // The service thread's own.
    std::unordered_map<ENetPeer*, Link> links_;
    std::map<PlayerId, ENetPeer*> linkOf_;
    PlayerId highestId_ = 0;
    bool joining_ = false;
    // The join's patience: for the host's welcome, then for the links to the other members.
    Clock::time_point joinDeadline_;
    ENetAddress joinTarget_{};
    uint16_t sessionPort_ = 0;
    Clock::time_point nextDoorTry_;
    ENetPeer* hostLink_ = nullptr;
    std::map<ENetPeer*, wire::Member> pendingLinks_;
    // Ids the host announced whose newcomer has not linked yet, with the port it links from, and
    // links that introduced themselves before their announcement arrived.
    std::map<PlayerId, uint16_t> announced_;
    std::map<ENetPeer*, wire::Link> unannouncedLinks_;
    std::vector<Event> pendingEvents_;
    // Members this newcomer could not link to, with the time the host has to drop them.
    std::map<PlayerId, Clock::time_point> unreached_;
    Clock::time_point nextDropRepeat_;
    // When this peer last went on after being stopped, and whether it has left the session.
    std::optional<Clock::time_point> resumedAt_;
    std::atomic<bool> lost_{false};
};

}  // namespace netpeer
