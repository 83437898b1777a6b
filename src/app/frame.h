// One frame of the game: timing, input, the device check, drawing and present.
#pragma once

#include "core/frame_clock.h"

// One frame under the frame lock: 0, or the failure of CheckDevice (nothing was drawn).
int RunFrame();
void UpdateFrameTime();
void PollInput();
// 0 (device fine), 1 (restored this frame, draw anyway) or a failure (skip drawing).
int CheckDevice();
void RenderFrame();
// Presents one frame that shows a full-screen sprite.
void DrawLoadingFrame(int spriteId);
