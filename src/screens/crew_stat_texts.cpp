// The ship-and-crew page's derived figures.
#include "screens/crew_stat_texts.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr float kSpeedCap = 8.0f;
constexpr int kRateSwitchMs = 1001;

template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

std::string HullRepairRateText(int periodMs)
{
    if (periodMs < kRateSwitchMs)
        return Format("%.1f HP/Sec", 1000.0 / periodMs);
    return Format("%.1f Sec/HP", periodMs / 1000.0);
}

std::string TopSpeedText(float topSpeed, float speedFactor)
{
    const float shown = std::min(topSpeed, kSpeedCap);
    const float boosted = std::min(speedFactor * topSpeed, kSpeedCap);
    if (boosted <= shown)
        return Format("%.1f", shown);
    return Format("%.1f +%.1f", shown, boosted - shown);
}

std::string AccelerationText(float acceleration, float accelerationFactor)
{
    return Format("%.2f +%.2f", acceleration, accelerationFactor * acceleration - acceleration);
}

std::string DiscountText(float buyFactor)
{
    return Format("%d~", static_cast<int>((buyFactor - 1.0f) * 100.0f));
}

std::string ScienceBonusText(float energyRegenFactor)
{
    return Format("+%d~", static_cast<int>((energyRegenFactor - 1.0f) * 100.0f));
}
