// The world transform of a scaled, rotated and placed mesh.
#include "core/world_matrix.h"

#include "platform/gfx/math.h"

gfx::Matrix ObjectWorldMatrix(const Vec3& scale, const Vec3& rotation, const Vec3& position)
{
    gfx::Matrix world = gfx::MatrixScaling(scale.x, scale.y, scale.z);
    if (rotation.x != 0.0f || rotation.y != 0.0f || rotation.z != 0.0f) {
        world = gfx::MatrixMultiply(world, gfx::MatrixRotationX(rotation.x));
        world = gfx::MatrixMultiply(world, gfx::MatrixRotationY(rotation.y));
        world = gfx::MatrixMultiply(world, gfx::MatrixRotationZ(rotation.z));
    }
    return gfx::MatrixMultiply(world, gfx::MatrixTranslation(position.x, position.y, position.z));
}
