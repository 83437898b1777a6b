// The extent of a mesh is the size of the box around its vertices after normalising.
#include "platform/gfx/mesh.h"

#include "support/resource_fixture.h"

namespace {

using MeshExtentTest = ResourceFixture;

TEST_F(MeshExtentTest, IsTheBoxAroundTheNormalisedVertices)
{
    // The trail square's corners are (+-1, +-1, 0); normalised to radius 1 they lie at +-0.7071.
    AddTrailQuad();
    MeshEntry* entry = rm->GetMesh(0);
    ASSERT_TRUE(entry && entry->mesh);
    const Vec3 extent = rm->MeshExtent(entry->mesh);
    EXPECT_NEAR(extent.x, 1.41421f, 1e-4f);
    EXPECT_NEAR(extent.y, 1.41421f, 1e-4f);
    EXPECT_FLOAT_EQ(extent.z, 0.0f);
}

}  // namespace
