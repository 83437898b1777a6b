// The sound side of the resource manager: the device, loading sounds into buffers, and
// playing them at a place or as a screen's looping background.
#include "engine/resource_manager.h"

#include <cstdio>
#include <memory>

#include "core/camera.h"
#include "core/graphics_globals.h"
#include "core/message_log.h"
#include "core/vec3.h"
#include "db/game_database.h"
#include "engine/sound_levels.h"
#include "engine/unreadable_files.h"
#include "engine/wave_file.h"
#include "platform/os/clock.h"

namespace {
// More than this many copies of one sound never sound at once.
constexpr int kMaxPlayingCopies = 5;
// A buffer that stays lost (another program holds the device) is given up after this many tries.
constexpr int kMaxRestoreTries = 10;
constexpr uint32_t kRestoreWaitMs = 10;
constexpr uint32_t kBufferCaps = audio::kCapsCtrlPan | audio::kCapsCtrlVolume;

bool ReadStatus(audio::SoundBuffer* buffer, uint32_t* status)
{
    return !audio::Failed(buffer->GetStatus(status));
}
}  // namespace

audio::Result CResourceManager::InitSound()
{
    gSoundReady = 0;
    ReleaseSoundBuffers();
    if (mSoundDevice)
        mSoundDevice->Release();
    mSoundDevice = nullptr;
    if (auto error = audio::CreateDevice(gSoundBackend, &mSoundDevice)) {
        std::fprintf(stderr, "sound: %s; the game runs without sound\n", error->c_str());
        audio::CreateDevice(audio::Backend::kSilent, &mSoundDevice);
    }
    gSoundReady = 1;
    return audio::kOk;
}

void CResourceManager::ReleaseSoundBuffers()
{
    if (mBackgroundSound) {
        mBackgroundSound->Stop();
        mBackgroundSound->Release();
        mBackgroundSound = nullptr;
    }
    for (auto& entry : mSoundBuffers)
        entry.second->Stop();
    EmptySoundBufferMap();
}

void CResourceManager::EmptySoundBufferMap()
{
    for (auto& entry : mSoundBuffers)
        entry.second->Release();
    mSoundBuffers.clear();
    mSoundRangeBegin = mSoundBuffers.end();
    mSoundRangeEnd = mSoundBuffers.end();
}

audio::SoundBuffer* CResourceManager::LoadSound(int soundId)
{
    try {
        ResourceFileRecord* row = gGameDatabase.GetSound(soundId);
        if (!mSoundDevice || !gSoundReady || !row)
            return nullptr;
        return LoadSoundFile(soundId, row->path);
    } catch (...) {
        PostFlightMessage("Exception Caught in CResourceManager::LoadSound");
        return nullptr;
    }
}

audio::SoundBuffer* CResourceManager::LoadSoundFile(int soundId, const char* path)
{
    audio::SoundBuffer* buffer = nullptr;
    try {
        auto wave = std::make_unique<CWaveFile>();
        if (audio::Failed(wave->Open(path, nullptr, kWaveOpenRead))) {
            ReportUnreadableFile(path, "missing, unreadable or not a WAVE file");
            return nullptr;
        }
        if (wave->GetSize() == 0) {
            ReportUnreadableFile(path, "it holds no sound data");
            return nullptr;
        }
        audio::BufferDesc desc;
        desc.flags = kBufferCaps;
        desc.bufferBytes = wave->GetSize();
        desc.format = wave->GetFormat();
        if (audio::Failed(mSoundDevice->CreateSoundBuffer(desc, &buffer)))
            return nullptr;

        void* part1 = nullptr;
        void* part2 = nullptr;
        uint32_t size1 = 0, size2 = 0;
        if (audio::Failed(buffer->Lock(0, desc.bufferBytes, &part1, &size1, &part2, &size2, 0))) {
            buffer->Release();
            return nullptr;
        }
        uint32_t read = 0;
        wave->Rewind();
        // A file cut short holds a data chunk cut to its bytes, so the buffer is just that data.
        wave->Read(static_cast<uint8_t*>(part1), size1, &read);
        buffer->Unlock(part1, size1, part2, size2);

        mSoundBuffers.emplace(soundId, buffer);
        return buffer;
    } catch (...) {
        PostFlightMessage("Exception Caught in CResourceManager::LoadSound");
        // Not filed yet: nobody else holds it.
        if (buffer)
            buffer->Release();
        return nullptr;
    }
}

