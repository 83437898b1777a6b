// CResourceManager: the one owner of the game's device resources and of the current solar
// system's content. This header grows with each resource family; the sound side is here now.
#pragma once

#include <map>

#include "app/sound_globals.h"
#include "platform/audio/device.h"

class CResourceManager {
public:
    CResourceManager();
    ~CResourceManager();
    CResourceManager(const CResourceManager&) = delete;
    CResourceManager& operator=(const CResourceManager&) = delete;

    // Sound. Ownership: the multimap holds one reference to each of its buffers, and the
    // background sound holds one more of its own (the same buffer is also in the multimap).
    // Whoever drops a buffer releases exactly the reference it held, once.

    // (Re)creates the sound device, releasing every buffer of the old one first. Audio that
    // cannot start is replaced by the silent device (one line on stderr), so this returns 0
    // and sets gSoundReady.
    audio::Result InitSound();
    // Loads the sound's file into a new buffer and files it under the id; null when the device
    // is not ready, the id has no row, or the file is missing, broken or empty.
    audio::SoundBuffer* LoadSound(int soundId);
    // Plays a sound once at a place in the world, at most five copies of one sound at a time.
    void PlaySoundAt(const SoundRequest& request);
    // Loops the sound as the current screen's background, stopping the one before it.
    void PlaySound(int soundId);
    // Loads the file at a game path ("sound\\beep.wav") into a new buffer filed under the id:
    // what LoadSound does once it has the row.
    audio::SoundBuffer* LoadSoundFile(int soundId, const char* path);
    // Stops and releases the background sound and every filed buffer (device loss, device
    // re-creation, shutdown).
    void ReleaseSoundBuffers();

    using SoundBufferMap = std::multimap<int, audio::SoundBuffer*>;
    SoundBufferMap mSoundBuffers;
    // The last equal range looked up.
    SoundBufferMap::iterator mSoundRangeBegin = mSoundBuffers.end();
    SoundBufferMap::iterator mSoundRangeEnd = mSoundBuffers.end();
    audio::Device* mSoundDevice = nullptr;
    audio::SoundBuffer* mBackgroundSound = nullptr;

private:
    // Restores a lost buffer, sets its levels for that place and plays it once.
    void PlayBufferAt(audio::SoundBuffer* buffer, const Vec3& position, const Vec3& listener);
};

extern CResourceManager* gResourceManager;
