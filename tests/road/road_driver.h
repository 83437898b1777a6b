// The road driver: plays the game the way a player's hands would, through input records fed to
// the keyboard and mouse devices and the real frame loop at a fixed frame time, and reports each
// step it takes so that a failure names the step that went wrong.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/globals.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/input/input.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "ui/cursor.h"
#include "ui/input_devices.h"

class CRoadDriver {
public:
    static constexpr uint32_t kFrameMs = 16;

    // Starts a step: printed, and named by every failure until the next one.
    void Step(const std::string& what)
    {
        mStep = what;
        std::printf("[ road     ] %s\n", what.c_str());
        std::fflush(stdout);
    }
    const std::string& CurrentStep() const { return mStep; }

    // Runs frames; check (when given) is asked after each frame and stops the run on false.
    void Frames(int count, const std::function<bool(int frame)>& check = nullptr)
    {
        for (int frame = 0; frame < count; ++frame) {
            os::AdvanceManualTime(kFrameMs);
            ASSERT_EQ(RunFrame(), 0) << mStep << ", frame " << frame;
            // The headless device keeps every draw it is given; the road needs none of them.
            if (auto* headless = gfx::headless::AsHeadless(gDevice))
                headless->ClearRecords();
            ASSERT_FALSE(os::QuitPosted()) << mStep << ": the game asked to quit at frame " << frame;
            if (check && !check(frame)) {
                ADD_FAILURE() << mStep << ", frame " << frame;
                return;
            }
        }
    }
    // One key record goes in per frame, as the keyboard poll takes them.
    void HoldKey(int scanCode, int frames, const std::function<bool(int frame)>& check = nullptr)
    {
        gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, input::kPressedBit);
        Frames(frames, check);
        gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, 0);
        Frames(1);
    }
    // A key held across frames until Release; the record goes in with the next frame.
    void Press(int scanCode) { gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, input::kPressedBit); }
    void Release(int scanCode) { gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, 0); }
    void MoveMouse(int dx, int dy)
    {
        gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseX, static_cast<uint32_t>(dx));
        gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseY, static_cast<uint32_t>(dy));
        Frames(1);
    }

    // Moves the pointer to a screen point with one motion record pair.
    void MoveTo(int x, int y)
    {
        int atX = 0;
        int atY = 0;
        gCursor.GetPosition(&atX, &atY);
        MoveMouse(x - atX, y - atY);
    }
    // Presses and releases a mouse button where the pointer is, a frame each.
    void Click(int button = 0)
    {
        PressButton(button, true);
        PressButton(button, false);
    }
    void ClickAt(int x, int y)
    {
        MoveTo(x, y);
        Click();
    }
    void PressButton(int button, bool pressed)
    {
        gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseButton0 + static_cast<uint32_t>(button),
                           pressed ? input::kPressedBit : 0);
        Frames(1);
    }
    void Wheel(int notches)
    {
        gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseWheel,
                           static_cast<uint32_t>(notches * input::kWheelNotch));
        Frames(1);
    }
    // One key pressed and released, a frame each.
    void Tap(int scanCode)
    {
        gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, input::kPressedBit);
        Frames(1);
        gDirectInput->Feed(input::DeviceKind::kKeyboard, scanCode, 0);
        Frames(1);
    }

private:
    std::string mStep;
};
