// The distance laws of sound volume and pan.
#include "engine/sound_levels.h"

#include <algorithm>

#include "core/vec3.h"

namespace {
constexpr float kFullVolumeSquaredDistance = 40000.0f;  // 200 units
constexpr int kPanUnits = 100;

// A setting outside 0..100 still gives a level the device takes.
int32_t ClampVolume(int32_t volume)
{
    return std::clamp(volume, -10000, 0);
}
}  // namespace

int32_t FlatSoundVolume(int volumeSetting)
{
    return ClampVolume((100 - volumeSetting) * -10000 / 400);
}

SoundLevels SoundLevelsAt(const Vec3& position, const Vec3& listener, int volumeSetting)
{
    float dx = position.x - listener.x;
    float dy = position.y - listener.y;
    float dz = position.z - listener.z;
    float d2 = dx * dx + dy * dy + dz * dz;
    float att = std::min(kFullVolumeSquaredDistance / (d2 + 1.0f), 1.0f);

    SoundLevels levels;
    if (d2 <= kFullVolumeSquaredDistance)
        levels.volume = FlatSoundVolume(volumeSetting);
    else
        levels.volume =
            ClampVolume(static_cast<int32_t>((100.0f - static_cast<float>(volumeSetting) * att) * -10000.0f / 400.0f));
    int offset = static_cast<int>(position.x) - static_cast<int>(listener.x);
    levels.pan = std::clamp(offset, -kPanUnits, kPanUnits) * 100;
    return levels;
}
