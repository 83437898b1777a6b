// The drawing device, its capabilities and the render targets every drawing layer shares.
#pragma once

#include "platform/gfx/device.h"

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
