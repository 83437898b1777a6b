// The vector toolkit the whole game computes with: three floats, copied by value.
#pragma once

#include "platform/gfx/gfx_types.h"

namespace gfx {
class Mesh;
}

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Vec3() = default;
    Vec3(float px, float py, float pz) : x(px), y(py), z(pz) {}

    static Vec3 Difference(const Vec3& a, const Vec3& b) { return Vec3(a.x - b.x, a.y - b.y, a.z - b.z); }
    static Vec3 Sum(const Vec3& a, const Vec3& b) { return Vec3(a.x + b.x, a.y + b.y, a.z + b.z); }
    static void Add(Vec3& a, const Vec3& b)
    {
        a.x += b.x;
        a.y += b.y;
        a.z += b.z;
    }
    static Vec3 Negated(const Vec3& a) { return Vec3(-a.x, -a.y, -a.z); }
    static Vec3 Scaled(const Vec3& a, float s) { return Vec3(a.x * s, a.y * s, a.z * s); }
    // Multiplies by the reciprocal, rounded to float first, as the game always has.
    static Vec3 Divided(const Vec3& a, float s)
    {
        float r = 1.0f / s;
        return Vec3(a.x * r, a.y * r, a.z * r);
    }
    // Exact comparison, no tolerance.
    static bool Equals(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
    static bool NotEquals(const Vec3& a, const Vec3& b) { return !Equals(a, b); }

    gfx::Vector3 ToGfx() const { return gfx::Vector3{x, y, z}; }
    static Vec3 FromGfx(const gfx::Vector3& v) { return Vec3(v.x, v.y, v.z); }
};

inline Vec3 ScaledVec3(float s, const Vec3& a)
{
    return Vec3::Scaled(a, s);
}

float Vec3Length(const Vec3& a);
// Every range and distance test compares this against a squared limit.
float Vec3LengthSq(const Vec3& a);
float Vec3Dot(const Vec3& a, const Vec3& b);
// No component is NaN or infinite.
bool Vec3IsFinite(const Vec3& a);
// The zero vector stays zero instead of turning into NaN.
Vec3 UnitVec3(const Vec3& v);
// a rotated about the z axis by angle radians, as a point transform.
Vec3 RotateVec3Z(const Vec3& a, float angle);
// The angle of a direction measured from +y: 0 for +y, 3.14159 for -y, about 1.5708 for -x.
float HeadingOfVec3(const Vec3& a);
void SetIdentityMatrix(gfx::Matrix* m);

// The origin; a sound request pointing at it is an interface sound (no distance, centred).
extern const Vec3 gZeroVector;
