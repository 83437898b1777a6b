// Process-wide state of the application shell: the window, the device and its targets,
// and the objects built before the game starts.
#pragma once

#include <list>
#include <string>

#include "app/vec3.h"
#include "platform/gfx/device.h"
#include "platform/os/frame_lock.h"

namespace os {
class Window;
}

extern os::Window* gWindow;
extern gfx::System* gDirect3D;
extern gfx::Device* gDevice;
extern gfx::DeviceCaps gDeviceCaps;
extern gfx::PresentParams gPresentParams;
extern int gScreenWidth;
extern int gScreenHeight;
// 1 when the device can run the glow pass.
extern unsigned char gShadersSupported;
// The glow pass is switched on; the in-flight options change it.
extern unsigned char gGlowEnabled;
// 1 when the device cannot blend with ZERO, ONE, INVSRCCOLOR or SRCALPHA sources.
extern unsigned char gNoSourceBlendCaps;
extern gfx::Texture* gGlowTexture;
extern gfx::Surface* gGlowSurface;
extern gfx::Texture* gBlurTexture;
extern gfx::Surface* gBlurSurface;
extern gfx::Surface* gBackBuffer;
extern gfx::Surface* gDepthSurface;
// Held by the main thread for a whole frame; network threads take it between frames.
extern os::RecursiveLock gFrameLock;
// The lines a wormhole shows when the current quest step forbids it.
extern std::list<std::string> gWormholeRefusalText;
extern const Vec3 gZeroVector;
