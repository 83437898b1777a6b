// Matrix, vector and bounding helpers against hand-computed left-handed results.
#include "platform/gfx/math.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace gfx {
namespace {

constexpr float kHalfPi = 1.5707963f;
constexpr float kEps = 1e-5f;

void ExpectVec(const Vector3& v, float x, float y, float z, float eps = kEps)
{
    EXPECT_NEAR(v.x, x, eps);
    EXPECT_NEAR(v.y, y, eps);
    EXPECT_NEAR(v.z, z, eps);
}

void ExpectMatrix(const Matrix& a, const Matrix& b, float eps = kEps)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(a.m[i][j], b.m[i][j], eps) << "element " << i << "," << j;
}

TEST(MatrixBuilders, ScalingAndTranslationActOnRowVectors)
{
    ExpectVec(Vec3TransformCoord({1, 2, 3}, MatrixScaling(2, 3, 4)), 2, 6, 12);
    ExpectVec(Vec3TransformCoord({1, 2, 3}, MatrixTranslation(10, 20, 30)), 11, 22, 33);
    // Directions ignore translation.
    ExpectVec(Vec3TransformNormal({1, 2, 3}, MatrixTranslation(10, 20, 30)), 1, 2, 3);
    ExpectMatrix(MatrixMultiply(MatrixIdentity(), MatrixScaling(2, 3, 4)), MatrixScaling(2, 3, 4));
}

TEST(MatrixBuilders, RotationsTurnInTheLeftHandedSense)
{
    // About z: +y goes to -x, +x to +y.
    ExpectVec(Vec3TransformCoord({0, 1, 0}, MatrixRotationZ(kHalfPi)), -1, 0, 0);
    ExpectVec(Vec3TransformCoord({1, 0, 0}, MatrixRotationZ(kHalfPi)), 0, 1, 0);
    float a = 0.3f;
    ExpectVec(Vec3TransformCoord({0, 1, 0}, MatrixRotationZ(a)), -std::sin(a), std::cos(a), 0);
    // About x: +y to +z, +z to -y.
    ExpectVec(Vec3TransformCoord({0, 1, 0}, MatrixRotationX(kHalfPi)), 0, 0, 1);
    ExpectVec(Vec3TransformCoord({0, 0, 1}, MatrixRotationX(kHalfPi)), 0, -1, 0);
    // About y: +x to -z, +z to +x.
    ExpectVec(Vec3TransformCoord({1, 0, 0}, MatrixRotationY(kHalfPi)), 0, 0, -1);
    ExpectVec(Vec3TransformCoord({0, 0, 1}, MatrixRotationY(kHalfPi)), 1, 0, 0);
}

TEST(MatrixBuilders, MultiplyAppliesTheLeftOperandFirst)
{
    Matrix scaleThenMove = MatrixMultiply(MatrixScaling(2, 2, 2), MatrixTranslation(1, 0, 0));
    ExpectVec(Vec3TransformCoord({1, 1, 1}, scaleThenMove), 3, 2, 2);
    Matrix moveThenScale = MatrixMultiply(MatrixTranslation(1, 0, 0), MatrixScaling(2, 2, 2));
    ExpectVec(Vec3TransformCoord({1, 1, 1}, moveThenScale), 4, 2, 2);
    // The world matrix of a mesh: scale, turn about z, then move.
    Matrix world =
        MatrixMultiply(MatrixMultiply(MatrixScaling(3, 3, 3), MatrixRotationZ(kHalfPi)), MatrixTranslation(10, 0, 30));
    ExpectVec(Vec3TransformCoord({0, 1, 0}, world), 7, 0, 30);
}

TEST(MatrixBuilders, PerspectiveFovMapsNearAndFarToZeroAndOne)
{
    Matrix p = MatrixPerspectiveFovLH(2 * 0.7853982f, 2.0f, 1.0f, 101.0f);
    EXPECT_NEAR(p.m[0][0], 0.5f, kEps);  // cot(45 deg) / aspect
    EXPECT_NEAR(p.m[1][1], 1.0f, kEps);
    EXPECT_NEAR(p.m[2][2], 1.01f, kEps);
    EXPECT_NEAR(p.m[2][3], 1.0f, kEps);
    EXPECT_NEAR(p.m[3][2], -1.01f, kEps);
    EXPECT_EQ(p.m[3][3], 0.0f);
    ExpectVec(Vec3TransformCoord({0, 0, 1}, p), 0, 0, 0);
    ExpectVec(Vec3TransformCoord({0, 0, 101}, p), 0, 0, 1);
    // Divided by w = 5: (2 * 0.5, 3, 5 * 1.01 - 1.01) / 5.
    ExpectVec(Vec3TransformCoord({2, 3, 5}, p), 0.2f, 0.6f, 0.808f);
    // The game's own projection.
    Matrix game = MatrixPerspectiveFovLH(0.785398f, 800.0f / 600.0f, 1.0f, 1000.0f);
    EXPECT_NEAR(game.m[1][1], 2.4142137f, 1e-4f);
    EXPECT_NEAR(game.m[0][0], 2.4142137f * 0.75f, 1e-4f);
}

