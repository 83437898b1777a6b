// The device factory: every device of the shipped content builds the class its type names,
// and ids it cannot build give null.
#include <map>
#include <memory>
#include <set>

#include "db/game_database.h"
#include "db/table_reader.h"
#include "ship_fixture.h"
#include "ships/weapon_records.h"

namespace {

class DeviceFactoryTest : public ShipTest {
protected:
    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        std::string error;
        auto result = db::ReadQuery((folder.Path() / "config" / "varnok.dat").string(), sql, &error);
        EXPECT_TRUE(result) << error;
        return result ? result->rows : std::vector<std::vector<std::string>>{};
    }
};

TEST_F(DeviceFactoryTest, EveryShippedDeviceBuildsItsClassWithItsOwnRow)
{
    const std::map<std::string, int> deviceTypes = {
        {"weapon", 0}, {"shield", 1}, {"armor", 3}, {"engine", 4}, {"quest", 5}};
    const std::map<std::string, int> weaponTypes = {{"beam", 1},    {"projectile", 2}, {"shockwave", 3},
                                                    {"cloak", 4},   {"charge", 5},     {"mine", 6},
                                                    {"phantom", 7}, {"portal", 8},     {"health", 9}};
    std::set<std::string> typesSeen;
    const auto rows = Rows(
        "select d.device_id, d.device_type, d.device_name, coalesce(w.weapon_type, '') "
        "from device_main d left join v_weapon_type w on w.device_id = d.device_id");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        const int id = std::stoi(row[0]);
        std::unique_ptr<CDeviceInfo> device(gGameDatabase.CreateDevice(id));
        ASSERT_NE(device, nullptr) << "device " << id;
        EXPECT_EQ(device->mDeviceId, id);
        EXPECT_EQ(device->mDeviceType, deviceTypes.at(row[1])) << id;
        EXPECT_STREQ(device->mName, row[2].c_str()) << id;
        typesSeen.insert(row[3].empty() ? row[1] : row[3]);
        switch (device->mDeviceType) {
        case 0: {
            auto* weapon = dynamic_cast<CWeaponInfo*>(device.get());
            ASSERT_NE(weapon, nullptr) << id;
            EXPECT_EQ(weapon->mWeaponType, weaponTypes.at(row[3])) << id;
            break;
        }
        case 1:
            EXPECT_GT(dynamic_cast<CShield&>(*device).mMaxPoints, 0) << id;
            break;
        case 3:
            EXPECT_GT(dynamic_cast<CArmor&>(*device).mMaxPoints, 0) << id;
            break;
        case 4:
            EXPECT_GT(dynamic_cast<CEngine&>(*device).mMaxFuel, 0) << id;
            break;
        default:
            EXPECT_NE(dynamic_cast<CGenericDevice*>(device.get()), nullptr) << id;
        }
    }
    for (const auto& [type, value] : deviceTypes) {
        if (type != "weapon") {
            EXPECT_TRUE(typesSeen.count(type)) << "no " << type << " device ships";
        }
    }
    for (const auto& [type, value] : weaponTypes)
        EXPECT_TRUE(typesSeen.count(type)) << "no " << type << " weapon ships";
    EXPECT_FALSE(os::QuitPosted()) << "a device's own row was missing";
}

TEST_F(DeviceFactoryTest, IdsWithoutABuildableClassGiveNull)
{
    Content(
        "INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, "
        "credit_value, display_mesh_id, ailment_id, for_sale) VALUES "
        "(900, 'Blank', '', 'none', 'weapon', 1, 20, 0, 'false'), "
        "(901, 'Oddity', '', 'none', 'gizmo', 1, 20, 0, 'false');");
    for (int id : {0, 900, 901, 123456})
        EXPECT_EQ(gGameDatabase.CreateDevice(id), nullptr) << id;
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DeviceFactoryTest, RecordsTakeTheValuesTheirRowsLeaveOpen)
{
    Content(
        "UPDATE charge_weapon SET delay = 0 WHERE device_id = 16;"
        "UPDATE beam_weapon SET precision = 3.9 WHERE device_id = 10;");
    std::unique_ptr<CDeviceInfo> charge(gGameDatabase.CreateDevice(16));
    EXPECT_EQ(dynamic_cast<CChargeWeapon&>(*charge).mPeriod, 100);
    EXPECT_EQ(dynamic_cast<CChargeWeapon&>(*charge).mDelay, 500);
    std::unique_ptr<CDeviceInfo> beam(gGameDatabase.CreateDevice(10));
    EXPECT_EQ(dynamic_cast<CBeamWeapon&>(*beam).mPrecision, 3);
    EXPECT_EQ(dynamic_cast<CBeamWeapon&>(*beam).mChainWeapons, std::vector<int>{13});
    std::unique_ptr<CDeviceInfo> health(gGameDatabase.CreateDevice(22));
    EXPECT_FLOAT_EQ(dynamic_cast<CHealthWeapon&>(*health).mHealFraction, 0.3f);
}

}  // namespace

namespace {

TEST_F(DeviceFactoryTest, EveryShippedComputerShipCarriesDevicesOfTheRightKind)
{
    const auto rows = Rows(
        "select engine_device_id, armor_device_id, shield_device_id from lead_ship_ai "
        "union all select engine_device_id, armor_device_id, shield_device_id from ship_ai");
    ASSERT_FALSE(rows.empty());
    int shielded = 0;
    for (const auto& row : rows) {
        const int slots[3][2] = {{std::stoi(row[0]), 4}, {std::stoi(row[1]), 3}, {std::stoi(row[2]), 1}};
        for (const auto& [id, type] : slots) {
            if (id == 0)
                continue;
            std::unique_ptr<CDeviceInfo> device(gGameDatabase.CreateDevice(id));
            ASSERT_NE(device, nullptr) << id;
            EXPECT_EQ(device->mDeviceType, type) << id;
        }
        shielded += std::stoi(row[0]) != 0 && std::stoi(row[1]) != 0 && std::stoi(row[2]) != 0 ? 1 : 0;
    }
    EXPECT_GT(shielded, 0) << "some computer ship flies with an engine, armor and a shield";
}

}  // namespace
