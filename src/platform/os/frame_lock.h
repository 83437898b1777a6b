// A re-entrant lock in place of the platform's critical section: the main thread holds it for
// a whole frame, and network threads take it to apply their messages between frames.
#pragma once

#include <mutex>

namespace os {

using RecursiveLock = std::recursive_mutex;

}  // namespace os
