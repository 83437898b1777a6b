// CMainMenuScreen: the first screen of the game, with the pilot choices and the way out.
#pragma once

#include "ui/screen.h"

class CMainMenuScreen : public CScreen {
public:
    static constexpr int kScreenId = 1;
    // Buttons and notices of the menu's rows.
    static constexpr int kNewPilotButton = 2;
    static constexpr int kLoadPilotButton = 3;
    static constexpr int kNetworkButton = 4;
    static constexpr int kContinueButton = 5;
    static constexpr int kDeletePilotButton = 6;
    static constexpr int kQuitButton = 11;
    static constexpr int kPilotsFullSprite = 7;
    static constexpr int kNoPilotSprite = 10;
    static constexpr int kPulsingSprite = 13;
    // The cursor's own sprite control row.
    static constexpr int kCursorSpriteControl = 0;
    // Pilot numbers run from 0 to 7.
    static constexpr int kPilotLimit = 8;

    CMainMenuScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    int GetBackdrop() const { return mBackdrop; }

private:
    void ShowSprite(int id, bool shown);
    void OpenList(CScreen* list);

    int mBackdrop = 0;
};

extern CMainMenuScreen* gMainMenuScreen;
// The network screen as the menu's Network button opens it; set by the start-up.
extern CScreen* gNetworkView;
