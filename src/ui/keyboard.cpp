// Keyboard polling and key translation.
#include "ui/keyboard.h"

#include "core/keys.h"
#include "platform/input/input.h"
#include "ui/flight_view.h"
#include "ui/input_devices.h"
#include "ui/screen.h"

namespace {

struct KeyRow {
    int firstKey;
    const char* plain;
    const char* shifted;
};

// US layout by physical key, as the scan codes are.
const KeyRow kKeyRows[] = {
    {2, "1234567890-=", "!@#$%^&*()_+"},
    {16, "qwertyuiop[]", "QWERTYUIOP{}"},
    {30, "asdfghjkl;'`", "ASDFGHJKL:\"~"},
    {43, "\\", "|"},
    {44, "zxcvbnm,./", "ZXCVBNM<>?"},
    {55, "*", "*"},
    {57, " ", " "},
    {71, "789-456+1230.", "789-456+1230."},
};

bool IsSteeringKey(int key)
{
    switch (key) {
    case kKeyW:
    case kKeyA:
    case kKeyS:
    case kKeyD:
    case kKeyUp:
    case kKeyLeft:
    case kKeyRight:
    case kKeyDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

CKeyboard::CKeyboard()
{
    for (const KeyRow& row : kKeyRows) {
        for (int i = 0; row.plain[i] != '\0'; ++i) {
            mPlainKeys[row.firstKey + i] = row.plain[i];
            mShiftedKeys[row.firstKey + i] = row.shifted[i];
        }
    }
    mPlainKeys[kKeyTab] = '\t';
    mShiftedKeys[kKeyTab] = '\t';
}

CKeyboard::~CKeyboard()
{
    Release();
}

void CKeyboard::Release()
{
    ReleaseGameInputDevice(&mDevice);
    mCreated = 0;
}

int CKeyboard::CreateDevice()
{
    int result = CreateGameInputDevice(input::DeviceKind::kKeyboard, &mDevice);
    mCreated = result == input::kOk ? 1 : 0;
    return result;
}

void CKeyboard::Poll()
{
    if (!mDevice)
        return;
    input::DeviceRecord record;
    uint32_t count = 1;
    if (mDevice->GetDeviceData(&record, &count) < 0 || count == 0)
        return;
    int key = static_cast<int>(record.offset);
    if ((record.data & input::kPressedBit) == 0) {
        if (key == kKeyLeftShift || key == kKeyRightShift)
            mShift = 0;
        else if (IsSteeringKey(key) && gFlightView)
            gFlightView->OnKeyUp(key);
        return;
    }
    if (key == kKeyLeftShift || key == kKeyRightShift)
        mShift = 1;
    else if (key == kKeyCapsLock)
        mShift = mShift ? 0 : 1;
    else if (gCurrentScreen)
        gCurrentScreen->OnKeyDown(key);
}

char CKeyboard::TranslateKey(int key) const
{
    const std::map<int, char>& keys = mShift ? mShiftedKeys : mPlainKeys;
    auto found = keys.find(key);
    if (found == keys.end())
        return static_cast<char>(key & 0xFF);
    return found->second;
}
