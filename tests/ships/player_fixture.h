// A new pilot of a shipped hull, flying as the player in the first system of the shipped content.
#pragma once

#include <memory>

#include "core/frame_clock.h"
#include "ship_fixture.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"

// Shipped weapons.
constexpr int kPulseLaser = 10;
constexpr int kPlasmaBolt = 11;
constexpr int kShadowVeil = 15;
constexpr int kOverdrive = 18;

class PlayerShipTest : public ShipTest {
protected:
    void SetUp() override
    {
        ShipTest::SetUp();
        gFrameScale = 1.0f;
        gFrameTimeMs = 100;
        MakePilot(1, "Test Pilot");
    }
    void TearDown() override
    {
        ReplacePlayerShip(nullptr);
        player = nullptr;
        ShipTest::TearDown();
    }
    // A pilot of the hull's create_ship row with every skill at `skill`, made the player.
    CPlayerShip& MakePilot(int shipId, const char* name, int skill = 1)
    {
        RowList<CreateShipRow> rows;
        for (const CreateShipRow* row : gGameDatabase.GetCreateShips(rows)) {
            if (row->ship_id == shipId) {
                ReplacePlayerShip(new CPlayerShip(shipId, name, row->weapon_id_1, row->weapon_id_2,
                                                  row->engine_device_id, row->shield_device_id, row->armor_device_id,
                                                  skill, skill, skill, skill, skill, 0xFFFFFFFFu, row->affiliate));
                player = gPlayerShip;
            }
        }
        return *player;
    }
    CWeaponInfo* Weapon(int deviceId) { return rm->GetDeviceWeaponInfo(deviceId); }

    ScopedGlobal<float> frameScale{gFrameScale};
    ScopedGlobal<uint32_t> frameTime{gFrameTimeMs};
    CPlayerShip* player = nullptr;
};
