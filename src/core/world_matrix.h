// The world transform of a scaled, rotated and placed mesh.
#pragma once

#include "core/vec3.h"
#include "platform/gfx/gfx_types.h"

// Scaling x RotationX x RotationY x RotationZ x Translation; the rotations are left out when
// all three angles are 0.
gfx::Matrix ObjectWorldMatrix(const Vec3& scale, const Vec3& rotation, const Vec3& position);
