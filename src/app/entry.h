// The game's entry: the window, the device set-up, the main loop and the shutdown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gfx/device.h"
#include "platform/os/message_queue.h"

struct GameOptions {
    gfx::Backend backend = gfx::Backend::kOpenGl;
    // Frames to run before the loop ends by itself; 0 runs until the quit message.
    uint32_t maxFrames = 0;
};

// 0 after the player's own end; non-zero when the window or the device set-up failed, or when a
// failure quit was posted at any time, the shutdown's save included.
int GameMain(const GameOptions& options);

// What GameMain does before its loop: the floating-point mode, the window for the backend
// (sound goes silent with a headless one) and the first device set-up. Empty on success, else
// the message to print. Call StopGame after it either way.
std::optional<std::string> StartGame(gfx::Backend backend);
// GameMain's loop: answers the waiting messages and runs a frame whenever none is left. Returns
// the quit message's status, or 0 after maxFrames frames (0: no limit).
int RunLoop(uint32_t maxFrames);
// What GameMain does after its loop: Shutdown, the platform objects and the window; then the
// start-up objects are built anew, so the next StartGame finds the game as the process began.
void StopGame();

// Answers one window message (the quit message never reaches it).
void WindowProc(const os::Message& message);

// What the end of the process releases: the input devices and the drawing objects.
void ReleasePlatformObjects();

// Saves the pilot and deletes the screens, the player ship and the world.
void Shutdown();
