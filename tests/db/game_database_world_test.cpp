// Galaxy, solar system and placed-object queries.
#include "db/game_database.h"

#include <gtest/gtest.h>

#include "db/db_fixture.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"

namespace {

using DbWorld = DbFixture;

TEST_F(DbWorld, EveryQueryRunsAgainstTheSchema)
{
    RowList<ObjectIdRow> ids;
    RowList<ShipObjectIdRow> ships;
    RowList<GalaxySystemRow> systems;
    RowList<SystemLinkRow> links;
    mDb.GetSystem(1);
    mDb.GetGalaxySystems(systems, 1);
    mDb.GetSystemLinks(links, 1, {});
    for (auto query :
         {&CGameDatabase::GetResourceObjectIds, &CGameDatabase::GetFountainObjectIds,
          &CGameDatabase::GetVortexObjectIds, &CGameDatabase::GetPhantomObjectIds, &CGameDatabase::GetOutpostObjectIds,
          &CGameDatabase::GetMineObjectIds, &CGameDatabase::GetOrbitObjectIds, &CGameDatabase::GetScaffoldObjectIds,
          &CGameDatabase::GetNebulaObjectIds, &CGameDatabase::GetStationObjectIds, &CGameDatabase::GetPlanetObjectIds,
          &CGameDatabase::GetWormholeObjectIds, &CGameDatabase::GetGotoObjectIds, &CGameDatabase::GetDeviceObjectIds,
          &CGameDatabase::GetHealthObjectIds, &CGameDatabase::GetLeadShipAIIds, &CGameDatabase::GetShipAIIds})
        EXPECT_TRUE((mDb.*query)(ids, 1, 0).empty());
    mDb.GetEnemyShipIds(ships, 1, 0, kAlignmentLawful);
    mDb.GetFountainObject(1);
    mDb.GetVortexObject(1);
    mDb.GetPhantomObject(1);
    mDb.GetOutpostObject(1);
    mDb.GetMineObject(1);
    mDb.GetResourceObject(1);
    mDb.GetOrbitObject(1);
    mDb.GetScaffoldObject(1);
    mDb.GetNebulaObject(1);
    mDb.GetStation(1);
    mDb.GetPlanetObject(1);
    mDb.GetWormholeArrival(1, 2);
    mDb.GetWormholeObject(1);
    mDb.GetGotoObject(1);
    mDb.GetDeviceObject(1);
    mDb.GetHealthObject(1);
    EXPECT_FALSE(os::QuitPosted());
}

// Objects 1000-1002 in system 1: a wormhole to 3, a resource, and a quest step's resource.
class DbWorldRows : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        Content(
            "insert into system values (1, 1, 'Home', 'A quiet place', 800, 600, 100, 200, 'goth', 'true');"
            "insert into system values (3, 1, 'Ember', '', 500, 500, 300, 400, 'ignus', 'true');"
            "insert into system values (101, 1, 'Home', '', 800, 600, 100, 200, 'goth', 'false');"
            "insert into object values (1000, 1, 0, 'Gate', 'wormhole', 10, 20, 0, 0, 30, 0, 'neutral');"
            "insert into object values (1001, 1, 0, 'Rock', 'resource', 1, 2, 3, 77, 5, 6, 'neutral');"
            "insert into object values (1002, 1, 9, 'Ore', 'resource', 0, 0, 0, 0, 1, 0, 'neutral');"
            "insert into object values (1003, 3, 0, 'Back', 'wormhole', -40, 50, 0, 0, 30, 0, 'neutral');"
            "insert into wormhole_object values (1000, 1000, 3);"
            "insert into wormhole_object values (1003, 1003, 1);"
            "insert into resource_object values (1001, 1001, 'rare', 25, 8);"
            "insert into resource_object values (1002, 1002, 'common', 5, 8);");
    }
};

TEST_F(DbWorldRows, IdListsSeparateTheSystemFromItsQuestSteps)
{
    RowList<ObjectIdRow> ids;
    mDb.GetResourceObjectIds(ids, 1, 0);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids.front()->id, 1001);
    EXPECT_EQ(ids.front()->object_id, 1001);
    EXPECT_EQ(ids.front()->system_id, 1);
    mDb.GetResourceObjectIds(ids, 1, 9);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids.front()->object_id, 1002);
    EXPECT_TRUE(mDb.GetPlanetObjectIds(ids, 1, 0).empty());
}

