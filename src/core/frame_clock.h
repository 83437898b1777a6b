// The frame clock every per-frame update reads, and the lock a frame runs under.
#pragma once

#include <cstdint>

#include "platform/os/frame_lock.h"

// Times of this and the previous frame, and the length of the last one, in milliseconds.
extern uint32_t gTimeNow;
extern uint32_t gTimePrev;
extern uint32_t gFrameTimeMs;
// gFrameTimeMs / 100: every per-frame rate in the game is multiplied by it.
extern float gFrameScale;
extern int32_t gFpsAccumulator;
// The rate of the latest single frame, refreshed about every 200 ms.
extern uint32_t gFramesPerSecond;
// A triangle wave 0..255 that pulses marker colours and the glow strength.
extern int32_t gPulse;
extern unsigned char gPulseRising;
// Held by the main thread for a whole frame; network threads take it between frames.
extern os::RecursiveLock gFrameLock;
