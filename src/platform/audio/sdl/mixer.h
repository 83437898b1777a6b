// The SDL backend's own small mixer: every playing voice, converted to stereo float at the
// output rate, scaled by its volume and pan and summed. The audio thread calls MixInto;
// everything else runs on the main thread, and one mutex keeps the two apart.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace audio::sdl {

// Stereo interleaved float frames at the mixer's rate: a buffer's sound as the mixer plays it,
// shared by the buffer and its duplicates.
struct MixFrames {
    std::vector<float> samples;
    uint32_t FrameCount() const { return static_cast<uint32_t>(samples.size() / 2); }
};

// A buffer's play state as the mixer sees it. Read and written only under the mixer's mutex.
struct Voice {
    std::shared_ptr<MixFrames> frames;
    uint32_t position = 0;  // in output frames
    bool playing = false;
    bool looping = false;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
};

class Mixer {
public:
    explicit Mixer(int outputRate) : mOutputRate(outputRate) {}
    int OutputRate() const { return mOutputRate; }
    std::mutex& Mutex() { return mMutex; }

    // Under the mutex: a voice that plays is listed until it ends, stops or is removed.
    void AddVoice(Voice* voice);
    void RemoveVoice(Voice* voice);

    // Writes frameCount stereo frames, clipped to -1..1; one-shots that end stop and rewind.
    void MixInto(float* out, uint32_t frameCount);

private:
    const int mOutputRate;
    std::mutex mMutex;
    std::vector<Voice*> mVoices;
};

}  // namespace audio::sdl
