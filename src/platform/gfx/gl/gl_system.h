// The OpenGL backend's device factory.
#pragma once

#include "platform/gfx/device.h"

namespace gfx::gl {

// A system that makes OpenGL 3.3 devices in SDL windows, or null when SDL video cannot start.
System* CreateGlSystem();

}  // namespace gfx::gl
