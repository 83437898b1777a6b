// The input system: device bookkeeping and the window's events turned into records.
#include <algorithm>

#include "platform/input/input.h"
#include "platform/input/sdl_events.h"
#include "platform/os/window.h"

namespace input {

namespace {
System* gRoutedSystem = nullptr;

void RouteWindowEvent(const void* event)
{
    if (gRoutedSystem)
        FeedSdlEvent(gRoutedSystem, event);
}
}  // namespace

System::System(os::Window* window) : mWindow(window)
{
    if (window && window->NativeHandle()) {
        gRoutedSystem = this;
        os::SetInputEventHook(RouteWindowEvent);
    }
}

System::~System()
{
    if (gRoutedSystem == this) {
        gRoutedSystem = nullptr;
        os::SetInputEventHook(nullptr);
    }
    for (Device* device : mDevices)
        device->mSystem = nullptr;
}

Result System::CreateDevice(DeviceKind kind, Device** device)
{
    if (!device)
        return kFail;
    *device = new Device(this, kind);
    mDevices.push_back(*device);
    return kOk;
}

void System::Feed(DeviceKind kind, uint32_t offset, uint32_t data)
{
    for (Device* device : mDevices)
        if (device->Kind() == kind)
            device->Push(offset, data);
}

void System::Forget(Device* device)
{
    mDevices.erase(std::remove(mDevices.begin(), mDevices.end(), device), mDevices.end());
}

}  // namespace input
