// The game's entry: the window, the device set-up, the main loop and the shutdown.
#pragma once

#include <cstdint>

#include "platform/gfx/device.h"
#include "platform/os/message_queue.h"

struct GameOptions {
    gfx::Backend backend = gfx::Backend::kOpenGl;
    // Frames to run before the loop ends by itself; 0 runs until the quit message.
    uint32_t maxFrames = 0;
};

// 0 after a clean end; non-zero when the window or the device set-up failed.
int GameMain(const GameOptions& options);

// Answers one window message (the quit message never reaches it).
void WindowProc(const os::Message& message);

// What the end of the process releases: the input devices and the drawing objects.
void ReleasePlatformObjects();

// Saves the pilot and deletes the screens, the player ship and the world.
void Shutdown();
