// Sessions of two to four peers in one process on 127.0.0.1: players, messages, leaving,
// host migration, and the failures of host and connect.
#include "platform/netpeer/peer.h"

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/netpeer_loopback.h"

namespace {

using netpeer::Event;
using netpeer::EventKind;
using netpeer::PlayerId;
using netpeer::Result;
using netpeer_test::kDesc;
using netpeer_test::Loopback;
using netpeer_test::Recorder;

// The recorder outlives the peer, whose Close still delivers events.
struct Member {
    Recorder recorder;
    netpeer::Peer peer;
    uint16_t port = 0;
};

class PeerSessionTest : public ::testing::Test {
protected:
    // Peer 0 hosts, the others join in order; peer i is player i + 1.
    void Start(size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            ASSERT_EQ(Add(), Result::kOk) << "peer " << i;
    }

    Result Add(uint16_t hostPort = 0)
    {
        auto member = std::make_unique<Member>();
        member->peer.Initialize(member->recorder.Handler());
        member->peer.SetPeerInfo("Player " + std::to_string(members.size()));
        member->port = netpeer_test::FreePort();
        Result result = members.empty() ? member->peer.Host(kDesc, Loopback(member->port))
                                        : member->peer.Connect(kDesc, Loopback(hostPort ? hostPort : members[0]->port),
                                                               Loopback(member->port));
        members.push_back(std::move(member));
        return result;
    }

    netpeer::Peer& Peer(size_t i) { return members[i]->peer; }
    Recorder& Log(size_t i) { return members[i]->recorder; }

    std::vector<std::unique_ptr<Member>> members;
};

std::vector<uint8_t> Numbered(uint32_t number)
{
    std::vector<uint8_t> message(8 + number % 325, static_cast<uint8_t>(number));
    std::memcpy(message.data(), &number, 4);
    return message;
}

TEST_F(PeerSessionTest, EveryPeerGetsEveryPlayerCreatedWithNameAndFlags)
{
    Start(3);
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kCreatePlayer, 3)) << "peer " << i;
        std::set<PlayerId> ids;
        for (const Event& e : Log(i).Events()) {
            ASSERT_EQ(e.kind, EventKind::kCreatePlayer);
            ids.insert(e.player);
            EXPECT_EQ(e.info.name, "Player " + std::to_string(e.player - 1));
            EXPECT_EQ((e.info.flags & netpeer::kPlayerLocal) != 0, e.player == i + 1) << "peer " << i;
            EXPECT_EQ((e.info.flags & netpeer::kPlayerHost) != 0, e.player == 1) << "peer " << i;
            std::optional<netpeer::PlayerInfo> info = Peer(i).GetPeerInfo(e.player);
            ASSERT_TRUE(info);
            EXPECT_EQ(info->name, e.info.name);
            EXPECT_EQ(info->flags, e.info.flags);
        }
        EXPECT_EQ(ids, (std::set<PlayerId>{1, 2, 3})) << "peer " << i;
        EXPECT_FALSE(Peer(i).GetPeerInfo(4));
        EXPECT_FALSE(Peer(i).GetPeerInfo(netpeer::kAllPlayers));
    }
}

