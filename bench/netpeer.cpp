// Round-trip latency and messages per second between two peers on 127.0.0.1.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

#include "platform/netpeer/peer.h"
#include "support/netpeer_loopback.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts what arrives and wakes a waiter at each arrival.
struct Inbox {
    std::mutex mutex;
    std::condition_variable arrived;
    size_t count = 0;

    void Add()
    {
        {
            std::lock_guard lock(mutex);
            ++count;
        }
        arrived.notify_all();
    }
    bool WaitFor(size_t n)
    {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, std::chrono::seconds(10), [&] { return count >= n; });
    }
};

}  // namespace

int main()
{
    netpeer::Peer host, guest;
    Inbox atHost, atGuest;
    std::atomic<bool> echo{true};
    host.Initialize([&](const netpeer::Event& e) {
        if (e.kind != netpeer::EventKind::kReceive)
            return;
        if (echo)
            host.SendTo(e.player, e.data.data(), e.data.size());
        atHost.Add();
    });
    guest.Initialize([&](const netpeer::Event& e) {
        if (e.kind == netpeer::EventKind::kReceive)
            atGuest.Add();
    });
    uint16_t port = netpeer_test::FreePort();
    if (host.Host(netpeer_test::kDesc, netpeer_test::Loopback(port)) != netpeer::Result::kOk ||
        guest.Connect(netpeer_test::kDesc, netpeer_test::Loopback(port), {}) != netpeer::Result::kOk) {
        std::printf("netpeer: could not start two peers on 127.0.0.1\n");
        return 1;
    }

    constexpr int kPings = 2000;
    std::vector<double> micros;
    std::vector<uint8_t> ping(108, 1);
    for (int i = 0; i < kPings; ++i) {
        auto start = Clock::now();
        guest.SendTo(1, ping.data(), ping.size());
        if (!atGuest.WaitFor(static_cast<size_t>(i) + 1)) {
            std::printf("netpeer: a reply did not come\n");
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("netpeer: %d round trips of 108 bytes: median %.0f us, 99th percentile %.0f us\n", kPings,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100]);

    echo = false;
    size_t before = kPings;
    atHost.WaitFor(before);
    for (size_t size : {size_t{12}, size_t{332}}) {
        constexpr size_t kMessages = 50000;
        std::vector<uint8_t> message(size, 2);
        auto start = Clock::now();
        for (size_t i = 0; i < kMessages; ++i)
            guest.SendTo(1, message.data(), message.size());
        bool all = atHost.WaitFor(before + kMessages);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("netpeer: %zu messages of %zu bytes in %.3f s: %.0f messages per second%s\n", kMessages, size,
                    seconds, kMessages / seconds, all ? "" : " (not all arrived)");
        before += kMessages;
    }
    guest.Close();
    host.Close();
    return 0;
}
