// The game's input system and its two devices.
#include "app/input.h"

#include "app/globals.h"
#include "platform/input/input.h"
#include "ui/cursor.h"
#include "ui/input_devices.h"
#include "ui/keyboard.h"

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
