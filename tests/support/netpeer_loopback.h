// Peers on 127.0.0.1 for tests and benchmarks: a free port, and a handler that records every
// event and lets the caller wait, with a time limit, for the one it expects.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/netpeer/peer.h"

namespace netpeer_test {

inline const netpeer::SessionDesc kDesc{{0x56, 0x61, 0x72, 0x6e, 0x6f, 0x6b, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "SESSION"};

// A UDP port on the loopback interface that was free a moment ago.
inline uint16_t FreePort()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t size = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &size);
    close(fd);
    return ntohs(addr.sin_port);
}

inline netpeer::Address Loopback(uint16_t port)
{
    return {"127.0.0.1", port};
}

class Recorder {
public:
    netpeer::Handler Handler()
    {
        return [this](const netpeer::Event& event) {
            {
                std::lock_guard lock(mutex_);
                events_.push_back(event);
            }
            changed_.notify_all();
        };
    }

    // True once test holds for the recorded events; false after the time limit.
    bool WaitFor(const std::function<bool(const std::vector<netpeer::Event>&)>& test,
                 std::chrono::milliseconds limit = std::chrono::seconds(5))
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, limit, [&] { return test(events_); });
    }

    // Waits until count events of that kind have arrived.
    bool WaitForCount(netpeer::EventKind kind, size_t count)
    {
        return WaitFor([&](const std::vector<netpeer::Event>& events) { return Count(events, kind) >= count; });
    }

    std::vector<netpeer::Event> Events()
    {
        std::lock_guard lock(mutex_);
        return events_;
    }

    static size_t Count(const std::vector<netpeer::Event>& events, netpeer::EventKind kind)
    {
        size_t n = 0;
        for (const netpeer::Event& e : events)
            n += e.kind == kind;
        return n;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<netpeer::Event> events_;
};

}  // namespace netpeer_test
