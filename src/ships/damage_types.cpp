// The damage-type table: rows are the incoming type, columns the device's type.
#include "ships/damage_types.h"

namespace {

constexpr int kDamageTypeCount = 7;

// none, radiation, organic, crystal, photon, antimatter, plasma.
constexpr float kFactors[kDamageTypeCount][kDamageTypeCount] = {
    {1.0f, 0.9f, 0.95f, 0.8f, 0.75f, 0.5f, 0.75f}, {1.1f, 1.0f, 1.3f, 0.9f, 1.0f, 0.95f, 0.9f},
    {1.1f, 0.9f, 1.0f, 1.3f, 0.9f, 0.6f, 1.0f},    {1.3f, 1.2f, 0.7f, 1.0f, 1.5f, 1.1f, 1.1f},
    {1.1f, 1.0f, 1.0f, 0.6f, 1.0f, 1.3f, 1.1f},    {1.5f, 1.3f, 1.5f, 1.4f, 0.7f, 1.0f, 1.5f},
    {1.3f, 1.0f, 1.5f, 1.1f, 0.9f, 0.7f, 1.0f},
};

bool Known(int type)
{
    return type >= 0 && type < kDamageTypeCount;
}

}  // namespace

float DamageTypeFactor(int incomingType, int deviceType)
{
    if (!Known(incomingType) || !Known(deviceType))
        return 1.0f;
    return kFactors[incomingType][deviceType];
}
