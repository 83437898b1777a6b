// The peer: one session at a time, its events on their own thread.
#include "platform/netpeer/peer.h"

#include <utility>

#include "platform/netpeer/event_thread.h"
#include "platform/netpeer/session.h"
#include "platform/netpeer/wire.h"

namespace netpeer {

Peer::Peer() = default;

Peer::~Peer()
{
    Close();
}

bool Peer::Initialize(Handler handler)
{
    std::lock_guard lock(mutex_);
    if (session_)
        return false;
    handler_ = std::move(handler);
    return true;
}

bool Peer::SetPeerInfo(const std::string& name)
{
    if (!wire::IsValidName(name))
        return false;
    name_ = name;
    return true;
}

std::optional<PlayerInfo> Peer::GetPeerInfo(PlayerId player) const
{
    std::lock_guard lock(mutex_);
    return session_ ? session_->Info(player) : std::nullopt;
}

Result Peer::Host(const SessionDesc& desc, const Address& device)
{
    Session* session = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (session_)
            return Result::kBusy;
        if (!handler_)
            return Result::kNotInitialized;
        // In place before it starts, so a handler can ask for peer info from the first event.
        events_ = std::make_unique<EventThread>(handler_);
        session_ = std::make_unique<Session>(desc, name_, *events_);
        session = session_.get();
    }
    Result result = session->Host(device.port ? device.port : kDefaultPort);
    if (result != Result::kOk)
        End(false);
    return result;
}

Result Peer::Connect(const SessionDesc& desc, const Address& host, const Address& device,
                     std::chrono::milliseconds timeout)
{
    Session* session = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (session_)
            return Result::kBusy;
        if (!handler_)
            return Result::kNotInitialized;
        events_ = std::make_unique<EventThread>(handler_);
        session_ = std::make_unique<Session>(desc, name_, *events_);
        session = session_.get();
    }
    Result result = session->Join(host, device.port, timeout);
    if (result != Result::kOk)
        End(false);
    return result;
}

bool Peer::SendTo(PlayerId to, const void* data, size_t size)
{
    std::lock_guard lock(mutex_);
    return session_ && session_->Send(to, data, size);
}

void Peer::Close()
{
    End(true);
}

void Peer::End(bool started)
{
    Session* session;
    EventThread* events;
    {
        std::lock_guard lock(mutex_);
        session = session_.get();
        events = events_.get();
    }
    if (!session)
        return;
    // Without the lock: the handler may still call SendTo or GetPeerInfo while this waits.
    session->Stop();
    if (started)
        events->Finish(session->Lost() ? std::nullopt
                                       : std::optional<Event>({EventKind::kTerminateSession, 0, {}, {}}));
    std::unique_ptr<Session> oldSession;
    std::unique_ptr<EventThread> oldEvents;
    std::lock_guard lock(mutex_);
    oldSession = std::move(session_);
    oldEvents = std::move(events_);
}

}  // namespace netpeer