TEST(MatrixBuilders, LookAtBuildsTheFlightCameraView)
{
    // The flight camera: below the plane, looking along +z; screen x = world x, y = world y.
    Matrix v = MatrixLookAtLH({0, 0, -30}, {0, 0, 1}, {0, 1, 0});
    ExpectVec(Vec3TransformCoord({5, 7, 30}, v), 5, 7, 60);
    // Off-centre eye: the view is a pure translation.
    Matrix shifted = MatrixLookAtLH({4, -2, -30}, {4, -2, 30}, {0, 1, 0});
    ExpectVec(Vec3TransformCoord({5, 7, 30}, shifted), 1, 9, 60);
}

TEST(MatrixBuilders, LookAtWithUpAlongMinusZ)
{
    // Looking along +y with -z up: world -z appears above the centre, +x to the right.
    Matrix v = MatrixLookAtLH({0, -10, 0}, {0, 0, 0}, {0, 0, -1});
    ExpectVec(Vec3TransformCoord({0, 0, -5}, v), 0, 5, 10);
    ExpectVec(Vec3TransformCoord({3, 0, 0}, v), 3, 0, 10);
}

TEST(MatrixInverse, UndoesTheTransform)
{
    Matrix inv;
    ASSERT_TRUE(MatrixInverse(MatrixTranslation(3, -4, 5), &inv));
    ExpectMatrix(inv, MatrixTranslation(-3, 4, -5));
    ASSERT_TRUE(MatrixInverse(MatrixScaling(2, 4, 8), &inv));
    ExpectMatrix(inv, MatrixScaling(0.5f, 0.25f, 0.125f));

    Matrix m = MatrixMultiply(MatrixMultiply(MatrixScaling(2, 3, 0.5f), MatrixRotationX(0.4f)),
                              MatrixMultiply(MatrixRotationZ(-1.1f), MatrixTranslation(7, -3, 30)));
    ASSERT_TRUE(MatrixInverse(m, &inv));
    ExpectMatrix(MatrixMultiply(m, inv), MatrixIdentity(), 1e-5f);
    ExpectMatrix(MatrixMultiply(inv, m), MatrixIdentity(), 1e-5f);

    // A projection (last column not 0 0 0 1) inverts too.
    Matrix p = MatrixPerspectiveFovLH(0.785398f, 4.0f / 3.0f, 1.0f, 1000.0f);
    ASSERT_TRUE(MatrixInverse(p, &inv));
    ExpectMatrix(MatrixMultiply(p, inv), MatrixIdentity(), 1e-4f);
}

TEST(MatrixInverse, SingularFailsAndLeavesTheOutputAlone)
{
    Matrix out = MatrixTranslation(1, 2, 3);
    EXPECT_FALSE(MatrixInverse(MatrixScaling(1, 0, 1), &out));
    ExpectMatrix(out, MatrixTranslation(1, 2, 3));
    EXPECT_FALSE(MatrixInverse(Matrix{}, &out));
}

// The cursor's ray: view-space direction through the inverse view's 3x3, origin from its
// translation row, then met with the plane.
Vector3 PickPoint(float x, float y, float w, float h, const Matrix& proj, const Matrix& view, float planeZ)
{
    Vector3 dirView{(2 * x / w - 1) / proj.m[0][0], -(2 * y / h - 1) / proj.m[1][1], 1};
    Matrix inv;
    EXPECT_TRUE(MatrixInverse(view, &inv));
    Vector3 d = Vec3TransformNormal(dirView, inv);
    Vector3 o{inv.m[3][0], inv.m[3][1], inv.m[3][2]};
    float t = d.z != 0 ? (planeZ - o.z) / d.z : 1;
    return {o.x + d.x * t, o.y + d.y * t, o.z + d.z * t};
}

