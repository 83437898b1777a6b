// Mixing the playing voices into one stereo stream.
#include "platform/audio/sdl/mixer.h"

#include <algorithm>

namespace audio::sdl {

void Mixer::AddVoice(Voice* voice)
{
    if (std::find(mVoices.begin(), mVoices.end(), voice) == mVoices.end())
        mVoices.push_back(voice);
}

void Mixer::RemoveVoice(Voice* voice)
{
    mVoices.erase(std::remove(mVoices.begin(), mVoices.end(), voice), mVoices.end());
}

void Mixer::MixInto(float* out, uint32_t frameCount)
{
    std::fill(out, out + 2 * static_cast<size_t>(frameCount), 0.0f);
    std::lock_guard<std::mutex> lock(mMutex);
    for (Voice* voice : mVoices) {
        const std::vector<float>& samples = voice->frames->samples;
        const uint32_t length = voice->frames->FrameCount();
        uint32_t written = 0;
        while (voice->playing && written < frameCount) {
            if (voice->position >= length) {
                voice->position = 0;
                if (!voice->looping || length == 0) {
                    voice->playing = false;
                    break;
                }
            }
            uint32_t run = std::min(frameCount - written, length - voice->position);
            const float* src = samples.data() + 2 * static_cast<size_t>(voice->position);
            float* dst = out + 2 * static_cast<size_t>(written);
            for (uint32_t i = 0; i < run; ++i) {
                dst[2 * i] += src[2 * i] * voice->gainLeft;
                dst[2 * i + 1] += src[2 * i + 1] * voice->gainRight;
            }
            written += run;
            voice->position += run;
        }
        // A one-shot that just reached its last frame is over, not waiting for the next call.
        if (voice->playing && !voice->looping && voice->position >= length) {
            voice->playing = false;
            voice->position = 0;
        }
    }
    mVoices.erase(std::remove_if(mVoices.begin(), mVoices.end(), [](const Voice* v) { return !v->playing; }),
                  mVoices.end());
    for (uint32_t i = 0; i < 2 * frameCount; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace audio::sdl
