// The OpenGL system: display mode, capabilities and devices in SDL windows.
#include "platform/gfx/gl/gl_system.h"

#include <SDL.h>

#include "platform/gfx/device_state.h"
#include "platform/gfx/gl/gl_device.h"

namespace gfx::gl {

namespace {

class GlSystem final : public System {
public:
    GlSystem() = default;
    ~GlSystem() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    Result GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) override
    {
        if (adapter != 0 || !mode)
            return kInvalidCall;
        SDL_DisplayMode desktop;
        if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
            return kNotAvailable;
        *mode = DisplayMode{static_cast<uint32_t>(desktop.w), static_cast<uint32_t>(desktop.h),
                            static_cast<uint32_t>(desktop.refresh_rate), kFormatX8R8G8B8};
        return kOk;
    }

    Result GetDeviceCaps(uint32_t adapter, DeviceCaps* caps) override
    {
        if (adapter != 0 || !caps)
            return kInvalidCall;
        *caps = DefaultDeviceCaps();
        return kOk;
    }

    Result CreateDevice(uint32_t adapter, uint32_t, const PresentParams& params, Device** device) override
    {
        if (adapter != 0)
            return kInvalidCall;
        return GlDevice::Create(params, device);
    }
};

}  // namespace

System* CreateGlSystem()
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return nullptr;
    return new GlSystem();
}

}  // namespace gfx::gl
