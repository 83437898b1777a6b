// CInfoScreen: the page of text shown after a new pilot is made and from flight; leaving it
// always returns to the in-flight screen.
#pragma once

#include "ui/screen.h"

class CInfoScreen : public CScreen {
public:
    static constexpr int kScreenId = 20;
    static constexpr int kLeaveButton = 2600;
    static constexpr int kBackdrop = 21000;

    CInfoScreen();

    // Load the page when needed, return to the in-flight screen and caption the button; the
    // caller then makes the page current.
    void ShowContinue();
    void ShowBack();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

private:
    void Show(const char* caption);
    void Leave();
};

extern CInfoScreen* gInfoScreen;
