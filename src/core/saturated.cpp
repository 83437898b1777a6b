#include "core/saturated.h"

#include <algorithm>
#include <climits>
#include <cmath>

int SaturatedInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int PixelCoordinate(double value)
{
    constexpr double kFarOff = 1e6;
    return SaturatedInt(std::clamp(value, -kFarOff, kFarOff));
}
