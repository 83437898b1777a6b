// Device, weapon, ailment, particle, hull and computer-ship queries (content database).
#include "db/game_database.h"

#include "db/object_columns.h"
#include "db/parsers.h"
#include "db/query_shapes.h"

namespace {

void FillDeviceMain(DeviceMainRecord& r, CColumnReader& in)
{
    r.device_id = in.Int();
    r.credit_value = in.Int();
    r.ailment_id = in.Int();
    in.Text(r.device_name);
    r.display_mesh_id = in.Int();
    in.Text(r.device_description);
    r.device_mod = ParseDamageType(in.Raw());
    r.device_type = ParseDeviceType(in.Raw());
}

void FillDeviceType(DeviceTypeRecord& r, CColumnReader& in)
{
    r.device_id = in.Int();
    r.device_type = ParseDeviceType(in.Raw());
}

void FillWeaponType(WeaponTypeRecord& r, CColumnReader& in)
{
    r.device_id = in.Int();
    r.weapon_type = ParseWeaponType(in.Raw());
}

void FillDevice(DeviceRecord& r, CColumnReader& in)
{
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
}

void FillShield(ShieldRecord& r, CColumnReader& in)
{
    r.shield_id = in.Int();
    r.device_id = in.Int();
    r.armor_class = in.Int();
    r.max_hit_points = in.Int();
    r.regeneration_rate = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    r.sprite_id = in.Int();
    r.num_sprites = in.Int();
    r.ailment_id = in.Int();
}

void FillEngine(EngineRecord& r, CColumnReader& in)
{
    r.engine_id = in.Int();
    r.device_id = in.Int();
    r.acceleration = in.Real();
    r.dist_per_fuel_unit = in.Real();
    r.max_fuel = in.Int();
    r.max_energy = in.Int();
    r.max_velocity = in.Real();
    r.regeneration_rate = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
}

void FillArmor(ArmorRecord& r, CColumnReader& in)
{
    r.armor_id = in.Int();
    r.device_id = in.Int();
    r.armor_class = in.Int();
    r.max_hit_points = in.Int();
    r.regeneration_rate = in.Int();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    r.ailment_id = in.Int();
}

void FillBeam(BeamWeaponRecord& r, CColumnReader& in)
{
    r.beam_weapon_id = in.Int();
    r.device_id = in.Int();
    r.delay = in.Int();
    r.precision = in.Real();
    r.launch_sound_id = in.Int();
    r.min_damage = in.Int();
    r.variable_damage = in.Int();
    r.range = in.Real();
    r.energy_req = in.Int();
    r.beam_width = in.Real();
    r.sprite_id = in.Int();
    r.mining_bonus = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    r.force_scalar = in.Int();
    r.ailment_id = in.Int();
}

void FillProjectile(ProjectileWeaponRecord& r, CColumnReader& in)
{
    r.projectile_weapon_id = in.Int();
    r.device_id = in.Int();
    r.delay = in.Int();
    r.min_damage = in.Int();
    r.variable_damage = in.Int();
    r.range = in.Real();
    r.precision = in.Int();
    r.acceleration = in.Real();
    r.max_velocity = in.Real();
    r.spin_rate = in.Real();
    r.growth_rate = in.Real();
    r.guided = in.Bool();
    r.ailment_id = in.Int();
    r.max_ammo = in.Int();
    r.energy_req = in.Int();
    r.sprite_id = in.Int();
    r.solid_mesh_id = in.Int();
    r.size = in.Real();
    r.launch_sound_id = in.Int();
    r.detonate_sound_id = in.Int();
    r.blurr_dist = in.Real();
    r.blurr_repeat = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    r.particle_id = in.Int();
}

void FillShockwave(ShockwaveWeaponRecord& r, CColumnReader& in)
{
    r.shockwave_weapon_id = in.Int();
    r.device_id = in.Int();
    r.delay = in.Int();
    r.launch_sound_id = in.Int();
    r.detonate_sound_id = in.Int();
    r.min_damage = in.Int();
    r.variable_damage = in.Int();
    r.range = in.Real();
    r.growth_rate = in.Real();
    r.energy_req = in.Int();
    r.sprite_id = in.Int();
    r.mesh_id = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
}

void FillMineWeapon(MineWeaponRecord& r, CColumnReader& in)
{
    r.mine_weapon_id = in.Int();
    r.device_id = in.Int();
    r.destruct_device_id = in.Int();
    r.destruct_range = in.Real();
    r.launch_sound_id = in.Int();
    r.mesh_id = in.Int();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.display_mesh_id = in.Int();
    r.credit_value = in.Int();
    r.delay = in.Int();
    r.max_ammo = in.Int();
}

void FillPhantomWeapon(PhantomWeaponRecord& r, CColumnReader& in)
{
    r.phantom_weapon_id = in.Int();
    r.device_id = in.Int();
    r.damage = in.Int();
    r.pursuit_range = in.Real();
    r.launch_sound_id = in.Int();
    r.particle_id = in.Int();
    r.particle_delay = in.Int();
    r.alive_time = in.Int();
    r.velocity = in.Real();
    in.Text(r.device_name);
    r.display_mesh_id = in.Int();
    r.credit_value = in.Int();
    r.delay = in.Int();
    r.max_ammo = in.Int();
    r.size = in.Real();
}

void FillCharge(ChargeWeaponRecord& r, CColumnReader& in)
{
    r.charge_weapon_id = in.Int();
    r.device_id = in.Int();
    r.delay = in.Int();
    r.launch_sound_id = in.Int();
    r.sprite_id = in.Int();
    r.energy_req = in.Int();
    r.ailment_id = in.Int();
    r.color_mod = in.Color();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    r.charge_type = ParseChargeType(in.Raw());
    r.multiplier = in.Real();
}

void FillCloak(CloakWeaponRecord& r, CColumnReader& in)
{
    r.cloak_weapon_id = in.Int();
    r.device_id = in.Int();
    r.delay = in.Int();
    r.energy_req = in.Int();
    r.launch_sound_id = in.Int();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.display_mesh_id = in.Int();
    r.credit_value = in.Int();
    r.ailment_id = in.Int();
}

void FillHealthWeapon(HealthWeaponRecord& r, CColumnReader& in)
{
    r.health_weapon_id = in.Int();
    r.device_id = in.Int();
    r.heal_pct = in.Int();
    r.max_ammo = in.Int();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.display_mesh_id = in.Int();
    r.credit_value = in.Int();
    r.ailment_id = in.Int();
}

void FillPortal(PortalWeaponRecord& r, CColumnReader& in)
{
    r.portal_weapon_id = in.Int();
    r.device_id = in.Int();
    r.max_ammo = in.Int();
    r.energy_req = in.Int();
    in.Text(r.device_name);
    r.device_mod = ParseDamageType(in.Raw());
    r.display_mesh_id = in.Int();
    r.credit_value = in.Int();
}

void FillAilment(AilmentRecord& r, CColumnReader& in)
{
    r.ailment_id = in.Int();
    r.ailment_type = ParseAilmentType(in.Raw());
    r.amount = in.Real();
    r.effect_time = in.Int();
    r.friendly = in.Bool();
    r.particle_id = in.Int();
}

void FillParticle(ParticleEffectRecord& r, CColumnReader& in)
{
    r.particle_id = in.Int();
    r.duration = in.Int();
    r.max_trail = in.Int();
    r.blurr_dist = in.Real();
    r.deceleration = in.Real();
    r.velocity = in.Real();
    r.size = in.Real();
    r.growth_rate = in.Real();
    r.yaw = in.Real();
    r.color_mod = in.Color();
    r.variance = in.Int();
    r.num_particles = in.Int();
    r.sprite_id = in.Int();
}

void FillDeviceParticle(DeviceParticleRow& r, CColumnReader& in)
{
    r.device_id = in.Int();
    r.particle_id = in.Int();
}

void FillChainWeapon(ChainWeaponRow& r, CColumnReader& in)
{
    r.weapon_device_id = in.Int();
    r.chain_weapon_device_id = in.Int();
}

void FillWeaponRange(WeaponRangeRecord& r, CColumnReader& in)
{
    r.range = in.Real();
}

void FillCount(CountRecord& r, CColumnReader& in)
{
    r.count = in.Int();
}

void FillDeviceCriteria(DeviceCriteriaRecord& r, CColumnReader& in)
{
    r.level = in.Int();
    r.ship_size = in.Real();
    r.com_level = in.Int();
    r.eng_level = in.Int();
    r.nav_level = in.Int();
    r.sci_level = in.Int();
    r.tac_level = in.Int();
    r.ship_level = in.Int();
}

void FillDeviceForSale(DeviceForSaleRow& r, CColumnReader& in)
{
    r.device_id = in.Int();
    r.credit_value = in.Int();
    r.display_mesh_id = in.Int();
    in.Text(r.device_name);
    r.device_type = ParseDeviceType(in.Raw());
}

void FillDeviceDescription(DeviceDescriptionRow& r, CColumnReader& in)
{
    r.device_description_id = in.Int();
    r.device_id = in.Int();
    in.Text(r.line);
}

void FillShip(ShipRecord& r, CColumnReader& in)
{
    r.ship_id = in.Int();
    r.credit_value = in.Int();
    r.max_hit_points = in.Int();
    r.experience_value = in.Int();
    r.mesh_id = in.Int();
    in.Text(r.ship_type);
    r.size = in.Real();
    r.max_cargo = in.Int();
    in.Text(r.alignment);
    r.ship_level = in.Int();
    r.destruct_particle_id = in.Int();
}

void FillCreateShip(CreateShipRow& r, CColumnReader& in)
{
    r.ship_id = in.Int();
    r.weapon_id_1 = in.Int();
    r.weapon_id_2 = in.Int();
    r.engine_device_id = in.Int();
    r.shield_device_id = in.Int();
    r.armor_device_id = in.Int();
    r.affiliate = ParseAlignment(in.Raw());
}

void FillUpgradeShip(UpgradeShipRow& r, CColumnReader& in)
{
    r.ship_id = in.Int();
    r.credit_value = in.Int();
    r.max_hit_points = in.Int();
    r.mesh_id = in.Int();
    in.Text(r.ship_type);
    r.size = in.Real();
    r.max_cargo = in.Int();
    in.Text(r.alignment);
    r.affiliate = ParseAlignment(in.Raw());
}

void FillShipDescription(ShipDescriptionRow& r, CColumnReader& in)
{
    r.ship_description_id = in.Int();
    r.ship_id = in.Int();
    in.Text(r.line);
}

// The columns both kinds of AI ship select alike: a.range_weapon_device_id to a.flee_hp.
template <class Record>
void FillAILoadout(Record& r, CColumnReader& in)
{
    r.range_weapon_device_id = in.Int();
    r.melee_weapon_device_id = in.Int();
    r.stealth_weapon_device_id = in.Int();
    r.bonus_weapon_device_id = in.Int();
    r.mining_weapon_device_id = in.Int();
    r.engine_device_id = in.Int();
    r.armor_device_id = in.Int();
    r.shield_device_id = in.Int();
    r.compound_amount = in.Int();
    r.compound_type = ParseCompoundClass(in.Raw());
    r.max_attack_distance_sq = in.Real();
    r.fall_back_distance_sq = in.Real();
    r.charge_distance_sq = in.Real();
    r.flee_distance_sq = in.Real();
    r.flee_hp = in.Int();
}

// The placement, then s.max_hit_points to s.ship_level.
template <class Record>
void FillAIShip(Record& r, CColumnReader& in)
{
    FillPlacement(r, in);
    r.max_hit_points = in.Int();
    r.experience_value = in.Int();
    r.mesh_id = in.Int();
    in.Text(r.ship_type);
    r.size = in.Real();
    in.Text(r.alignment);
    r.ship_level = in.Int();
}

void FillShipAI(ShipAIRecord& r, CColumnReader& in)
{
    r.ship_ai_id = in.Int();
    r.object_id = in.Int();
    r.invulnerable = in.Bool();
    r.ship_id = in.Int();
    r.lead_ship_ai_id = in.Int();
    FillAILoadout(r, in);
    r.x_rel = in.Real();
    r.y_rel = in.Real();
    r.affiliate = ParseAlignment(in.Raw());
    r.color_mod = in.Color();
    FillAIShip(r, in);
    r.destruct_particle_id = in.Int();
    r.respawn_time = in.Int();
}

void FillLeadShipAI(LeadShipAIRecord& r, CColumnReader& in)
{
    r.lead_ship_ai_id = in.Int();
    r.object_id = in.Int();
    r.invulnerable = in.Bool();
    r.ship_id = in.Int();
    FillAILoadout(r, in);
    r.affiliate = ParseAlignment(in.Raw());
    r.color_mod = in.Color();
    FillAIShip(r, in);
    r.message_distance_sq = in.Real();
    r.destruct_particle_id = in.Int();
    r.respawn_time = in.Int();
    r.drop_device_id = in.Int();
}

void FillLeadShipMessage(LeadShipMessageRow& r, CColumnReader& in)
{
    r.lead_ship_message_id = in.Int();
    r.lead_ship_ai_id = in.Int();
    r.friendly_message = in.Bool();
    in.Text(r.line);
}

void FillTask(TaskRecord& r, CColumnReader& in)
{
    r.task_id = in.Int();
    r.task_sequence = in.Int();
    r.task_type = ParseTaskType(in.Raw());
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.repeat = in.Bool();
    r.priority = in.Int();
    r.object_id = in.Int();
}

void FillTaskId(TaskIdRow& r, CColumnReader& in)
{
    r.task_id = in.Int();
    r.task_sequence = in.Int();
    r.lead_ship_ai_id = in.Int();
}

}  // namespace

