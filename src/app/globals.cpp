// The globals of the game, defined in one place so that they are built in this order
// before the game starts and destroyed in the reverse order at exit.
#include "app/globals.h"

#include "app/frame.h"
#include "core/camera.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
#include "screens/crew_screen.h"
#include "quests/conversation_view.h"
#include "quests/quest_pilot.h"
#include "quests/quest_trigger_source.h"
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
#include "ui/cursor.h"
#include "ui/input_devices.h"
#include "ui/keyboard.h"
#include "ui/screen.h"
#include "world/player_view.h"
#include "world/station_view.h"
#include "world/store_view.h"
#include "world/trigger_source.h"

os::Window* gWindow = nullptr;
gfx::System* gDirect3D = nullptr;
gfx::Device* gDevice = nullptr;
gfx::DeviceCaps gDeviceCaps;
gfx::PresentParams gPresentParams;
int gScreenWidth = 800;
int gScreenHeight = 600;
unsigned char gShadersSupported = 0;
unsigned char gGlowEnabled = 0;
unsigned char gNoSourceBlendCaps = 0;
gfx::Texture* gGlowTexture = nullptr;
gfx::Surface* gGlowSurface = nullptr;
gfx::Texture* gBlurTexture = nullptr;
gfx::Surface* gBlurSurface = nullptr;
gfx::Surface* gBackBuffer = nullptr;
gfx::Surface* gDepthSurface = nullptr;
os::RecursiveLock gFrameLock;
input::System* gDirectInput = nullptr;

uint32_t gTimeNow = 0;
uint32_t gTimePrev = 0;
uint32_t gFrameTimeMs = 0;
float gFrameScale = 0.0f;
int32_t gFpsAccumulator = 0;
uint32_t gFramesPerSecond = 0;
int32_t gPulse = 0;
unsigned char gPulseRising = 1;
CScreen* gCurrentScreen = nullptr;

// Built before the game starts, in this order.
CGameDatabase gGameDatabase;
CResourceManager* gResourceManager = nullptr;
CKeyboard gKeyboard;
CCursor gCursor;
CCamera gCamera;
CMainMenuScreen* gMainMenuScreen = nullptr;
CFlightScreen* gFlightScreen = nullptr;
CFlightView* gFlightView = nullptr;
CInfoScreen* gInfoScreen = nullptr;
CConversationScreen* gConversationScreen = nullptr;
CPilotNameScreen* gPilotNameScreen = nullptr;
CNewPilotScreen* gNewPilotScreen = nullptr;
CLoadPilotScreen* gLoadPilotScreen = nullptr;
CDeletePilotScreen* gDeletePilotScreen = nullptr;
CNetworkScreen* gNetworkScreen = nullptr;
CLobbyScreen* gLobbyScreen = nullptr;
CScreen* gNetworkView = nullptr;
CShipStatusScreen* gShipStatusScreen = nullptr;
CShipUpgradeScreen* gShipUpgradeScreen = nullptr;
CStationScreen* gStationScreen = nullptr;
CStationView* gStationView = nullptr;
CStoreScreen* gStoreScreen = nullptr;
CGalaxyMapScreen* gGalaxyMapScreen = nullptr;
CQuestLogScreen* gQuestLogScreen = nullptr;
CMissionBoardScreen* gMissionBoardScreen = nullptr;
// The pilot's views are set with the pilot (ReplacePlayerShip).
CPlayerView* gPlayerView = nullptr;
CQuestPilot* gQuestPilot = nullptr;
// Null until a pilot is made or loaded.
CPlayerShip* gPlayerShip = nullptr;
CQuestTriggerSource gQuestTriggerSource;
CTriggerSource* gTriggerSource = nullptr;
CConversationView* gConversationView = nullptr;
CScreen* gStoreView = nullptr;
CNetworkManager gNetworkManager;
netpeer::PlayerId gLocalPlayerId = 0;
netpeer::PlayerId gHostPlayerId = 0;
const Vec3 gZeroVector(0.0f, 0.0f, 0.0f);

void BuildStartupObjects()
{
    if (!gResourceManager)
        gResourceManager = new CResourceManager;
    if (!gMainMenuScreen)
        gMainMenuScreen = new CMainMenuScreen;
    if (!gFlightScreen)
        gFlightScreen = new CFlightScreen;
    gFlightView = gFlightScreen;
    gTriggerSource = &gQuestTriggerSource;
    if (!gInfoScreen)
        gInfoScreen = new CInfoScreen;
    if (!gConversationScreen)
        gConversationScreen = new CConversationScreen;
    gConversationView = gConversationScreen;
    if (!gPilotNameScreen)
        gPilotNameScreen = new CPilotNameScreen;
    if (!gNewPilotScreen)
        gNewPilotScreen = new CNewPilotScreen;
    if (!gLoadPilotScreen)
        gLoadPilotScreen = new CLoadPilotScreen;
    if (!gDeletePilotScreen)
        gDeletePilotScreen = new CDeletePilotScreen;
    if (!gNetworkScreen)
        gNetworkScreen = new CNetworkScreen;
    gNetworkView = gNetworkScreen;
    if (!gLobbyScreen)
        gLobbyScreen = new CLobbyScreen;
    if (!gShipStatusScreen)
        gShipStatusScreen = new CShipStatusScreen;
    if (!gShipUpgradeScreen)
        gShipUpgradeScreen = new CShipUpgradeScreen;
    if (!gStationScreen)
        gStationScreen = new CStationScreen;
    gStationView = gStationScreen;
    if (!gStoreScreen)
        gStoreScreen = new CStoreScreen;
    gStoreView = gStoreScreen;
    if (!gGalaxyMapScreen)
        gGalaxyMapScreen = new CGalaxyMapScreen;
    if (!gQuestLogScreen)
        gQuestLogScreen = new CQuestLogScreen;
    if (!gMissionBoardScreen)
        gMissionBoardScreen = new CMissionBoardScreen;
}

namespace {
// The heap objects are made before the entry point runs, after the static ones above.
[[maybe_unused]] const bool gStartupObjectsBuilt = (BuildStartupObjects(), true);
}  // namespace
