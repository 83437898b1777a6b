// The SDL2 sound backend: buffers converted with SDL's audio streams and mixed by our own
// mixer, played through an SDL audio device or, for a memory device, rendered on request.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/audio/device.h"

namespace audio::sdl {

class Mixer;

class SdlDevice final : public Device {
public:
    ~SdlDevice() override;

    Result CreateSoundBuffer(const BufferDesc& desc, SoundBuffer** buffer) override;
    Result DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer** duplicate) override;

    int OutputRate() const;
    // Renders the next frameCount stereo frames of what plays. Only for a memory device: an
    // output device's audio thread does this itself.
    void MixInto(float* out, uint32_t frameCount);

    // Opens the system's default audio output; an error text when there is none.
    static std::optional<std::string> OpenOutput(SdlDevice** device);
    // A device with no output at all that mixes at that rate when asked.
    static SdlDevice* OpenMemory(int outputRate);

private:
    SdlDevice(std::shared_ptr<Mixer> mixer, uint32_t deviceId);

    std::shared_ptr<Mixer> mMixer;
    uint32_t mDeviceId;  // 0 for a memory device
};

}  // namespace audio::sdl
