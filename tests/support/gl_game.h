// The game started on the GL backend in a temporary game folder, at a manual clock, for the
// renderer's pixel tests. Skipped without a display unless VARNOK_REQUIRE_GL=1 demands one.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "db/game_database.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "ui/screen.h"

class GlGame : public ::testing::Test {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

protected:
    // A derived SetUp goes on only when Started().
    void SetUp() override
    {
        folder.Enter();
        os::ClearMessages();
        os::SetManualTime(true, 1000);
        if (auto error = StartGame(gfx::Backend::kOpenGl)) {
            StopGame();
            const char* require = std::getenv("VARNOK_REQUIRE_GL");
            if (require && std::strcmp(require, "1") == 0)
                FAIL() << *error;
            GTEST_SKIP() << *error;
        }
        started = true;
    }
    void TearDown() override
    {
        if (started)
            StopGame();
        gGameDatabase.Close();
        os::SetManualTime(false);
        os::ClearMessages();
    }

    bool Started() const { return started; }

    // One frame ms after the last; the frame as the back buffer holds it, 0xAARRGGBB.
    std::vector<uint32_t> Frame(uint32_t ms = 0)
    {
        os::AdvanceManualTime(ms);
        EXPECT_EQ(RunFrame(), 0);
        return gfx::gl::AsGl(gDevice)->ReadPixels(gBackBuffer);
    }

    GameFolder folder;
    ScopedGlobal<CScreen*> current{gCurrentScreen};
    ScopedGlobal<int32_t> pulse{gPulse, 0};

private:
    bool started = false;
};
