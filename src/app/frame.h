// One frame of the game: timing, input, the device check, drawing and present.
#pragma once

#include <cstdint>

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

// One frame under the frame lock: 0, or the failure of CheckDevice (nothing was drawn).
int RunFrame();
void UpdateFrameTime();
void PollInput();
// 0 (device fine), 1 (restored this frame, draw anyway) or a failure (skip drawing).
int CheckDevice();
void RenderFrame();
// Presents one frame that shows a full-screen sprite.
void DrawLoadingFrame(int spriteId);
