// The station screen as the world sees it: a docking prepares it for the station and makes it
// current, and a conversation armed at the station is shown on it. The station screen implements
// it; gStationView is null until that screen exists, and a docking then opens nothing.
#pragma once

#include "ui/screen.h"

class CStationView : public CScreen {
public:
    // Sets the page up for the docked station's mesh (1055 is a station without services).
    virtual void OpenForStation(int stationMeshId) = 0;
    // Opens the hail panel with the first feed of the quest step's conversation; a step without
    // lines opens nothing.
    virtual void Hail(int questStepId, const char* affiliate) = 0;
};

extern CStationView* gStationView;
