// The load-pilot list and the way a saved pilot takes off, shared with the main menu's Continue.
#include "screens/load_pilot_screen.h"

#include <cstdio>

#include "core/camera.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"

namespace {
constexpr PilotListLayout kLayout = {
    CLoadPilotScreen::kScreenId, CLoadPilotScreen::kFirstButton, 210, 220, 4, CLoadPilotScreen::kBackButton, 8, 0, 0};
constexpr float kTakeOffHeight = -90.0f;
constexpr float kSettledHeight = -70.0f;
}  // namespace

bool SavedPilotCanFly(int playerId)
{
    const PlayerRecord* saved = gGameDatabase.GetPlayer(playerId);
    if (!saved)
        return false;
    // A hull the content no longer has can be neither flown nor drawn; the save stays as it is.
    if (!gGameDatabase.GetShip(saved->ship_id)) {
        std::fprintf(stderr, "varnok: pilot %d (%s) cannot fly: its hull %d has no ship row\n", playerId,
                     saved->character_name, saved->ship_id);
        return false;
    }
    return true;
}

bool FlySavedPilot(int playerId)
{
    if (!SavedPilotCanFly(playerId))
        return false;
    // The world goes first, so that nothing in it still points at the ship being replaced.
    gResourceManager->DeleteWorldObjects();
    gResourceManager->ClosePortal();
    ReplacePlayerShip(nullptr);
    ReplacePlayerShip(new CPlayerShip(playerId));
    std::set<int32_t> visited;
    gGameDatabase.LoadVisitedSystems(playerId, visited);
    gPlayerShip->mVisitedSystems.insert(visited.begin(), visited.end());
    gFlightScreen->SetSystemBackdrop(gPlayerShip->mSystemId);
    gCamera.SetEye(gPlayerShip->mPosition.x, gPlayerShip->mPosition.y, kTakeOffHeight);
    gCamera.SetZoom(kSettledHeight);
    gCurrentScreen = gFlightScreen;
    return true;
}

CLoadPilotScreen::CLoadPilotScreen() : CPilotListScreen(kLayout)
{
}

void CLoadPilotScreen::OnPilotPicked(const PilotRow& pilot)
{
    FlySavedPilot(pilot.player_id);
}
