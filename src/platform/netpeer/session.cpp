// The session's service thread: handshake, mesh links, messages and host migration on ENet.
#include "platform/netpeer/session.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace netpeer {
namespace {

// Connections that have not said who they are yet, from the first word of their handshake on: a
// few at a time from one address, and a few in all, the oldest giving way to a newer one, so that
// strays never fill the slots a newcomer needs; each says who it is within a short time or is cut.
constexpr size_t kStrangersPerAddress = 4;
constexpr size_t kStrangerPlaces = 16;
constexpr auto kIntroductionTime = std::chrono::seconds(1);
// ENet gives a slot to every handshake that arrives in one turn before the strangers are counted,
// so there is room beyond their places for a burst.
constexpr size_t kPeerSlots = kMaxPlayers + 2 * kStrangerPlaces;
// ENet would otherwise buffer up to 32 MB per peer; the largest honest packet is a full welcome.
constexpr size_t kMaxPacketBytes = 16 * 1024;
constexpr size_t kMaxWaitingBytes = 4 * 1024 * 1024;
constexpr int kPollMs = 10;
constexpr auto kCloseGrace = std::chrono::milliseconds(300);
constexpr auto kDoorRetry = std::chrono::milliseconds(200);
// ENet pings every half second: a member silent this long answers nobody.
constexpr enet_uint32 kSilentMs = 2000;
// A newcomer names a member it cannot reach again this often, and goes on without it when the
// host has not dropped that member in this time.
constexpr auto kDropRepeat = std::chrono::milliseconds(500);
constexpr auto kDropPatience = std::chrono::milliseconds(kSilentMs + 1500);
// This peer stopped this long was silent to the others; a link that times out after it, up to
// ENet's longest time-out, was cut by them.
constexpr auto kStall = std::chrono::milliseconds(kSilentMs);
constexpr auto kStallAftermath = std::chrono::seconds(40);
// What a disconnection says: the other peer left, or it dropped this one from the session; a
// time-out says nothing (0).
constexpr enet_uint32 kLeaving = 1;
constexpr enet_uint32 kDropped = 2;

void InitializeEnetOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (enet_initialize() != 0)
            std::fprintf(stderr, "netpeer: ENet failed to initialise\n");
    });
}

ENetHost* CreateEnetHost(uint16_t port)
{
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* host = enet_host_create(&address, kPeerSlots, 1, 0, 0);
    if (host) {
        host->maximumPacketSize = kMaxPacketBytes;
        host->maximumWaitingData = kMaxWaitingBytes;
    }
    return host;
}

}  // namespace

Session::Session(SessionDesc desc, std::string localName, EventThread& events)
    : desc_(std::move(desc)), localName_(std::move(localName)), events_(events)
{
    InitializeEnetOnce();
}

Session::~Session()
{
    Stop();
}

Result Session::Bind(uint16_t port)
{
    host_ = CreateEnetHost(port);
    if (!host_)
        return Result::kPortInUse;
    int fds[2];
    if (pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        enet_host_destroy(host_);
        host_ = nullptr;
        return Result::kPortInUse;
    }
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    return Result::kOk;
}

Result Session::Host(uint16_t port)
{
    if (Result bound = Bind(port); bound != Result::kOk)
        return bound;
    {
        std::lock_guard lock(mutex_);
        localId_ = hostId_ = highestId_ = 1;
        players_[localId_] = localName_;
        running_ = true;
    }
    sessionPort_ = port;
    Emit(CreateEvent(localId_));
    thread_ = std::thread([this] { Run(); });
    return Result::kOk;
}

Result Session::Join(const Address& host, uint16_t devicePort, std::chrono::milliseconds timeout)
{
    if (host.host.empty() || enet_address_set_host(&joinTarget_, host.host.c_str()) != 0)
        return Result::kBadAddress;
    joinTarget_.port = host.port ? host.port : kDefaultPort;
    sessionPort_ = joinTarget_.port;
    if (Result bound = Bind(devicePort); bound != Result::kOk)
        return bound;
    joining_ = true;
    joinDeadline_ = Clock::now() + timeout;
    thread_ = std::thread([this] { Run(); });
    std::unique_lock lock(mutex_);
    // The service thread ends the join at its deadline; the margin only guards against a stall.
    if (!joinDone_.wait_for(lock, timeout + std::chrono::seconds(2), [this] { return joinResult_.has_value(); }))
        return Result::kTimedOut;
    return *joinResult_;
}