DeviceMainRecord* CGameDatabase::GetDeviceMain(int32_t deviceId)
{
    return RunRecord<DeviceMainRecord, 8, FillDeviceMain>(
        mContent,
        FormatSql("select device_id,credit_value,ailment_id,device_name,  display_mesh_id,device_description,"
                  "device_mod,device_type  from device_main  where device_id = %d",
                  deviceId),
        mDeviceMain);
}

DeviceTypeRecord* CGameDatabase::GetDeviceType(int32_t deviceId)
{
    return RunRecord<DeviceTypeRecord, 2, FillDeviceType>(
        mContent, FormatSql("select device_id, device_type  from device_main where device_id = %d", deviceId),
        mDeviceType);
}

WeaponTypeRecord* CGameDatabase::GetWeaponType(int32_t deviceId)
{
    return RunRecord<WeaponTypeRecord, 2, FillWeaponType>(
        mContent, FormatSql("select device_id, weapon_type  from v_weapon_type  where device_id = %d", deviceId),
        mWeaponType);
}

DeviceRecord* CGameDatabase::GetDevice(int32_t deviceId)
{
    return RunRecord<DeviceRecord, 4, FillDevice>(
        mContent,
        FormatSql("select d.device_name, d.device_mod,  d.credit_value, d.display_mesh_id  from device_main d  "
                  "where d.device_id = %d",
                  deviceId),
        mDevice);
}

