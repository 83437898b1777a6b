// Delivery of a session's events on their own thread.
#include "platform/netpeer/event_thread.h"

#include <cassert>
#include <utility>

namespace netpeer {

EventThread::EventThread(Handler handler) : handler_(std::move(handler)), thread_([this] { Run(); })
{
}

EventThread::~EventThread()
{
    Stop(std::nullopt, false);
}

void EventThread::Push(Event event)
{
    {
        std::lock_guard lock(mutex_);
        if (finishing_)
            return;
        queue_.push_back(std::move(event));
    }
    wake_.notify_one();
}

void EventThread::Finish(std::optional<Event> last)
{
    Stop(std::move(last), true);
}

void EventThread::Stop(std::optional<Event> last, bool deliver)
{
    assert(std::this_thread::get_id() != thread_.get_id() && "a session cannot be closed from its own handler");
    {
        std::lock_guard lock(mutex_);
        if (finishing_)
            return;
        if (!deliver)
            queue_.clear();
        if (last)
            queue_.push_back(std::move(*last));
        finishing_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void EventThread::Run()
{
    for (;;) {
        Event event;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return finishing_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            event = std::move(queue_.front());
            queue_.pop_front();
        }
        if (handler_)
            handler_(event);
    }
}

}  // namespace netpeer
