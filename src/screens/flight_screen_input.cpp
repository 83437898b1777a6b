// The in-flight screen's input: the mouse, the key table, the steering keys and respawn.
#include "screens/flight_screen.h"

#include "core/camera.h"
#include "core/keys.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "screens/crew_screen.h"
#include "screens/galaxy_map_screen.h"
#include "screens/info_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/quest_log_screen.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/world_object.h"

namespace {
constexpr float kPickPlane = 30.0f;

Vec3 CursorPoint()
{
    Vec3 point(0.0f, 0.0f, kPickPlane);
    gCursor.PickRay(&point.x, &point.y, kPickPlane);
    return point;
}

CWorldObject* ObjectUnderCursor()
{
    const Vec3 point = CursorPoint();
    return gResourceManager->FindObjectAt(&point);
}
}  // namespace

void CFlightScreen::OpenScreen(CScreen* screen)
{
    // The buttons' releases go to the other screen.
    ReleaseMouseButtons();
    screen->SetReturnScreen(this);
    gCurrentScreen = screen;
    gCursor.Show(true);
}

void CFlightScreen::OnMouseDown(int button, int x, int y)
{
    mClickGuard = 0;
    if (!mEntered)
        return;
    const int control = OnMouseDownControls(x, y);
    if (IsOptionsPanelShown()) {
        OnOptionPressed(control);
        return;
    }
    if (CTextControl* center = GetTextControl(kCenterMessage))
        center->visible = 1;
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    if (button == 0 && control < 0) {
        const Vec3 aim = CursorPoint();
        ship->Fire(&aim);
        mFireHeld = 1;
    } else if (button == 1) {
        mRightButtonHeld = 1;
        ship->NextWeapon();
        ShowSelectedWeaponName();
    } else if (button == 2) {
        SetTarget(ObjectUnderCursor());
        CloseHail();
    }
}

void CFlightScreen::OnMouseUp(int button, int x, int y)
{
    if (!mEntered)
        return;
    if (button == 0)
        mFireHeld = 0;
    else if (button == 1)
        mRightButtonHeld = 0;
    switch (OnMouseUpControls(x, y)) {
    case kGalaxyMapButton:
        OpenScreen(gGalaxyMapScreen);
        break;
    case kQuestLogButton:
        OpenScreen(gQuestLogScreen);
        break;
    case kInfoButton:
        gInfoScreen->ShowBack();
        OpenScreen(gInfoScreen);
        break;
    case kOptionsButton:
    case kCloseOptionsButton:
        ToggleOptionsPanel(false);
        break;
    case kShipAndCrewButton:
        OpenScreen(gShipStatusScreen);
        break;
    case kQuitButton:
        if (!mClickGuard)
            os::PostQuitMessage();
        break;
    case kMainMenuButton:
        if (gPlayerShip)
            gPlayerShip->mGuideTarget = nullptr;
        OpenScreen(gMainMenuScreen);
        mEntered = 0;
        if (CSpriteControl* notice = GetSpriteControl(kDeathNotice))
            notice->visible = 0;
        break;
    case kRespawnButton:
        Respawn();
        break;
    default:
        break;
    }
}

void CFlightScreen::OnMouseMove(int, int)
{
    if (!mEntered || !gPlayerShip)
        return;
    CWorldObject* object = ObjectUnderCursor();
    if (!object)
        object = gPlayerShip->mTarget;
    if (!object || !object->mActive) {
        ClearTargetPanel();
        return;
    }
    gPlayerShip->mTarget = object;
    ShowTarget(object, true);
}

