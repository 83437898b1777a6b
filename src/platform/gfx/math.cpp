// Matrix, vector and bounding helpers: left-handed, row vectors, 32-bit floats throughout.
#include "platform/gfx/math.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace gfx {

namespace {

Vector3 Sub(const Vector3& a, const Vector3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

float Dot(const Vector3& a, const Vector3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Vertex data need not be aligned for floats: read through memcpy.
Vector3 PositionAt(const void* vertices, uint32_t index, uint32_t stride)
{
    Vector3 p;
    std::memcpy(&p, static_cast<const uint8_t*>(vertices) + static_cast<size_t>(index) * stride, sizeof p);
    return p;
}

}  // namespace

Matrix MatrixIdentity()
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1.0f;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b)
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    return r;
}

bool MatrixInverse(const Matrix& m, Matrix* out)
{
    // Cofactor expansion through 2x2 sub-determinants of the top and bottom row pairs.
    const float(*a)[4] = m.m;
    float s0 = a[0][0] * a[1][1] - a[1][0] * a[0][1];
    float s1 = a[0][0] * a[1][2] - a[1][0] * a[0][2];
    float s2 = a[0][0] * a[1][3] - a[1][0] * a[0][3];
    float s3 = a[0][1] * a[1][2] - a[1][1] * a[0][2];
    float s4 = a[0][1] * a[1][3] - a[1][1] * a[0][3];
    float s5 = a[0][2] * a[1][3] - a[1][2] * a[0][3];
    float c5 = a[2][2] * a[3][3] - a[3][2] * a[2][3];
    float c4 = a[2][1] * a[3][3] - a[3][1] * a[2][3];
    float c3 = a[2][1] * a[3][2] - a[3][1] * a[2][2];
    float c2 = a[2][0] * a[3][3] - a[3][0] * a[2][3];
    float c1 = a[2][0] * a[3][2] - a[3][0] * a[2][2];
    float c0 = a[2][0] * a[3][1] - a[3][0] * a[2][1];
    float det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (det == 0.0f || !std::isfinite(det))
        return false;
    float k = 1.0f / det;
    Matrix r;
    r.m[0][0] = (a[1][1] * c5 - a[1][2] * c4 + a[1][3] * c3) * k;
    r.m[0][1] = (-a[0][1] * c5 + a[0][2] * c4 - a[0][3] * c3) * k;
    r.m[0][2] = (a[3][1] * s5 - a[3][2] * s4 + a[3][3] * s3) * k;
    r.m[0][3] = (-a[2][1] * s5 + a[2][2] * s4 - a[2][3] * s3) * k;
    r.m[1][0] = (-a[1][0] * c5 + a[1][2] * c2 - a[1][3] * c1) * k;
    r.m[1][1] = (a[0][0] * c5 - a[0][2] * c2 + a[0][3] * c1) * k;
    r.m[1][2] = (-a[3][0] * s5 + a[3][2] * s2 - a[3][3] * s1) * k;
    r.m[1][3] = (a[2][0] * s5 - a[2][2] * s2 + a[2][3] * s1) * k;
    r.m[2][0] = (a[1][0] * c4 - a[1][1] * c2 + a[1][3] * c0) * k;
    r.m[2][1] = (-a[0][0] * c4 + a[0][1] * c2 - a[0][3] * c0) * k;
    r.m[2][2] = (a[3][0] * s4 - a[3][1] * s2 + a[3][3] * s0) * k;
    r.m[2][3] = (-a[2][0] * s4 + a[2][1] * s2 - a[2][3] * s0) * k;
    r.m[3][0] = (-a[1][0] * c3 + a[1][1] * c1 - a[1][2] * c0) * k;
    r.m[3][1] = (a[0][0] * c3 - a[0][1] * c1 + a[0][2] * c0) * k;
    r.m[3][2] = (-a[3][0] * s3 + a[3][1] * s1 - a[3][2] * s0) * k;
    r.m[3][3] = (a[2][0] * s3 - a[2][1] * s1 + a[2][2] * s0) * k;
    *out = r;
    return true;
}

