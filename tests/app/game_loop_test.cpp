// The game's own loop, headless: it runs frames and ends cleanly.
#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "app/resource_manager.h"
#include "screens/main_menu_screen.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"

namespace {

// The objects built before the entry point, made again for each run: Shutdown deleted them.
void RebuildStartupObjects()
{
    if (!gResourceManager)
        gResourceManager = new CResourceManager;
    if (!gMainMenuScreen)
        gMainMenuScreen = new CMainMenuScreen;
}

}  // namespace

TEST(GameLoop, RunsFramesAndEndsCleanly)
{
    TempGameFolder folder;
    RebuildStartupObjects();
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
    RebuildStartupObjects();
    os::ClearMessages();
    gWormholeRefusalText.clear();
    os::PostMessage(os::MessageType::kDestroy);
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    EXPECT_EQ(GameMain(options), 0);
    EXPECT_FALSE(os::QuitPosted());
}
