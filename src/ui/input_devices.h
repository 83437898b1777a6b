// The game's input system and the one way its keyboard and mouse devices are made and dropped.
#pragma once

#include <cstdint>

namespace input {
class Device;
class System;
enum class DeviceKind;
}  // namespace input

constexpr uint32_t kInputBufferRecords = 256;

extern input::System* gDirectInput;

// Releases *device if held, then creates a device of that kind from gDirectInput with a buffer of
// kInputBufferRecords and acquires it. 0, or the failure (*device may be set even then).
int CreateGameInputDevice(input::DeviceKind kind, input::Device** device);
// Unacquires and releases *device if held, and clears it.
void ReleaseGameInputDevice(input::Device** device);
