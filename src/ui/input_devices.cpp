// Making and dropping the game's input devices.
#include "ui/input_devices.h"

#include "platform/input/input.h"

int CreateGameInputDevice(input::DeviceKind kind, input::Device** device)
{
    if (!gDirectInput)
        return input::kFail;
    ReleaseGameInputDevice(device);
    if (gDirectInput->CreateDevice(kind, device) != input::kOk)
        return input::kFail;
    int result = (*device)->SetBufferSize(kInputBufferRecords);
    if (result != input::kOk)
        return result;
    return (*device)->Acquire() == input::kOk ? input::kOk : input::kFail;
}

void ReleaseGameInputDevice(input::Device** device)
{
    if (*device) {
        (*device)->Unacquire();
        (*device)->Release();
        *device = nullptr;
    }
}
