// The sound switches and settings every screen reads, and the request that plays a sound.
#pragma once

#include <cstdint>

#include "platform/audio/device.h"

struct Vec3;

// A sound to play once: its id and where it sounds. A position equal to &gZeroVector marks an
// interface sound, heard as if at the listener's own place.
struct SoundRequest {
    int soundId = 0;
    const Vec3* position = nullptr;
};

// While set, no sound starts.
extern uint8_t gSoundOff;
// 0 to 100; 80 at start and after every device re-creation.
extern int gSoundVolume;
// Set while a sound device exists to load sounds into.
extern uint8_t gSoundReady;
extern SoundRequest gSoundRequest;
// The backend InitSound opens: the real output for the game; tests choose the silent one.
extern audio::Backend gSoundBackend;
