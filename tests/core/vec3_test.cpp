// The vector toolkit: exact comparison, headings and rotation.
#include "core/vec3.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(Vec3, EqualityIsExact)
{
    Vec3 a(1.0f, 2.0f, 3.0f);
    Vec3 b(std::nextafter(1.0f, 2.0f), 2.0f, 3.0f);
    EXPECT_FALSE(Vec3::Equals(a, b));
    EXPECT_TRUE(Vec3::NotEquals(a, b));
    EXPECT_TRUE(Vec3::Equals(a, Vec3(1.0f, 2.0f, 3.0f)));
}

TEST(Vec3, ArithmeticHelpers)
{
    Vec3 a(1.0f, -2.0f, 4.0f);
    Vec3 b(0.5f, 0.5f, -1.0f);
    EXPECT_TRUE(Vec3::Equals(Vec3::Difference(a, b), Vec3(0.5f, -2.5f, 5.0f)));
    EXPECT_TRUE(Vec3::Equals(Vec3::Sum(a, b), Vec3(1.5f, -1.5f, 3.0f)));
    Vec3::Add(a, b);
    EXPECT_TRUE(Vec3::Equals(a, Vec3(1.5f, -1.5f, 3.0f)));
    EXPECT_TRUE(Vec3::Equals(Vec3::Negated(b), Vec3(-0.5f, -0.5f, 1.0f)));
    EXPECT_TRUE(Vec3::Equals(ScaledVec3(2.0f, b), Vec3(1.0f, 1.0f, -2.0f)));
    EXPECT_FLOAT_EQ(Vec3LengthSq(Vec3(3.0f, 4.0f, 12.0f)), 169.0f);
    EXPECT_FLOAT_EQ(Vec3Length(Vec3(3.0f, 4.0f, 12.0f)), 13.0f);
    EXPECT_FLOAT_EQ(Vec3Dot(Vec3(1, 2, 3), Vec3(4, -5, 6)), 12.0f);
}

TEST(Vec3, DividedMultipliesByTheFloatReciprocal)
{
    // 1/3 rounded to float, then multiplied: not always the same as a true division.
    float reciprocal = 1.0f / 3.0f;
    Vec3 v = Vec3::Divided(Vec3(10.0f, 1.0f, 7.0f), 3.0f);
    EXPECT_EQ(v.x, 10.0f * reciprocal);
    EXPECT_EQ(v.z, 7.0f * reciprocal);
}

TEST(Vec3, HeadingFromPlusY)
{
    EXPECT_FLOAT_EQ(HeadingOfVec3(Vec3(0, 1, 0)), 0.0f);
    EXPECT_FLOAT_EQ(HeadingOfVec3(Vec3(0, -1, 0)), 3.14159f);
    EXPECT_NEAR(HeadingOfVec3(Vec3(-1, 0, 0)), 1.5708f, 1e-4);
    EXPECT_NEAR(HeadingOfVec3(Vec3(1, 0, 0)), 4.7124f, 1e-4);
    // Right of +y with some y: the negative angle.
    EXPECT_NEAR(HeadingOfVec3(Vec3(0.6f, 0.8f, 0)), -std::acos(0.8f), 1e-5);
    EXPECT_NEAR(HeadingOfVec3(Vec3(-0.6f, 0.8f, 0)), std::acos(0.8f), 1e-5);
}

TEST(Vec3, RotateAboutZIsLeftHanded)
{
    // A quarter turn takes +y to -x, the direction a ship with that heading flies.
    Vec3 r = RotateVec3Z(Vec3(0, 1, 0), 1.5707963f);
    EXPECT_NEAR(r.x, -1.0f, 1e-6);
    EXPECT_NEAR(r.y, 0.0f, 1e-6);
    EXPECT_NEAR(HeadingOfVec3(r), 1.5708f, 1e-4);
}
