// Mouse polling, the cursor position and picking.
#include "ui/cursor.h"

#include <algorithm>

#include "core/graphics_globals.h"
#include "platform/gfx/device.h"
#include "platform/gfx/math.h"
#include "platform/input/input.h"
#include "ui/flight_view.h"
#include "ui/input_devices.h"
#include "ui/screen.h"
#include "ui/sprite_control.h"

namespace {
constexpr uint32_t kRecordsPerPoll = 100;
constexpr int kButtonCount = 8;
constexpr int kSpriteHotSpot = 15;
}  // namespace

CCursor::~CCursor()
{
    Release();
}

void CCursor::Release()
{
    mCursorImage = nullptr;
    ReleaseGameInputDevice(&mDevice);
    mCreated = 0;
}

int CCursor::CreateDevice()
{
    int result = CreateGameInputDevice(input::DeviceKind::kMouse, &mDevice);
    if (result != input::kOk)
        return result;
    if (gDevice)
        gDevice->ShowCursor(false);
    mCreated = 1;
    return input::kOk;
}

void CCursor::Poll()
{
    if (!mDevice)
        return;
    input::DeviceRecord records[kRecordsPerPoll];
    uint32_t count = kRecordsPerPoll;
    int result = mDevice->GetDeviceData(records, &count);
    if (result != input::kOk) {
        // An overflow counts as a failure too: the records are dropped and the device taken back.
        while (mDevice->Acquire() == input::kInputLost) {
        }
        return;
    }
    for (uint32_t i = 0; i < count; ++i) {
        const input::DeviceRecord& record = records[i];
        int value = static_cast<int>(record.data);
        if (record.offset == input::kMouseX) {
            mX += value;
        } else if (record.offset == input::kMouseY) {
            mY += value;
        } else if (record.offset == input::kMouseWheel) {
            mWheel = value;
            if (gFlightView && value == -input::kWheelNotch)
                gFlightView->ZoomIn();
            else if (gFlightView && value == input::kWheelNotch)
                gFlightView->ZoomOut();
        }
        int button = static_cast<int>(record.offset) - static_cast<int>(input::kMouseButton0);
        if (button >= 0 && button < kButtonCount) {
            if (!gCurrentScreen)
                continue;
            if (record.data & input::kPressedBit)
                gCurrentScreen->OnMouseDown(button, mX, mY);
            else
                gCurrentScreen->OnMouseUp(button, mX, mY);
        } else if (gCurrentScreen) {
            gCurrentScreen->OnMouseMove(mX, mY);
        }
    }
    // The hot spot sits at the middle of the cursor sprite.
    if (mSpriteControl) {
        mSpriteControl->x = mX - kSpriteHotSpot;
        mSpriteControl->y = mY - kSpriteHotSpot;
    }
}

void CCursor::ApplyMotion()
{
    SetPosition(mX, mY);
}

void CCursor::SetPosition(int x, int y)
{
    mX = std::clamp(x, 0, gScreenWidth - 1);
    mY = std::clamp(y, 0, gScreenHeight - 1);
    if (gDevice)
        gDevice->SetCursorPosition(mX, mY);
}

void CCursor::GetPosition(int* x, int* y) const
{
    *x = mX;
    *y = mY;
}

void CCursor::Show(bool visible)
{
    mVisible = visible ? 1 : 0;
    if (gDevice)
        gDevice->ShowCursor(visible);
}

bool CCursor::HideSystemCursor()
{
    if (!mCreated || !mVisible)
        return false;
    if (gDevice)
        gDevice->ShowCursor(true);
    return true;
}

int CCursor::Reset()
{
    return CreateDevice();
}

void CCursor::PickRay(float* x, float* y, float planeZ) const
{
    float width = static_cast<float>(gScreenWidth);
    float height = static_cast<float>(gScreenHeight);
    gfx::Matrix projection, view;
    if (gDevice) {
        gfx::Surface* backBuffer = nullptr;
        if (!gfx::Failed(gDevice->GetBackBuffer(&backBuffer))) {
            gfx::SurfaceDesc desc = backBuffer->GetDesc();
            width = static_cast<float>(desc.width);
            height = static_cast<float>(desc.height);
            backBuffer->Release();
        }
        gDevice->GetTransform(gfx::kTransformProjection, &projection);
        gDevice->GetTransform(gfx::kTransformView, &view);
    }
    gfx::Vector3 direction{(2.0f * mX / width - 1.0f) / projection.m[0][0],
                           -(2.0f * mY / height - 1.0f) / projection.m[1][1], 1.0f};
    gfx::Matrix inverse;
    gfx::MatrixInverse(view, &inverse);
    gfx::Vector3 d = gfx::Vec3TransformNormal(direction, inverse);
    gfx::Vector3 o{inverse.m[3][0], inverse.m[3][1], inverse.m[3][2]};
    float t = d.z != 0.0f ? (planeZ - o.z) / d.z : 1.0f;
    *x = o.x + d.x * t;
    *y = o.y + d.y * t;
}
