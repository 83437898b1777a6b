// The message queue: a locked deque that the window system's pump and any thread feed.
#include "platform/os/message_queue.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>

#include "platform/os/window.h"

namespace os {

namespace {
std::mutex gQueueLock;
std::deque<Message> gQueue;
std::atomic<bool> gFailed{false};
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

void PostQuitMessage()
{
    PostMessage(MessageType::kQuit, 0);
}

void PostFailureQuit(const char* format, ...)
{
    if (gFailed.exchange(true))
        return;
    // Sized first: a failed statement is quoted whole, however long.
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string reason(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(reason.data(), reason.size(), format, again);
    va_end(again);
    reason.resize(reason.size() - 1);
    std::fprintf(stderr, "varnok: %s\n", reason.c_str());
    PostMessage(MessageType::kQuit, 1);
}

bool FailurePosted()
{
    return gFailed;
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
    gFailed = false;
}

}  // namespace os
