// CStationaryActor: the actors that stay where the system placed them (fountain, station, mine,
// outpost, phantom, vortex). No ailment or crew skill changes their abilities.
#pragma once

#include "world/actor.h"

class CStationaryActor : public CActor {
public:
    float GetArmorRegenFactor() override { return 1.0f; }
    float GetSpeedFactor() override { return 1.0f; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return 1.0f; }
    float GetShieldRegenFactor() override { return 1.0f; }
};
