// Loudness and pan of a sound from where it is and where it is heard.
#pragma once

#include <cstdint>

struct Vec3;

struct SoundLevels {
    int32_t volume = 0;  // hundredths of a decibel
    int32_t pan = 0;     // -10000 (left) to 10000 (right)
};

// Within 200 units the volume follows the volume setting only; farther away it falls with the
// squared distance. The pan follows the difference in x alone, full at 100 units.
SoundLevels SoundLevelsAt(const Vec3& position, const Vec3& listener, int volumeSetting);

// The level of a sound without distance, such as a screen's background sound.
int32_t FlatSoundVolume(int volumeSetting);
