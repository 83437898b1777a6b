// A headless input system with both game devices created, and screens that record calls.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/camera.h"
#include "app/cursor.h"
#include "app/input.h"
#include "app/keyboard.h"
#include "platform/input/input.h"
#include "platform/os/window.h"
#include "support/recording_screen.h"

class InputFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = os::OpenHeadlessWindow();
        gDirectInput = new input::System(window.get());
        ASSERT_EQ(gKeyboard.CreateDevice(), 0);
        ASSERT_EQ(gCursor.CreateDevice(), 0);
        savedScreen = gCurrentScreen;
        savedFlight = gFlightScreen;
        gCurrentScreen = &screen;
        gFlightScreen = &flight;
        gCursor.SetPosition(320, 200);
    }
    void TearDown() override
    {
        gKeyboard.Release();
        gCursor.Release();
        gDirectInput->Release();
        gDirectInput = nullptr;
        gCurrentScreen = savedScreen;
        gFlightScreen = savedFlight;
    }

    void Key(int code, bool pressed)
    {
        gDirectInput->Feed(input::DeviceKind::kKeyboard, code, pressed ? input::kPressedBit : 0);
    }
    void Mouse(uint32_t item, int32_t value)
    {
        gDirectInput->Feed(input::DeviceKind::kMouse, item, static_cast<uint32_t>(value));
    }

    std::unique_ptr<os::Window> window;
    RecordingScreen screen;
    RecordingFlightScreen flight;
    CScreen* savedScreen = nullptr;
    CFlightScreen* savedFlight = nullptr;
};
