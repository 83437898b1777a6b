// The device head and the plain mission device.
#include "ships/device_info.h"

#include "db/game_database.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"
#include "world/world_object.h"

void CDeviceInfo::SetHead(int deviceId, int deviceType, const char* name, int displayMeshId, int creditValue)
{
    mDeviceId = deviceId;
    mDeviceType = deviceType;
    CopyBounded(mName, kDeviceNameSize, name);
    mDisplayMeshId = displayMeshId;
    mCreditValue = creditValue;
}

// A mission device carries no ailment: mAilmentId stays 0.
CGenericDevice::CGenericDevice(int deviceId)
{
    const DeviceRecord* row = gGameDatabase.GetDevice(deviceId);
    if (!row) {
        os::PostFailureQuit("no device row for device %d", deviceId);
        SetHead(deviceId, kDeviceQuest, "", 0, 0);
        return;
    }
    SetHead(deviceId, kDeviceQuest, row->device_name, row->display_mesh_id, row->credit_value);
}
