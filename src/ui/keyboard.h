// The keyboard: one buffered key record per frame to the current screen, and the
// translation of key codes into characters for the text-entry screens.
#pragma once

#include <map>

namespace input {
class Device;
}

class CKeyboard {
public:
    CKeyboard();
    ~CKeyboard();
    CKeyboard(const CKeyboard&) = delete;
    CKeyboard& operator=(const CKeyboard&) = delete;

    // Creates and acquires the keyboard device of gDirectInput; 0, or a failure code.
    int CreateDevice();
    // Takes at most one record: presses reach the current screen, steering releases the
    // in-flight screen.
    void Poll();
    // The character of a key under the current shift state; a code without one comes back as
    // its low byte.
    char TranslateKey(int key) const;

    bool IsShifted() const { return mShift != 0; }
    bool IsCreated() const { return mCreated != 0; }
    void Release();

private:
    input::Device* mDevice = nullptr;
    unsigned char mCreated = 0;
    std::map<int, char> mPlainKeys;
    std::map<int, char> mShiftedKeys;
    unsigned char mShift = 0;
};

extern CKeyboard gKeyboard;
