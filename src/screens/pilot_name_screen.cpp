// The name entry: typing, Backspace and Delete, and the hand-over to the new-pilot screen.
#include "screens/pilot_name_screen.h"

#include <cstring>

#include "core/keys.h"
#include "screens/new_pilot_screen.h"
#include "ui/keyboard.h"
#include "ui/text_control.h"

namespace {
constexpr char kCaret = '_';
}  // namespace

CPilotNameScreen::CPilotNameScreen()
{
    mScreenId = kScreenId;
}

int CPilotNameScreen::TypedLength() const
{
    return static_cast<int>(std::strlen(mName)) - 1;
}

void CPilotNameScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    // Each new pilot of a run is named afresh.
    std::strcpy(mName, "_");
    LoadTextControls();
    LoadButtons();
    mBackdrop = ScreenSpriteId();
    ShowName();
}

int CPilotNameScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(mBackdrop);
    return 0;
}

void CPilotNameScreen::ShowName()
{
    if (CTextControl* text = GetTextControl(kNameText))
        text->SetText(mName);
}

void CPilotNameScreen::Done()
{
    const int length = TypedLength();
    mName[length] = '\0';
    gNewPilotScreen->SetPilotName(mName);
    mName[length] = kCaret;
    // Both pages are entered again for the next new pilot, which starts from nothing.
    mEntered = 0;
    gNewPilotScreen->SetEntered(false);
    gCurrentScreen = gNewPilotScreen;
}

void CPilotNameScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CPilotNameScreen::OnMouseUp(int, int x, int y)
{
    if (OnMouseUpControls(x, y) == kDoneButton)
        Done();
}

void CPilotNameScreen::OnMouseMove(int x, int y)
{
    MouseOverButtonAt(x, y);
}

void CPilotNameScreen::OnKeyDown(int key)
{
    const int length = TypedLength();
    if (key == kKeyReturn) {
        Done();
        return;
    }
    if (key == kKeyBackspace || key == kKeyDelete) {
        if (length >= 1) {
            mName[length - 1] = kCaret;
            mName[length] = '\0';
        }
        ShowName();
        return;
    }
    const char typed = gKeyboard.TranslateKey(key);
    // The apostrophe would end the name's text in the save's statements.
    if (typed == '\0' || typed == '\'')
        return;
    if (length < kNameLimit) {
        mName[length] = typed;
        mName[length + 1] = kCaret;
        mName[length + 2] = '\0';
    }
    ShowName();
}
