// Every screen of the game entered on the headless device and drawn for two frames at a fixed
// frame time; what it drew must match the dump stored in tests/screens/dumps/. A new screen adds
// a row in support/screen_cases.h and its reviewed dump.
#include <cstdlib>
#include <string>

#include "app/frame.h"
#include "screens/flight_screen.h"
#include "support/draw_dump.h"
#include "support/headless_game.h"
#include "support/screen_cases.h"

namespace {

constexpr int kFrames = 2;
constexpr uint32_t kFrameMs = 20;

class ScreenDumpTest : public HeadlessGame, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        // The game's own screens, not the recording stand-ins.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
        currentScreen.emplace(gCurrentScreen, GetParam().screen());
        Device()->ClearRecords();
    }

    // The pulse runs on across tests; each dump starts it from the bottom.
    ScopedGlobal<int32_t> pulse{gPulse, 0};
    ScopedGlobal<unsigned char> pulseRising{gPulseRising, 1};

    std::string DrawFrames()
    {
        // Computer ships think at random; each dump starts from the same draw.
        std::srand(1);
        for (int i = 0; i < kFrames; ++i) {
            os::AdvanceManualTime(kFrameMs);
            EXPECT_EQ(RunFrame(), 0);
        }
        return DumpDraws(*Device());
    }
};

TEST_P(ScreenDumpTest, DrawsWhatItsStoredDumpShows)
{
    ASSERT_NE(gCurrentScreen, nullptr);
    std::string drawn = DrawFrames();
    EXPECT_FALSE(os::QuitPosted());
    std::string diff =
        CompareWithDump(std::string(VARNOK_SOURCE_DIR) + "/tests/screens/dumps/" + GetParam().name + ".txt", drawn);
    if (diff.rfind("rewrote", 0) == 0)
        GTEST_SKIP() << diff;
    EXPECT_TRUE(diff.empty()) << diff;
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenDumpTest, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

}  // namespace
