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
#include "ships/engine.h"
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "screens/quest_log_screen.h"
#include "ships/player_ship.h"
#include "world/world_object.h"

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

// The ship-and-crew page of a flying pilot with a skill point to spend and a spare engine in the
// hold, opened from flight.
inline CScreen* OpenCrewPage()
{
    FlyNewPilot();
    gPlayerShip->mLevelUps = 1;
    gPlayerShip->AddCarriedDevice(new CEngine(2));
    gShipStatusScreen->SetReturnScreen(gFlightScreen);
    return gShipStatusScreen;
}

// A new pilot back from mining and a fight, docked at the first system's station: the hull is
// damaged, the tank low and the hold full.
inline CScreen* DockNewPilot()
{
    FlyNewPilot();
    gPlayerShip->mHitPoints -= 30;
    gPlayerShip->mEngine->mFuel = gPlayerShip->mEngine->mMaxFuel / 3;
    gPlayerShip->mCompounds[0] = 12;
    gPlayerShip->mCompounds[2] = 4;
    CWorldObject* station = gResourceManager->FindObject(1001);
    gPlayerShip->mPosition = station->mPosition;
    station->Interact(gPlayerShip);
    return gStationScreen;
}

inline const ScreenCase kScreens[] = {
    {"main_menu", [] { return static_cast<CScreen*>(gMainMenuScreen); }},
    // In flight over the first system, as a pilot arrives there.
    {"flight",
     [] {
         gFlightScreen->SetSystemBackdrop(1);
         return static_cast<CScreen*>(gFlightScreen);
     }},
    // A pilot in flight with the station targeted and the options panel opened by Esc, then a posted
    // line and a hail over the target panel. The only case with a living pilot in flight: the radar
    // blip's pulse is shared by every ship of a run.
    {"flight_options",
     [] {
         CScreen* screen = FlyNewPilot();
         gFlightScreen->Enter();
         gFlightScreen->SetTarget(gResourceManager->FindObject(1001));
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
    // With the help of the lowest skill, Science, beside the hull on show.
    {"new_pilot",
     [] {
         gNewPilotScreen->SetPilotName("Dump Pilot");
         gNewPilotScreen->Enter();
         gNewPilotScreen->OnMouseMove(250, 322);
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
    {"ship_crew", OpenCrewPage},
    // The help box of the navigation button over the page.
    {"ship_crew_help",
     [] {
         CScreen* screen = OpenCrewPage();
         gShipStatusScreen->Enter();
         gShipStatusScreen->OnMouseMove(210, 190);
         return screen;
     }},
    // A weapon's description opens over the turning model, which stays beneath its text.
    {"ship_crew_panel",
     [] {
         CScreen* screen = OpenCrewPage();
         gShipStatusScreen->Enter();
         gShipStatusScreen->OnMouseMove(445, 330);
         return screen;
     }},
    // The shipyard as a docked pilot with credits to spend opens it.
    {"ship_upgrade",
     [] {
         FlyNewPilot();
         gPlayerShip->mCredits = 5000;
         gShipUpgradeScreen->SetReturnScreen(gFlightScreen);
         return static_cast<CScreen*>(gShipUpgradeScreen);
     }},
    {"station", [] { return DockNewPilot(); }},
    // The store with the shield described: a hull the stores sell nothing for keeps the stock
    // (which is drawn at random) empty, so the page is the same at every run.
    {"store_panel",
     [] {
         DockNewPilot();
         CopyBounded(gPlayerShip->mAlignment, sizeof gPlayerShip->mAlignment, "drifter");
         gPlayerShip->UnequipEngine();
         gStoreScreen->Enter();
         gStoreScreen->Rebuild();
         gStoreScreen->OnMouseMove(30, 90);
         return static_cast<CScreen*>(gStoreScreen);
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
