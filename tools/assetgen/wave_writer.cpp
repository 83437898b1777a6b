// RIFF WAVE encoding: "RIFF" size "WAVE", a 16-byte PCM "fmt " chunk and one "data" chunk.
#include "wave_writer.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWave(const std::vector<float>& samples, int bits)
{
    const uint32_t bytesPerSample = bits == 8 ? 1 : 2;
    const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * bytesPerSample;
    std::vector<uint8_t> out;
    out.reserve(44 + dataSize + 1);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize + (dataSize & 1));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, kSampleRate);
    Put32(out, kSampleRate * bytesPerSample);
    Put16(out, static_cast<uint16_t>(bytesPerSample));
    Put16(out, static_cast<uint16_t>(bits));
    PutTag(out, "data");
    Put32(out, dataSize);
    for (float s : samples) {
        float v = std::clamp(s, -1.0f, 1.0f);
        if (bits == 8)
            out.push_back(static_cast<uint8_t>(std::lround(128.0f + v * 127.0f)));
        else
            Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767.0f))));
    }
    if (dataSize & 1)
        out.push_back(0);  // chunks are padded to an even length
    return out;
}

}  // namespace assetgen
