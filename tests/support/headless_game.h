// The game's shell set up on the headless backends, as the entry point would, for tests that
// run frames. Each test starts from the first device set-up.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/device_setup.h"
#include "app/entry.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/sound_globals.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/input/input.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "platform/os/window.h"
#include "support/game_folder.h"
#include "support/recording_screen.h"

class HeadlessGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        os::ClearMessages();
        os::SetManualTime(true, 1000);
        gWormholeRefusalText.clear();
        window = os::OpenHeadlessWindow();
        gWindow = window.get();
        gGfxBackend = gfx::Backend::kHeadless;
        gSoundBackend = audio::Backend::kSilent;
        ASSERT_EQ(InitDevice(false), gfx::kOk);
        ASSERT_FALSE(os::QuitPosted()) << "the start-up asked to quit";
        savedScreen = gCurrentScreen;
        savedFlight = gFlightScreen;
        gCurrentScreen = &screen;
        gFlightScreen = &flight;
    }
    void TearDown() override
    {
        ReleasePlatformObjects();
        gWindow = nullptr;
        gCurrentScreen = savedScreen;
        gFlightScreen = savedFlight;
        os::SetManualTime(false);
        os::ClearMessages();
        gSoundBackend = audio::Backend::kSdl;
    }

    gfx::headless::HeadlessDevice* Device() const { return gfx::headless::AsHeadless(gDevice); }
    void Key(int code, bool pressed)
    {
        gDirectInput->Feed(input::DeviceKind::kKeyboard, code, pressed ? input::kPressedBit : 0);
    }
    void Mouse(uint32_t item, int32_t value)
    {
        gDirectInput->Feed(input::DeviceKind::kMouse, item, static_cast<uint32_t>(value));
    }

    TempGameFolder folder;
    std::unique_ptr<os::Window> window;
    RecordingScreen screen;
    RecordingFlightScreen flight;
    CScreen* savedScreen = nullptr;
    CFlightScreen* savedFlight = nullptr;
};