ShieldRecord* CGameDatabase::GetShield(int32_t deviceId)
{
    return RunRecord<ShieldRecord, 13, FillShield>(
        mContent,
        FormatSql("select s.shield_id, s.device_id,  s.armor_class, s.max_hit_points, s.regeneration_rate, "
                  "s.color_mod,  d.device_name, d.device_mod, d.credit_value, d.display_mesh_id,  s.sprite_id, "
                  "s.num_sprites, d.ailment_id  from shield s, device_main d  where d.device_id = %d  "
                  "and d.device_id = s.device_id",
                  deviceId),
        mShield);
}

EngineRecord* CGameDatabase::GetEngine(int32_t deviceId)
{
    return RunRecord<EngineRecord, 13, FillEngine>(
        mContent,
        FormatSql("select e.engine_id, e.device_id, e.acceleration,  e.dist_per_fuel_unit, e.max_fuel, "
                  "e.max_energy,  e.max_velocity, e.regeneration_rate, e.color_mod,  d.device_name, d.device_mod, "
                  "d.credit_value, d.display_mesh_id  from engine e, device_main d  where d.device_id = %d "
                  "and d.device_id = e.device_id",
                  deviceId),
        mEngine);
}

ArmorRecord* CGameDatabase::GetArmor(int32_t deviceId)
{
    return RunRecord<ArmorRecord, 10, FillArmor>(
        mContent,
        FormatSql("select a.armor_id, a.device_id,  a.armor_class, a.max_hit_points,  a.regeneration_rate, "
                  "d.device_name,  d.device_mod, d.credit_value,   d.display_mesh_id, d.ailment_id  "
                  "from armor a, device_main d  where d.device_id = %d and d.device_id = a.device_id",
                  deviceId),
        mArmor);
}