void CResourceManager::PlayBufferAt(audio::SoundBuffer* buffer, const Vec3& position, const Vec3& listener)
{
    uint32_t status = 0;
    if (!buffer || !ReadStatus(buffer, &status))
        return;
    if (status & audio::kStatusBufferLost) {
        for (int tries = 0; tries < kMaxRestoreTries && buffer->Restore() == audio::kBufferLost; ++tries)
            os::SleepMs(kRestoreWaitMs);
    }
    SoundLevels levels = SoundLevelsAt(position, listener, gSoundVolume);
    buffer->SetVolume(levels.volume);
    buffer->SetPan(levels.pan);
    buffer->Play(0, 0, 0);
}

void CResourceManager::PlaySoundAt(const SoundRequest& request)
{
    if (gSoundOff)
        return;
    // A request without a position is heard where the listener is.
    const bool interfaceSound = !request.position || request.position == &gZeroVector;
    const Vec3 position = request.position ? *request.position : gZeroVector;
    Vec3 listener =
        interfaceSound ? Vec3(0.0f, 0.0f, 0.0f) : Vec3(gCamera.GetEyeX(), gCamera.GetEyeY(), gCamera.GetEyeZ());
    // Height never counts.
    listener.z = position.z;

    auto range = mSoundBuffers.equal_range(request.soundId);
    mSoundRangeBegin = range.first;
    mSoundRangeEnd = range.second;
    if (mSoundRangeBegin == mSoundRangeEnd) {
        PlayBufferAt(LoadSound(request.soundId), position, listener);
        return;
    }

    int playing = 0;
    audio::SoundBuffer* last = nullptr;
    for (auto it = mSoundRangeBegin; it != mSoundRangeEnd; ++it) {
        uint32_t status = 0;
        if (!ReadStatus(it->second, &status))
            return;
        if (!(status & audio::kStatusPlaying)) {
            PlayBufferAt(it->second, position, listener);
            return;
        }
        if (++playing >= kMaxPlayingCopies)
            return;
        last = it->second;
    }

    audio::SoundBuffer* duplicate = nullptr;
    if (!mSoundDevice || audio::Failed(mSoundDevice->DuplicateSoundBuffer(last, &duplicate)))
        return;
    SoundLevels levels = SoundLevelsAt(position, listener, gSoundVolume);
    duplicate->SetVolume(levels.volume);
    duplicate->SetPan(levels.pan);
    duplicate->Play(0, 0, 0);
    mSoundBuffers.emplace(request.soundId, duplicate);
}

void CResourceManager::PlaySound(int soundId)
{
    if (gSoundOff)
        return;
    if (mBackgroundSound) {
        uint32_t status = 0;
        if (!ReadStatus(mBackgroundSound, &status))
            return;
        if (status & audio::kStatusBufferLost)
            mBackgroundSound->Restore();
        if (status & audio::kStatusPlaying)
            mBackgroundSound->Stop();
        // The old background leaves the multimap as well, so nothing there points at a
        // released buffer and screen changes do not pile up copies of it.
        for (auto it = mSoundBuffers.begin(); it != mSoundBuffers.end(); ++it) {
            if (it->second == mBackgroundSound) {
                it->second->Release();
                mSoundBuffers.erase(it);
                break;
            }
        }
        mSoundRangeBegin = mSoundBuffers.end();
        mSoundRangeEnd = mSoundBuffers.end();
        mBackgroundSound->Release();
        mBackgroundSound = nullptr;
    }
    mBackgroundSound = LoadSound(soundId);
    if (!mBackgroundSound)
        return;
    mBackgroundSound->AddRef();
    mBackgroundSound->SetVolume(FlatSoundVolume(gSoundVolume));
    mBackgroundSound->SetPan(0);
    mBackgroundSound->Play(0, 0, audio::kPlayLooping);
}
