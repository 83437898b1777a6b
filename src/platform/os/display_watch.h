// The window's watch over its display connection (X11 only).
#pragma once

namespace os {

// Called once the window's display connection is open: from then on a lost connection ends the
// process at once, after one line on stderr and the game's last act (SetDisplayLostHook).
void WatchDisplayConnection();

}  // namespace os
