// The game's input system and its two devices.
#include "app/input.h"

#include "app/cursor.h"
#include "app/globals.h"
#include "app/keyboard.h"
#include "platform/input/input.h"

int InitInput()
{
    if (gDirectInput) {
        while (gDirectInput->Release() > 0) {
        }
        gDirectInput = nullptr;
    }
    gDirectInput = new input::System(gWindow);
    int result = gKeyboard.CreateDevice();
    if (result != input::kOk)
        return result;
    return gCursor.CreateDevice();
}

void ReleaseGameInputDevice(input::Device** device)
{
    if (*device) {
        (*device)->Unacquire();
        (*device)->Release();
        *device = nullptr;
    }
}

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
