// A headless input system with both game devices created, and screens that record calls.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "core/camera.h"
#include "platform/input/input.h"
#include "platform/os/window.h"
#include "support/recording_screen.h"
#include "support/scoped_global.h"
#include "ui/cursor.h"
#include "ui/input_devices.h"
#include "ui/keyboard.h"

class InputFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = os::OpenHeadlessWindow();
        gDirectInput = new input::System(window.get());
        ASSERT_EQ(gKeyboard.CreateDevice(), 0);
        ASSERT_EQ(gCursor.CreateDevice(), 0);
        gCursor.SetPosition(320, 200);
    }
    void TearDown() override
    {
        gKeyboard.Release();
        gCursor.Release();
        gDirectInput->Release();
        gDirectInput = nullptr;
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
    ScopedGlobal<CScreen*> currentScreen{gCurrentScreen, &screen};
    ScopedGlobal<CFlightScreen*> flightScreen{gFlightScreen, &flight};
    ScopedGlobal<CFlightView*> flightView{gFlightView, &flight};
    // The wheel zooms the flight view; the next test starts from the zoom it had.
    ScopedGlobal<float> cameraHeight{gCameraHeight};
    ScopedGlobal<CCamera> camera{gCamera};
};
