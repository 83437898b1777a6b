// Galaxy, solar system and placed-object queries (content database).
#include "db/game_database.h"

#include "db/object_columns.h"
#include "db/parsers.h"
#include "db/query_shapes.h"

namespace {

void FillSystem(SystemRecord& r, CColumnReader& in)
{
    r.system_id = in.Int();
    in.Text(r.system_name);
    in.Text(r.system_description);
    r.x_dimension = in.Real();
    r.y_dimension = in.Real();
    r.x_galaxy = in.Int();
    r.y_galaxy = in.Int();
    r.system_type = ParseFaction(in.Raw());
    r.visible = in.Bool();
}

void FillGalaxySystem(GalaxySystemRow& r, CColumnReader& in)
{
    r.system_id = in.Int();
    in.Text(r.system_name);
    r.x_galaxy = in.Real();
    r.y_galaxy = in.Real();
}

void FillSystemLink(SystemLinkRow& r, CColumnReader& in)
{
    r.s1_system_id = in.Int();
    r.s2_system_id = in.Int();
    in.Text(r.s1_system_name);
    in.Text(r.s2_system_name);
    r.s1_x_galaxy = in.Int();
    r.s1_y_galaxy = in.Int();
    r.s2_x_galaxy = in.Int();
    r.s2_y_galaxy = in.Int();
}

void FillObjectId(ObjectIdRow& r, CColumnReader& in)
{
    r.id = in.Int();
    r.object_id = in.Int();
    r.system_id = in.Int();
}

void FillShipObjectId(ShipObjectIdRow& r, CColumnReader& in)
{
    r.object_id = in.Int();
    r.system_id = in.Int();
    r.quest_step_id = in.Int();
}

void FillFountain(FountainObjectRecord& r, CColumnReader& in)
{
    r.fountain_id = in.Int();
    r.object_id = in.Int();
    r.invulnerable = in.Bool();
    r.particle_id = in.Int();
    r.particle_delay = in.Int();
    r.weapon_device_id = in.Int();
    r.weapon_delay = in.Int();
    r.collision_damage = in.Int();
    FillBody(r, in);
    r.respawn_time = in.Int();
}

void FillVortex(VortexObjectRecord& r, CColumnReader& in)
{
    r.vortex_id = in.Int();
    r.object_id = in.Int();
    r.force = in.Real();
    r.system_id = in.Int();
    in.Text(r.object_name);
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.size = in.Real();
}

void FillPhantom(PhantomObjectRecord& r, CColumnReader& in)
{
    r.phantom_id = in.Int();
    r.object_id = in.Int();
    r.particle_id = in.Int();
    r.particle_delay = in.Int();
    r.pursuit_range = in.Real();
    r.damage = in.Int();
    FillBody(r, in);
    r.respawn_time = in.Int();
}

void FillOutpost(OutpostObjectRecord& r, CColumnReader& in)
{
    r.outpost_id = in.Int();
    r.object_id = in.Int();
    r.invulnerable = in.Bool();
    r.mesh_id = in.Int();
    r.weapon_device_id = in.Int();
    r.weapon_delay = in.Int();
    r.collision_damage = in.Int();
    r.device_weakness_type = ParseDamageType(in.Raw());
    FillBody(r, in);
    r.respawn_time = in.Int();
    r.attack_radius = in.Real();
    r.base_mesh_id = in.Int();
    r.color_mod = in.Color();
    r.base_rel_size = in.Real();
    r.experience_value = in.Int();
    r.compound_amount = in.Int();
    r.compound_type = ParseCompoundClass(in.Raw());
    r.affiliate = ParseAlignment(in.Raw());
}

void FillMine(MineObjectRecord& r, CColumnReader& in)
{
    r.mine_id = in.Int();
    r.object_id = in.Int();
    r.weapon_device_id = in.Int();
    r.mesh_id = in.Int();
    r.destruct_range = in.Real();
    FillBody(r, in);
    r.respawn_time = in.Int();
}

void FillResource(ResourceObjectRecord& r, CColumnReader& in)
{
    r.resource_id = in.Int();
    r.object_id = in.Int();
    r.resource_type = ParseCompoundClass(in.Raw());
    r.resource_amount = in.Int();
    FillPlacement(r, in);
    r.velocity = in.Real();
    in.Skip();  // hit_points: resources have none
    r.size = in.Real();
    r.mesh_id = in.Int();
    r.respawn_time = in.Int();
}

void FillOrbit(OrbitObjectRecord& r, CColumnReader& in)
{
    r.orbit_id = in.Int();
    r.object_id = in.Int();
    r.resource_type = ParseCompoundClass(in.Raw());
    r.blurr_dist = in.Real();
    r.blurr_repeat = in.Int();
    r.invulnerable = in.Bool();
    r.compounds = in.Int();
    r.color_mod = in.Color();
    FillBody(r, in);
    r.mesh_id = in.Int();
    r.rotate_x = in.Real();
    r.rotate_y = in.Real();
    r.rotate_z = in.Real();
    r.respawn_time = in.Int();
    r.particle_id = in.Int();
    r.particle_delay = in.Int();
}

void FillScaffold(ScaffoldObjectRecord& r, CColumnReader& in)
{
    r.scaffold_id = in.Int();
    r.object_id = in.Int();
    r.length = in.Int();
    FillBody(r, in);
    r.mesh_id = in.Int();
    r.horizontal = in.Bool();
}

void FillNebula(NebulaObjectRecord& r, CColumnReader& in)
{
    r.nebula_id = in.Int();
    r.object_id = in.Int();
    r.ailment_id = in.Int();
    r.color_mod = in.Color();
    FillPlacement(r, in);
    r.size = in.Real();
    r.sprite_id = in.Int();
    r.num_sprites = in.Int();
    r.damage = in.Int();
}

void FillStation(StationRecord& r, CColumnReader& in)
{
    r.station_id = in.Int();
    r.object_id = in.Int();
    r.system_id = in.Int();
    in.Text(r.object_name);
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.velocity = in.Real();
    r.hit_points = in.Int();
    r.mesh_id = in.Int();
    r.invulnerable = in.Bool();
    r.experience_value = in.Int();
    in.Text(r.station_type);
    r.affiliate = ParseAlignment(in.Raw());
    r.common_compounds = in.Int();
    r.uncommon_compounds = in.Int();
    r.rare_compounds = in.Int();
    r.exotic_compounds = in.Int();
    r.undiscovered_compounds = in.Int();
}

void FillPlanet(PlanetObjectRecord& r, CColumnReader& in)
{
    r.planet_id = in.Int();
    r.object_id = in.Int();
    r.invulnerable = in.Bool();
    r.ring_sprite_id = in.Int();
    r.common_rate = in.Int();
    r.uncommon_rate = in.Int();
    r.rare_rate = in.Int();
    r.exotic_rate = in.Int();
    FillPlacement(r, in);
    r.size = in.Real();
    r.glow_sprite_id = in.Int();
    r.sprite_id = in.Int();
}

void FillWormholeArrival(WormholeArrivalRecord& r, CColumnReader& in)
{
    r.x_pos = in.Real();
    r.y_pos = in.Real();
}

void FillWormhole(WormholeObjectRecord& r, CColumnReader& in)
{
    r.wormhole_id = in.Int();
    r.object_id = in.Int();
    r.jump_system_id = in.Int();
    FillPlacement(r, in);
    r.size = in.Real();
}

void FillGoto(GotoObjectRecord& r, CColumnReader& in)
{
    r.goto_id = in.Int();
    r.object_id = in.Int();
    FillPlacement(r, in);
    r.size = in.Real();
    r.sprite_id = in.Int();
}

void FillDeviceObject(DeviceObjectRecord& r, CColumnReader& in)
{
    r.device_object_id = in.Int();
    r.object_id = in.Int();
    r.device_id = in.Int();
    FillPlacement(r, in);
    r.size = in.Real();
    r.display_mesh_id = in.Int();
}

void FillHealth(HealthObjectRecord& r, CColumnReader& in)
{
    r.health_id = in.Int();
    r.object_id = in.Int();
    r.health_pct = in.Int();
    FillPlacement(r, in);
    r.size = in.Real();
}

// The ids of one kind of placed thing in a system at a quest step: the kind's own id (idColumn
// of table), its object id and the system.
RowList<ObjectIdRow>& RunIdList(sqlite3* db, const char* table, const char* idColumn, int32_t systemId,
                                int32_t questStepId, std::list<std::unique_ptr<ObjectIdRow>>& member,
                                RowList<ObjectIdRow>& out)
{
    return RunList<ObjectIdRow, 3, FillObjectId>(
        db,
        FormatSql("select k.%s, k.object_id, o.system_id from %s k, object o "
                  "where k.object_id = o.object_id and o.system_id = %d and o.quest_step_id = %d",
                  idColumn, table, systemId, questStepId),
        member, out);
}

// System variants (ids of 100 and above) count as their base system on the map.
std::vector<int32_t> BaseSystems(const std::vector<int32_t>& systems)
{
    std::vector<int32_t> bases;
    bases.reserve(systems.size());
    for (int32_t id : systems)
        bases.push_back(id % 100);
    return bases;
}

}  // namespace

