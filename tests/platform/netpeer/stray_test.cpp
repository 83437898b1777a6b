// A raw ENet client on 127.0.0.1 that does not follow the protocol: its packets are dropped,
// the session goes on, and nothing it sends reaches the game. Strays, even ones that never finish
// their handshake, leave room for newcomers; a newcomer plays on without a member it cannot reach,
// and a peer the session went on without leaves it.
#include <algorithm>
#include <chrono>
#include <memory>
#include <stop_token>
#include <thread>

#include <enet/enet.h>
#include <gtest/gtest.h>
#include <signal.h>

#include "platform/netpeer/peer.h"
#include "platform/netpeer/wire.h"
#include "reliability/child_process.h"
#include "support/netpeer_loopback.h"

namespace {

using netpeer::EventKind;
using netpeer::Result;
using netpeer_test::kDesc;
using netpeer_test::Loopback;
using netpeer_test::Recorder;

class RawClient {
public:
    // From an address of this machine; 127.0.0.2 stands for another machine.
    explicit RawClient(uint16_t port, const char* from = "127.0.0.1")
    {
        ENetAddress local{};
        enet_address_set_host(&local, from);
        client_ = enet_host_create(&local, 1, 1, 0, 0);
        ENetAddress address{};
        enet_address_set_host(&address, "127.0.0.1");
        address.port = port;
        peer_ = enet_host_connect(client_, &address, 1, 0);
    }
    ~RawClient() { enet_host_destroy(client_); }

    // Services the client until an event of that type arrives or the time is up.
    bool WaitFor(ENetEventType type, ENetPacket** received = nullptr)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        ENetEvent event;
        while (std::chrono::steady_clock::now() < deadline) {
            if (enet_host_service(client_, &event, 10) <= 0)
                continue;
            if (event.type == type) {
                if (received)
                    *received = event.packet;
                else if (event.packet)
                    enet_packet_destroy(event.packet);
                return true;
            }
            if (event.packet)
                enet_packet_destroy(event.packet);
        }
        return false;
    }

    void Send(const netpeer::wire::Bytes& bytes)
    {
        enet_peer_send(peer_, 0, enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
        enet_host_flush(client_);
    }
    // Takes what has arrived and drops it; this answers the session's pings.
    void Service()
    {
        ENetEvent event;
        while (enet_host_service(client_, &event, 0) > 0) {
            cut_ |= event.type == ENET_EVENT_TYPE_DISCONNECT;
            if (event.packet)
                enet_packet_destroy(event.packet);
        }
    }
    // Sends the first word of the handshake; a client never serviced after it answers nothing more.
    void Knock() { enet_host_flush(client_); }
    // The session cut it, as Service saw.
    bool Cut() const { return cut_; }

private:
    ENetHost* client_ = nullptr;
    ENetPeer* peer_ = nullptr;
    bool cut_ = false;
};

using Strays = std::vector<std::unique_ptr<RawClient>>;

void Serve(const std::vector<Strays>& waves, std::chrono::milliseconds time)
{
    for (auto end = std::chrono::steady_clock::now() + time; std::chrono::steady_clock::now() < end;) {
        for (const Strays& wave : waves)
            for (const auto& stray : wave)
                stray->Service();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Strays from another machine that connect and never say who they are: 64 that answer the
// session's pings, or 80 that never finish the handshake and so hold a slot without a word.
Strays Flood(uint16_t port, bool halfOpen)
{
    std::vector<Strays> flood(1);
    for (int i = 0; i < (halfOpen ? 80 : 64); ++i) {
        flood[0].push_back(std::make_unique<RawClient>(port, "127.0.0.2"));
        flood[0].back()->Knock();
    }
    if (!halfOpen)
        Serve(flood, std::chrono::milliseconds(500));
    return std::move(flood[0]);
}

constexpr std::chrono::milliseconds kShortJoin{1500};

class StrayClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.Initialize(log.Handler());
        ASSERT_EQ(host.Host(kDesc, Loopback(port)), Result::kOk);
        ASSERT_TRUE(log.WaitForCount(EventKind::kCreatePlayer, 1));
    }

    // After whatever a stray did, an honest peer joins as player 2 and is the only newcomer.
    void ExpectAnHonestJoinGetsTheNextId(std::chrono::milliseconds timeout = netpeer::kDefaultConnectTimeout)
    {
        Recorder guestLog;
        netpeer::Peer guest;
        guest.Initialize(guestLog.Handler());
        ASSERT_EQ(guest.Connect(kDesc, Loopback(port), {}, timeout), Result::kOk);
        ASSERT_TRUE(log.WaitForCount(EventKind::kCreatePlayer, 2));
        std::vector<netpeer::Event> events = log.Events();
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[1].player, 2u);
    }

