// The mouse: the cursor position in screen pixels, mouse records to the current screen,
// the wheel's zoom, and the world point under the cursor.
#pragma once

namespace input {
class Device;
}
class CSpriteControl;

class CCursor {
public:
    CCursor() = default;
    ~CCursor();
    CCursor(const CCursor&) = delete;
    CCursor& operator=(const CCursor&) = delete;

    // Creates and acquires the mouse device of gDirectInput; 0, or a failure code.
    int CreateDevice();
    // Up to 100 records to the current screen, with positions not yet clamped.
    void Poll();
    // Clamps the position to the screen and moves the device cursor there.
    void ApplyMotion();
    void SetPosition(int x, int y);
    void GetPosition(int* x, int* y) const;
    void Show(bool visible);
    bool IsVisible() const { return mVisible != 0; }
    // Answers the window's set-cursor message: true when the system cursor was taken away.
    bool HideSystemCursor();
    // After a device re-creation: the device cursor's hot spot, then a new mouse device.
    int Reset();
    // The world point under the cursor on the plane z = planeZ.
    void PickRay(float* x, float* y, float planeZ) const;
    void Release();

    CSpriteControl* GetSpriteControl() const { return mSpriteControl; }
    void SetSpriteControl(CSpriteControl* control) { mSpriteControl = control; }
    int GetWheel() const { return mWheel; }

private:
    void* mCursorImage = nullptr;
    CSpriteControl* mSpriteControl = nullptr;
    input::Device* mDevice = nullptr;
    unsigned char mCreated = 0;
    unsigned char mVisible = 1;
    int mX = 0;
    int mY = 0;
    int mWheel = 0;
};

extern CCursor gCursor;
