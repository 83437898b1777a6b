// The thread that hands a session's events to the game's handler, one at a time and in order,
// so that the thread running the network never waits for the game.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/netpeer/peer.h"

namespace netpeer {

class EventThread {
public:
    explicit EventThread(Handler handler);
    ~EventThread();  // stops without delivering what is still queued
    EventThread(const EventThread&) = delete;
    EventThread& operator=(const EventThread&) = delete;

    // Queues an event; ignored once Finish has begun.
    void Push(Event event);
    // Delivers what is queued, then last when there is one, then stops the thread and waits for it.
    void Finish(std::optional<Event> last);

private:
    void Run();
    void Stop(std::optional<Event> last, bool deliver);

    Handler handler_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Event> queue_;
    bool finishing_ = false;
    std::thread thread_;
};

}  // namespace netpeer