SystemRecord* CGameDatabase::GetSystem(int32_t systemId)
{
    return RunRecord<SystemRecord, 9, FillSystem>(
        mContent,
        FormatSql("select system_id, system_name,  system_description, x_dimension, y_dimension,  x_galaxy, "
                  "y_galaxy, system_type, visible  from system  where system_id = %d",
                  systemId),
        mSystem);
}

RowList<GalaxySystemRow>& CGameDatabase::GetGalaxySystems(RowList<GalaxySystemRow>& out, int32_t galaxyId)
{
    return RunList<GalaxySystemRow, 4, FillGalaxySystem>(
        mContent,
        FormatSql("select system_id, system_name,  x_galaxy, y_galaxy  from system  where galaxy_id = %d  "
                  "and visible = 'true'",
                  galaxyId),
        mGalaxySystems, out);
}

RowList<SystemLinkRow>& CGameDatabase::GetSystemLinks(RowList<SystemLinkRow>& out, int32_t galaxyId,
                                                      const std::vector<int32_t>& visitedSystems)
{
    std::string visited = IdList(BaseSystems(visitedSystems));
    return RunList<SystemLinkRow, 8, FillSystemLink>(
        mContent,
        FormatSql("select s1.system_id, s2.system_id,  s1.system_name, s2.system_name,  s1.x_galaxy, s1.y_galaxy,   "
                  "s2.x_galaxy, s2.y_galaxy  from system s1, system s2,   object o, wormhole_object w  "
                  "where s1.galaxy_id = %d  and ( s1.system_id in ( %s )  or s2.system_id in ( %s ) ) "
                  "and o.object_id = w.object_id  and s1.system_id = o.system_id  "
                  "and s2.system_id = w.jump_system_id",
                  galaxyId, visited.c_str(), visited.c_str()),
        mSystemLinks, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetResourceObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                          int32_t questStepId)
{
    return RunIdList(mContent, "resource_object", "resource_id", systemId, questStepId, mResourceObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetFountainObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                          int32_t questStepId)
{
    return RunIdList(mContent, "fountain_object", "fountain_id", systemId, questStepId, mFountainObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetVortexObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                        int32_t questStepId)
{
    return RunIdList(mContent, "vortex_object", "vortex_id", systemId, questStepId, mVortexObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetPhantomObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                         int32_t questStepId)
{
    return RunIdList(mContent, "phantom_object", "phantom_id", systemId, questStepId, mPhantomObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetOutpostObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                         int32_t questStepId)
{
    return RunIdList(mContent, "outpost_object", "outpost_id", systemId, questStepId, mOutpostObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetMineObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId)
{
    return RunIdList(mContent, "mine_object", "mine_id", systemId, questStepId, mMineObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetOrbitObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId)
{
    return RunIdList(mContent, "orbit_object", "orbit_id", systemId, questStepId, mOrbitObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetScaffoldObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                          int32_t questStepId)
{
    return RunIdList(mContent, "scaffold_object", "scaffold_id", systemId, questStepId, mScaffoldObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetNebulaObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                        int32_t questStepId)
{
    return RunIdList(mContent, "nebula_object", "nebula_id", systemId, questStepId, mNebulaObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetStationObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                         int32_t questStepId)
{
    return RunIdList(mContent, "station_object_xref", "station_id", systemId, questStepId, mStationObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetPlanetObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                        int32_t questStepId)
{
    return RunIdList(mContent, "planet_object", "planet_id", systemId, questStepId, mPlanetObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetWormholeObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                          int32_t questStepId)
{
    return RunIdList(mContent, "wormhole_object", "wormhole_id", systemId, questStepId, mWormholeObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetGotoObjectIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId)
{
    return RunIdList(mContent, "goto_object", "goto_id", systemId, questStepId, mGotoObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetDeviceObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                        int32_t questStepId)
{
    return RunIdList(mContent, "device_object", "device_object_id", systemId, questStepId, mDeviceObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetHealthObjectIds(RowList<ObjectIdRow>& out, int32_t systemId,
                                                        int32_t questStepId)
{
    return RunIdList(mContent, "health_object", "health_id", systemId, questStepId, mHealthObjectIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetLeadShipAIIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId)
{
    return RunIdList(mContent, "lead_ship_ai", "lead_ship_ai_id", systemId, questStepId, mLeadShipAIIds, out);
}

RowList<ObjectIdRow>& CGameDatabase::GetShipAIIds(RowList<ObjectIdRow>& out, int32_t systemId, int32_t questStepId)
{
    return RunIdList(mContent, "ship_ai", "ship_ai_id", systemId, questStepId, mShipAIIds, out);
}

int32_t CGameDatabase::FindObjectWithoutKind(int32_t systemId, int32_t questStepId)
{
    return RunScalar(mContent,
                     FormatSql("select min(object_id) from object where system_id = %d and quest_step_id = %d "
                               "and object_id not in ( select object_id from resource_object "
                               "union select object_id from fountain_object union select object_id from vortex_object "
                               "union select object_id from phantom_object union select object_id from outpost_object "
                               "union select object_id from mine_object union select object_id from orbit_object "
                               "union select object_id from scaffold_object union select object_id from nebula_object "
                               "union select object_id from station_object_xref "
                               "union select object_id from planet_object union select object_id from wormhole_object "
                               "union select object_id from goto_object union select object_id from device_object "
                               "union select object_id from health_object union select object_id from lead_ship_ai "
                               "union select object_id from ship_ai ) having count(*) > 0",
                               systemId, questStepId),
                     mObjectWithoutKind, kNoObject);
}

RowList<ShipObjectIdRow>& CGameDatabase::GetEnemyShipIds(RowList<ShipObjectIdRow>& out, int32_t systemId,
                                                         int32_t questStepId, int32_t alignment)
{
    const char* keyword = AlignmentKeyword(alignment);
    return RunList<ShipObjectIdRow, 3, FillShipObjectId>(
        mContent,
        FormatSql("select o.object_id, o.system_id, o.quest_step_id from lead_ship_ai a, object o "
                  "where a.object_id = o.object_id and o.quest_step_id = %d and o.system_id = %d "
                  "and o.affiliate <> '%q' union select o.object_id, o.system_id, o.quest_step_id "
                  "from ship_ai s, object o where s.object_id = o.object_id and o.quest_step_id = %d "
                  "and o.system_id = %d and o.affiliate <> '%q'",
                  questStepId, systemId, keyword, questStepId, systemId, keyword),
        mEnemyShipIds, out);
}

FountainObjectRecord* CGameDatabase::GetFountainObject(int32_t objectId)
{
    return RunRecord<FountainObjectRecord, 17, FillFountain>(
        mContent,
        FormatSql("select f.fountain_id, f.object_id, f.invulnerable, f.particle_id, f.particle_delay, "
                  "f.weapon_device_id, f.weapon_delay, f.collision_damage, o.system_id, o.object_name,  "
                  "o.object_type, o.x_pos, o.y_pos, o.velocity,  o.hit_points, o.size, o.respawn_time "
                  "from fountain_object f, object o where f.object_id = o.object_id and f.object_id = %d",
                  objectId),
        mFountainObject);
}

VortexObjectRecord* CGameDatabase::GetVortexObject(int32_t objectId)
{
    return RunRecord<VortexObjectRecord, 8, FillVortex>(
        mContent,
        FormatSql("select v.vortex_id, v.object_id, v.force, o.system_id, o.object_name,  o.x_pos, o.y_pos, "
                  "o.size from vortex_object v, object o where v.object_id = o.object_id and v.object_id = %d",
                  objectId),
        mVortexObject);
}

PhantomObjectRecord* CGameDatabase::GetPhantomObject(int32_t objectId)
{
    return RunRecord<PhantomObjectRecord, 15, FillPhantom>(
        mContent,
        FormatSql("select p.phantom_id, p.object_id, p.particle_id, p.particle_delay, p.pursuit_range, p.damage, "
                  "o.system_id, o.object_name,  o.object_type, o.x_pos, o.y_pos, o.velocity,  o.hit_points, "
                  "o.size, o.respawn_time from phantom_object p, object o where p.object_id = o.object_id "
                  "and p.object_id = %d",
                  objectId),
        mPhantomObject);
}

OutpostObjectRecord* CGameDatabase::GetOutpostObject(int32_t objectId)
{
    return RunRecord<OutpostObjectRecord, 25, FillOutpost>(
        mContent,
        FormatSql("select t.outpost_id, t.object_id, t.invulnerable, t.mesh_id, t.weapon_device_id, "
                  "t.weapon_delay, t.collision_damage, t.device_weakness_type, o.system_id, o.object_name, "
                  "o.object_type, o.x_pos, o.y_pos,  o.velocity, o.hit_points, o.size, o.respawn_time, "
                  "t.attack_radius, t.base_mesh_id, t.color_mod, t.base_rel_size, t.experience_value, "
                  "t.compound_amount, t.compound_type, o.affiliate from outpost_object t, object o "
                  "where t.object_id = o.object_id and t.object_id = %d",
                  objectId),
        mOutpostObject);
}

MineObjectRecord* CGameDatabase::GetMineObject(int32_t objectId)
{
    return RunRecord<MineObjectRecord, 14, FillMine>(
        mContent,
        FormatSql("select m.mine_id, m.object_id, m.weapon_device_id, m.mesh_id, m.destruct_range, o.system_id, "
                  "o.object_name,  o.object_type, o.x_pos, o.y_pos, o.velocity,  o.hit_points, o.size, "
                  "o.respawn_time from mine_object m, object o where m.object_id = o.object_id "
                  "and m.object_id = %d",
                  objectId),
        mMineObject);
}

ResourceObjectRecord* CGameDatabase::GetResourceObject(int32_t objectId)
{
    return RunRecord<ResourceObjectRecord, 14, FillResource>(
        mContent,
        FormatSql("select r.resource_id, r.object_id, r.resource_type, r.resource_amount, o.system_id, "
                  "o.object_name,  o.object_type, o.x_pos, o.y_pos, o.velocity,  o.hit_points, o.size, "
                  "r.mesh_id, o.respawn_time from resource_object r, object o where r.object_id = o.object_id "
                  "and r.object_id = %d",
                  objectId),
        mResourceObject);
}

OrbitObjectRecord* CGameDatabase::GetOrbitObject(int32_t objectId)
{
    return RunRecord<OrbitObjectRecord, 23, FillOrbit>(
        mContent,
        FormatSql("select r.orbit_id, r.object_id, r.resource_type, r.blurr_dist, r.blurr_repeat, "
                  "r.invulnerable, r.compounds, r.color_mod, o.system_id, o.object_name,  o.object_type, "
                  "o.x_pos, o.y_pos, o.velocity,  o.hit_points, o.size, r.mesh_id, r.rotate_x, r.rotate_y, "
                  "r.rotate_z, o.respawn_time, r.particle_id, r.particle_delay from orbit_object r, object o "
                  "where r.object_id = o.object_id and r.object_id = %d",
                  objectId),
        mOrbitObject);
}

ScaffoldObjectRecord* CGameDatabase::GetScaffoldObject(int32_t objectId)
{
    return RunRecord<ScaffoldObjectRecord, 13, FillScaffold>(
        mContent,
        FormatSql("select s.scaffold_id, s.object_id, s.length, o.system_id, o.object_name,  o.object_type, "
                  "o.x_pos, o.y_pos, o.velocity,  o.hit_points, o.size, s.mesh_id, s.horizontal "
                  "from scaffold_object s, object o where s.object_id = o.object_id and s.object_id = %d",
                  objectId),
        mScaffoldObject);
}

NebulaObjectRecord* CGameDatabase::GetNebulaObject(int32_t objectId)
{
    return RunRecord<NebulaObjectRecord, 13, FillNebula>(
        mContent,
        FormatSql("select n.nebula_id, n.object_id, n.ailment_id, n.color_mod, o.system_id, o.object_name, "
                  "o.object_type, o.x_pos, o.y_pos, o.size, n.sprite_id, n.num_sprites, n.damage "
                  "from nebula_object n, object o where n.object_id = o.object_id and n.object_id = %d",
                  objectId),
        mNebulaObject);
}

StationRecord* CGameDatabase::GetStation(int32_t objectId)
{
    return RunRecord<StationRecord, 18, FillStation>(
        mContent,
        FormatSql("select x.station_id, o.object_id,  o.system_id, o.object_name,  o.x_pos, o.y_pos, "
                  "o.velocity, o.hit_points,  s.mesh_id, s.invulnerable,  s.experience_value, s.station_type,  "
                  "o.affiliate, s.common_compounds,  s.uncommon_compounds, s.rare_compounds,  "
                  "s.exotic_compounds, s.undiscovered_compounds  from station s, station_object_xref x,  "
                  "object o  where o.object_id = x.object_id  and x.station_id = s.station_id  "
                  "and x.object_id = %d",
                  objectId),
        mStation);
}

PlanetObjectRecord* CGameDatabase::GetPlanetObject(int32_t objectId)
{
    return RunRecord<PlanetObjectRecord, 16, FillPlanet>(
        mContent,
        FormatSql("select p.planet_id, p.object_id, p.invulnerable, p.ring_sprite_id, p.common_rate, "
                  "p.uncommon_rate, p.rare_rate, p.exotic_rate, o.system_id, o.object_name, o.object_type, "
                  "o.x_pos, o.y_pos, o.size, p.glow_sprite_id, p.sprite_id from planet_object p, object o "
                  "where p.object_id = o.object_id and p.object_id = %d",
                  objectId),
        mPlanetObject);
}

WormholeArrivalRecord* CGameDatabase::GetWormholeArrival(int32_t jumpSystemId, int32_t systemId)
{
    return RunRecord<WormholeArrivalRecord, 2, FillWormholeArrival>(
        mContent,
        FormatSql("select o.x_pos, o.y_pos from wormhole_object w, object o where w.object_id = o.object_id "
                  "and w.jump_system_id = %d and o.system_id = %d",
                  jumpSystemId % 100, systemId),
        mWormholeArrival);
}

WormholeObjectRecord* CGameDatabase::GetWormholeObject(int32_t objectId)
{
    return RunRecord<WormholeObjectRecord, 9, FillWormhole>(
        mContent,
        FormatSql("select w.wormhole_id, w.object_id, w.jump_system_id, o.system_id, o.object_name, "
                  "o.object_type, o.x_pos, o.y_pos, o.size from wormhole_object w, object o "
                  "where w.object_id = o.object_id and w.object_id = %d",
                  objectId),
        mWormholeObject);
}

GotoObjectRecord* CGameDatabase::GetGotoObject(int32_t objectId)
{
    return RunRecord<GotoObjectRecord, 9, FillGoto>(
        mContent,
        FormatSql("select g.goto_id, g.object_id, o.system_id, o.object_name, o.object_type, o.x_pos, o.y_pos, "
                  "o.size, g.sprite_id  from goto_object g, object o where g.object_id = o.object_id "
                  "and g.object_id = %d",
                  objectId),
        mGotoObject);
}

DeviceObjectRecord* CGameDatabase::GetDeviceObject(int32_t objectId)
{
    return RunRecord<DeviceObjectRecord, 10, FillDeviceObject>(
        mContent,
        FormatSql("select do.device_object_id, do.object_id, do.device_id, o.system_id, o.object_name, "
                  "o.object_type, o.x_pos, o.y_pos, o.size, d.display_mesh_id  from device_object do, object o, "
                  "device_main d where do.object_id = o.object_id  and d.device_id = do.device_id "
                  "and do.object_id = %d",
                  objectId),
        mDeviceObject);
}

HealthObjectRecord* CGameDatabase::GetHealthObject(int32_t objectId)
{
    return RunRecord<HealthObjectRecord, 9, FillHealth>(
        mContent,
        FormatSql("select h.health_id, h.object_id, h.health_pct, o.system_id, o.object_name, o.object_type, "
                  "o.x_pos, o.y_pos, o.size from health_object h, object o where h.object_id = o.object_id "
                  "and h.object_id = %d",
                  objectId),
        mHealthObject);
}