TEST(Unprojection, CursorRayMeetsTheFlightPlane)
{
    Matrix proj = MatrixPerspectiveFovLH(0.785398f, 800.0f / 600.0f, 1.0f, 1000.0f);
    Matrix view = MatrixLookAtLH({10, 20, -30}, {10, 20, 1}, {0, 1, 0});
    // The centre of the screen sees the eye's own x and y.
    ExpectVec(PickPoint(400, 300, 800, 600, proj, view, 30), 10, 20, 30, 1e-4f);
    // The right edge at 60 units: 60 * aspect * tan(fov / 2) = 33.137 to the right.
    ExpectVec(PickPoint(800, 300, 800, 600, proj, view, 30), 10 + 33.13708f, 20, 30, 1e-3f);
    // The top edge: screen y grows downwards, world y upwards.
    ExpectVec(PickPoint(400, 0, 800, 600, proj, view, 30), 10, 20 + 24.85281f, 30, 1e-3f);
    // Any picked point projects back to the cursor.
    Vector3 p = PickPoint(123, 456, 800, 600, proj, view, 30);
    Vector3 ndc = Vec3TransformCoord(p, MatrixMultiply(view, proj));
    EXPECT_NEAR((ndc.x + 1) * 400, 123, 1e-2f);
    EXPECT_NEAR((1 - ndc.y) * 300, 456, 1e-2f);
}

TEST(Vectors, NormaliseKeepsDirectionAndZeroStaysZero)
{
    ExpectVec(Vec3Normalize({3, 0, 4}), 0.6f, 0, 0.8f);
    ExpectVec(Vec3Normalize({0, -0.001f, 0}), 0, -1, 0);
    Vector3 zero = Vec3Normalize({0, 0, 0});
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(Vectors, TransformCoordWithZeroWStaysFinite)
{
    Matrix m;  // all zero: w comes out 0
    Vector3 r = Vec3TransformCoord({1, 2, 3}, m);
    EXPECT_TRUE(std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z));
}

TEST(FvfVertexSize, SumsEveryPart)
{
    EXPECT_EQ(FvfVertexSize(0), 0u);
    EXPECT_EQ(FvfVertexSize(kFvfXyz), 12u);
    EXPECT_EQ(FvfVertexSize(kFvfXyzRhw | kFvfTex1), 24u);            // the glow quad, 0x104
    EXPECT_EQ(FvfVertexSize(kFvfXyz | kFvfNormal | kFvfTex1), 32u);  // 0x112
    EXPECT_EQ(FvfVertexSize(0x1D2), 40u);                            // xyz, normal, diffuse, specular, one uv set
    EXPECT_EQ(FvfVertexSize(kFvfXyz | kFvfDiffuse | kFvfTex1), 24u);
    EXPECT_EQ(FvfVertexSize(kFvfXyz | kFvfPSize), 16u);
    EXPECT_EQ(FvfVertexSize(0x006), 16u);                                      // xyz + one blend weight
    EXPECT_EQ(FvfVertexSize(0x00E), 32u);                                      // xyz + five blend weights
    EXPECT_EQ(FvfVertexSize(kFvfXyz | 0x200), 28u);                            // two uv sets
    EXPECT_EQ(FvfVertexSize(kFvfXyz | kFvfTex1 | (1u << 16)), 24u);            // one set of three
    EXPECT_EQ(FvfVertexSize(kFvfXyz | 0x200 | (2u << 16) | (3u << 18)), 32u);  // four floats + one float
}

struct PaddedVertex {
    float x, y, z;
    float extra[3];
};

TEST(Bounds, SphereCentreIsTheMeanNotTheSmallestSphere)
{
    std::vector<PaddedVertex> v = {
        {0, 0, 0, {9, 9, 9}}, {2, 0, 0, {9, 9, 9}}, {0, 0, 0, {9, 9, 9}}, {0, 0, 0, {9, 9, 9}}};
    Vector3 c;
    float r = -1;
    ComputeBoundingSphere(v.data(), 4, sizeof(PaddedVertex), &c, &r);
    ExpectVec(c, 0.5f, 0, 0);
    EXPECT_NEAR(r, 1.5f, kEps);
}

TEST(Bounds, SphereOfAnOffsetShape)
{
    // The corners of a cube of side 2 around (1, 2, 3).
    std::vector<float> v;
    for (int i = 0; i < 8; ++i) {
        v.push_back(1 + ((i & 1) ? 1.f : -1.f));
        v.push_back(2 + ((i & 2) ? 1.f : -1.f));
        v.push_back(3 + ((i & 4) ? 1.f : -1.f));
    }
    Vector3 c;
    float r;
    ComputeBoundingSphere(v.data(), 8, 12, &c, &r);
    ExpectVec(c, 1, 2, 3);
    EXPECT_NEAR(r, std::sqrt(3.0f), kEps);
}

