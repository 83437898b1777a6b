// The game window: without a display it refuses with a reason instead of running unseen.
#include "platform/os/window.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

TEST(GameWindow, RefusesWithoutADisplay)
{
    std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    std::unique_ptr<os::Window> window;
    auto error = os::OpenGameWindow("Varnok", &window);
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("no display available"), std::string::npos);
    EXPECT_EQ(window, nullptr);
}

TEST(GameWindow, HeadlessWindowHasNoHandleAndAlwaysFocus)
{
    auto window = os::OpenHeadlessWindow();
    EXPECT_EQ(window->NativeHandle(), nullptr);
    EXPECT_TRUE(window->HasFocus());
}
