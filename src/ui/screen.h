// The base of every screen: the operations the frame loop and the input polls call, and the
// screen's controls, one ordered map per control type.
#pragma once

#include <map>

class CButton;
class CMouseOverButton;
class CTextControl;
class CCheckBox;
class CObjectControl;
class CSlider;
class CSpriteControl;
class CMovieControl;
class CDragButton;
class CSnapControl;

class CScreen {
public:
    virtual ~CScreen() = default;

    // Loads the screen's controls; the screen's own Frame calls it while not entered.
    virtual void Enter() = 0;
    // Draws one frame of the screen; returns 0.
    virtual int Frame() = 0;
    virtual int Reserved2() { return 0; }
    virtual int Reserved3() { return 0; }
    // A drag button was dropped onto a snap control.
    virtual void OnDrop(int dragButtonId, int snapControlId);
    virtual void OnMouseUp(int button, int x, int y) = 0;
    virtual void OnMouseDown(int button, int x, int y) = 0;
    virtual void OnMouseMove(int x, int y) = 0;
    // A key press, by scan code.
    virtual void OnKeyDown(int key) = 0;

    CScreen* GetReturnScreen() const { return mReturnScreen; }
    void SetReturnScreen(CScreen* screen) { mReturnScreen = screen; }
    int GetScreenId() const { return mScreenId; }
    bool IsEntered() const { return mEntered != 0; }
    void SetEntered(bool entered) { mEntered = entered ? 1 : 0; }

protected:
    CScreen* mReturnScreen = nullptr;
    int mScreenId = 0;
    unsigned char mEntered = 0;
    std::map<int, CButton*> mButtons;
    std::map<int, CMouseOverButton*> mMouseOverButtons;
    std::map<int, CTextControl*> mTextControls;
    std::map<int, CCheckBox*> mCheckBoxes;
    std::map<int, CObjectControl*> mObjectControls;
    std::map<int, CSlider*> mSliders;
    std::map<int, CSpriteControl*> mSpriteControls;
    std::map<int, CMovieControl*> mMovieControls;
    std::map<int, CDragButton*> mDragButtons;
    std::map<int, CSnapControl*> mSnapControls;
};

// The screen that receives input and draws each frame.
extern CScreen* gCurrentScreen;
