#include "core/angle.h"

#include <cmath>

float WrappedAngle(float angle, float turn)
{
    if (!std::isfinite(angle))
        return 0.0f;
    // Within a turn or two the stepping below gives the same float the game always had.
    if (angle >= 2.0f * turn || angle < -turn)
        angle = std::fmod(angle, turn);
    while (angle < 0.0f)
        angle += turn;
    while (angle >= turn)
        angle -= turn;
    return angle;
}