TEST_F(PeerSessionTest, MessagesReachOneOrAllInEachSendersOrder)
{
    Start(3);
    for (size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kCreatePlayer, 3));
    constexpr uint32_t kCount = 1000;
    const uint8_t direct[8] = {'d', 'i', 'r', 'e', 'c', 't', 0, 0};
    std::vector<uint8_t> largest(netpeer::kMaxMessageBytes, 7);
    EXPECT_TRUE(Peer(1).SendTo(3, direct, sizeof direct));
    EXPECT_TRUE(Peer(1).SendTo(2, largest.data(), largest.size()));
    EXPECT_FALSE(Peer(1).SendTo(3, direct, 0));
    EXPECT_FALSE(Peer(1).SendTo(3, largest.data(), largest.size() + 1));
    EXPECT_FALSE(Peer(1).SendTo(9, direct, sizeof direct));

    auto sendAll = [&](size_t from) {
        for (uint32_t n = 0; n < kCount; ++n) {
            std::vector<uint8_t> m = Numbered(n);
            ASSERT_TRUE(Peer(from).SendTo(netpeer::kAllPlayers, m.data(), m.size()));
        }
    };
    std::thread first(sendAll, 0), second(sendAll, 2);
    first.join();
    second.join();

    const size_t expected[3] = {2 * kCount, 2 * kCount + 1, 2 * kCount + 1};
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kReceive, expected[i])) << "peer " << i;
        std::set<PlayerId> created;
        uint32_t next[4] = {0, 0, 0, 0};
        for (const Event& e : Log(i).Events()) {
            if (e.kind == EventKind::kCreatePlayer)
                created.insert(e.player);
            if (e.kind != EventKind::kReceive)
                continue;
            EXPECT_TRUE(created.contains(e.player)) << "message before its sender was created";
            if (e.player == 2) {
                EXPECT_TRUE(i == 2 ? e.data == std::vector<uint8_t>(direct, direct + 8) : e.data == largest);
                continue;
            }
            ASSERT_GE(e.data.size(), 8u);
            uint32_t number;
            std::memcpy(&number, e.data.data(), 4);
            ASSERT_EQ(number, next[e.player]) << "peer " << i << " from " << e.player;
            EXPECT_EQ(e.data, Numbered(number));
            ++next[e.player];
        }
        EXPECT_EQ(next[1], kCount);
        EXPECT_EQ(next[3], kCount);
    }
}

TEST_F(PeerSessionTest, ALeavingPeerIsDestroyedOnTheOthersAndEndsWithTerminate)
{
    Start(3);
    for (size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kCreatePlayer, 3));
    Peer(2).Close();
    std::vector<Event> own = Log(2).Events();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.back().kind, EventKind::kTerminateSession);
    EXPECT_EQ(Recorder::Count(own, EventKind::kTerminateSession), 1u);
    EXPECT_FALSE(Peer(2).SendTo(netpeer::kAllPlayers, "x", 1));
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kDestroyPlayer, 1));
        std::vector<Event> events = Log(i).Events();
        EXPECT_EQ(events.back().player, 3u);
        EXPECT_EQ(Recorder::Count(events, EventKind::kHostMigrate), 0u);
        EXPECT_FALSE(Peer(i).GetPeerInfo(3));
        EXPECT_FALSE(Peer(i).SendTo(3, "x", 1));
    }
    // A peer that joins now gets the next id, never the one that left.
    ASSERT_EQ(Add(), Result::kOk);
    ASSERT_TRUE(Log(3).WaitForCount(EventKind::kCreatePlayer, 3));
    std::set<PlayerId> ids;
    for (const Event& e : Log(3).Events())
        ids.insert(e.player);
    EXPECT_EQ(ids, (std::set<PlayerId>{1, 2, 4}));
}

