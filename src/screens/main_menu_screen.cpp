// The main menu: its controls, backdrop and background sound, and what its buttons do.
#include "screens/main_menu_screen.h"

#include "app/frame.h"
#include "app/globals.h"
#include "core/camera.h"
#include "core/keys.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "screens/delete_pilot_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"

namespace {
constexpr int kBackgroundSound = 5;
constexpr int kBackdropWidth = 800;
// Drawn mirrored so that they point the other way.
constexpr int kMirroredButtons[] = {CMainMenuScreen::kLoadPilotButton, CMainMenuScreen::kDeletePilotButton,
                                    CMainMenuScreen::kQuitButton};
}  // namespace

CMainMenuScreen::CMainMenuScreen()
{
    mScreenId = kScreenId;
}

void CMainMenuScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    LoadTextControls();
    LoadButtons();
    LoadSpriteControls();
    mBackdrop = ScreenSpriteId();
    for (int id : kMirroredButtons) {
        CButton* button = GetButton(id);
        if (button && !button->flippedX)
            button->FlipHorizontal();
    }
    gResourceManager->PlaySound(kBackgroundSound);
    if (!gCursor.GetSpriteControl())
        gCursor.SetSpriteControl(new CSpriteControl(kCursorSpriteControl));
}

int CMainMenuScreen::Frame()
{
    if (!mEntered)
        Enter();
    gCamera.SetEye(0.0f, 0.0f, -30.0f);
    gCamera.SetTarget(0.0f, 0.0f, 1.0f);
    gCamera.Apply();
    gResourceManager->DrawScreenSprite(mBackdrop, kBackdropWidth);
    DrawObjectControls();
    if (CSpriteControl* pulsing = GetSpriteControl(kPulsingSprite))
        pulsing->colour = 0x00FFFFFFu | (static_cast<uint32_t>(gPulse) << 24);
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    DrawControls();
    return 0;
}

void CMainMenuScreen::ShowSprite(int id, bool shown)
{
    if (CSpriteControl* sprite = GetSpriteControl(id))
        sprite->visible = shown ? 1 : 0;
}

void CMainMenuScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
    ShowSprite(kPilotsFullSprite, false);
    ShowSprite(kNoPilotSprite, false);
}

void CMainMenuScreen::OnMouseUp(int, int x, int y)
{
    // The menu stays loaded while it shows a notice: entering again would hide it at once.
    switch (OnMouseUpControls(x, y)) {
    case kNewPilotButton:
        // No free number reads as above the limit, so an existing pilot is never written over.
        if (gGameDatabase.NewPlayerId() >= kPilotLimit) {
            ShowSprite(kPilotsFullSprite, true);
            break;
        }
        gCurrentScreen = gPilotNameScreen;
        mEntered = 0;
        break;
    case kLoadPilotButton:
        OpenList(gLoadPilotScreen);
        break;
    case kDeletePilotButton:
        OpenList(gDeletePilotScreen);
        break;
    case kNetworkButton:
        // Entered afresh: the host rows may have grown since.
        OpenList(gNetworkView);
        break;
    case kContinueButton:
        if (const int playerId = gGameDatabase.GetCurrentPlayerId(); playerId < 0 || !FlySavedPilot(playerId)) {
            ShowSprite(kNoPilotSprite, true);
            break;
        }
        mEntered = 0;
        break;
    case kQuitButton:
        os::PostQuitMessage();
        break;
    default:
        break;
    }
}

void CMainMenuScreen::OpenList(CScreen* list)
{
    // Built again on every showing: the pilots may have changed since.
    list->SetEntered(false);
    gCurrentScreen = list;
    mEntered = 0;
}

void CMainMenuScreen::OnMouseMove(int x, int y)
{
    MouseOverButtonAt(x, y);
}

void CMainMenuScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape)
        os::PostQuitMessage();
}
