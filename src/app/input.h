// The game's input system: both devices are created from it at start and after a
// device re-creation.
#pragma once

#include <cstdint>

namespace input {
class Device;
class System;
enum class DeviceKind;
}

constexpr uint32_t kInputBufferRecords = 256;

extern input::System* gDirectInput;

// Creates gDirectInput for the game window and both devices; 0, or the first failure.
int InitInput();

// Releases *device if held, then creates a device of that kind from gDirectInput with a buffer of
// kInputBufferRecords and acquires it. 0, or the failure (*device may be set even then).
int CreateGameInputDevice(input::DeviceKind kind, input::Device** device);
// Unacquires and releases *device if held, and clears it.
void ReleaseGameInputDevice(input::Device** device);