BeamWeaponRecord* CGameDatabase::GetBeamWeapon(int32_t deviceId)
{
    return RunRecord<BeamWeaponRecord, 19, FillBeam>(
        mContent,
        FormatSql("select b.beam_weapon_id, b.device_id, b.delay, b.precision,  b.launch_sound_id, b.min_damage, "
                  "b.variable_damage,  b.range, b.energy_req, b.beam_width, b.sprite_id,  b.mining_bonus, "
                  "b.color_mod, d.device_name, d.device_mod,  d.credit_value, d.display_mesh_id, b.force_scalar, "
                  "d.ailment_id  from beam_weapon b, device_main d where d.device_id = %d  "
                  "and d.device_id = b.device_id",
                  deviceId),
        mBeamWeapon);
}

ProjectileWeaponRecord* CGameDatabase::GetProjectileWeapon(int32_t deviceId)
{
    return RunRecord<ProjectileWeaponRecord, 28, FillProjectile>(
        mContent,
        FormatSql("select p.projectile_weapon_id,  p.device_id, p.delay, p.min_damage,  p.variable_damage, "
                  "p.range, p.precision,  p.acceleration, p.max_velocity, p.spin_rate,  p.growth_rate, p.guided, "
                  "d.ailment_id,  p.max_ammo, p.energy_req,  p.sprite_id, p.solid_mesh_id,  p.size, "
                  "p.launch_sound_id,  p.detonate_sound_id, p.blurr_dist,  p.blurr_repeat, p.color_mod,  "
                  "d.device_name, d.device_mod,  d.credit_value, d.display_mesh_id,  p.particle_id "
                  "from projectile_weapon p, device_main d where d.device_id = %d  and d.device_id = p.device_id",
                  deviceId),
        mProjectileWeapon);
}

