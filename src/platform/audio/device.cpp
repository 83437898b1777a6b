// The backend factory: an explicit choice, no probing.
#include "platform/audio/device.h"

#include "platform/audio/sdl/sdl_device.h"
#include "platform/audio/silent/silent_device.h"

namespace audio {

std::optional<std::string> CreateDevice(Backend backend, Device** device)
{
    *device = nullptr;
    switch (backend) {
    case Backend::kSdl: {
        sdl::SdlDevice* opened = nullptr;
        auto error = sdl::SdlDevice::OpenOutput(&opened);
        *device = opened;
        return error;
    }
    case Backend::kSilent:
        *device = silent::CreateDevice();
        return std::nullopt;
    }
    return std::string("unknown audio backend");
}

}  // namespace audio
