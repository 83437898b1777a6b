// The game's own screens on the headless shell, with the world's test objects at hand and a way to
// make a pilot flying in the first system.
#pragma once

#include "db/game_database.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "world/world_fixture.h"

class GameScreensTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        // The game's own screens, not the recording stand-ins.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
        current.emplace(gCurrentScreen, gCurrentScreen);
    }
    void TearDown() override
    {
        current.reset();
        WorldTest::TearDown();
    }

    // A saved pilot of the first offered hull, in flight over the first system.
    CPlayerShip& FlyNewPilot()
    {
        RowList<CreateShipRow> rows;
        const CreateShipRow hull = *gGameDatabase.GetCreateShips(rows).front();
        ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Test Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                          hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 2, 2, 2,
                                          2, 2, 0xFFFFFFFFu, hull.affiliate));
        gPlayerShip->Save();
        gFlightScreen->SetSystemBackdrop(1);
        gCurrentScreen = gFlightScreen;
        gFlightScreen->Enter();
        return *gPlayerShip;
    }

    std::optional<ScopedGlobal<CScreen*>> current;
};
