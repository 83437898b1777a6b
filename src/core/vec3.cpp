// Vector helpers that need more than one line.
#include "core/vec3.h"

#include <cmath>

#include "platform/gfx/math.h"

float Vec3Length(const Vec3& a)
{
    return std::sqrt(Vec3LengthSq(a));
}

float Vec3LengthSq(const Vec3& a)
{
    return a.x * a.x + a.y * a.y + a.z * a.z;
}

bool Vec3IsFinite(const Vec3& a)
{
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

float Vec3Dot(const Vec3& a, const Vec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 UnitVec3(const Vec3& v)
{
    return Vec3::FromGfx(gfx::Vec3Normalize(v.ToGfx()));
}

Vec3 RotateVec3Z(const Vec3& a, float angle)
{
    return Vec3::FromGfx(gfx::Vec3TransformCoord(a.ToGfx(), gfx::MatrixRotationZ(angle)));
}

float HeadingOfVec3(const Vec3& a)
{
    float d = Vec3Dot(a, Vec3(0.0f, 1.0f, 0.0f));
    if (d >= 1.0f)
        return 0.0f;
    if (d <= -1.0f)
        return 3.14159f;
    float t = std::acos(d);
    if (a.x <= 0.0f)
        return t;
    if (a.y != 0.0f)
        return -t;
    return t + 3.14159f;
}

void SetIdentityMatrix(gfx::Matrix* m)
{
    *m = gfx::MatrixIdentity();
}
