// Decibel laws of the sound layer.
#include "platform/audio/levels.h"

#include <cmath>

#include "platform/audio/audio_types.h"

namespace audio {

float GainFromVolume(int32_t volume)
{
    if (volume <= kVolumeMin)
        return 0.0f;
    if (volume >= kVolumeMax)
        return 1.0f;
    return static_cast<float>(std::pow(10.0, volume / 2000.0));
}

void PanGains(int32_t pan, float* left, float* right)
{
    *left = pan > 0 ? GainFromVolume(-pan) : 1.0f;
    *right = pan < 0 ? GainFromVolume(pan) : 1.0f;
}

}  // namespace audio
