// Synthesised sound as RIFF WAVE PCM files (8-bit unsigned or 16-bit signed, mono).
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;

// Samples in [-1, 1]; values outside are clipped. bits is 8 or 16.
std::vector<uint8_t> EncodeWave(const std::vector<float>& samples, int bits);

}  // namespace assetgen