    Recorder log;
    netpeer::Peer host;
    uint16_t port = netpeer_test::FreePort();
};

const netpeer::wire::Bytes kGarbage[] = {
    {},
    {0},
    {99, 1, 2, 3},
    netpeer::wire::EncodeData("early", 5),
    netpeer::wire::Encode(netpeer::wire::Welcome{2, 1, {}}),
    netpeer::wire::EncodeRefuse(netpeer::wire::RefuseReason::kFull),
    {1, 1, 2, 3},  // a join cut short
};

TEST_F(StrayClientTest, PacketsBeforeAnIntroductionAreDroppedAndATakenIdIsShownTheDoor)
{
    RawClient stray(port);
    ASSERT_TRUE(stray.WaitFor(ENET_EVENT_TYPE_CONNECT));
    for (const auto& packet : kGarbage)
        stray.Send(packet);
    stray.Send(netpeer::wire::Encode(netpeer::wire::Link{kDesc.application, 1, "impostor"}));
    EXPECT_TRUE(stray.WaitFor(ENET_EVENT_TYPE_DISCONNECT));

    // An honest peer joins as player 2: the stray took no id and no event came of it.
    ExpectAnHonestJoinGetsTheNextId();
}

TEST_F(StrayClientTest, LinksTheHostNeverAnnouncedAreRefusedFromAnotherProcessAndLaterJoinsGoOn)
{
    // Another process introduces itself straight away, once with the highest id there is and
    // once with the id the next newcomer will get; neither came through a join.
    const ChildEnd intruders = RunInChild(
        [this] {
            int refused = 0;
            for (netpeer::PlayerId id : {0xFFFFFFFFu, 2u}) {
                RawClient intruder(port);
                if (!intruder.WaitFor(ENET_EVENT_TYPE_CONNECT))
                    return 2;
                intruder.Send(netpeer::wire::Encode(netpeer::wire::Link{kDesc.application, id, "intruder"}));
                refused += intruder.WaitFor(ENET_EVENT_TYPE_DISCONNECT) ? 1 : 0;
            }
            return refused == 2 ? 0 : 1;
        },
        ::testing::TempDir() + "intruders.err", std::chrono::seconds(20));
    ASSERT_FALSE(intruders.hung);
    EXPECT_EQ(intruders.exitCode, 0) << "an intruder's link was kept";

    ExpectAnHonestJoinGetsTheNextId();
}

TEST_F(StrayClientTest, AMemberThatAnswersNobodyIsDroppedAndANewcomerGetsInWithoutIt)
{
    RawClient silent(port);
    ASSERT_TRUE(silent.WaitFor(ENET_EVENT_TYPE_CONNECT));
    silent.Send(netpeer::wire::Encode(netpeer::wire::Join{kDesc.application, "silent"}));
    ASSERT_TRUE(log.WaitForCount(EventKind::kCreatePlayer, 2));

    // Never serviced again, it answers neither the newcomer's link nor the host.
    Recorder guestLog;
    netpeer::Peer guest;
    guest.Initialize(guestLog.Handler());
    ASSERT_EQ(guest.Connect(kDesc, Loopback(port), {}), Result::kOk);
    ASSERT_TRUE(log.WaitForCount(EventKind::kDestroyPlayer, 1));
    EXPECT_EQ(log.Events().back().player, 2u);
    EXPECT_EQ(Recorder::Count(guestLog.Events(), EventKind::kCreatePlayer), 2u);
}