void CFlightScreen::Respawn()
{
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    ship->mGuideTarget = nullptr;
    ship->mSystemId = ship->mHomeSystemId;
    ship->mPosition.x = ship->mHomeX;
    ship->mPosition.y = ship->mHomeY;
    ship->mDestination = ship->mPosition;
    ship->mMoveSpeed = 0.0f;
    ship->mVelocity = Vec3();
    if (ship->mEngine)
        ship->mEngine->mSpeed = 0.0f;
    ship->Restore();
    ship->mTarget = nullptr;
    ship->DropActiveQuests();
    if (CTextControl* center = GetTextControl(kCenterMessage))
        center->visible = 0;
    if (CSpriteControl* panel = GetSpriteControl(kOptionsPanel))
        panel->visible = 0;
    ShowOptionControls(false);
    SetSystemBackdrop(ship->mHomeSystemId);
    mEntered = 0;
    if (CSpriteControl* notice = GetSpriteControl(kDeathNotice))
        notice->visible = 0;
    Enter();
}

void CFlightScreen::TargetNearestEnemy()
{
    CWorldObject* ship = nullptr;
    CWorldObject* outpost = nullptr;
    const float shipDistance = gResourceManager->FindNearestEnemyShip(gPlayerShip, ship);
    const float outpostDistance = gResourceManager->FindNearestEnemyOutpost(gPlayerShip, outpost);
    SetTarget(shipDistance <= outpostDistance ? outpost : ship);
    CloseHail();
}

void CFlightScreen::OnKeyDown(int key)
{
    CPlayerShip* ship = gPlayerShip;
    if (key >= kKeyF1 && key < kKeyF1 + 10) {
        if (ship) {
            ship->SelectWeaponSlot(key - kKeyF1);
            ShowSelectedWeaponName();
        }
        return;
    }
    switch (key) {
    case kKeyEscape:
        ToggleOptionsPanel(true);
        break;
    case kKeyF:
    case kKeyRightControl:
        if (ship) {
            ship->NextWeapon();
            ShowSelectedWeaponName();
        }
        break;
    case kKeyG:
        if (ship) {
            ship->PreviousWeapon();
            ShowSelectedWeaponName();
        }
        break;
    case kKeyPadPlus:
    case kKeyEquals:
        ZoomOut();
        break;
    case kKeyMinus:
    case kKeyPadMinus:
    case kKeyMinusAlternate:
        ZoomIn();
        break;
    case kKeyC:
        gInfoScreen->ShowBack();
        OpenScreen(gInfoScreen);
        break;
    case kKeyT:
        OpenScreen(gShipStatusScreen);
        break;
    case kKeyM:
        OpenScreen(gGalaxyMapScreen);
        break;
    case kKeyLeftControl:
        if (ship) {
            SetTarget(ObjectUnderCursor());
            CloseHail();
        }
        break;
    case kKeyTab:
        if (ship) {
            const Vec3 aim = CursorPoint();
            ship->Fire(&aim);
        }
        break;
    case kKeyLeftShift:
        if (ship) {
            CWorldObject* resource = nullptr;
            gResourceManager->FindNearestResource(resource);
            SetTarget(resource);
        }
        break;
    case kKeySpace:
        if (ship)
            TargetNearestEnemy();
        break;
    case kKeyW:
    case kKeyUp:
        mThrustKey = 1;
        mBrakeKey = 0;
        break;
    case kKeyS:
    case kKeyDown:
        mBrakeKey = 1;
        mThrustKey = 0;
        break;
    case kKeyA:
    case kKeyLeft:
        mTurnLeftKey = 1;
        mTurnRightKey = 0;
        break;
    case kKeyD:
    case kKeyRight:
        mTurnRightKey = 1;
        mTurnLeftKey = 0;
        break;
    default:
        break;
    }
}

void CFlightScreen::OnKeyUp(int key)
{
    switch (key) {
    case kKeyW:
    case kKeyUp:
        mThrustKey = 0;
        break;
    case kKeyS:
    case kKeyDown:
        mBrakeKey = 0;
        break;
    case kKeyA:
    case kKeyLeft:
        mTurnLeftKey = 0;
        break;
    case kKeyD:
    case kKeyRight:
        mTurnRightKey = 0;
        break;
    default:
        break;
    }
}
