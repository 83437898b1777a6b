// The message queue: a locked deque that the window system's pump and any thread feed.
#include "platform/os/message_queue.h"

#include <deque>
#include <mutex>

#include "platform/os/window.h"

namespace os {

namespace {
std::mutex gQueueLock;
std::deque<Message> gQueue;
}  // namespace

bool PeekMessage(Message* message)
{
    PumpWindowEvents();
    std::lock_guard<std::mutex> hold(gQueueLock);
    if (gQueue.empty())
        return false;
    *message = gQueue.front();
    gQueue.pop_front();
    return true;
}

void PostMessage(MessageType type, int32_t param)
{
    std::lock_guard<std::mutex> hold(gQueueLock);
    gQueue.push_back(Message{type, param});
}

void PostQuitMessage(int32_t exitCode)
{
    PostMessage(MessageType::kQuit, exitCode);
}

bool QuitPosted()
{
    std::lock_guard<std::mutex> hold(gQueueLock);
    for (const Message& m : gQueue)
        if (m.type == MessageType::kQuit)
            return true;
    return false;
}

void ClearMessages()
{
    std::lock_guard<std::mutex> hold(gQueueLock);
    gQueue.clear();
}

}  // namespace os