TEST_F(PeerSessionTest, TheHostLeavingMigratesToTheOldestAndTheSessionGoesOn)
{
    Start(3);
    for (size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kCreatePlayer, 3));
    Peer(0).Close();
    for (size_t i = 1; i < 3; ++i) {
        ASSERT_TRUE(Log(i).WaitForCount(EventKind::kHostMigrate, 1)) << "peer " << i;
        std::vector<Event> events = Log(i).Events();
        ASSERT_GE(events.size(), 5u);
        EXPECT_EQ(events[events.size() - 2].kind, EventKind::kDestroyPlayer);
        EXPECT_EQ(events[events.size() - 2].player, 1u);
        EXPECT_EQ(events.back().player, 2u);
        EXPECT_EQ(Peer(i).GetPeerInfo(2)->flags & netpeer::kPlayerHost, netpeer::kPlayerHost);
    }
    EXPECT_TRUE(Peer(1).SendTo(netpeer::kAllPlayers, "after", 5));
    ASSERT_TRUE(Log(2).WaitForCount(EventKind::kReceive, 1));
    EXPECT_EQ(Log(2).Events().back().player, 2u);

    // The new host takes newcomers and hands out the next id.
    ASSERT_EQ(Add(members[1]->port), Result::kOk);
    ASSERT_TRUE(Log(3).WaitForCount(EventKind::kCreatePlayer, 3));
    for (const Event& e : Log(3).Events()) {
        EXPECT_EQ((e.info.flags & netpeer::kPlayerHost) != 0, e.player == 2);
        EXPECT_EQ((e.info.flags & netpeer::kPlayerLocal) != 0, e.player == 4);
    }
    ASSERT_TRUE(Log(2).WaitForCount(EventKind::kCreatePlayer, 4));
    EXPECT_EQ(Log(2).Events().back().player, 4u);
    EXPECT_EQ(Add(), Result::kOk) << "a newcomer finds it at the port it found the old host";
}

TEST(PeerConnectTest, FailuresAreReportedAndLeaveThePeerReusable)
{
    Recorder hostLog, guestLog;
    netpeer::Peer host, guest;
    uint16_t port = netpeer_test::FreePort();
    EXPECT_EQ(host.Host(kDesc, Loopback(port)), Result::kNotInitialized);
    host.Initialize(hostLog.Handler());
    guest.Initialize(guestLog.Handler());

    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(guest.Connect(kDesc, Loopback(netpeer_test::FreePort()), {}, std::chrono::milliseconds(300)),
              Result::kTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(guest.Connect(kDesc, {"", port}, {}), Result::kBadAddress);

    ASSERT_EQ(host.Host(kDesc, Loopback(port)), Result::kOk);
    EXPECT_EQ(host.Host(kDesc, Loopback(port)), Result::kBusy);
    EXPECT_EQ(guest.Host(kDesc, Loopback(port)), Result::kPortInUse);
    netpeer::SessionDesc other = kDesc;
    other.application[0] ^= 1;
    EXPECT_EQ(guest.Connect(other, Loopback(port), {}), Result::kRefused);
    EXPECT_TRUE(guestLog.Events().empty());

    ASSERT_EQ(guest.Connect(kDesc, Loopback(port), {}), Result::kOk);
    ASSERT_TRUE(guestLog.WaitForCount(EventKind::kCreatePlayer, 2));
    EXPECT_EQ(guest.Connect(kDesc, Loopback(port), {}), Result::kBusy);

    // The port is free again as soon as Close returns.
    host.Close();
    ASSERT_TRUE(guestLog.WaitForCount(EventKind::kHostMigrate, 1));
    ASSERT_EQ(host.Host(kDesc, Loopback(port)), Result::kOk);
}

TEST(PeerConnectTest, HostAndConnectNeverWaitForTheHandler)
{
    // Handlers that need the lock the caller holds, as a game applying events under its frame lock.
    std::recursive_mutex frameLock;
    Recorder hostLog, guestLog;
    auto locked = [&](Recorder& log) {
        return [&frameLock, handler = log.Handler()](const Event& e) {
            std::lock_guard lock(frameLock);
            handler(e);
        };
    };
    netpeer::Peer host, guest;
    host.Initialize(locked(hostLog));
    guest.Initialize(locked(guestLog));
    uint16_t port = netpeer_test::FreePort();
    {
        std::lock_guard lock(frameLock);
        ASSERT_EQ(host.Host(kDesc, Loopback(port)), Result::kOk);
        ASSERT_EQ(guest.Connect(kDesc, Loopback(port), {}), Result::kOk);
        EXPECT_TRUE(guest.SendTo(1, "hello", 5));
    }
    EXPECT_TRUE(guestLog.WaitForCount(EventKind::kCreatePlayer, 2));
    EXPECT_TRUE(hostLog.WaitForCount(EventKind::kReceive, 1));
}

}  // namespace
