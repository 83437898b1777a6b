// The network manager in tests: back to its state at start, and its events applied as the frame
// loop applies them, until what a test waits for holds.
#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "app/globals.h"
#include "net/network_manager.h"

inline void ResetNetworkManager()
{
    gNetworkManager.ClosePeer();
    gNetworkManager.mPeer.reset();
    gNetworkManager.mRemoteShipIds.clear();
    gNetworkManager.mPlayerNames.clear();
    gNetworkManager.mChatLines.clear();
    gNetworkManager.mObjectIds.clear();
    gNetworkManager.mAwaitingId = false;
    gNetworkManager.mOwnObjectId = 1;
    gNetworkManager.mHost = 0;
    gNetworkManager.mPort = kDefaultNetPort;
    gLocalPlayerId = gHostPlayerId = 0;
}

// True once test holds; false after 5 s.
inline bool PumpNetwork(const std::function<bool()>& test)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
        {
            std::lock_guard<os::RecursiveLock> hold(gFrameLock);
            gNetworkManager.ApplyEvents();
        }
        if (test())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}
