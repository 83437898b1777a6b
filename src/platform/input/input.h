// Buffered keyboard and mouse devices: each keeps the presses, releases and motions of its
// kind as records, in key scan codes and relative mouse units, until the game reads them.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/ref_counted.h"

namespace os {
class Window;
}

namespace input {

using Result = int32_t;
constexpr Result kOk = 0;
constexpr Result kBufferOverflow = 1;  // records were dropped since the last read
constexpr Result kFail = static_cast<Result>(0x80004005u);
constexpr Result kNotAcquired = static_cast<Result>(0x8007000Cu);
constexpr Result kInputLost = static_cast<Result>(0x8007001Eu);

struct DeviceRecord {
    uint32_t offset = 0;  // key scan code, or the mouse item below
    uint32_t data = 0;    // bit 0x80 set for a press; signed motion for axes
    uint32_t timeStamp = 0;
    uint32_t sequence = 0;
};

constexpr uint32_t kPressedBit = 0x80;

// Mouse items.
constexpr uint32_t kMouseX = 0;
constexpr uint32_t kMouseY = 4;
constexpr uint32_t kMouseWheel = 8;
constexpr uint32_t kMouseButton0 = 12;  // buttons 0-7 at 12-19
constexpr int32_t kWheelNotch = 120;

enum class DeviceKind { kKeyboard, kMouse };

class System;

class Device : public platform::RefCounted {
public:
    ~Device() override;
    DeviceKind Kind() const { return mKind; }
    // Records kept at most; older ones stay, newer ones are dropped when full.
    Result SetBufferSize(uint32_t records);
    // Only an acquired device collects records. The mouse captures the pointer while acquired.
    Result Acquire();
    Result Unacquire();
    bool Acquired() const { return mAcquired; }
    // Removes up to *count records into records and sets *count to the number removed.
    // kBufferOverflow when records were dropped since the last read.
    Result GetDeviceData(DeviceRecord* records, uint32_t* count);

private:
    friend class System;
    Device(System* system, DeviceKind kind) : mSystem(system), mKind(kind) {}
    void Push(uint32_t offset, uint32_t data);

    System* mSystem;
    DeviceKind mKind;
    uint32_t mCapacity = 0;
    bool mAcquired = false;
    bool mOverflowed = false;
    uint32_t mSequence = 0;
    std::deque<DeviceRecord> mRecords;
};

// Owns the devices and routes the window's input events into them.
class System : public platform::RefCounted {
public:
    // Devices of a real window receive its keyboard and mouse events; a headless window's
    // devices receive only what Feed gives them.
    explicit System(os::Window* window);
    ~System() override;

    Result CreateDevice(DeviceKind kind, Device** device);
    // Hands one record to every acquired device of that kind.
    void Feed(DeviceKind kind, uint32_t offset, uint32_t data);
    os::Window* Window() const { return mWindow; }

private:
    friend class Device;
    void Forget(Device* device);

    os::Window* mWindow;
    std::vector<Device*> mDevices;
};

// The key scan code of an SDL scancode, or 0 for keys the game has no code for.
uint32_t ScanCodeOfSdlScancode(int sdlScancode);

}  // namespace input
