// The game's input system: both devices are created from it at start and after a
// device re-creation.
#pragma once

#include <cstdint>

namespace input {
class System;
}

constexpr uint32_t kInputBufferRecords = 256;

extern input::System* gDirectInput;

// Creates gDirectInput for the game window and both devices; 0, or the first failure.
int InitInput();
