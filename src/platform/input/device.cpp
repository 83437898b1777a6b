// A buffered input device.
#include <algorithm>

#include "platform/input/input.h"
#include "platform/os/clock.h"
#include "platform/os/window.h"

namespace input {

Result Device::SetBufferSize(uint32_t records)
{
    mCapacity = records;
    while (mRecords.size() > mCapacity)
        mRecords.pop_back();
    return kOk;
}

Result Device::Acquire()
{
    if (!mSystem)
        return kFail;
    mAcquired = true;
    if (mKind == DeviceKind::kMouse && mSystem->Window())
        mSystem->Window()->SetRelativeMouse(true);
    return kOk;
}

Result Device::Unacquire()
{
    if (mAcquired && mKind == DeviceKind::kMouse && mSystem && mSystem->Window())
        mSystem->Window()->SetRelativeMouse(false);
    mAcquired = false;
    return kOk;
}

Result Device::GetDeviceData(DeviceRecord* records, uint32_t* count)
{
    if (!count)
        return kFail;
    if (!mAcquired) {
        *count = 0;
        return kNotAcquired;
    }
    uint32_t n = std::min<uint32_t>(*count, static_cast<uint32_t>(mRecords.size()));
    for (uint32_t i = 0; i < n; ++i) {
        records[i] = mRecords.front();
        mRecords.pop_front();
    }
    *count = n;
    Result result = mOverflowed ? kBufferOverflow : kOk;
    mOverflowed = false;
    return result;
}

void Device::Push(uint32_t offset, uint32_t data)
{
    if (!mAcquired)
        return;
    if (mRecords.size() >= mCapacity) {
        mOverflowed = true;
        return;
    }
    mRecords.push_back(DeviceRecord{offset, data, os::TimeMs(), mSequence++});
}

Device::~Device()
{
    Unacquire();
    if (mSystem)
        mSystem->Forget(this);
}

}  // namespace input
