// The decibel laws of volume and pan: amplitude factors from hundredths of a decibel.
#pragma once

#include <cstdint>

namespace audio {

// 10^(volume / 2000); kVolumeMin and below is silence.
float GainFromVolume(int32_t volume);

// A positive pan lowers the left side by pan/100 dB, a negative pan the right side;
// the far ends silence that side.
void PanGains(int32_t pan, float* left, float* right);

}  // namespace audio