ShockwaveWeaponRecord* CGameDatabase::GetShockwaveWeapon(int32_t deviceId)
{
    return RunRecord<ShockwaveWeaponRecord, 17, FillShockwave>(
        mContent,
        FormatSql("select s.shockwave_weapon_id, s.device_id, s.delay,  s.launch_sound_id, s.detonate_sound_id, "
                  "s.min_damage,  s.variable_damage, s.range, s.growth_rate, s.energy_req, s.sprite_id, "
                  "s.mesh_id, s.color_mod, d.device_name, d.device_mod, d.credit_value, d.display_mesh_id "
                  "from shockwave_weapon s, device_main d where d.device_id = %d and d.device_id = s.device_id",
                  deviceId),
        mShockwaveWeapon);
}

MineWeaponRecord* CGameDatabase::GetMineWeapon(int32_t deviceId)
{
    return RunRecord<MineWeaponRecord, 12, FillMineWeapon>(
        mContent,
        FormatSql("select m.mine_weapon_id, m.device_id, m.destruct_device_id, m.destruct_range, "
                  "m.launch_sound_id, m.mesh_id, d.device_name, d.device_mod, d.display_mesh_id, d.credit_value, "
                  "m.delay, m.max_ammo from mine_weapon m, device_main d where d.device_id = %d "
                  "and d.device_id = m.device_id",
                  deviceId),
        mMineWeapon);
}

PhantomWeaponRecord* CGameDatabase::GetPhantomWeapon(int32_t deviceId)
{
    return RunRecord<PhantomWeaponRecord, 15, FillPhantomWeapon>(
        mContent,
        FormatSql("select p.phantom_weapon_id, p.device_id, p.damage, p.pursuit_range, p.launch_sound_id, "
                  "p.particle_id, p.particle_delay, p.alive_time, p.velocity, d.device_name, d.display_mesh_id, "
                  "d.credit_value, p.delay, p.max_ammo, p.size from phantom_weapon p, device_main d "
                  "where d.device_id = %d and d.device_id = p.device_id",
                  deviceId),
        mPhantomWeapon);
}

ChargeWeaponRecord* CGameDatabase::GetChargeWeapon(int32_t deviceId)
{
    return RunRecord<ChargeWeaponRecord, 14, FillCharge>(
        mContent,
        FormatSql("select c.charge_weapon_id, c.device_id, c.delay,  c.launch_sound_id, c.sprite_id, "
                  "c.energy_req,  d.ailment_id, c.color_mod,  d.device_name, d.device_mod, d.credit_value, "
                  "d.display_mesh_id,  c.charge_type, c.multiplier  from charge_weapon c, device_main d  "
                  "where d.device_id = %d  and d.device_id = c.device_id",
                  deviceId),
        mChargeWeapon);
}

