// The vector toolkit: exact comparison, headings and rotation; angles kept within a turn.
#include "core/vec3.h"
#include "core/angle.h"

#include <cmath>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

TEST(Vec3, EqualityIsExact)
{
    Vec3 a(1.0f, 2.0f, 3.0f);
    Vec3 b(std::nextafter(1.0f, 2.0f), 2.0f, 3.0f);
    EXPECT_FALSE(Vec3::Equals(a, b));
    EXPECT_TRUE(Vec3::NotEquals(a, b));
    EXPECT_TRUE(Vec3::Equals(a, Vec3(1.0f, 2.0f, 3.0f)));
}

// Pairs with a different value in every component, so a swapped or dropped component shows.
class Vec3Pairs : public ::testing::TestWithParam<std::pair<Vec3, Vec3>> {};

TEST_P(Vec3Pairs, HelpersAgreeWithEachOtherComponentByComponent)
{
    const auto [a, b] = GetParam();
    const Vec3 d = Vec3::Difference(a, b);
    // The difference points from b to a: adding it to b lands on a.
    EXPECT_TRUE(Vec3::Equals(Vec3::Sum(b, d), a));
    EXPECT_TRUE(Vec3::Equals(Vec3::Negated(d), Vec3::Difference(b, a)));
    EXPECT_TRUE(Vec3::Equals(Vec3::Sum(a, b), Vec3::Sum(b, a)));

    Vec3 moved = a;
    Vec3::Add(moved, b);
    EXPECT_TRUE(Vec3::Equals(moved, Vec3::Sum(a, b)));
    // Adding a vector to itself doubles it, though both arguments are the same object.
    Vec3 twice = b;
    Vec3::Add(twice, twice);
    EXPECT_TRUE(Vec3::Equals(twice, ScaledVec3(2.0f, b)));
    EXPECT_TRUE(Vec3::Equals(ScaledVec3(-1.0f, a), Vec3::Negated(a)));

    // Range tests compare squared lengths: they must be the dot product, symmetric in a and b.
    EXPECT_FLOAT_EQ(Vec3LengthSq(d), Vec3Dot(d, d));
    EXPECT_EQ(Vec3LengthSq(d), Vec3LengthSq(Vec3::Difference(b, a)));
    EXPECT_FLOAT_EQ(Vec3Length(d) * Vec3Length(d), Vec3LengthSq(d));
    EXPECT_EQ(Vec3Dot(a, b), Vec3Dot(b, a));
}

INSTANTIATE_TEST_SUITE_P(Vec3, Vec3Pairs,
                         ::testing::Values(std::make_pair(Vec3(1.0f, -2.0f, 4.0f), Vec3(0.5f, 0.25f, -1.0f)),
                                           std::make_pair(Vec3(3.0f, 4.0f, 12.0f), Vec3(-7.0f, 0.0f, 30.0f)),
                                           std::make_pair(Vec3(-1024.0f, 512.5f, 30.0f), Vec3(8.0f, -16.0f, 30.0f))));

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

TEST(Vec3, AnAngleIsWrappedIntoOneTurnWhateverItsSize)
{
    constexpr float kTurn = 6.28318f;
    // Near the turn, one step as the game always did it: the same float.
    EXPECT_EQ(WrappedAngle(kTurn + 0.5f, kTurn), (kTurn + 0.5f) - kTurn);
    EXPECT_EQ(WrappedAngle(-0.5f, kTurn), -0.5f + kTurn);
    EXPECT_EQ(WrappedAngle(1.0f, kTurn), 1.0f);
    // Far from it (a row's spin of 1e9, a peer's 1e30), an answer inside the turn at once.
    for (float far : {1e9f, -1e9f, 1e30f, -3.4e38f, 1000.25f}) {
        float wrapped = WrappedAngle(far, kTurn);
        EXPECT_GE(wrapped, 0.0f) << far;
        EXPECT_LT(wrapped, kTurn) << far;
    }
    EXPECT_NEAR(WrappedAngle(1000.25f, kTurn), std::fmod(1000.25f, kTurn), 1e-4);
    EXPECT_EQ(WrappedAngle(std::numeric_limits<float>::infinity(), kTurn), 0.0f);
    EXPECT_EQ(WrappedAngle(std::nanf(""), kTurn), 0.0f);
}