bool Session::Send(PlayerId to, const void* data, size_t size)
{
    if (size == 0 || size > kMaxMessageBytes || !data)
        return false;
    {
        std::lock_guard lock(mutex_);
        if (!running_ || (to != kAllPlayers && !players_.contains(to)))
            return false;
        const auto* bytes = static_cast<const uint8_t*>(data);
        outbox_.push_back({to, wire::Bytes(bytes, bytes + size)});
        // Under the lock, so Stop cannot close the pipe in between; a full pipe is awake anyway.
        char wake = 1;
        [[maybe_unused]] ssize_t written = write(wakeWrite_, &wake, 1);
    }
    return true;
}

std::optional<PlayerInfo> Session::Info(PlayerId player) const
{
    std::lock_guard lock(mutex_);
    auto it = players_.find(player);
    if (it == players_.end())
        return std::nullopt;
    PlayerInfo info{it->second, 0};
    if (player == localId_)
        info.flags |= kPlayerLocal;
    if (player == hostId_)
        info.flags |= kPlayerHost;
    return info;
}

bool Session::Lost() const
{
    return lost_;
}

void Session::Stop()
{
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    stopping_ = true;
    if (thread_.joinable()) {
        char wake = 1;
        [[maybe_unused]] ssize_t written = write(wakeWrite_, &wake, 1);
        thread_.join();
    }
    if (host_) {
        enet_host_destroy(host_);
        host_ = nullptr;
    }
    std::lock_guard lock(mutex_);
    for (int* fd : {&wakeRead_, &wakeWrite_}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

void Session::Run()
{
    if (joining_) {
        hostLink_ = enet_host_connect(host_, &joinTarget_, 1, 0);
        if (!hostLink_)
            CompleteJoin(Result::kRefused);
        else
            links_[hostLink_] = {0, Clock::now()};
    }
    auto lastTurn = Clock::now();
    while (!stopping_) {
        const auto now = Clock::now();
        if (now - lastTurn > kStall)
            resumedAt_ = now;
        lastTurn = now;
        if (!lost_) {
            FlushOutbox();
            ServiceEvents(host_);
            if (door_)
                ServiceEvents(door_);
            CheckDeadlines();
        }
        if (lost_ && door_) {
            enet_host_destroy(door_);
            door_ = nullptr;
        }
        WaitForTraffic(kPollMs);
    }
    Shutdown();
}

void Session::ServiceEvents(ENetHost* enet)
{
    ENetEvent event;
    int got = enet_host_service(enet, &event, 0);
    while (got > 0) {
        HandleEvent(event);
        got = enet_host_check_events(enet, &event);
    }
    CountHandshakes(enet);
    enet_host_flush(enet);
}

// ENet holds a slot for a handshake that is never completed, for as long as its own time-out, and
// tells nothing of it: each is a stranger from the moment it is seen.
void Session::CountHandshakes(ENetHost* enet)
{
    for (ENetPeer* peer = enet->peers; peer < enet->peers + enet->peerCount; ++peer) {
        if (peer->state != ENET_PEER_STATE_ACKNOWLEDGING_CONNECT && peer->state != ENET_PEER_STATE_CONNECTION_PENDING)
            continue;
        AdmitStranger(peer);
    }
}

// Sends what the game queued, then leaves every peer once its queue is empty.
void Session::Shutdown()
{
    FlushOutbox();
    // A link still connecting is dropped at once, with no event to wait for.
    for (auto it = links_.begin(); it != links_.end();) {
        enet_peer_disconnect_later(it->first, kLeaving);
        it = it->first->state == ENET_PEER_STATE_DISCONNECTED ? links_.erase(it) : std::next(it);
    }
    auto deadline = Clock::now() + kCloseGrace;
    while (!links_.empty() && Clock::now() < deadline) {
        for (ENetHost* enet : {host_, door_}) {
            ENetEvent event;
            int got = enet ? enet_host_service(enet, &event, 0) : 0;
            while (got > 0) {
                if (event.type == ENET_EVENT_TYPE_DISCONNECT)
                    links_.erase(event.peer);
                else if (event.type == ENET_EVENT_TYPE_RECEIVE)
                    enet_packet_destroy(event.packet);
                got = enet_host_check_events(enet, &event);
            }
        }
        WaitForTraffic(1);
    }
    for (auto& [peer, link] : links_)
        enet_peer_disconnect_now(peer, kLeaving);
    links_.clear();
    for (ENetHost** enet : {&host_, &door_}) {
        if (*enet)
            enet_host_destroy(*enet);
        *enet = nullptr;
    }
}

void Session::WaitForTraffic(int timeoutMs)
{
    pollfd fds[3] = {{wakeRead_, POLLIN, 0}, {host_->socket, POLLIN, 0}, {door_ ? door_->socket : -1, POLLIN, 0}};
    if (poll(fds, 3, timeoutMs) > 0 && (fds[0].revents & POLLIN)) {
        char drain[64];
        while (read(wakeRead_, drain, sizeof drain) > 0) {
        }
    }
}

void Session::FlushOutbox()
{
    std::vector<Outgoing> outbox;
    PlayerId localId;
    {
        std::lock_guard lock(mutex_);
        outbox.swap(outbox_);
        localId = localId_;
    }
    for (Outgoing& out : outbox) {
        wire::Bytes packet = wire::EncodeData(out.data.data(), out.data.size());
        if (out.to == kAllPlayers) {
            for (auto& [id, peer] : linkOf_)
                SendPacket(peer, packet);
        } else if (auto it = linkOf_.find(out.to); it != linkOf_.end()) {
            SendPacket(it->second, packet);
        }
        if (out.to == kAllPlayers || out.to == localId)
            Emit({EventKind::kReceive, localId, {}, std::move(out.data)});
    }
}

void Session::SendPacket(ENetPeer* peer, const wire::Bytes& bytes)
{
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (packet && enet_peer_send(peer, 0, packet) != 0)
        enet_packet_destroy(packet);
}

void Session::HandleEvent(const ENetEvent& event)
{
    switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
        if (event.peer == hostLink_ && joining_) {
            SendPacket(event.peer, wire::Encode(wire::Join{desc_.application, localName_}));
        } else if (auto it = pendingLinks_.find(event.peer); it != pendingLinks_.end()) {
            SendPacket(event.peer, wire::Encode(wire::Link{desc_.application, localId_, localName_}));
            AddPlayer(it->second.id, it->second.name, event.peer);
            pendingLinks_.erase(it);
        } else {
            AdmitStranger(event.peer);
        }
        break;
    case ENET_EVENT_TYPE_RECEIVE:
        HandlePacket(event.peer, wire::View(event.packet->data, event.packet->dataLength));
        enet_packet_destroy(event.packet);
        break;
    case ENET_EVENT_TYPE_DISCONNECT:
        HandleDisconnect(event.peer, event.data);
        break;
    case ENET_EVENT_TYPE_NONE:
        break;
    }
}

void Session::HandlePacket(ENetPeer* peer, wire::View packet)
{
    auto link = links_.find(peer);
    if (link == links_.end())
        return;
    std::optional<wire::Kind> kind = wire::KindOf(packet);
    if (!kind)
        return;
    if (peer == hostLink_ && joining_ && link->second.id == 0) {
        if (*kind == wire::Kind::kWelcome) {
            if (std::optional<wire::Welcome> welcome = wire::DecodeWelcome(packet))
                HandleWelcome(*welcome);
        } else if (*kind == wire::Kind::kRefuse && wire::DecodeRefuse(packet)) {
            CompleteJoin(Result::kRefused);
        }
        return;
    }
    if (link->second.id == 0) {
        if (*kind == wire::Kind::kJoin) {
            if (std::optional<wire::Join> join = wire::DecodeJoin(packet))
                HandleJoin(peer, *join);
        } else if (*kind == wire::Kind::kLink) {
            if (std::optional<wire::Link> hello = wire::DecodeLink(packet))
                HandleLink(peer, *hello);
        }
        return;
    }
    if (*kind == wire::Kind::kDrop) {
        if (std::optional<wire::Drop> drop = wire::DecodeDrop(packet))
            HandleDrop(link->second.id, drop->id);
        return;
    }
    if (*kind == wire::Kind::kAnnounce) {
        if (std::optional<wire::Announce> announce = wire::DecodeAnnounce(packet);
            announce && link->second.id == hostId_)
            HandleAnnounce(*announce);
        return;
    }
    if (std::optional<wire::View> data = wire::DecodeData(packet))
        Emit({EventKind::kReceive, link->second.id, {}, std::vector<uint8_t>(data->begin(), data->end())});
}

void Session::HandleJoin(ENetPeer* peer, const wire::Join& join)
{
    std::optional<wire::RefuseReason> refusal;
    if (join.application != desc_.application)
        refusal = wire::RefuseReason::kWrongApplication;
    else if (localId_ == 0 || localId_ != hostId_)
        refusal = wire::RefuseReason::kNotHost;
    else if (players_.size() >= kMaxPlayers)
        refusal = wire::RefuseReason::kFull;
    if (refusal) {
        SendPacket(peer, wire::EncodeRefuse(*refusal));
        enet_peer_disconnect_later(peer, 0);
        links_.erase(peer);
        return;
    }
    wire::Welcome welcome{highestId_ + 1, localId_, {}};
    for (const auto& [id, name] : players_) {
        wire::Member member{id, 0, 0, name};
        if (auto it = linkOf_.find(id); it != linkOf_.end()) {
            member.ipv4 = it->second->address.host;
            member.port = it->second->address.port;
        }
        welcome.members.push_back(std::move(member));
    }
    SendPacket(peer, wire::Encode(welcome));
    // The others hear of the newcomer before its link to them can arrive.
    const wire::Bytes announce = wire::Encode(wire::Announce{welcome.yourId, peer->address.port});
    for (const auto& [id, other] : linkOf_)
        SendPacket(other, announce);
    AddPlayer(welcome.yourId, join.name, peer);
}

// Only a newcomer the host announced links in, under the id the host gave it and from the port
// the host saw; a link that comes before its announcement waits for it until the introduction
// time runs out.
void Session::HandleLink(ENetPeer* peer, const wire::Link& link)
{
    const auto announced = announced_.find(link.id);
    const bool early = announced == announced_.end() && localId_ != hostId_;
    const bool refused = link.application != desc_.application || link.id == localId_ || players_.contains(link.id) ||
                         localId_ == hostId_ || (!early && announced->second != peer->address.port);
    if (refused) {
        enet_peer_disconnect(peer, 0);
        links_.erase(peer);
        unannouncedLinks_.erase(peer);
        return;
    }
    if (early) {
        unannouncedLinks_[peer] = link;
        return;
    }
    announced_.erase(announced);
    unannouncedLinks_.erase(peer);
    AddPlayer(link.id, link.name, peer);
}

void Session::HandleAnnounce(const wire::Announce& announce)
{
    if (announce.id == localId_ || players_.contains(announce.id))
        return;
    highestId_ = std::max(highestId_, announce.id);
    announced_[announce.id] = announce.port;
    // The newcomer is let in and any other link under its id shown the door.
    std::vector<std::pair<ENetPeer*, wire::Link>> waiting;
    for (const auto& [peer, link] : unannouncedLinks_) {
        if (link.id == announce.id)
            waiting.emplace_back(peer, link);
    }
    for (const auto& [peer, link] : waiting)
        HandleLink(peer, link);
}

void Session::AddPlayer(PlayerId id, const std::string& name, ENetPeer* peer)
{
    links_[peer].id = id;
    linkOf_[id] = peer;
    highestId_ = std::max(highestId_, id);
    {
        std::lock_guard lock(mutex_);
        players_[id] = name;
    }
    Emit(CreateEvent(id));
}

void Session::HandleWelcome(const wire::Welcome& welcome)
{
    auto host = std::find_if(welcome.members.begin(), welcome.members.end(),
                             [&](const wire::Member& m) { return m.id == welcome.hostId; });
    if (host == welcome.members.end()) {
        CompleteJoin(Result::kRefused);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        localId_ = welcome.yourId;
        hostId_ = welcome.hostId;
        players_[localId_] = localName_;
        players_[hostId_] = host->name;
    }
    highestId_ = welcome.yourId;
    links_[hostLink_].id = welcome.hostId;
    linkOf_[welcome.hostId] = hostLink_;
    // The host's word admits this peer; each other member joins it here once its link answers.
    for (const wire::Member& m : welcome.members) {
        highestId_ = std::max(highestId_, m.id);
        if (m.id == welcome.hostId)
            continue;
        ENetAddress address{m.ipv4, m.port};
        // A player on the host's own machine is reached at the host's address, as seen from here.
        if ((ntohl(address.host) >> 24) == 127)
            address.host = joinTarget_.host;
        if (ENetPeer* peer = enet_host_connect(host_, &address, 1, 0))
            pendingLinks_[peer] = m;
    }
    CompleteJoin(Result::kOk);
}

// A newcomer names a member that did not answer its link. The host drops that member only when it
// has not heard from it lately either, so no newcomer can drop a live one; the others drop whom
// the host drops.
void Session::HandleDrop(PlayerId from, PlayerId id)
{
    if (from == hostId_) {
        unreached_.erase(id);
        // A newcomer the host let go of cannot link in later.
        announced_.erase(id);
        if (id == localId_) {
            Lose();
            return;
        }
    }
    const auto member = linkOf_.find(id);
    if (member == linkOf_.end()) {
        // A member that is gone already: the newcomer that names it hears so.
        if (localId_ == hostId_ && id != localId_ && from != localId_)
            if (const auto sender = linkOf_.find(from); sender != linkOf_.end())
                SendPacket(sender->second, wire::Encode(wire::Drop{id}));
        return;
    }
    ENetPeer* peer = member->second;
    if (localId_ == hostId_) {
        if (enet_time_get() - peer->lastReceiveTime < kSilentMs)
            return;
        const wire::Bytes drop = wire::Encode(wire::Drop{id});
        for (const auto& [other, link] : linkOf_) {
            if (other != id)
                SendPacket(link, drop);
        }
    } else if (from != hostId_) {
        return;
    }
    enet_peer_disconnect_now(peer, kDropped);
    RemoveLink(peer);
}

void Session::HandleDisconnect(ENetPeer* peer, enet_uint32 reason)
{
    pendingLinks_.erase(peer);
    unannouncedLinks_.erase(peer);
    if (joining_ && peer == hostLink_) {
        links_.erase(peer);
        CompleteJoin(Result::kRefused);
        return;
    }
    const auto link = links_.find(peer);
    const PlayerId id = link != links_.end() ? link->second.id : 0;
    if (id == 0) {
        RemoveLink(peer);
        return;
    }
    // Dropped by the others, by their word or by their time-outs while this peer was stopped: the
    // session went on without it. The host's word decides whatever the other links say, so a peer
    // whose host timed out after a stall leaves too, as one that has no link left; playing on with
    // the few that kept it would only split the session.
    const bool stalled = reason == 0 && resumedAt_ && Clock::now() - *resumedAt_ < kStallAftermath;
    if (reason == kDropped || (stalled && (id == hostId_ || linkOf_.size() == 1))) {
        Lose();
        return;
    }
    RemoveLink(peer);
    // A member the host lost is lost to everyone, so none keeps one the host no longer has.
    if (reason == 0 && localId_ == hostId_ && !stalled) {
        const wire::Bytes drop = wire::Encode(wire::Drop{id});
        for (const auto& [member, memberLink] : linkOf_)
            SendPacket(memberLink, drop);
    }
}

// A player's link goes with destroy-player; the host's also hands the role on.
void Session::RemoveLink(ENetPeer* peer)
{
    const auto link = links_.find(peer);
    if (link == links_.end())
        return;
    const PlayerId id = link->second.id;
    links_.erase(link);
    if (id == 0)
        return;
    linkOf_.erase(id);
    PlayerId newHost = 0;
    {
        std::lock_guard lock(mutex_);
        players_.erase(id);
        // Ids grow with age, so the oldest remaining player has the lowest id.
        if (id == hostId_ && !players_.empty())
            newHost = hostId_ = players_.begin()->first;
    }
    Emit({EventKind::kDestroyPlayer, id, {}, {}});
    if (newHost != 0)
        Emit({EventKind::kHostMigrate, newHost, {}, {}});
}

void Session::CheckDeadlines()
{
    auto now = Clock::now();
    if (joining_ && now >= joinDeadline_)
        CompleteJoin(Result::kTimedOut);
    if (!pendingLinks_.empty() && now >= joinDeadline_)
        GiveUpPendingLinks();
    NameUnreachedMembers();
    if (lost_)
        return;
    OpenDoor();
    for (auto it = links_.begin(); it != links_.end();) {
        bool stray = IsStranger(*it) && now - it->second.since > kIntroductionTime;
        it = stray ? CutStranger(it) : std::next(it);
    }
}

bool Session::IsStranger(const std::pair<ENetPeer* const, Link>& link) const
{
    return link.second.id == 0 && link.first != hostLink_ && !pendingLinks_.contains(link.first);
}

std::unordered_map<ENetPeer*, Session::Link>::iterator Session::CutStranger(
    std::unordered_map<ENetPeer*, Link>::iterator stranger)
{
    enet_peer_disconnect_now(stranger->first, 0);
    unannouncedLinks_.erase(stranger->first);
    return links_.erase(stranger);
}

void Session::AdmitStranger(ENetPeer* peer)
{
    // Counted already while its handshake went on, or a player's link; a stranger that ENet let go
    // of left its slot to this one.
    if (const auto known = links_.find(peer); known != links_.end()) {
        if (known->second.id != 0 || known->second.connection == peer->connectID)
            return;
        links_.erase(known);
    }
    size_t strangers = 0, fromItsAddress = 0;
    auto oldest = links_.end();
    for (auto it = links_.begin(); it != links_.end(); ++it) {
        if (!IsStranger(*it))
            continue;
        ++strangers;
        fromItsAddress += it->first->address.host == peer->address.host;
        if (oldest == links_.end() || it->second.since < oldest->second.since)
            oldest = it;
    }
    if (fromItsAddress >= kStrangersPerAddress) {
        enet_peer_disconnect_now(peer, 0);
        return;
    }
    if (strangers >= kStrangerPlaces)
        CutStranger(oldest);
    links_[peer] = {0, Clock::now(), peer->connectID};
}

// The members a newcomer could not reach are named to the host until it drops them. One it keeps is
// live, only out of this peer's reach (its slots are taken, or the way to it is shut): this peer
// plays on without it, since the session of the others must not hang on one member's slots.
void Session::NameUnreachedMembers()
{
    const auto now = Clock::now();
    if (unreached_.empty() || now < nextDropRepeat_)
        return;
    nextDropRepeat_ = now + kDropRepeat;
    std::erase_if(unreached_, [&](const auto& member) { return now >= member.second; });
    const auto host = linkOf_.find(hostId_);
    for (const auto& [id, patience] : unreached_) {
        if (host != linkOf_.end())
            SendPacket(host->second, wire::Encode(wire::Drop{id}));
    }
}

void Session::Lose()
{
    Emit({EventKind::kTerminateSession, 0, {}, {}});
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    lost_ = true;
    unreached_.clear();
    pendingLinks_.clear();
    for (auto& [peer, link] : links_)
        enet_peer_disconnect_now(peer, kLeaving);
    links_.clear();
    linkOf_.clear();
}

// The members whose links did not answer within the join's patience: the host hears of each, and
// this peer goes on without them.
void Session::GiveUpPendingLinks()
{
    const auto host = linkOf_.find(hostId_);
    for (const auto& [peer, member] : pendingLinks_) {
        enet_peer_reset(peer);
        if (host != linkOf_.end())
            SendPacket(host->second, wire::Encode(wire::Drop{member.id}));
        unreached_[member.id] = Clock::now() + kDropPatience;
    }
    pendingLinks_.clear();
    nextDropRepeat_ = Clock::now() + kDropRepeat;
}

// Newcomers look for the host where they found it; a member that came to host opens a door there
// as soon as the port is free.
void Session::OpenDoor()
{
    const auto now = Clock::now();
    if (door_ || localId_ == 0 || localId_ != hostId_ || sessionPort_ == host_->address.port || now < nextDoorTry_)
        return;
    nextDoorTry_ = now + kDoorRetry;
    door_ = CreateEnetHost(sessionPort_);
}

void Session::CompleteJoin(Result result)
{
    if (!joining_)
        return;
    joining_ = false;
    hostLink_ = nullptr;  // ENet may hand its slot to another peer later
    std::vector<Event> pending;
    pending.swap(pendingEvents_);
    if (result == Result::kOk) {
        // Players that linked while this peer was joining already have their event pending.
        std::vector<PlayerId> ids;
        {
            std::lock_guard lock(mutex_);
            running_ = true;
            for (const auto& entry : players_) {
                bool announced = std::any_of(pending.begin(), pending.end(), [&](const Event& e) {
                    return e.kind == EventKind::kCreatePlayer && e.player == entry.first;
                });
                if (!announced)
                    ids.push_back(entry.first);
            }
        }
        for (PlayerId id : ids)
            Emit(CreateEvent(id));
        for (Event& event : pending)
            Emit(std::move(event));
    }
    {
        std::lock_guard lock(mutex_);
        joinResult_ = result;
    }
    joinDone_.notify_all();
}

void Session::Emit(Event event)
{
    if (joining_) {
        pendingEvents_.push_back(std::move(event));
        return;
    }
    bool running;
    {
        std::lock_guard lock(mutex_);
        running = running_;
    }
    if (running)
        events_.Push(std::move(event));
}

Event Session::CreateEvent(PlayerId id) const
{
    Event event{EventKind::kCreatePlayer, id, {}, {}};
    event.info = Info(id).value_or(PlayerInfo{});
    return event;
}

}  // namespace netpeer