CloakWeaponRecord* CGameDatabase::GetCloakWeapon(int32_t deviceId)
{
    return RunRecord<CloakWeaponRecord, 10, FillCloak>(
        mContent,
        FormatSql("select c.cloak_weapon_id, c.device_id,  c.delay, c.energy_req, c.launch_sound_id,  "
                  "d.device_name, d.device_mod, d.display_mesh_id,  d.credit_value, d.ailment_id  "
                  "from cloak_weapon c, device_main d  where d.device_id = %d  and d.device_id = c.device_id",
                  deviceId),
        mCloakWeapon);
}

HealthWeaponRecord* CGameDatabase::GetHealthWeapon(int32_t deviceId)
{
    return RunRecord<HealthWeaponRecord, 9, FillHealthWeapon>(
        mContent,
        FormatSql("select h.health_weapon_id, h.device_id,  h.heal_pct, h.max_ammo, d.device_name,  "
                  "d.device_mod, d.display_mesh_id,  d.credit_value, d.ailment_id  "
                  "from health_weapon h, device_main d  where d.device_id = %d  and d.device_id = h.device_id",
                  deviceId),
        mHealthWeapon);
}

PortalWeaponRecord* CGameDatabase::GetPortalWeapon(int32_t deviceId)
{
    return RunRecord<PortalWeaponRecord, 8, FillPortal>(
        mContent,
        FormatSql("select p.portal_weapon_id, p.device_id,  p.max_ammo, p.energy_req, d.device_name,  "
                  "d.device_mod, d.display_mesh_id, d.credit_value  from portal_weapon p, device_main d  "
                  "where d.device_id = %d  and d.device_id = p.device_id",
                  deviceId),
        mPortalWeapon);
}

AilmentRecord* CGameDatabase::GetAilment(int32_t ailmentId)
{
    return RunRecord<AilmentRecord, 6, FillAilment>(
        mContent,
        FormatSql("select ailment_id, ailment_type, amount,  effect_time, friendly, particle_id  from ailment  "
                  "where ailment_id = %d",
                  ailmentId),
        mAilment);
}

ParticleEffectRecord* CGameDatabase::GetParticleEffect(int32_t particleId)
{
    return RunRecord<ParticleEffectRecord, 13, FillParticle>(
        mContent,
        FormatSql("select particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, "
                  "growth_rate, yaw, color_mod, variance, num_particles, sprite_id from particle "
                  "where particle_id = %d",
                  particleId),
        mParticleEffect);
}

RowList<DeviceParticleRow>& CGameDatabase::GetDeviceParticles(RowList<DeviceParticleRow>& out, int32_t deviceId)
{
    return RunList<DeviceParticleRow, 2, FillDeviceParticle>(
        mContent, FormatSql("select device_id, particle_id from device_particles where device_id = %d", deviceId),
        mDeviceParticles, out);
}

RowList<ChainWeaponRow>& CGameDatabase::GetChainWeapons(RowList<ChainWeaponRow>& out, int32_t weaponDeviceId)
{
    return RunList<ChainWeaponRow, 2, FillChainWeapon>(
        mContent,
        FormatSql("select weapon_device_id, chain_weapon_device_id  from chain_weapon  "
                  "where weapon_device_id = %d",
                  weaponDeviceId),
        mChainWeapons, out);
}

WeaponRangeRecord* CGameDatabase::GetLongestWeaponRange()
{
    return RunRecord<WeaponRangeRecord, 1, FillWeaponRange>(
        mContent,
        "select max(range) from (select range from beam_weapon union all select range from projectile_weapon "
        "union all select range from shockwave_weapon)",
        mLongestWeaponRange);
}

