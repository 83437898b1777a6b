// The load-pilot list and the way a saved pilot takes off, shared with the main menu's Continue.
#include "screens/load_pilot_screen.h"

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

bool FlySavedPilot(int playerId)
{
    if (!gGameDatabase.GetPlayer(playerId))
        return false;
    // The world goes first, so that nothing in it still points at the ship being replaced.
    gResourceManager->DeleteWorldObjects();
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
