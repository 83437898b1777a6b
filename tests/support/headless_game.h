// The game's shell set up on the headless backends, as the entry point would, in a temporary game
// folder, for tests that run frames. Each test starts from the first device set-up.
#pragma once

#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "core/message_log.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/input/input.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"
#include "support/recording_screen.h"
#include "support/scoped_global.h"
#include "ui/input_devices.h"

class HeadlessGame : public ::testing::Test {
protected:
    explicit HeadlessGame(GameFolder::Kind kind = GameFolder::Kind::kShipped) : folder(kind) { folder.Enter(); }

    void SetUp() override
    {
        os::ClearMessages();
        // Each test starts with the empty log of a new process.
        ClearFlightMessages();
        os::SetManualTime(true, 1000);
        std::optional<std::string> error = StartGame(gfx::Backend::kHeadless);
        ASSERT_FALSE(error) << *error;
        ASSERT_FALSE(os::QuitPosted()) << "the start-up asked to quit";
        currentScreen.emplace(gCurrentScreen, &screen);
        flightScreen.emplace(gFlightScreen, &flight);
        flightView.emplace(gFlightView, &flight);
    }
    void TearDown() override
    {
        // The game's own screens go back before the shutdown deletes them.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
        StopGame();
        // The databases do not outlive their folder.
        gGameDatabase.Close();
        os::SetManualTime(false);
        os::ClearMessages();
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

    GameFolder folder;
    // The headless start-up makes the sound silent; later tests get the backend they had.
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend};
    // The flight zoom outlives a game in one process; a test that zooms must not move the next's view.
    ScopedGlobal<float> cameraHeight{gCameraHeight};
    RecordingScreen screen;
    RecordingFlightScreen flight;
    std::optional<ScopedGlobal<CScreen*>> currentScreen;
    std::optional<ScopedGlobal<CFlightScreen*>> flightScreen;
    std::optional<ScopedGlobal<CFlightView*>> flightView;
};
