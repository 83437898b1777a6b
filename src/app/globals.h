// Process-wide state of the application shell: the window, and what the start-up builds.
#pragma once

#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/vec3.h"

namespace os {
class Window;
}

extern os::Window* gWindow;

// Makes the start-up objects that do not exist yet (the resource manager and the screen
// singletons), in their order. Static initialisation calls it before the entry point; after a
// Shutdown it builds a fresh set.
void BuildStartupObjects();