TEST_F(StrayClientTest, AJoinedClientsMalformedAndOversizedMessagesAreDropped)
{
    RawClient joined(port);
    ASSERT_TRUE(joined.WaitFor(ENET_EVENT_TYPE_CONNECT));
    joined.Send(netpeer::wire::Encode(netpeer::wire::Join{kDesc.application, "raw"}));
    ENetPacket* welcome = nullptr;
    ASSERT_TRUE(joined.WaitFor(ENET_EVENT_TYPE_RECEIVE, &welcome));
    EXPECT_TRUE(netpeer::wire::DecodeWelcome(netpeer::wire::View(welcome->data, welcome->dataLength)));
    enet_packet_destroy(welcome);

    for (const auto& packet : kGarbage)
        joined.Send(packet);
    joined.Send(netpeer::wire::Encode(netpeer::wire::Drop{2}));  // a live member named: it stays
    netpeer::wire::Bytes oversized(netpeer::kMaxMessageBytes + 2, 0);
    oversized[0] = static_cast<uint8_t>(netpeer::wire::Kind::kData);
    joined.Send(oversized);
    joined.Send(netpeer::wire::Bytes{static_cast<uint8_t>(netpeer::wire::Kind::kData)});
    joined.Send(netpeer::wire::EncodeData("last", 4));

    ASSERT_TRUE(log.WaitForCount(EventKind::kReceive, 2));
    std::vector<netpeer::Event> events = log.Events();
    ASSERT_EQ(events.size(), 4u);  // host, the raw client, its one early-looking message, "last"
    EXPECT_EQ(events[1].kind, EventKind::kCreatePlayer);
    EXPECT_EQ(events[1].info.name, "raw");
    EXPECT_EQ(events[2].data, std::vector<uint8_t>({'e', 'a', 'r', 'l', 'y'}));
    EXPECT_EQ(events[3].data, std::vector<uint8_t>({'l', 'a', 's', 't'}));
}

class StrayFloodTest : public StrayClientTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StrayFloodTest, LeavesRoomForNewcomersAtTheHostAndAtAMember)
{
    {
        const auto flood = Flood(port, GetParam());
        ExpectAnHonestJoinGetsTheNextId(kShortJoin);
    }
    // The same flood aimed at a member: a newcomer still links to it, and nobody leaves.
    Recorder memberLog, newcomerLog;
    netpeer::Peer member, newcomer;
    member.Initialize(memberLog.Handler());
    newcomer.Initialize(newcomerLog.Handler());
    const uint16_t memberPort = netpeer_test::FreePort();
    ASSERT_EQ(member.Connect(kDesc, Loopback(port), Loopback(memberPort)), Result::kOk);
    const auto flood = Flood(memberPort, GetParam());
    ASSERT_EQ(newcomer.Connect(kDesc, Loopback(port), {}, kShortJoin), Result::kOk);
    EXPECT_TRUE(memberLog.WaitForCount(EventKind::kCreatePlayer, 3));
    EXPECT_TRUE(newcomerLog.WaitForCount(EventKind::kCreatePlayer, 3));
}

INSTANTIATE_TEST_SUITE_P(Strays, StrayFloodTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "HalfOpen" : "Answering");
                         });

// Waves of strays, 200 ms apart, that connect, answer pings and never say who they are; after the
// last, how many of each the session cut within the time given.
struct StrangerCase {
    const char* name;
    std::vector<std::pair<std::vector<const char*>, int>> waves;  // addresses, strays from each
    int waitMs;
    std::vector<int> cut;
};

class StrangerTest : public StrayClientTest, public ::testing::WithParamInterface<StrangerCase> {};

TEST_P(StrangerTest, AreCutAsTheirPlacesAndTheirTimeRunOut)
{
    std::vector<Strays> waves;
    for (const auto& [addresses, each] : GetParam().waves) {
        Serve(waves, std::chrono::milliseconds(waves.empty() ? 0 : 200));
        waves.emplace_back();
        for (int i = 0; i < each * static_cast<int>(addresses.size()); ++i)
            waves.back().push_back(std::make_unique<RawClient>(port, addresses[i % addresses.size()]));
    }
    Serve(waves, std::chrono::milliseconds(GetParam().waitMs));
    for (size_t wave = 0; wave < waves.size(); ++wave)
        EXPECT_EQ(std::count_if(waves[wave].begin(), waves[wave].end(), [](const auto& s) { return s->Cut(); }),
                  GetParam().cut[wave])
            << "wave " << wave;
}

// Half a second after the last wave is well short of the first wave's second.
INSTANTIATE_TEST_SUITE_P(
    Strays, StrangerTest,
    ::testing::Values(StrangerCase{"SilentOnesAfterASecond", {{{"127.0.0.2"}, 3}}, 1500, {3}},
                      StrangerCase{"AFifthFromOneAddressAtOnce", {{{"127.0.0.2"}, 4}, {{"127.0.0.2"}, 1}}, 500, {0, 1}},
                      StrangerCase{"TheOldestGiveWayBeyondSixteen",
                                   {{{"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"}, 4}, {{"127.0.0.6"}, 4}},
                                   500,
                                   {4, 0}}),
    [](const ::testing::TestParamInfo<StrangerCase>& info) { return std::string(info.param.name); });

