// A screen for tests that loads every kind of control of its id and keeps what its dispatch
// operations answered.
#pragma once

#include <utility>
#include <vector>

#include "ui/screen.h"

class ControlScreen : public CScreen {
public:
    explicit ControlScreen(int screenId) { mScreenId = screenId; }

    void Enter() override
    {
        DeleteControls();
        mEntered = 1;
        ++enters;
        LoadMovieControls();
        LoadSpriteControls();
        LoadButtons();
        LoadSnapControls();
        LoadDragButtons();
        LoadTextControls();
        LoadCheckBoxes();
        LoadSliders();
        LoadMouseOverButtons();
        LoadObjectControls();
    }
    int Frame() override
    {
        if (!mEntered)
            Enter();
        DrawObjectControls();
        DrawControls();
        return 0;
    }
    void OnDrop(int dragButtonId, int snapControlId) override { drops.emplace_back(dragButtonId, snapControlId); }
    void OnMouseDown(int, int x, int y) override { pressed = OnMouseDownControls(x, y); }
    void OnMouseUp(int, int x, int y) override { released = OnMouseUpControls(x, y); }
    void OnMouseMove(int x, int y) override { hovered = MouseOverButtonAt(x, y); }
    void OnKeyDown(int key) override { keys.push_back(key); }

    int enters = 0;
    int pressed = -2;
    int released = -2;
    int hovered = -2;
    std::vector<int> keys;
    std::vector<std::pair<int, int>> drops;
};