CountRecord* CGameDatabase::CountDeviceCriteriaMet(int32_t deviceId, const DeviceCriteriaValues& pilot)
{
    return RunRecord<CountRecord, 1, FillCount>(
        mContent,
        FormatSql("select count(*)  from device_criteria d, device_criteria_xref x  "
                  "where d.device_criteria_id = x.device_criteria_id  and x.device_id = %d  "
                  "and d.alignment = '%q'  and d.level <= %d  and d.ship_size <= %f  and d.com_level <= %d  "
                  "and d.eng_level <= %d  and d.nav_level <= %d  and d.sci_level <= %d  and d.tac_level <= %d",
                  deviceId, pilot.alignment, pilot.level, static_cast<double>(pilot.ship_size), pilot.com_level,
                  pilot.eng_level, pilot.nav_level, pilot.sci_level, pilot.tac_level),
        mDeviceCriteriaMet);
}

DeviceCriteriaRecord* CGameDatabase::GetDeviceCriteria(int32_t deviceId, const char* alignment)
{
    return RunRecord<DeviceCriteriaRecord, 8, FillDeviceCriteria>(
        mContent,
        FormatSql("select d.level, d.ship_size, d.com_level,  d.eng_level, d.nav_level, d.sci_level, "
                  "d.tac_level, d.ship_level  from device_criteria d, device_criteria_xref x  "
                  "where d.device_criteria_id = x.device_criteria_id  and x.device_id = %d  "
                  "and d.alignment = '%q'",
                  deviceId, alignment),
        mDeviceCriteria);
}

RowList<DeviceForSaleRow>& CGameDatabase::GetDevicesForSale(RowList<DeviceForSaleRow>& out, const char* alignment,
                                                            int32_t level, int32_t shipLevel, float shipSize,
                                                            int32_t comLevel, int32_t engLevel, int32_t navLevel,
                                                            int32_t sciLevel, int32_t tacLevel)
{
    return RunList<DeviceForSaleRow, 5, FillDeviceForSale>(
        mContent,
        FormatSql("select d.device_id, d.credit_value, d.display_mesh_id, d.device_name, d.device_type  "
                  "from device_main d, device_criteria dc, device_criteria_xref dcx where dc.alignment = '%q' "
                  "and d.for_sale = 'true' and dc.level <= %d and dc.ship_level <= %d and dc.ship_size <= %f "
                  "and dc.com_level <= %d and dc.eng_level <= %d and dc.nav_level <= %d and dc.sci_level <= %d "
                  "and dc.tac_level <= %d and dc.device_criteria_id = dcx.device_criteria_id "
                  "and d.device_id = dcx.device_id order by random(*)",
                  alignment, level, shipLevel, static_cast<double>(shipSize), comLevel, engLevel, navLevel, sciLevel,
                  tacLevel),
        mDevicesForSale, out);
}

RowList<DeviceDescriptionRow>& CGameDatabase::GetDeviceDescription(RowList<DeviceDescriptionRow>& out, int32_t deviceId)
{
    return RunList<DeviceDescriptionRow, 3, FillDeviceDescription>(
        mContent,
        FormatSql("select device_description_id, device_id, line from device_description d "
                  "where device_id = %d order by device_description_id",
                  deviceId),
        mDeviceDescription, out);
}

ShipRecord* CGameDatabase::GetShip(int32_t shipId)
{
    return RunRecord<ShipRecord, 11, FillShip>(
        mContent,
        FormatSql("select ship_id, credit_value, max_hit_points,  experience_value, mesh_id, ship_type, size,  "
                  "max_cargo, alignment, ship_level, destruct_particle_id  from ship  where ship_id = %d",
                  shipId),
        mShip);
}

RowList<CreateShipRow>& CGameDatabase::GetCreateShips(RowList<CreateShipRow>& out)
{
    return RunList<CreateShipRow, 7, FillCreateShip>(
        mContent,
        "select ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate "
        "from create_ship where ship_id > 0 order by ship_id desc",
        mCreateShips, out);
}

RowList<UpgradeShipRow>& CGameDatabase::GetUpgradeShips(RowList<UpgradeShipRow>& out, const char* alignment,
                                                        int32_t size)
{
    return RunList<UpgradeShipRow, 9, FillUpgradeShip>(
        mContent,
        FormatSql("select u.ship_id, s.credit_value, s.max_hit_points, s.mesh_id,  s.ship_type, s.size, "
                  "s.max_cargo, s.alignment, u.affiliate  from upgrade_ship u, ship s  "
                  "where u.ship_id = s.ship_id and s.alignment = '%q' and s.size > %d order by s.ship_level desc",
                  alignment, size),
        mUpgradeShips, out);
}

