// Camera easing: the zoom ease, the glide and their ends.
#include "core/camera.h"

#include <gtest/gtest.h>

#include "app/frame.h"
#include "support/scoped_global.h"

namespace {

class CameraTest : public ::testing::Test {
protected:
    ScopedGlobal<float> frameScale{gFrameScale};
    CCamera camera;
};

}  // namespace

TEST_F(CameraTest, NewAndResetCameraLookAlongPlusZ)
{
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -1.0f);
    camera.SetEye(5, 6, -40);
    camera.SetZoom(-70);
    camera.MoveTo(1, 1, 1);
    camera.Reset();
    EXPECT_FLOAT_EQ(camera.GetEyeX(), 0.0f);
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -1.0f);
    EXPECT_FLOAT_EQ(camera.GetZoom(), -1.0f);
    EXPECT_FALSE(camera.IsMoving());
}

TEST_F(CameraTest, ZoomEasesTowardsHeight)
{
    camera.SetEye(0, 0, -30);
    camera.SetZoom(-50);
    gFrameScale = 1.0f;
    camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -36.0f);  // 30 % of the gap
}

TEST_F(CameraTest, LargeFrameScaleOvershootsAndSwingsBack)
{
    camera.SetEye(0, 0, -30);
    camera.SetZoom(-50);
    gFrameScale = 5.0f;  // 0.3 * 5 = 1.5 of the gap
    camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -60.0f);
    camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -45.0f);
}

TEST_F(CameraTest, GlideMovesFivePercentAndEndsOnlyWhenExact)
{
    camera.SetEye(0, 0, -30);
    camera.MoveTo(100, 0, -30);
    gFrameScale = 1.0f;
    camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeX(), 5.0f);
    EXPECT_TRUE(camera.IsMoving());

    camera.SetEye(100, 0, -30);
    camera.Update();
    EXPECT_FALSE(camera.IsMoving());
}

TEST_F(CameraTest, GlideAtFrameScaleZeroDoesNotMove)
{
    camera.SetEye(0, 0, -30);
    camera.MoveTo(100, 50, -60);
    gFrameScale = 0.0f;
    for (int i = 0; i < 10; ++i)
        camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeX(), 0.0f);
    EXPECT_FLOAT_EQ(camera.GetEyeY(), 0.0f);
    EXPECT_TRUE(camera.IsMoving());
}

TEST_F(CameraTest, ZoomEaseIsSkippedWhileGliding)
{
    camera.SetEye(0, 0, -30);
    camera.SetZoom(-90);
    camera.MoveTo(0, 0, -30);
    gFrameScale = 1.0f;
    camera.Update();  // eye equals destination: the glide ends, zoom untouched this frame
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -30.0f);
    camera.Update();
    EXPECT_FLOAT_EQ(camera.GetEyeZ(), -48.0f);
}
