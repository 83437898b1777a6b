// SDL2 audio output, format conversion and the buffers the mixer plays.
#include "platform/audio/sdl/sdl_device.h"

#include <cstdlib>
#include <fstream>
#include <new>

#include <SDL.h>

#include "platform/audio/buffer_base.h"
#include "platform/audio/levels.h"
#include "platform/audio/sdl/mixer.h"

namespace audio::sdl {

namespace {

constexpr int kOutputRate = 48000;
constexpr Uint16 kOutputFrames = 1024;

// The sound's bytes in its own format turned into stereo float frames at the mixer's rate.
bool ConvertToMix(const std::vector<uint8_t>& bytes, const WaveFormat& format, int outputRate,
                  std::vector<float>* samples)
{
    SDL_AudioFormat source = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    SDL_AudioStream* stream = SDL_NewAudioStream(source, static_cast<Uint8>(format.channels),
                                                 static_cast<int>(format.samplesPerSec), AUDIO_F32SYS, 2, outputRate);
    if (!stream)
        return false;
    // A partial frame at the end of the data has nothing to play.
    size_t whole = bytes.size() - bytes.size() % format.blockAlign;
    bool ok =
        SDL_AudioStreamPut(stream, bytes.data(), static_cast<int>(whole)) == 0 && SDL_AudioStreamFlush(stream) == 0;
    if (ok) {
        int available = SDL_AudioStreamAvailable(stream);
        samples->assign(static_cast<size_t>(available) / sizeof(float), 0.0f);
        int got = SDL_AudioStreamGet(stream, samples->data(), available);
        ok = got >= 0;
        if (ok)
            samples->resize(static_cast<size_t>(got) / sizeof(float) / 2 * 2);
    }
    SDL_FreeAudioStream(stream);
    return ok;
}

class SdlBuffer final : public BufferBase {
public:
    SdlBuffer(const BufferDesc& desc, std::shared_ptr<Mixer> mixer) : BufferBase(desc), mMixer(std::move(mixer))
    {
        mVoice.frames = std::make_shared<MixFrames>();
        UpdateGains();
    }

    SdlBuffer(const SdlBuffer& source) : BufferBase(source), mMixer(source.mMixer)
    {
        mVoice.frames = source.mVoice.frames;
        UpdateGains();
    }

    ~SdlBuffer() override
    {
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        mMixer->RemoveVoice(&mVoice);
    }

    // Converts the initial silence so a buffer played before its first Unlock has a length.
    Result Prepare() { return OnDataChanged(); }

    Result GetStatus(uint32_t* status) override
    {
        if (!status)
            return kInvalidParam;
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        *status = IsLost() ? kStatusBufferLost : 0;
        if (mVoice.playing)
            *status |= kStatusPlaying | (mVoice.looping ? kStatusLooping : 0);
        return kOk;
    }

    Result Play(uint32_t, uint32_t, uint32_t flags) override
    {
        if (IsLost())
            return kBufferLost;
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        mVoice.looping = (flags & kPlayLooping) != 0;
        mVoice.playing = true;
        mMixer->AddVoice(&mVoice);
        return kOk;
    }

    Result Stop() override
    {
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        mVoice.playing = false;
        mMixer->RemoveVoice(&mVoice);
        return kOk;
    }

private:
    Result OnDataChanged() override
    {
        std::vector<float> samples;
        if (!ConvertToMix(Bytes(), GetFormat(), mMixer->OutputRate(), &samples))
            return kFail;
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        mVoice.frames->samples.swap(samples);
        if (mVoice.position >= mVoice.frames->FrameCount())
            mVoice.position = 0;
        return kOk;
    }

    void OnLevelsChanged() override { UpdateGains(); }
    void OnLost() override { Stop(); }

    void UpdateGains()
    {
        float left = 1.0f, right = 1.0f;
        PanGains(Pan(), &left, &right);
        float gain = GainFromVolume(Volume());
        std::lock_guard<std::mutex> lock(mMixer->Mutex());
        mVoice.gainLeft = gain * left;
        mVoice.gainRight = gain * right;
    }

    std::shared_ptr<Mixer> mMixer;
    Voice mVoice;
};

void MixCallback(void* userdata, Uint8* stream, int length)
{
    auto* mixer = static_cast<Mixer*>(userdata);
    mixer->MixInto(reinterpret_cast<float*>(stream), static_cast<uint32_t>(length) / (2 * sizeof(float)));
}

}  // namespace

SdlDevice::SdlDevice(std::shared_ptr<Mixer> mixer, uint32_t deviceId) : mMixer(std::move(mixer)), mDeviceId(deviceId)
{
}

SdlDevice::~SdlDevice()
{
    if (mDeviceId != 0) {
        SDL_CloseAudioDevice(mDeviceId);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

namespace {

bool FileExists(const std::string& path)
{
    std::ifstream file(path);
    return file.good();
}

// Is there anything to play on? Asking the sound libraries on a machine with no sound card and
// no sound server only fills stderr with their complaints.
bool AudioOutputExists()
{
    if (std::getenv("SDL_AUDIODRIVER") || std::getenv("PULSE_SERVER"))
        return true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        std::string folder = runtime;
        if (FileExists(folder + "/pulse/native") || FileExists(folder + "/pipewire-0"))
            return true;
    }
    std::ifstream cards("/proc/asound/cards");
    std::string first;
    if (!cards || !std::getline(cards, first))
        return false;
    return first.find("no soundcards") == std::string::npos;
}

}  // namespace

std::optional<std::string> SdlDevice::OpenOutput(SdlDevice** device)
{
    *device = nullptr;
    if (!AudioOutputExists())
        return std::string("no sound card or sound server found");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return std::string("no audio available (") + SDL_GetError() + ")";
    auto mixer = std::make_shared<Mixer>(kOutputRate);
    SDL_AudioSpec wanted{};
    wanted.freq = kOutputRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = kOutputFrames;
    wanted.callback = MixCallback;
    wanted.userdata = mixer.get();
    // SDL converts our float stereo to whatever the hardware takes.
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (id == 0) {
        std::string error = std::string("cannot open the audio device (") + SDL_GetError() + ")";
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return error;
    }
    *device = new SdlDevice(std::move(mixer), id);
    SDL_PauseAudioDevice(id, 0);
    return std::nullopt;
}

SdlDevice* SdlDevice::OpenMemory(int outputRate)
{
    return new SdlDevice(std::make_shared<Mixer>(outputRate), 0);
}

int SdlDevice::OutputRate() const
{
    return mMixer->OutputRate();
}

void SdlDevice::MixInto(float* out, uint32_t frameCount)
{
    mMixer->MixInto(out, frameCount);
}

Result SdlDevice::CreateSoundBuffer(const BufferDesc& desc, SoundBuffer** buffer)
{
    if (!buffer)
        return kInvalidParam;
    *buffer = nullptr;
    Result r = ValidateBufferDesc(desc);
    if (Failed(r))
        return r;
    SdlBuffer* created = nullptr;
    try {
        created = new SdlBuffer(desc, mMixer);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    r = created->Prepare();
    if (Failed(r)) {
        created->Release();
        return r;
    }
    *buffer = created;
    return kOk;
}

Result SdlDevice::DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer** duplicate)
{
    if (!duplicate)
        return kInvalidParam;
    *duplicate = nullptr;
    auto* original = dynamic_cast<SdlBuffer*>(source);
    if (!original)
        return kInvalidParam;
    *duplicate = new SdlBuffer(*original);
    return kOk;
}

}  // namespace audio::sdl
