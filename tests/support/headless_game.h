// The game's shell set up on the headless backends, as the entry point would, for tests that
// run frames. Each test starts from the first device set-up.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "core/sound_globals.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/input/input.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"
#include "support/recording_screen.h"
#include "ui/input_devices.h"

class HeadlessGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        os::ClearMessages();
        os::SetManualTime(true, 1000);
        gWormholeRefusalText.clear();
        std::optional<std::string> error = StartGame(gfx::Backend::kHeadless);
        ASSERT_FALSE(error) << *error;
        ASSERT_FALSE(os::QuitPosted()) << "the start-up asked to quit";
        savedScreen = gCurrentScreen;
        savedFlight = gFlightScreen;
        savedFlightView = gFlightView;
        gCurrentScreen = &screen;
        gFlightScreen = &flight;
        gFlightView = &flight;
    }
    void TearDown() override
    {
        // The game's own screens go back before the shutdown deletes them.
        gCurrentScreen = savedScreen;
        gFlightScreen = savedFlight;
        gFlightView = savedFlightView;
        StopGame();
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
    RecordingScreen screen;
    RecordingFlightScreen flight;
    CScreen* savedScreen = nullptr;
    CFlightScreen* savedFlight = nullptr;
    CFlightView* savedFlightView = nullptr;
};
