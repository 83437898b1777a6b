// CDeletePilotScreen: retires a saved pilot; the list is rebuilt at once.
#pragma once

#include "screens/pilot_list_screen.h"

class CDeletePilotScreen : public CPilotListScreen {
public:
    static constexpr int kScreenId = 5;
    static constexpr int kFirstButton = 250;
    static constexpr int kBackButton = 1210;

    CDeletePilotScreen();

protected:
    void OnPilotPicked(const PilotRow& pilot) override;
};

extern CDeletePilotScreen* gDeletePilotScreen;
