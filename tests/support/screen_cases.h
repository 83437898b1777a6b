// The game's screens as the screen tests enter them: each case names a screen and sets up what it
// shows, on the game's own screen objects made by the start-up.
#pragma once

#include <ostream>

#include "core/keys.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
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
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "screens/quest_log_screen.h"
#include "ships/player_ship.h"

struct ScreenCase {
    const char* name;
    // The game's own screen object, made by the start-up, with what it shows set up.
    CScreen* (*screen)();
};

inline void PrintTo(const ScreenCase& screenCase, std::ostream* out)
{
    *out << screenCase.name;
}

// A pilot of the first offered hull, flying in its starting system.
inline CScreen* FlyNewPilot()
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

inline const ScreenCase kScreens[] = {
    {"main_menu", [] { return static_cast<CScreen*>(gMainMenuScreen); }},
    // In flight over the first system, as a pilot arrives there.
    {"flight",
     [] {
         gFlightScreen->SetSystemBackdrop(1);
         return static_cast<CScreen*>(gFlightScreen);
     }},
    // A pilot in flight with the options panel opened by Esc, then a posted line and a hail. The
    // only case with a living pilot in flight: the radar blip's pulse is shared by every ship of a run.
    {"flight_options",
     [] {
         CScreen* screen = FlyNewPilot();
         gFlightScreen->Enter();
         gFlightScreen->OnKeyDown(kKeyEscape);
         gFlightScreen->PostMessage("Welcome aboard.");
         const char* lines[] = {"Greetings, pilot.", "Fly safe."};
         gFlightScreen->Hail(lines, 2, "miner");
         return screen;
     }},
    // The death panel: the ship has just been destroyed.
    {"flight_dead",
     [] {
         CScreen* screen = FlyNewPilot();
         gPlayerShip->mActive = 0;
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
    // A new pilot past the first hail of Varn's first job, the head of a chain, opens the log.
    {"quest_log",
     [] {
         FlyNewPilot();
         gPlayerShip->AcceptQuest(1);
         gPlayerShip->mActiveQuests.at(1)->Step(0)->mStatus = 1;
         gPlayerShip->mActiveQuests.at(1)->mCurrentStep = 1;
         gQuestLogScreen->SetReturnScreen(gFlightScreen);
         return static_cast<CScreen*>(gQuestLogScreen);
     }},
    // A new pilot at the board of Varn's station: the first offer.
    {"mission_board",
     [] {
         FlyNewPilot();
         gMissionBoardScreen->SetReturnScreen(gFlightScreen);
         return static_cast<CScreen*>(gMissionBoardScreen);
     }},
    // A new pilot opens the map from Varn, with the links from there, and the seed escort taken,
    // whose first step waits in Verdance.
    {"galaxy_map",
     [] {
         FlyNewPilot();
         gPlayerShip->AcceptQuest(4);
         gGalaxyMapScreen->SetReturnScreen(gFlightScreen);
         return static_cast<CScreen*>(gGalaxyMapScreen);
     }},
    // The host list of the shipped rows and one added address, with a half-typed address.
    {"network",
     [] {
         gNetworkScreen->SetEntered(false);
         gNetworkScreen->Enter();
         gNetworkScreen->AddHost("10.0.0.7");
         for (int key : {2, 3, 52, 4})
             gNetworkScreen->OnKeyDown(key);
         return static_cast<CScreen*>(gNetworkScreen);
     }},
    // Two players who have said hello, with a line being typed.
    {"lobby",
     [] {
         gNetworkManager.mPlayerNames = {"Player 4711", "Player 90210"};
         gNetworkManager.mChatLines = {"hello from the host", "hello back, ready when you are"};
         gLobbyScreen->SetEntered(false);
         gLobbyScreen->Enter();
         for (int key : {35, 18, 38, 38, 24})
             gLobbyScreen->OnKeyDown(key);
         gNetworkManager.mPlayerNames.clear();
         gNetworkManager.mChatLines.clear();
         return static_cast<CScreen*>(gLobbyScreen);
     }},
    // Traffic Control's call at the salvage beacon, the first page, with Varn Prime behind.
    {"conversation",
     [] {
         FlyNewPilot();
         gConversationScreen->SetUpCamera(gResourceManager->FindObject(1002));
         gConversationScreen->Start(13, "enlar");
         return static_cast<CScreen*>(gConversationScreen);
     }},
};
