// A lost X11 connection ends the game at once. Left to itself, Xlib would call exit(), whose exit
// handlers destroy the window through the dead connection, which never returns.
#include "platform/os/display_watch.h"

#include <atomic>
#include <cstdio>

#include <X11/Xlib.h>
#include <unistd.h>

#include "platform/os/window.h"

namespace os {

namespace {

DisplayLostHook gDisplayLostHook = nullptr;
std::atomic<bool> gDisplayLost{false};

// Xlib ends the process itself if this returns, so it never does.
int OnConnectionLost(Display*)
{
    // The hook's own work may reach the display again; the second loss only ends the process.
    if (!gDisplayLost.exchange(true)) {
        std::fputs("varnok: the display was lost; the game ends\n", stderr);
        std::fflush(stderr);
        if (gDisplayLostHook)
            gDisplayLostHook();
    }
    _exit(1);
}

}  // namespace

void SetDisplayLostHook(DisplayLostHook hook)
{
    gDisplayLostHook = hook;
}

void WatchDisplayConnection()
{
    XSetIOErrorHandler(&OnConnectionLost);
}

}  // namespace os
