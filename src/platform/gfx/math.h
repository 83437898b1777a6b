// Matrix, vector and bounding helpers with the left-handed, row-vector conventions the game
// was written against: v' = v * M, and MatrixMultiply(a, b) applies a first.
#pragma once

#include <cstdint>

#include "platform/gfx/gfx_types.h"

namespace gfx {

Matrix MatrixIdentity();
// a * b: a transform by a, then by b.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
// False (and *out untouched) when m is singular.
bool MatrixInverse(const Matrix& m, Matrix* out);
Matrix MatrixScaling(float x, float y, float z);
Matrix MatrixTranslation(float x, float y, float z);
// Rotations by a radians, clockwise when looking down the axis towards the origin
// (the left-handed sense): RotationZ takes (0, 1, 0) to (-sin a, cos a, 0).
Matrix MatrixRotationX(float a);
Matrix MatrixRotationY(float a);
Matrix MatrixRotationZ(float a);
// Depth maps zn..zf to 0..1; w' = view-space z.
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf);
Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);

Vector3 Vec3Normalize(const Vector3& v);  // the zero vector gives the zero vector
// (x, y, z, 1) * m divided by the resulting w; a w of 0 leaves the result undivided.
Vector3 Vec3TransformCoord(const Vector3& v, const Matrix& m);
// (x, y, z, 0) * m: directions, no translation.
Vector3 Vec3TransformNormal(const Vector3& v, const Matrix& m);

// Bytes per vertex of a flexible vertex format (position, normal, point size, colours and
// every texture coordinate set with its size bits); 0 for format 0.
uint32_t FvfVertexSize(uint32_t fvf);

// The position is the first three floats of every vertex, stride bytes apart.
// No vertices: both corners (0, 0, 0).
void ComputeBoundingBox(const void* vertices, uint32_t count, uint32_t stride, Vector3* min, Vector3* max);
// Centre = the mean of the positions, radius = the largest distance from it (not the smallest
// enclosing sphere). No vertices: centre (0, 0, 0), radius 0.
void ComputeBoundingSphere(const void* vertices, uint32_t count, uint32_t stride, Vector3* centre, float* radius);

// Does the unbounded ray from rayPosition along rayDirection (t >= 0) meet the closed box?
// A start inside the box hits; a box wholly behind the start misses; the direction need not
// be normalised and a zero component means the ray never leaves that slab.
bool BoxBoundProbe(const Vector3& min, const Vector3& max, const Vector3& rayPosition, const Vector3& rayDirection);

}  // namespace gfx
