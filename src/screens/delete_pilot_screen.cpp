// The delete-pilot list.
#include "screens/delete_pilot_screen.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ships/player_ship.h"

namespace {
constexpr PilotListLayout kLayout = {CDeletePilotScreen::kScreenId,
                                     CDeletePilotScreen::kFirstButton,
                                     260,
                                     270,
                                     54,
                                     CDeletePilotScreen::kBackButton,
                                     7,
                                     610,
                                     259};
}  // namespace

CDeletePilotScreen::CDeletePilotScreen() : CPilotListScreen(kLayout)
{
}

void CDeletePilotScreen::OnPilotPicked(const PilotRow& pilot)
{
    gGameDatabase.DeletePlayer(pilot.player_id);
    // A deleted pilot that is flying is not saved back at shutdown; its world goes with it.
    if (gPlayerShip && gPlayerShip->mPlayerId == pilot.player_id) {
        gResourceManager->DeleteWorldObjects();
        ReplacePlayerShip(nullptr);
    }
    BuildList();
}
