// Storage of the sound switches and settings.
#include "core/sound_globals.h"

uint8_t gSoundOff = 0;
int gSoundVolume = 80;
uint8_t gSoundReady = 0;
SoundRequest gSoundRequest;
audio::Backend gSoundBackend = audio::Backend::kSdl;
