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
    CScreen() = default;
    // Deletes whatever controls the screen still holds.
    virtual ~CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

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

    // Loaders: one control per row of this screen's id, filed under its id; an id already
    // filed keeps its control. Drag buttons and snap controls replace their whole map.
    void LoadButtons();
    void LoadMouseOverButtons();
    void LoadTextControls();
    void LoadCheckBoxes();
    void LoadObjectControls();
    void LoadSliders();
    void LoadSpriteControls();
    void LoadMovieControls();
    void LoadDragButtons();
    void LoadSnapControls();
    // The sprite drawn behind the page, from the screen's row; a screen without its row, or whose
    // sprite has none, ends the game naming it.
    int ScreenSpriteId() const;

    // The control of that id, or null. The screen owns it; keep no pointer across Enter.
    CButton* GetButton(int id) const;
    CMouseOverButton* GetMouseOverButton(int id) const;
    CTextControl* GetTextControl(int id) const;
    CCheckBox* GetCheckBox(int id) const;
    CObjectControl* GetObjectControl(int id) const;
    CSlider* GetSlider(int id) const;
    CSpriteControl* GetSpriteControl(int id) const;
    CMovieControl* GetMovieControl(int id) const;
    CDragButton* GetDragButton(int id) const;
    CSnapControl* GetSnapControl(int id) const;

    // Every control but the object controls, back to front: movies, sprites, buttons, snap
    // controls, drag buttons, texts, checkboxes, sliders, mouse-over buttons.
    void DrawControls();
    // The object controls; those of mesh 22 blend additively at alpha 250.
    void DrawObjectControls();
    // The common page: the backdrop sprite across the screen, the object controls, the glow
    // pass where the device has shaders and the player wants it, then the controls.
    void DrawPage(int backdropSpriteId);

    // The id of the control that takes a press (drag buttons first, then buttons, mouse-over
    // buttons, checkboxes, sliders; lowest id first within a kind), or -1.
    int OnMouseDownControls(int x, int y);
    // The id of the button or mouse-over button a release completes, or -1. Every visible
    // control asked before the answer gets the release; drag buttons drop there.
    int OnMouseUpControls(int x, int y);
    // The first mouse-over button, shown or hidden, under the cursor, or 0.
    int MouseOverButtonAt(int x, int y);
    // Drops the drag button onto the first free snap control of its set under the cursor and
    // tells the current screen through OnDrop; nothing when there is none. Returns 0.
    int DropOnSnap(int dragButtonId);
    // Deletes every control of all ten maps.
    void DeleteControls();

protected:
    CScreen* mReturnScreen = nullptr;
    int mScreenId = 0;
    unsigned char mEntered = 0;
    unsigned char mControlRowsChecked = 0;
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
