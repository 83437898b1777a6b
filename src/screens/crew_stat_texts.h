// The ship-and-crew page's derived figures as the page shows them.
#pragma once

#include <string>

// Hull repair from the period in ms: "%.1f HP/Sec" up to 1000 ms, "%.1f Sec/HP" above.
std::string HullRepairRateText(int periodMs);
// The engine's scaled top speed, capped at 8.0, with the navigation bonus as "+%.1f" when the
// capped boosted speed is higher.
std::string TopSpeedText(float topSpeed, float speedFactor);
// The engine's scaled acceleration and the navigation bonus on it.
std::string AccelerationText(float acceleration, float accelerationFactor);
// The communication discount, a negative whole percentage ("~" is the font's percent sign).
std::string DiscountText(float buyFactor);
// The science bonus on energy recharge, a whole percentage.
std::string ScienceBonusText(float energyRegenFactor);
