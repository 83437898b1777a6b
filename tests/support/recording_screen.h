// Screens for tests: they record every call the frame loop and the input polls make.
#pragma once

#include <string>
#include <vector>

#include "screens/flight_screen.h"
#include "ui/screen.h"

struct ScreenCall {
    std::string what;
    int a = 0, b = 0, c = 0;
    bool operator==(const ScreenCall&) const = default;
};

class RecordingScreen : public CScreen {
public:
    void Enter() override { calls.push_back({"Enter"}); }
    int Frame() override
    {
        calls.push_back({"Frame"});
        return 0;
    }
    void OnMouseUp(int button, int x, int y) override { calls.push_back({"MouseUp", button, x, y}); }
    void OnMouseDown(int button, int x, int y) override { calls.push_back({"MouseDown", button, x, y}); }
    void OnMouseMove(int x, int y) override { calls.push_back({"MouseMove", x, y}); }
    void OnKeyDown(int key) override { calls.push_back({"KeyDown", key}); }

    std::vector<ScreenCall> calls;
};

// The in-flight screen's own key and zoom handling, without the controls it would load.
class RecordingFlightScreen : public CFlightScreen {
public:
    void Enter() override { mEntered = 1; }
    int Frame() override { return 0; }
    void HoldAllKeys() { mThrustKey = mBrakeKey = mTurnLeftKey = mTurnRightKey = 1; }
    void Hail(const char* const* lines, int lineCount, const char* keyword) override
    {
        hails.emplace_back(lines, lines + lineCount);
        hailKeyword = keyword;
    }
    bool IsHailOpen() const override { return hailOpen; }
    void SetTarget(CWorldObject* object) override { target = object; }

    std::vector<std::vector<std::string>> hails;
    std::string hailKeyword;
    bool hailOpen = false;
    CWorldObject* target = nullptr;
};
