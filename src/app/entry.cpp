// The entry point's work: floating-point mode, window, device, loop, shutdown.
#include "app/entry.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include "app/device_setup.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/input.h"
#include "core/sound_globals.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
#include "platform/input/input.h"
#include "platform/os/window.h"
#include "screens/crew_screen.h"
#include "screens/conversation_screen.h"
#include "screens/delete_pilot_screen.h"
#include "screens/flight_screen.h"
#include "screens/galaxy_map_screen.h"
#include "screens/info_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/mission_board_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "screens/upgrade_screen.h"
#include "screens/station_screen.h"
#include "screens/store_screen.h"
#include "screens/quest_log_screen.h"
#include "ships/player_ship.h"
#include "ships/ship_clocks.h"
#include "ui/cursor.h"
#include "ui/input_devices.h"
#include "ui/keyboard.h"
#include "ui/sprite_control.h"
#include "world/nebula.h"
#include "world/station_view.h"
#include "world/store_view.h"

namespace {

// Round to nearest with denormals flushed to zero. There is no precision control on x86-64,
// and rounding toward zero would change what the maths library returns.
void SetFloatingPointMode()
{
#if defined(__SSE__)
    constexpr unsigned kFlushToZero = 0x8000;
    constexpr unsigned kDenormalsAreZero = 0x0040;
    _mm_setcsr(_mm_getcsr() | kFlushToZero | kDenormalsAreZero);
#endif
}

std::unique_ptr<os::Window> gGameWindow;

// The pilot is saved whenever the game ends: at shutdown, and when the display goes away.
void SavePilot()
{
    if (gPlayerShip)
        gPlayerShip->Save();
}

}  // namespace

void ReleasePlatformObjects()
{
    gKeyboard.Release();
    gCursor.Release();
    if (gDirectInput) {
        while (gDirectInput->Release() > 0) {
        }
        gDirectInput = nullptr;
    }
    ReleaseDeviceObjects();
}

void WindowProc(const os::Message& message)
{
    switch (message.type) {
    case os::MessageType::kDestroy:
        os::PostQuitMessage();
        break;
    case os::MessageType::kSetCursor:
        gCursor.HideSystemCursor();
        break;
    default:
        break;
    }
}

void Shutdown()
{
    // No peer event may arrive while the objects below are deleted.
    gNetworkManager.ClosePeer();
    SavePilot();
    delete gMainMenuScreen;
    gMainMenuScreen = nullptr;
    delete gFlightScreen;
    gFlightScreen = nullptr;
    gFlightView = nullptr;
    delete gInfoScreen;
    gInfoScreen = nullptr;
    delete gConversationScreen;
    gConversationScreen = nullptr;
    gConversationView = nullptr;
    delete gPilotNameScreen;
    gPilotNameScreen = nullptr;
    delete gNewPilotScreen;
    gNewPilotScreen = nullptr;
    delete gLoadPilotScreen;
    gLoadPilotScreen = nullptr;
    delete gDeletePilotScreen;
    gDeletePilotScreen = nullptr;
    delete gNetworkScreen;
    gNetworkScreen = nullptr;
    gNetworkView = nullptr;
    delete gLobbyScreen;
    gLobbyScreen = nullptr;
    delete gShipStatusScreen;
    gShipStatusScreen = nullptr;
    delete gShipUpgradeScreen;
    gShipUpgradeScreen = nullptr;
    delete gStationScreen;
    gStationScreen = nullptr;
    gStationView = nullptr;
    delete gStoreScreen;
    gStoreScreen = nullptr;
    gStoreView = nullptr;
    delete gGalaxyMapScreen;
    gGalaxyMapScreen = nullptr;
    delete gQuestLogScreen;
    gQuestLogScreen = nullptr;
    // The board's offers go with it, before the world and the pilot.
    delete gMissionBoardScreen;
    gMissionBoardScreen = nullptr;
    // The cursor's sprite control was made by the main menu; nothing draws it any more.
    delete gCursor.GetSpriteControl();
    gCursor.SetSpriteControl(nullptr);
    // The world may point at the ship, so it goes first.
    if (gResourceManager)
        gResourceManager->DeleteWorldObjects();
    ReplacePlayerShip(nullptr);
    // Deleting the resource manager also releases the device.
    delete gResourceManager;
    gResourceManager = nullptr;
}

std::optional<std::string> StartGame(gfx::Backend backend)
{
    SetFloatingPointMode();
    if (backend == gfx::Backend::kOpenGl) {
        os::SetDisplayLostHook(&SavePilot);
        if (std::optional<std::string> error = os::OpenGameWindow("Varnok", &gGameWindow))
            return error;
    } else {
        gGameWindow = os::OpenHeadlessWindow();
        // A game without a window is heard by no one either.
        gSoundBackend = audio::Backend::kSilent;
    }
    gWindow = gGameWindow.get();
    gGfxBackend = backend;
    if (gfx::Failed(InitDevice(false)))
        return std::string("the drawing device could not be set up");
    return std::nullopt;
}

void StopGame()
{
    Shutdown();
    ReleasePlatformObjects();
    gWindow = nullptr;
    gGameWindow.reset();
    BuildStartupObjects();
    gShipClocks = ShipClocks();
    CNebulaObject::ResetBreathing();
}

int RunLoop(uint32_t maxFrames)
{
    uint32_t frames = 0;
    os::Message message;
    for (;;) {
        if (os::PeekMessage(&message)) {
            if (message.type == os::MessageType::kQuit)
                return message.param;
            WindowProc(message);
            continue;
        }
        RunFrame();
        if (maxFrames != 0 && ++frames >= maxFrames)
            return 0;
    }
}

int GameMain(const GameOptions& options)
{
    int exitCode = 0;
    if (std::optional<std::string> error = StartGame(options.backend)) {
        std::fprintf(stderr, "varnok: %s\n", error->c_str());
        exitCode = 1;
    } else {
        exitCode = RunLoop(options.maxFrames);
    }
    StopGame();
    // A failure posted after the loop's quit, or by the shutdown itself, still makes the run a failure.
    os::Message message;
    while (os::PeekMessage(&message)) {
        if (message.type == os::MessageType::kQuit && message.param != 0)
            exitCode = message.param;
    }
    return exitCode;
}
