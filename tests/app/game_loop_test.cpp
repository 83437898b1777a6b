// The game's own loop, headless: it runs frames and ends cleanly, or as a failure.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "screens/flight_screen.h"
#include "screens/main_menu_screen.h"
#include "support/game_folder.h"

TEST(GameLoop, RunsFramesAndEndsCleanly)
{
    GameFolder folder;
    folder.Enter();
    os::ClearMessages();
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    options.maxFrames = 30;
    EXPECT_EQ(GameMain(options), 0);
    EXPECT_EQ(gDevice, nullptr);
    // The start-up objects are there again for the next run, as at process start.
    EXPECT_NE(gResourceManager, nullptr);
    EXPECT_NE(gMainMenuScreen, nullptr);
    EXPECT_EQ(gFlightView, gFlightScreen);
}

TEST(GameLoop, ADatabaseThatCannotBeOpenedEndsTheGameAsAFailure)
{
    for (const char* file : {"config/varnok.dat", "config/pe.dat"}) {
        GameFolder folder;
        folder.Enter();
        std::filesystem::remove(folder.Path() / file);
        os::ClearMessages();
        GameOptions options;
        options.backend = gfx::Backend::kHeadless;
        options.maxFrames = 30;
        testing::internal::CaptureStderr();
        EXPECT_NE(GameMain(options), 0) << file;
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find(file), std::string::npos) << errors;
    }
}

TEST(GameLoop, ClosingTheWindowEndsTheLoop)
{
    GameFolder folder;
    folder.Enter();
    os::ClearMessages();
    os::PostMessage(os::MessageType::kDestroy);
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    EXPECT_EQ(GameMain(options), 0);
    EXPECT_FALSE(os::QuitPosted());
}