TEST_F(StrayClientTest, ANewcomerThatCannotReachALiveMemberPlaysOnWithoutIt)
{
    RawClient full(port);
    ASSERT_TRUE(full.WaitFor(ENET_EVENT_TYPE_CONNECT));
    full.Send(netpeer::wire::Encode(netpeer::wire::Join{kDesc.application, "full"}));
    ASSERT_TRUE(log.WaitForCount(EventKind::kCreatePlayer, 2));
    // It answers the host, and has no slot for the newcomer's link.
    std::jthread serving([&](const std::stop_token& done) {
        for (; !done.stop_requested(); std::this_thread::sleep_for(std::chrono::milliseconds(5)))
            full.Service();
    });

    Recorder newcomerLog;
    netpeer::Peer newcomer;
    newcomer.Initialize(newcomerLog.Handler());
    ASSERT_EQ(newcomer.Connect(kDesc, Loopback(port), {}, std::chrono::milliseconds(1000)), Result::kOk);
    // Past the time the host has to drop the member it is named.
    EXPECT_FALSE(newcomerLog.WaitFor(
        [](const auto& events) { return Recorder::Count(events, EventKind::kTerminateSession) > 0; },
        std::chrono::seconds(6)))
        << "the newcomer left";
    EXPECT_FALSE(newcomer.GetPeerInfo(2));
    ASSERT_TRUE(newcomer.SendTo(netpeer::kAllPlayers, "x", 1));
    ASSERT_TRUE(log.WaitForCount(EventKind::kReceive, 1));
    EXPECT_EQ(log.Events().back().player, 3u);
    EXPECT_TRUE(host.GetPeerInfo(2));
    EXPECT_EQ(Recorder::Count(log.Events(), EventKind::kDestroyPlayer), 0u);
}

// Members stopped together in another process until the host dropped them.
struct StallCase {
    const char* name;
    int stopped;
    // A newcomer joins meanwhile and names them to the host; else the host's time-out drops them.
    bool newcomer;
};

class StalledMemberTest : public StrayClientTest, public ::testing::WithParamInterface<StallCase> {};

TEST_P(StalledMemberTest, LeavesTheSessionWhenItGoesOn)
{
    const StallCase& stall = GetParam();
    Recorder newcomerLog;
    netpeer::Peer newcomer;
    newcomer.Initialize(newcomerLog.Handler());
    const auto hasLeft = [](const auto& events) { return Recorder::Count(events, EventKind::kTerminateSession) > 0; };
    const ChildEnd stalled = RunInChild(
        [&] {
            Recorder memberLogs[2];
            netpeer::Peer members[2];
            for (int i = 0; i < stall.stopped; ++i) {
                members[i].Initialize(memberLogs[i].Handler());
                if (members[i].Connect(kDesc, Loopback(port), {}) != Result::kOk)
                    return 2;
            }
            // Each linked to all, its word to the host tells the test it is in.
            for (int i = 0; i < stall.stopped; ++i) {
                if (!memberLogs[i].WaitForCount(EventKind::kCreatePlayer, stall.stopped + 1) ||
                    !members[i].SendTo(1, "in", 2))
                    return 2;
            }
            // Stopped for seconds in between, so each waits longer than a count does.
            for (int i = 0; i < stall.stopped; ++i) {
                if (!memberLogs[i].WaitFor(hasLeft, std::chrono::seconds(20)))
                    return 1;
            }
            return 0;
        },
        ::testing::TempDir() + "stalled.err", std::chrono::seconds(45),
        [&](pid_t child) {
            ASSERT_TRUE(log.WaitForCount(EventKind::kReceive, stall.stopped));
            kill(child, SIGSTOP);
            if (stall.newcomer) {
                ASSERT_EQ(newcomer.Connect(kDesc, Loopback(port), {}), Result::kOk);
            }
            EXPECT_TRUE(log.WaitFor(
                [&](const auto& events) {
                    return Recorder::Count(events, EventKind::kDestroyPlayer) >= static_cast<size_t>(stall.stopped);
                },
                std::chrono::seconds(15)));
            kill(child, SIGCONT);
        });
    ASSERT_FALSE(stalled.hung);
    EXPECT_EQ(stalled.exitCode, 0) << "1: a dropped member played on";
    EXPECT_EQ(Recorder::Count(newcomerLog.Events(), EventKind::kTerminateSession), 0u);
}

INSTANTIATE_TEST_SUITE_P(Stalls, StalledMemberTest,
                         ::testing::Values(StallCase{"DroppedAtANewcomersWord", 1, true},
                                           StallCase{"TimedOutByTheHost", 1, false},
                                           StallCase{"TwoThatKeptEachOther", 2, false}),
                         [](const ::testing::TestParamInfo<StallCase>& info) { return std::string(info.param.name); });

}  // namespace
