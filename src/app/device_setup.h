// The device set-up: first at start, and again in full when a reset fails.
#pragma once

#include "platform/gfx/device.h"

// Which drawing backend InitDevice creates: OpenGL for the game, headless for tests.
extern gfx::Backend gGfxBackend;

// 0, or a failure. recreate is false at start and true after a failed Reset. A start whose
// databases cannot be opened stops there with the quit posted, and returns 0.
gfx::Result InitDevice(bool recreate);
// Left-handed perspective: 45 degrees vertical, the screen's aspect, near 1, far 1000.
void SetProjection();
// Releases the device's targets, the device and the system (each only if held).
void ReleaseDeviceObjects();