TEST(Bounds, BoxOfStridedVertices)
{
    std::vector<PaddedVertex> v = {
        {1, -2, 3, {100, 100, 100}}, {-4, 5, 0.5f, {-100, -100, -100}}, {2, 0, -6, {0, 0, 0}}};
    Vector3 lo, hi;
    ComputeBoundingBox(v.data(), 3, sizeof(PaddedVertex), &lo, &hi);
    ExpectVec(lo, -4, -2, -6);
    ExpectVec(hi, 2, 5, 3);
    ComputeBoundingBox(v.data(), 1, sizeof(PaddedVertex), &lo, &hi);
    ExpectVec(lo, 1, -2, 3);
    ExpectVec(hi, 1, -2, 3);
}

TEST(Bounds, NoVerticesGiveZeroes)
{
    Vector3 lo{1, 1, 1}, hi{1, 1, 1}, c{1, 1, 1};
    float r = 5;
    ComputeBoundingBox(nullptr, 0, 12, &lo, &hi);
    ComputeBoundingSphere(nullptr, 0, 12, &c, &r);
    ExpectVec(lo, 0, 0, 0);
    ExpectVec(hi, 0, 0, 0);
    ExpectVec(c, 0, 0, 0);
    EXPECT_EQ(r, 0.0f);
}

class BoxProbe : public ::testing::Test {
protected:
    bool Probe(Vector3 pos, Vector3 dir) { return BoxBoundProbe({-1, -1, -1}, {1, 1, 1}, pos, dir); }
};

TEST_F(BoxProbe, HitsAndMisses)
{
    EXPECT_TRUE(Probe({-5, 0, 0}, {1, 0, 0}));
    EXPECT_TRUE(Probe({5, 0.5f, 0.5f}, {-1, 0, 0}));
    EXPECT_TRUE(Probe({-3, -3, 0}, {1, 1, 0}));
    EXPECT_TRUE(Probe({-3, -3, -3}, {2, 2, 2.1f}));
    EXPECT_FALSE(Probe({-5, 2, 0}, {1, 0, 0}));
    EXPECT_FALSE(Probe({-3, -3, 0}, {1, -1, 0}));
    EXPECT_FALSE(Probe({-3, 0, 0}, {1, 2, 0}));  // passes above the corner
}

TEST_F(BoxProbe, RayIsUnboundedForwardAndStartsAtItsOrigin)
{
    EXPECT_FALSE(Probe({5, 0, 0}, {1, 0, 0}));       // box wholly behind
    EXPECT_TRUE(Probe({-5, 0, 0}, {0.001f, 0, 0}));  // far beyond the tip of the direction
    EXPECT_TRUE(Probe({0, 0, 0}, {1, 0, 0}));        // starts inside
    EXPECT_TRUE(Probe({0.5f, 0, 0}, {-1, 0, 0}));
    EXPECT_TRUE(Probe({1, 0, 0}, {1, 0, 0}));  // leaves from a face
}

TEST_F(BoxProbe, ZeroDirectionComponents)
{
    EXPECT_TRUE(Probe({-5, 0.5f, 0}, {1, 0, 0}));
    EXPECT_FALSE(Probe({-5, 1.5f, 0}, {1, 0, 0}));
    EXPECT_FALSE(Probe({-5, -1.5f, 0}, {1, 0, 0}));  // parallel, below the slab
    EXPECT_FALSE(Probe({-5, 0, -1.5f}, {1, 0, 0}));
    EXPECT_TRUE(Probe({-5, 1, 0}, {1, 0, 0}));       // grazing a face counts
    EXPECT_TRUE(Probe({-5, -1, 0}, {1, -0.0f, 0}));  // negative zero behaves alike
    EXPECT_FALSE(Probe({-5, 1.5f, 0}, {1, -0.0f, 0}));
    EXPECT_TRUE(Probe({0, 0, 0}, {0, 0, 0}));  // no direction: inside only
    EXPECT_FALSE(Probe({-2, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(Probe({2, 0, 0}, {0, 0, 0}));
}

TEST_F(BoxProbe, ObstacleBoxOfTheWorld)
{
    // A body of size 10 at (50, 0) for a mover of radius 2, probed from the flight plane.
    Vector3 lo{50 - 7, -7, -100}, hi{50 + 7, 7, 100};
    EXPECT_TRUE(BoxBoundProbe(lo, hi, {0, 0, 30}, {20, 1, 0}));
    EXPECT_FALSE(BoxBoundProbe(lo, hi, {0, 0, 30}, {20, 8, 0}));
    // The reversed direction some callers pass (from - to) looks the other way.
    EXPECT_FALSE(BoxBoundProbe(lo, hi, {0, 0, 30}, {-20, -1, 0}));
}

}  // namespace
}  // namespace gfx
