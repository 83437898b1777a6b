// Every screen of the game entered on the headless device and drawn for two frames at a fixed
// frame time; what it drew must match the dump stored in tests/screens/dumps/. A new screen adds
// a row here and its reviewed dump.
#include <ostream>
#include <string>

#include "app/frame.h"
#include "core/keys.h"
#include "db/game_database.h"
#include "screens/delete_pilot_screen.h"
#include "screens/flight_screen.h"
#include "screens/info_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "ships/player_ship.h"
#include "support/draw_dump.h"
#include "support/headless_game.h"

namespace {

struct ScreenCase {
    const char* name;
    // The game's own screen object, made by the start-up, with what it shows set up.
    CScreen* (*screen)();
};

void PrintTo(const ScreenCase& screenCase, std::ostream* out)
{
    *out << screenCase.name;
}

// A pilot of the first offered hull, flying in its starting system.
CScreen* FlyNewPilot()
{
    RowList<CreateShipRow> rows;
    const CreateShipRow hull = *gGameDatabase.GetCreateShips(rows).front();
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Dump Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 2, 2, 2, 2, 2,
                                      0xFFFFFFFFu, hull.affiliate));
    gPlayerShip->Save();
    gFlightScreen->SetSystemBackdrop(gPlayerShip->mSystemId);
    return gFlightScreen;
}

const ScreenCase kScreens[] = {
    {"main_menu", [] { return static_cast<CScreen*>(gMainMenuScreen); }},
    // In flight over the first system, as a pilot arrives there.
    {"flight",
     [] {
         gFlightScreen->SetSystemBackdrop(1);
         return static_cast<CScreen*>(gFlightScreen);
     }},
    // A pilot in flight with the options panel opened by Esc, a posted line and a hail. The only
    // case with a pilot in flight: the radar blip's pulse is shared by every ship of a run.
    {"flight_options",
     [] {
         CScreen* screen = FlyNewPilot();
         gFlightScreen->Enter();
         gFlightScreen->PostMessage("Welcome aboard.");
         const char* lines[] = {"Greetings, pilot.", "Fly safe."};
         gFlightScreen->Hail(lines, 2, "miner");
         gFlightScreen->OnKeyDown(kKeyEscape);
         return screen;
     }},
    {"pilot_name", [] { return static_cast<CScreen*>(gPilotNameScreen); }},
    {"new_pilot",
     [] {
         gNewPilotScreen->SetPilotName("Dump Pilot");
         return static_cast<CScreen*>(gNewPilotScreen);
     }},
    {"load_pilot",
     [] {
         FlyNewPilot();
         return static_cast<CScreen*>(gLoadPilotScreen);
     }},
    {"delete_pilot",
     [] {
         FlyNewPilot();
         return static_cast<CScreen*>(gDeletePilotScreen);
     }},
    {"info",
     [] {
         gInfoScreen->ShowContinue();
         return static_cast<CScreen*>(gInfoScreen);
     }},
};

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
