// The bodies CActor gives every actor that does not replace them.
#include "world/actor.h"

bool CActor::HitTestSegment(const Vec3*, const Vec3*, float)
{
    return false;
}

void CActor::GetCorners(Vec3*, Vec3*, Vec3*, Vec3*, CWorldObject*)
{
}
