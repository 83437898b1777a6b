// Device, weapon, ailment, particle, hull and computer-ship queries.
#include "db/game_database.h"

#include <cstdlib>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "db/db_fixture.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"

namespace {

using DbShips = DbFixture;

TEST_F(DbShips, EveryQueryRunsAgainstTheSchema)
{
    RowList<DeviceParticleRow> particles;
    RowList<ChainWeaponRow> chains;
    RowList<DeviceForSaleRow> sale;
    RowList<DeviceDescriptionRow> lines;
    RowList<CreateShipRow> create;
    RowList<UpgradeShipRow> upgrade;
    RowList<ShipDescriptionRow> shipLines;
    RowList<LeadShipMessageRow> messages;
    RowList<TaskIdRow> tasks;
    mDb.GetDeviceMain(1);
    mDb.GetDeviceType(1);
    mDb.GetWeaponType(1);
    mDb.GetDevice(1);
    mDb.GetShield(1);
    mDb.GetEngine(1);
    mDb.GetArmor(1);
    mDb.GetBeamWeapon(1);
    mDb.GetProjectileWeapon(1);
    mDb.GetShockwaveWeapon(1);
    mDb.GetMineWeapon(1);
    mDb.GetPhantomWeapon(1);
    mDb.GetChargeWeapon(1);
    mDb.GetCloakWeapon(1);
    mDb.GetHealthWeapon(1);
    mDb.GetPortalWeapon(1);
    mDb.GetAilment(1);
    mDb.GetParticleEffect(1);
    mDb.GetDeviceParticles(particles, 1);
    mDb.GetChainWeapons(chains, 1);
    mDb.CountDeviceCriteriaMet(1, DeviceCriteriaValues{});
    mDb.GetDeviceCriteria(1, "lawful");
    mDb.GetDevicesForSale(sale, "lawful", 1, 1, 1.5f, 1, 1, 1, 1, 1);
    mDb.GetDeviceDescription(lines, 1);
    mDb.GetShip(1);
    mDb.GetCreateShips(create);
    mDb.GetUpgradeShips(upgrade, "lawful", 2);
    mDb.GetShipDescription(shipLines, 1);
    mDb.GetShipAI(1);
    mDb.GetLeadShipAI(1);
    mDb.GetLeadShipMessages(messages, 1);
    mDb.GetTask(1);
    mDb.GetTaskIds(tasks, 1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbShips, DeviceAndWeaponTypes)
{
    Content(
        "insert into device_main (device_id, device_type) values (1, 'weapon'), (2, 'quest'), (3, 'gizmo'),"
        "(4, 'armor');"
        "insert into cloak_weapon (cloak_weapon_id, device_id) values (1, 1);");
    EXPECT_EQ(mDb.GetDeviceType(1)->device_type, kDeviceWeapon);
    EXPECT_EQ(mDb.GetWeaponType(1)->weapon_type, kWeaponCloak);
    EXPECT_EQ(mDb.GetDeviceType(2)->device_type, kDeviceQuest);
    EXPECT_EQ(mDb.GetDeviceType(3)->device_type, kDeviceUnknown);
    EXPECT_EQ(mDb.GetDeviceType(4)->device_type, kDeviceArmor);
    // A device without a weapon row has no weapon type, not the previous device's.
    EXPECT_EQ(mDb.GetWeaponType(2), nullptr);
}

TEST_F(DbShips, ProjectileReadsEveryColumnInPlace)
{
    Content(
        "insert into device_main values (7, 'Dart', 'd', 'photon', 'weapon', 300, 31, 32, 'true');"
        "insert into projectile_weapon values (70, 7, 1, 2, 3, 4.5, 5, 6.5, 7.5, 8.5, 9.5, 'true', 10, 11, "
        "12, 13, 14.5, 15, 16, 17.5, 18, 'ff00ff00', 19);");
    ProjectileWeaponRecord* p = mDb.GetProjectileWeapon(7);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->projectile_weapon_id, 70);
    EXPECT_EQ(p->delay, 1);
    EXPECT_EQ(p->min_damage, 2);
    EXPECT_EQ(p->variable_damage, 3);
    EXPECT_FLOAT_EQ(p->range, 4.5f);
    EXPECT_EQ(p->precision, 5);
    EXPECT_FLOAT_EQ(p->acceleration, 6.5f);
    EXPECT_FLOAT_EQ(p->max_velocity, 7.5f);
    EXPECT_FLOAT_EQ(p->spin_rate, 8.5f);
    EXPECT_FLOAT_EQ(p->growth_rate, 9.5f);
    EXPECT_TRUE(p->guided);
    EXPECT_EQ(p->ailment_id, 32);
    EXPECT_EQ(p->max_ammo, 10);
    EXPECT_EQ(p->energy_req, 11);
    EXPECT_EQ(p->sprite_id, 12);
    EXPECT_EQ(p->solid_mesh_id, 13);
    EXPECT_FLOAT_EQ(p->size, 14.5f);
    EXPECT_EQ(p->launch_sound_id, 15);
    EXPECT_EQ(p->detonate_sound_id, 16);
    EXPECT_FLOAT_EQ(p->blurr_dist, 17.5f);
    EXPECT_EQ(p->blurr_repeat, 18);
    EXPECT_EQ(p->color_mod, 0xff00ff00u);
    EXPECT_STREQ(p->device_name, "Dart");
    EXPECT_EQ(p->device_mod, kDamagePhoton);
    EXPECT_EQ(p->credit_value, 300);
    EXPECT_EQ(p->display_mesh_id, 31);
    EXPECT_EQ(p->particle_id, 19);
}

TEST_F(DbShips, CriteriaCountEveryRowThePilotMeets)
{
    Content(
        "insert into device_criteria values (1, 'lawful', 1, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria values (2, 'lawful', 3, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria values (3, 'evil', 1, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria values (4, 'lawful', 9, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria_xref values (1, 5), (2, 5), (3, 6), (4, 5);");
    DeviceCriteriaValues pilot;
    pilot.alignment = "lawful";
    pilot.level = 3;
    pilot.ship_size = 2.5f;
    EXPECT_EQ(mDb.CountDeviceCriteriaMet(5, pilot)->count, 2);
    EXPECT_EQ(mDb.CountDeviceCriteriaMet(6, pilot)->count, 0);
    pilot.alignment = "it's";
    EXPECT_EQ(mDb.CountDeviceCriteriaMet(5, pilot)->count, 0);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbShips, DevicesForSaleMeetTheirCriteria)
{
    Content(
        "insert into device_main (device_id, device_name, device_type, for_sale) values "
        "(1, 'Lance', 'weapon', 'true'), (2, 'Hidden', 'weapon', 'false'), (3, 'Plate', 'armor', 'true');"
        "insert into device_criteria values (1, 'lawful', 1, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria values (2, 'lawful', 50, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria_xref values (1, 1), (1, 2), (2, 3);");
    RowList<DeviceForSaleRow> sale;
    mDb.GetDevicesForSale(sale, "lawful", 2, 100, 4.0f, 5, 5, 5, 5, 5);
    ASSERT_EQ(sale.size(), 1u);
    EXPECT_STREQ(sale.front()->device_name, "Lance");
    EXPECT_EQ(sale.front()->device_type, kDeviceWeapon);
}

// The stock's shuffle follows the game's dice, so a seeded game replays its visits.
TEST_F(DbShips, DevicesForSaleAreShuffledByTheGamesDice)
{
    Content(
        "insert into device_main (device_id, device_name, device_type, for_sale) values "
        "(1, 'a', 'weapon', 'true'), (2, 'b', 'weapon', 'true'), (3, 'c', 'weapon', 'true'),"
        "(4, 'd', 'weapon', 'true'), (5, 'e', 'weapon', 'true'), (6, 'f', 'weapon', 'true');"
        "insert into device_criteria values (1, 'lawful', 1, 0, 2.0, 0, 0, 0, 0, 0);"
        "insert into device_criteria_xref values (1, 1), (1, 2), (1, 3), (1, 4), (1, 5), (1, 6);");
    auto order = [this](unsigned seed) {
        std::srand(seed);
        RowList<DeviceForSaleRow> sale;
        std::string names;
        for (const DeviceForSaleRow* row : mDb.GetDevicesForSale(sale, "lawful", 2, 100, 4.0f, 5, 5, 5, 5, 5))
            names += row->device_name;
        return names;
    };
    const std::string first = order(7);
    EXPECT_EQ(first.size(), 6u);
    EXPECT_EQ(order(7), first);
    std::set<std::string> orders;
    for (unsigned seed = 1; seed <= 8; ++seed)
        orders.insert(order(seed));
    EXPECT_GT(orders.size(), 1u);
}

TEST_F(DbShips, CreateShipsSkipIdZeroAndComeHighestFirst)
{
    Content(
        "insert into create_ship values (0, 1, 1, 1, 1, 1, 'lawful'), (2, 1, 1, 1, 1, 1, 'lawful'),"
        "(5, 7, 8, 9, 10, 11, 'unlawful');");
    RowList<CreateShipRow> ships;
    mDb.GetCreateShips(ships);
    ASSERT_EQ(ships.size(), 2u);
    EXPECT_EQ(ships.front()->ship_id, 5);
    EXPECT_EQ(ships.front()->weapon_id_2, 8);
    EXPECT_EQ(ships.front()->armor_device_id, 11);
    EXPECT_EQ(ships.front()->affiliate, kAlignmentUnlawful);
    EXPECT_EQ(ships.back()->ship_id, 2);
}

TEST_F(DbShips, UpgradeShipsAreLargerHullsOfTheAlignmentBestFirst)
{
    Content(
        "insert into ship (ship_id, size, alignment, ship_level, ship_type) values "
        "(1, 2.0, 'lawful', 1, 'Skiff'), (2, 3.5, 'lawful', 2, 'Cutter'), (3, 4.0, 'lawful', 5, 'Frigate'),"
        "(4, 5.0, 'evil', 9, 'Raider');"
        "insert into upgrade_ship values (1, 'lawful'), (2, 'lawful'), (3, 'lawful'), (4, 'evil');");
    RowList<UpgradeShipRow> ships;
    mDb.GetUpgradeShips(ships, "lawful", 2);
    ASSERT_EQ(ships.size(), 2u);
    EXPECT_STREQ(ships.front()->ship_type, "Frigate");
    EXPECT_STREQ(ships.back()->ship_type, "Cutter");
    EXPECT_STREQ(ships.back()->alignment, "lawful");
}

TEST_F(DbShips, LeadShipReadsEveryColumnInPlace)
{
    Content(
        "insert into object values (6000, 3, 0, 'Raider', 'lead', 10, 20, 0, 0, 0, 30, 'evil');"
        "insert into ship values (8, 0, 500, 40, 41, 'Corsair', 6.5, 0, 'pirate', 7, 52);"
        "insert into lead_ship_ai values (60, 6000, 'true', 8, 1, 2, 3, 4, 5, 6, 7, 9, 11, 'rare', "
        "100.5, 200.5, 300.5, 400.5, 12, 'a0ffffff', 500.5, 13);");
    LeadShipAIRecord* a = mDb.GetLeadShipAI(6000);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->lead_ship_ai_id, 60);
    EXPECT_TRUE(a->invulnerable);
    EXPECT_EQ(a->ship_id, 8);
    EXPECT_EQ(a->range_weapon_device_id, 1);
    EXPECT_EQ(a->melee_weapon_device_id, 2);
    EXPECT_EQ(a->stealth_weapon_device_id, 3);
    EXPECT_EQ(a->bonus_weapon_device_id, 4);
    EXPECT_EQ(a->mining_weapon_device_id, 5);
    EXPECT_EQ(a->engine_device_id, 6);
    EXPECT_EQ(a->armor_device_id, 7);
    EXPECT_EQ(a->shield_device_id, 9);
    EXPECT_EQ(a->compound_amount, 11);
    EXPECT_EQ(a->compound_type, kCompoundRare);
    EXPECT_FLOAT_EQ(a->max_attack_distance_sq, 100.5f);
    EXPECT_FLOAT_EQ(a->fall_back_distance_sq, 200.5f);
    EXPECT_FLOAT_EQ(a->charge_distance_sq, 300.5f);
    EXPECT_FLOAT_EQ(a->flee_distance_sq, 400.5f);
    EXPECT_EQ(a->flee_hp, 12);
    EXPECT_EQ(a->affiliate, kAlignmentEvil);
    EXPECT_EQ(a->color_mod, 0xa0ffffffu);
    EXPECT_EQ(a->system_id, 3);
    EXPECT_STREQ(a->object_name, "Raider");
    EXPECT_EQ(a->object_type, kObjectTypeLead);
    EXPECT_FLOAT_EQ(a->x_pos, 10);
    EXPECT_FLOAT_EQ(a->y_pos, 20);
    EXPECT_EQ(a->max_hit_points, 500);
    EXPECT_EQ(a->experience_value, 40);
    EXPECT_EQ(a->mesh_id, 41);
    EXPECT_STREQ(a->ship_type, "Corsair");
    EXPECT_FLOAT_EQ(a->size, 6.5f);
    EXPECT_STREQ(a->alignment, "pirate");
    EXPECT_EQ(a->ship_level, 7);
    EXPECT_FLOAT_EQ(a->message_distance_sq, 500.5f);
    EXPECT_EQ(a->destruct_particle_id, 52);
    EXPECT_EQ(a->respawn_time, 30);
    EXPECT_EQ(a->drop_device_id, 13);
}

TEST_F(DbShips, WingmanReadsItsLeadAndOffset)
{
    Content(
        "insert into object values (6001, 3, 0, 'Wing', 'ai', 0, 0, 0, 0, 0, 15, 'evil');"
        "insert into ship (ship_id, ship_type, alignment) values (8, 'Corsair', 'pirate');"
        "insert into ship_ai values (61, 6001, 'false', 8, 60, 1, 2, 3, 4, 5, 6, 7, 9, 0, 'common', "
        "1, 2, 3, 4, 5, -12.5, 7.5, 'ffffffff');");
    ShipAIRecord* a = mDb.GetShipAI(6001);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->lead_ship_ai_id, 60);
    EXPECT_EQ(a->range_weapon_device_id, 1);
    EXPECT_FLOAT_EQ(a->x_rel, -12.5f);
    EXPECT_FLOAT_EQ(a->y_rel, 7.5f);
    EXPECT_EQ(a->affiliate, kAlignmentEvil);
    EXPECT_EQ(a->object_type, kObjectTypeAi);
    EXPECT_STREQ(a->alignment, "pirate");
    EXPECT_EQ(a->respawn_time, 15);
}

}  // namespace
