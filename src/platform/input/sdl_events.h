// SDL keyboard and mouse events turned into device records (platform-internal).
#pragma once

namespace input {

class System;

// event is an SDL_Event*. Key repeats are dropped: only real presses and releases count.
void FeedSdlEvent(System* system, const void* event);

}  // namespace input
