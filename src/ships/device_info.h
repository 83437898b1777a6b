// CDeviceInfo: the head every device shares (weapons, shields, armor, engines, mission devices),
// and CGenericDevice, a mission device that is the head alone.
#pragma once

#include <cstdint>

// Room of a device name, terminating zero included.
constexpr int kDeviceNameSize = 52;

// Devices are owned whole: whoever holds one through this head deletes it through this head.
class CDeviceInfo {
public:
    CDeviceInfo() = default;
    virtual ~CDeviceInfo() = default;
    CDeviceInfo(const CDeviceInfo&) = delete;
    CDeviceInfo& operator=(const CDeviceInfo&) = delete;

    // The ailment the device carries; 0 = none.
    int mAilmentId = 0;
    int mDeviceId = 0;
    // Shown in stores and when the device floats in space.
    int mDisplayMeshId = 0;
    // DeviceType: 0 weapon, 1 shield, 3 armor, 4 engine, 5 mission device.
    int mDeviceType = 0;
    char mName[kDeviceNameSize] = {};
    int mCreditValue = 0;

protected:
    void SetHead(int deviceId, int deviceType, const char* name, int displayMeshId, int creditValue);
};

class CGenericDevice : public CDeviceInfo {
public:
    // Reads the device's row; a missing row posts the quit message.
    explicit CGenericDevice(int deviceId);
};
