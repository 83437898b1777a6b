// CLoadPilotScreen: picks a saved pilot and flies it from its current system.
#pragma once

#include "screens/pilot_list_screen.h"

class CLoadPilotScreen : public CPilotListScreen {
public:
    static constexpr int kScreenId = 4;
    static constexpr int kFirstButton = 200;
    static constexpr int kBackButton = 228;

    CLoadPilotScreen();

protected:
    void OnPilotPicked(const PilotRow& pilot) override;
};

extern CLoadPilotScreen* gLoadPilotScreen;

// Whether the pilot has a saved row whose hull has a ship row; a hull without one is said in one
// line on stderr.
bool SavedPilotCanFly(int playerId);
// Replaces the player ship with the saved pilot and flies it in its current system; false, with
// nothing changed, when the pilot has no saved row or its hull has no ship row (one line on stderr).
bool FlySavedPilot(int playerId);