Matrix MatrixScaling(float x, float y, float z)
{
    Matrix r;
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix MatrixTranslation(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix MatrixRotationX(float a)
{
    float c = std::cos(a), s = std::sin(a);
    Matrix r = MatrixIdentity();
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationY(float a)
{
    float c = std::cos(a), s = std::sin(a);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationZ(float a)
{
    float c = std::cos(a), s = std::sin(a);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf)
{
    float yScale = 1.0f / std::tan(fovY / 2.0f);
    Matrix r;
    r.m[0][0] = yScale / aspect;
    r.m[1][1] = yScale;
    r.m[2][2] = zf / (zf - zn);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -zn * zf / (zf - zn);
    return r;
}

Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up)
{
    Vector3 z = Vec3Normalize(Sub(at, eye));
    Vector3 x = Vec3Normalize(Cross(up, z));
    Vector3 y = Cross(z, x);
    Matrix r;
    r.m[0][0] = x.x, r.m[0][1] = y.x, r.m[0][2] = z.x;
    r.m[1][0] = x.y, r.m[1][1] = y.y, r.m[1][2] = z.y;
    r.m[2][0] = x.z, r.m[2][1] = y.z, r.m[2][2] = z.z;
    r.m[3][0] = -Dot(x, eye), r.m[3][1] = -Dot(y, eye), r.m[3][2] = -Dot(z, eye);
    r.m[3][3] = 1.0f;
    return r;
}

Vector3 Vec3Normalize(const Vector3& v)
{
    float length = std::sqrt(Dot(v, v));
    // Callers normalise the difference of two equal points; NaN would spread into positions.
    if (length == 0.0f)
        return {};
    float k = 1.0f / length;
    return {v.x * k, v.y * k, v.z * k};
}

Vector3 Vec3TransformCoord(const Vector3& v, const Matrix& m)
{
    const float(*a)[4] = m.m;
    Vector3 r{v.x * a[0][0] + v.y * a[1][0] + v.z * a[2][0] + a[3][0],
              v.x * a[0][1] + v.y * a[1][1] + v.z * a[2][1] + a[3][1],
              v.x * a[0][2] + v.y * a[1][2] + v.z * a[2][2] + a[3][2]};
    float w = v.x * a[0][3] + v.y * a[1][3] + v.z * a[2][3] + a[3][3];
    if (w != 0.0f) {
        r.x /= w;
        r.y /= w;
        r.z /= w;
    }
    return r;
}

Vector3 Vec3TransformNormal(const Vector3& v, const Matrix& m)
{
    const float(*a)[4] = m.m;
    return {v.x * a[0][0] + v.y * a[1][0] + v.z * a[2][0], v.x * a[0][1] + v.y * a[1][1] + v.z * a[2][1],
            v.x * a[0][2] + v.y * a[1][2] + v.z * a[2][2]};
}

uint32_t FvfVertexSize(uint32_t fvf)
{
    uint32_t size = 0;
    switch (fvf & kFvfPositionMask) {
    case 0x002:
        size = 12;
        break;  // xyz
    case 0x004:
        size = 16;
        break;  // xyz + rhw
    default:
        if (fvf & kFvfPositionMask)  // xyz + 1..5 blend weights
            size = 12 + 4 * (((fvf & kFvfPositionMask) - 0x004) / 2);
        break;
    }
    if (fvf & kFvfNormal)
        size += 12;
    if (fvf & kFvfPSize)
        size += 4;
    if (fvf & kFvfDiffuse)
        size += 4;
    if (fvf & kFvfSpecular)
        size += 4;
    uint32_t sets = (fvf & kFvfTexCountMask) >> 8;
    for (uint32_t i = 0; i < sets && i < 8; ++i) {
        // Two size bits per set from bit 16: 0 = two floats, 1 = three, 2 = four, 3 = one.
        static constexpr uint32_t kFloats[4] = {2, 3, 4, 1};
        size += 4 * kFloats[(fvf >> (16 + 2 * i)) & 3];
    }
    return size;
}

void ComputeBoundingBox(const void* vertices, uint32_t count, uint32_t stride, Vector3* min, Vector3* max)
{
    if (!vertices || count == 0) {
        *min = *max = {};
        return;
    }
    Vector3 lo = PositionAt(vertices, 0, stride), hi = lo;
    for (uint32_t i = 1; i < count; ++i) {
        Vector3 p = PositionAt(vertices, i, stride);
        lo = {std::fmin(lo.x, p.x), std::fmin(lo.y, p.y), std::fmin(lo.z, p.z)};
        hi = {std::fmax(hi.x, p.x), std::fmax(hi.y, p.y), std::fmax(hi.z, p.z)};
    }
    *min = lo;
    *max = hi;
}

void ComputeBoundingSphere(const void* vertices, uint32_t count, uint32_t stride, Vector3* centre, float* radius)
{
    *centre = {};
    *radius = 0.0f;
    if (!vertices || count == 0)
        return;
    Vector3 sum;
    for (uint32_t i = 0; i < count; ++i) {
        Vector3 p = PositionAt(vertices, i, stride);
        sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z};
    }
    float k = 1.0f / static_cast<float>(count);
    Vector3 c{sum.x * k, sum.y * k, sum.z * k};
    float largestSq = 0.0f;
    for (uint32_t i = 0; i < count; ++i) {
        Vector3 d = Sub(PositionAt(vertices, i, stride), c);
        largestSq = std::fmax(largestSq, Dot(d, d));
    }
    *centre = c;
    *radius = std::sqrt(largestSq);
}

bool BoxBoundProbe(const Vector3& min, const Vector3& max, const Vector3& rayPosition, const Vector3& rayDirection)
{
    const float lo[3] = {min.x, min.y, min.z};
    const float hi[3] = {max.x, max.y, max.z};
    const float pos[3] = {rayPosition.x, rayPosition.y, rayPosition.z};
    const float dir[3] = {rayDirection.x, rayDirection.y, rayDirection.z};
    constexpr float kInf = std::numeric_limits<float>::infinity();
    float tNear = 0.0f, tFar = kInf;
    for (int axis = 0; axis < 3; ++axis) {
        // A zero component divides to +-infinity: the slab is then all or nothing. A start exactly
        // on a face gives 0 * inf = NaN, which fmax/fmin ignore, so the face counts as inside.
        float inv = 1.0f / dir[axis];
        float tEnter = (lo[axis] - pos[axis]) * inv;
        float tLeave = (hi[axis] - pos[axis]) * inv;
        if (std::signbit(inv))
            std::swap(tEnter, tLeave);
        tNear = std::fmax(tNear, tEnter);
        tFar = std::fmin(tFar, tLeave);
    }
    // tNear is infinite only for a ray running parallel beside the box.
    return tNear <= tFar && tNear < kInf;
}

}  // namespace gfx
