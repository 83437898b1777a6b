// CPilotNameScreen: the name entry before a new pilot is made; the typed name ends in a caret.
#pragma once

#include "ui/screen.h"

class CPilotNameScreen : public CScreen {
public:
    static constexpr int kScreenId = 2;
    static constexpr int kNameText = 50;
    static constexpr int kDoneButton = 51;
    static constexpr int kNameLimit = 47;

    CPilotNameScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // The buffer as shown: the typed name followed by the caret.
    const char* Buffer() const { return mName; }
    int TypedLength() const;

private:
    void Done();
    void ShowName();

    char mName[52] = "_";
    int mBackdrop = 0;
};

extern CPilotNameScreen* gPilotNameScreen;