TEST_F(DbWorldRows, SystemRecordAndGalaxyList)
{
    SystemRecord* s = mDb.GetSystem(1);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->system_name, "Home");
    EXPECT_STREQ(s->system_description, "A quiet place");
    EXPECT_FLOAT_EQ(s->x_dimension, 800);
    EXPECT_EQ(s->y_galaxy, 200);
    EXPECT_EQ(s->system_type, kFactionGoth);
    EXPECT_TRUE(s->visible);
    RowList<GalaxySystemRow> systems;
    mDb.GetGalaxySystems(systems, 1);
    ASSERT_EQ(systems.size(), 2u);
    EXPECT_FLOAT_EQ(systems.back()->x_galaxy, 300);
    EXPECT_FLOAT_EQ(systems.back()->y_galaxy, 400);
}

TEST_F(DbWorldRows, ResourceHitPointsAreNotRead)
{
    ResourceObjectRecord* r = mDb.GetResourceObject(1001);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->resource_type, kCompoundRare);
    EXPECT_EQ(r->resource_amount, 25);
    EXPECT_EQ(r->object_type, kObjectTypeResource);
    EXPECT_FLOAT_EQ(r->velocity, 3);
    EXPECT_EQ(r->hit_points, 0);
    EXPECT_FLOAT_EQ(r->size, 5);
    EXPECT_EQ(r->mesh_id, 8);
    EXPECT_EQ(r->respawn_time, 6);
}

TEST_F(DbWorldRows, AVariantSystemArrivesAtTheWormholeOfItsBase)
{
    WormholeArrivalRecord* arrival = mDb.GetWormholeArrival(101, 3);
    ASSERT_NE(arrival, nullptr);
    EXPECT_FLOAT_EQ(arrival->x_pos, -40);
    EXPECT_FLOAT_EQ(arrival->y_pos, 50);
    EXPECT_EQ(mDb.GetWormholeArrival(4, 3), nullptr);
}

TEST_F(DbWorldRows, LinksReadPositionsInSelectOrderAndVariantsCountAsTheirBase)
{
    RowList<SystemLinkRow> links;
    mDb.GetSystemLinks(links, 1, {101});
    ASSERT_EQ(links.size(), 2u);
    SystemLinkRow* out = links.front()->s1_system_id == 1 ? links.front() : links.back();
    EXPECT_EQ(out->s2_system_id, 3);
    EXPECT_STREQ(out->s1_system_name, "Home");
    EXPECT_STREQ(out->s2_system_name, "Ember");
    EXPECT_EQ(out->s1_x_galaxy, 100);
    EXPECT_EQ(out->s1_y_galaxy, 200);
    EXPECT_EQ(out->s2_x_galaxy, 300);
    EXPECT_EQ(out->s2_y_galaxy, 400);
    EXPECT_TRUE(mDb.GetSystemLinks(links, 1, {}).empty());
    std::vector<int32_t> many(2000, 57);
    many.push_back(3);
    EXPECT_EQ(mDb.GetSystemLinks(links, 1, many).size(), 2u);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbWorld, EnemyShipsAreThoseOfAnotherAlignment)
{
    Content(
        "insert into object (object_id, system_id, quest_step_id, affiliate) values "
        "(2000, 1, 4, 'evil'), (2001, 1, 4, 'lawful'), (2002, 1, 4, 'evil'), (2003, 1, 5, 'evil');"
        "insert into lead_ship_ai (lead_ship_ai_id, object_id) values (2000, 2000), (2001, 2001), (2003, 2003);"
        "insert into ship_ai (ship_ai_id, object_id) values (2002, 2002);");
    RowList<ShipObjectIdRow> ships;
    mDb.GetEnemyShipIds(ships, 1, 4, kAlignmentLawful);
    std::vector<int32_t> ids;
    for (ShipObjectIdRow* s : ships)
        ids.push_back(s->object_id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int32_t>{2000, 2002}));
    EXPECT_EQ(ships.front()->quest_step_id, 4);
    EXPECT_EQ(mDb.GetEnemyShipIds(ships, 1, 4, kAlignmentEvil).size(), 1u);
}

