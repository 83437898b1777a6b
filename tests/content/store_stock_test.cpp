// The shipped stock: what the stores offer pilots of every hull as they gain levels.
#include <map>
#include <set>
#include <string>

#include "db/game_database.h"
#include "db/game_enums.h"
#include "support/headless_game.h"

namespace {

class StoreStockTest : public HeadlessGame {
protected:
    // The devices a store may offer a pilot of the alignment, level and ship size with every skill
    // at `skill`, as the store asks.
    // Device id -> credit value.
    std::map<int, int> Offered(const char* alignment, int level, float size, int skill, int deviceType)
    {
        RowList<DeviceForSaleRow> rows;
        std::map<int, int> ids;
        for (const DeviceForSaleRow* row : gGameDatabase.GetDevicesForSale(
                 rows, alignment, level + 1, 101, size + 2.0f, skill + 5, skill + 5, skill + 5, skill + 5, skill + 5)) {
            if (row->device_type == deviceType)
                ids[row->device_id] = row->credit_value;
        }
        return ids;
    }
    bool CanEquip(int deviceId, const char* alignment, int level, float size, int skill)
    {
        DeviceCriteriaValues pilot;
        pilot.alignment = alignment;
        pilot.level = level;
        pilot.ship_size = size;
        pilot.com_level = pilot.eng_level = pilot.nav_level = pilot.sci_level = pilot.tac_level = skill;
        const CountRecord* met = gGameDatabase.CountDeviceCriteriaMet(deviceId, pilot);
        return met && met->count > 0;
    }
};

// A new pilot of every hull finds a weapon it can fit that it did not start with and that a few
// holds of ore pay for; and every few levels the stores offer a weapon it could not fit before.
TEST_F(StoreStockTest, EveryHullFindsABetterWeaponWithinReachAndMoreAsItGrows)
{
    RowList<CreateShipRow> hulls;
    for (const CreateShipRow* hull : gGameDatabase.GetCreateShips(hulls)) {
        const ShipRecord ship = *gGameDatabase.GetShip(hull->ship_id);
        bool affordable = false;
        for (const auto& [id, credits] : Offered(ship.alignment, 1, ship.size, 1, kDeviceWeapon)) {
            affordable = affordable || (id != hull->weapon_id_1 && id != hull->weapon_id_2 && credits <= 1000 &&
                                        CanEquip(id, ship.alignment, 1, ship.size, 1));
        }
        EXPECT_TRUE(affordable) << ship.ship_type;

        std::set<int> fitted;
        for (int level = 1; level <= 10; level += 3) {
            const int skill = level / 2 + 1;
            std::set<int> fits;
            for (const auto& [id, credits] : Offered(ship.alignment, level, ship.size + 2.0f, skill, kDeviceWeapon)) {
                if (CanEquip(id, ship.alignment, level + 1, ship.size + 2.0f, skill + 1))
                    fits.insert(id);
            }
            bool fresh = false;
            for (int id : fits)
                fresh = fresh || !fitted.count(id);
            EXPECT_TRUE(fresh) << ship.ship_type << " at level " << level;
            fitted.insert(fits.begin(), fits.end());
        }
    }
}

}  // namespace
