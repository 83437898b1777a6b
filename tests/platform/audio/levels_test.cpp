// Tests of the decibel laws of volume and pan.
#include "platform/audio/levels.h"

#include <gtest/gtest.h>

#include "platform/audio/audio_types.h"

namespace {

TEST(AudioLevels, VolumeIsHundredthsOfADecibel)
{
    EXPECT_FLOAT_EQ(audio::GainFromVolume(0), 1.0f);
    EXPECT_NEAR(audio::GainFromVolume(-2000), 0.1f, 1e-6);
    EXPECT_NEAR(audio::GainFromVolume(-600), 0.501187f, 1e-5);
    EXPECT_EQ(audio::GainFromVolume(audio::kVolumeMin), 0.0f);
}

TEST(AudioLevels, PanLowersOnlyTheOppositeSide)
{
    float left = 0, right = 0;
    audio::PanGains(0, &left, &right);
    EXPECT_FLOAT_EQ(left, 1.0f);
    EXPECT_FLOAT_EQ(right, 1.0f);
    audio::PanGains(2000, &left, &right);
    EXPECT_NEAR(left, 0.1f, 1e-6);
    EXPECT_FLOAT_EQ(right, 1.0f);
    audio::PanGains(audio::kPanLeft, &left, &right);
    EXPECT_FLOAT_EQ(left, 1.0f);
    EXPECT_EQ(right, 0.0f);
    audio::PanGains(audio::kPanRight, &left, &right);
    EXPECT_EQ(left, 0.0f);
}

}  // namespace