TEST_F(DbWorld, OutpostReadsEveryColumnInPlace)
{
    Content(
        "insert into object values (3000, 2, 0, 'Turret', 'outpost', 1.5, 2.5, 0.25, 400, 12, 60, 'evil');"
        "insert into outpost_object values (3000, 3000, 'true', 11, 12, 13, 14, 'plasma', 15.5, 16, 'c0ffee01', "
        "0.75, 17, 18, 'exotic');");
    OutpostObjectRecord* o = mDb.GetOutpostObject(3000);
    ASSERT_NE(o, nullptr);
    EXPECT_TRUE(o->invulnerable);
    EXPECT_EQ(o->mesh_id, 11);
    EXPECT_EQ(o->weapon_device_id, 12);
    EXPECT_EQ(o->weapon_delay, 13);
    EXPECT_EQ(o->collision_damage, 14);
    EXPECT_EQ(o->device_weakness_type, kDamagePlasma);
    EXPECT_EQ(o->system_id, 2);
    EXPECT_STREQ(o->object_name, "Turret");
    EXPECT_EQ(o->object_type, kObjectTypeOutpost);
    EXPECT_FLOAT_EQ(o->x_pos, 1.5f);
    EXPECT_FLOAT_EQ(o->y_pos, 2.5f);
    EXPECT_FLOAT_EQ(o->velocity, 0.25f);
    EXPECT_EQ(o->hit_points, 400);
    EXPECT_FLOAT_EQ(o->size, 12);
    EXPECT_EQ(o->respawn_time, 60);
    EXPECT_FLOAT_EQ(o->attack_radius, 15.5f);
    EXPECT_EQ(o->base_mesh_id, 16);
    EXPECT_EQ(o->color_mod, 0xc0ffee01u);
    EXPECT_FLOAT_EQ(o->base_rel_size, 0.75f);
    EXPECT_EQ(o->experience_value, 17);
    EXPECT_EQ(o->compound_amount, 18);
    EXPECT_EQ(o->compound_type, kCompoundExotic);
    EXPECT_EQ(o->affiliate, kAlignmentEvil);
}

TEST_F(DbWorld, StationsJoinTheirTypeThroughTheCrossReference)
{
    Content(
        "insert into object values (4000, 1, 0, 'Dock', 'station', 5, 6, 0.1, 900, 12, 0, 'lawful');"
        "insert into station values (2, 1055, 'true', 40, 'Trade Hub', 1, 2, 3, 4, 5);"
        "insert into station_object_xref values (2, 4000);");
    StationRecord* s = mDb.GetStation(4000);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->station_id, 2);
    EXPECT_EQ(s->object_id, 4000);
    EXPECT_EQ(s->mesh_id, 1055);
    EXPECT_TRUE(s->invulnerable);
    EXPECT_STREQ(s->station_type, "Trade Hub");
    EXPECT_EQ(s->affiliate, kAlignmentLawful);
    EXPECT_EQ(s->undiscovered_compounds, 5);
    RowList<ObjectIdRow> ids;
    mDb.GetStationObjectIds(ids, 1, 0);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids.front()->id, 2);
}

TEST_F(DbWorld, OrbitObjectsAreOrbitalNotOrbit)
{
    Content(
        "insert into object values (5000, 1, 0, 'Moon', 'orbital', 0, 0, 0.01, 50, 8, 0, 'neutral');"
        "insert into orbit_object values (5000, 5000, 'uncommon', 1.5, 3, 'false', 9, '80ffffff', 13, "
        "0.1, 0.2, 0.3, 52, 250);");
    OrbitObjectRecord* o = mDb.GetOrbitObject(5000);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->object_type, kObjectTypeOrbital);
    EXPECT_EQ(o->resource_type, kCompoundUncommon);
    EXPECT_EQ(o->blurr_repeat, 3);
    EXPECT_EQ(o->compounds, 9);
    EXPECT_EQ(o->color_mod >> 24, 0x80u);
    EXPECT_FLOAT_EQ(o->rotate_z, 0.3f);
    EXPECT_EQ(o->particle_id, 52);
    EXPECT_EQ(o->particle_delay, 250);
}

}  // namespace
