// CNetworkManager: a game in flight without its id asks the host for one until it has it, so a
// Start while the host is frozen or just gone still ends with an id once someone hosts.
#include "core/frame_clock.h"
#include "net/network_manager.h"

namespace {

// Long enough for a live host to answer, short enough that a lost request costs little.
constexpr uint32_t kIdRequestIntervalMs = 1000;

}  // namespace

void CNetworkManager::RequestObjectId()
{
    mAwaitingId = true;
    mIdRequestMs = gTimeNow;
    Send(netpeer::kAllPlayers, MsgRequestObjectId{});
}

void CNetworkManager::RequestObjectIdAgain(bool hostMoved)
{
    if (mAwaitingId && (hostMoved || gTimeNow - mIdRequestMs >= kIdRequestIntervalMs))
        RequestObjectId();
}
