// Camera easing and the view transform.
#include "core/camera.h"

#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "platform/gfx/device.h"
#include "platform/gfx/math.h"

CCamera::CCamera()
{
    mEye = Vec3(0.0f, 0.0f, -1.0f);
    mLookTarget = Vec3(0.0f, 0.0f, 1.0f);
    mUp = Vec3(0.0f, 1.0f, 0.0f);
}

void CCamera::MoveTo(float x, float y, float z)
{
    mDestination = Vec3(x, y, z);
    mMoving = 1;
}

void CCamera::Reset()
{
    mEye = Vec3(0.0f, 0.0f, -1.0f);
    mLookTarget = Vec3(0.0f, 0.0f, 1.0f);
    mUp = Vec3(0.0f, 1.0f, 0.0f);
    mMoving = 0;
    mZoomHeight = mEye.z;
}

void CCamera::Update()
{
    if (!mMoving) {
        if (mEye.z != mZoomHeight)
            mEye.z += (mZoomHeight - mEye.z) * 0.3f * gFrameScale;
    } else if (Vec3::NotEquals(mEye, mDestination)) {
        // No end tolerance: the glide ends only when the eye reaches the destination exactly.
        mEye.x += (mDestination.x - mEye.x) * 0.05f * gFrameScale;
        mEye.y += (mDestination.y - mEye.y) * 0.05f * gFrameScale;
        mEye.z += (mDestination.z - mEye.z) * 0.05f * gFrameScale;
    } else {
        mMoving = 0;
    }
    Apply();
}

void CCamera::Apply()
{
    mView = gfx::MatrixLookAtLH(mEye.ToGfx(), mLookTarget.ToGfx(), mUp.ToGfx());
    if (gDevice)
        gDevice->SetTransform(gfx::kTransformView, mView);
}
