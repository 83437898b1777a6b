// The silent sound backend: no output at all, but a buffer reports playing for as long as its
// sound really lasts, measured on the game clock (os::TimeMs), so tests can step through it.
#pragma once

#include "platform/audio/device.h"

namespace audio::silent {

Device* CreateDevice();

}  // namespace audio::silent
