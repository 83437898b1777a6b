// The game's own loop, headless: it runs frames and ends cleanly.
#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"

TEST(GameLoop, RunsFramesAndEndsCleanly)
{
    TempGameFolder folder;
    os::ClearMessages();
    gWormholeRefusalText.clear();
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    options.maxFrames = 30;
    EXPECT_EQ(GameMain(options), 0);
    EXPECT_EQ(gDevice, nullptr);
}

TEST(GameLoop, ClosingTheWindowEndsTheLoop)
{
    TempGameFolder folder;
    os::ClearMessages();
    gWormholeRefusalText.clear();
    os::PostMessage(os::MessageType::kDestroy);
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    EXPECT_EQ(GameMain(options), 0);
    EXPECT_FALSE(os::QuitPosted());
}
