// The one camera through which every three-dimensional view is seen.
#pragma once

#include "core/vec3.h"
#include "platform/gfx/gfx_types.h"

class CCamera {
public:
    CCamera();

    void SetEye(float x, float y, float z) { mEye = Vec3(x, y, z); }
    void SetTarget(float x, float y, float z) { mLookTarget = Vec3(x, y, z); }
    void SetZoom(float height) { mZoomHeight = height; }
    void SetUp(float x, float y, float z) { mUp = Vec3(x, y, z); }
    // Starts a glide of the eye towards (x, y, z).
    void MoveTo(float x, float y, float z);
    // Eye (0, 0, -1) looking at (0, 0, 1), up +y, not moving, zoom height -1.
    void Reset();
    // One frame of easing, then Apply.
    void Update();
    // Builds the left-handed look-at view and sets it as the device's view transform.
    void Apply();

    float GetEyeX() const { return mEye.x; }
    float GetEyeY() const { return mEye.y; }
    float GetEyeZ() const { return mEye.z; }
    bool IsMoving() const { return mMoving != 0; }
    const Vec3& GetTarget() const { return mLookTarget; }
    float GetZoom() const { return mZoomHeight; }
    const gfx::Matrix& GetView() const { return mView; }

private:
    unsigned char mMoving = 0;
    Vec3 mDestination;
    Vec3 mEye;
    Vec3 mLookTarget;
    gfx::Matrix mView;
    float mZoomHeight = 0.0f;
    Vec3 mUp;
};

extern CCamera gCamera;