RowList<ShipDescriptionRow>& CGameDatabase::GetShipDescription(RowList<ShipDescriptionRow>& out, int32_t shipId)
{
    return RunList<ShipDescriptionRow, 3, FillShipDescription>(
        mContent,
        FormatSql("select ship_description_id, ship_id, line  from ship_description  where ship_id = %d", shipId),
        mShipDescription, out);
}

ShipAIRecord* CGameDatabase::GetShipAI(int32_t objectId)
{
    return RunRecord<ShipAIRecord, 38, FillShipAI>(
        mContent,
        FormatSql("select a.ship_ai_id, a.object_id, a.invulnerable, a.ship_id, lead_ship_ai_id, "
                  "range_weapon_device_id, a.melee_weapon_device_id, a.stealth_weapon_device_id, "
                  "a.bonus_weapon_device_id, a.mining_weapon_device_id, a.engine_device_id, a.armor_device_id, "
                  "a.shield_device_id,  a.compound_amount, a.compound_type, a.max_attack_distance_sq, "
                  "a.fall_back_distance_sq, a.charge_distance_sq, a.flee_distance_sq, a.flee_hp, a.x_rel, "
                  "a.y_rel, o.affiliate, a.color_mod, o.system_id, o.object_name, o.object_type, o.x_pos, "
                  "o.y_pos, s.max_hit_points, s.experience_value, s.mesh_id, s.ship_type, s.size, s.alignment, "
                  "s.ship_level, s.destruct_particle_id, o.respawn_time from ship s, ship_ai a, object o "
                  "where a.object_id = %d and a.ship_id = s.ship_id and a.object_id = o.object_id",
                  objectId),
        mShipAI);
}

LeadShipAIRecord* CGameDatabase::GetLeadShipAI(int32_t objectId)
{
    return RunRecord<LeadShipAIRecord, 37, FillLeadShipAI>(
        mContent,
        FormatSql("select a.lead_ship_ai_id, a.object_id, a.invulnerable, a.ship_id, a.range_weapon_device_id, "
                  "a.melee_weapon_device_id, a.stealth_weapon_device_id, a.bonus_weapon_device_id, "
                  "a.mining_weapon_device_id, a.engine_device_id, a.armor_device_id, a.shield_device_id,  "
                  "a.compound_amount, a.compound_type, a.max_attack_distance_sq, a.fall_back_distance_sq, "
                  "a.charge_distance_sq, a.flee_distance_sq, a.flee_hp, o.affiliate, a.color_mod, o.system_id, "
                  "o.object_name, o.object_type, o.x_pos, o.y_pos, s.max_hit_points, s.experience_value, "
                  "s.mesh_id, s.ship_type, s.size, s.alignment, s.ship_level, a.message_distance_sq, "
                  "s.destruct_particle_id, o.respawn_time, a.drop_device_id from ship s, lead_ship_ai a, "
                  "object o where a.object_id = %d and a.ship_id = s.ship_id and a.object_id = o.object_id",
                  objectId),
        mLeadShipAI);
}

RowList<LeadShipMessageRow>& CGameDatabase::GetLeadShipMessages(RowList<LeadShipMessageRow>& out, int32_t leadShipAIId)
{
    return RunList<LeadShipMessageRow, 4, FillLeadShipMessage>(
        mContent,
        FormatSql("select lead_ship_message_id, lead_ship_ai_id,friendly_message,line from lead_ship_message "
                  "where lead_ship_ai_id = %d order by lead_ship_message_id",
                  leadShipAIId),
        mLeadShipMessages, out);
}

TaskRecord* CGameDatabase::GetTask(int32_t taskId)
{
    return RunRecord<TaskRecord, 8, FillTask>(
        mContent,
        FormatSql("select task_id, task_sequence, task_type,  x_pos, y_pos, repeat, priority, object_id  "
                  "from task  where task_id = %d",
                  taskId),
        mTask);
}

RowList<TaskIdRow>& CGameDatabase::GetTaskIds(RowList<TaskIdRow>& out, int32_t leadShipAIId)
{
    return RunList<TaskIdRow, 3, FillTaskId>(
        mContent,
        FormatSql("select task_id, task_sequence, lead_ship_ai_id  from task  where lead_ship_ai_id = %d "
                  "order by task_sequence",
                  leadShipAIId),
        mTaskIds, out);
}
