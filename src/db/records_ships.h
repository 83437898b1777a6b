// Rows and records of hulls, devices, weapons, ailments, particles and computer ships.
#pragma once

#include <cstdint>

struct DeviceMainRecord {
    int32_t device_id;
    int32_t credit_value;
    int32_t ailment_id;
    char device_name[52];
    int32_t display_mesh_id;
    char device_description[1004];
    int32_t device_mod;   // DamageType
    int32_t device_type;  // DeviceType
};

struct DeviceTypeRecord {
    int32_t device_id;
    int32_t device_type;  // DeviceType
};

struct WeaponTypeRecord {
    int32_t device_id;
    int32_t weapon_type;  // WeaponType
};

struct DeviceRecord {
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
};

struct ShieldRecord {
    int32_t shield_id;
    int32_t device_id;
    int32_t armor_class;
    int32_t max_hit_points;
    int32_t regeneration_rate;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
    int32_t sprite_id;
    int32_t num_sprites;
    int32_t ailment_id;
};

struct EngineRecord {
    int32_t engine_id;
    int32_t device_id;
    float acceleration;
    float dist_per_fuel_unit;
    int32_t max_fuel;
    int32_t max_energy;
    float max_velocity;
    int32_t regeneration_rate;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
};

struct ArmorRecord {
    int32_t armor_id;
    int32_t device_id;
    int32_t armor_class;
    int32_t max_hit_points;
    int32_t regeneration_rate;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
    int32_t ailment_id;
};

struct BeamWeaponRecord {
    int32_t beam_weapon_id;
    int32_t device_id;
    int32_t delay;
    float precision;
    int32_t launch_sound_id;
    int32_t min_damage;
    int32_t variable_damage;
    float range;
    int32_t energy_req;
    float beam_width;
    int32_t sprite_id;
    int32_t mining_bonus;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
    int32_t force_scalar;
    int32_t ailment_id;
};

struct ProjectileWeaponRecord {
    int32_t projectile_weapon_id;
    int32_t device_id;
    int32_t delay;
    int32_t min_damage;
    int32_t variable_damage;
    float range;
    int32_t precision;
    float acceleration;
    float max_velocity;
    float spin_rate;
    float growth_rate;
    bool guided;
    int32_t ailment_id;
    int32_t max_ammo;
    int32_t energy_req;
    int32_t sprite_id;
    int32_t solid_mesh_id;
    float size;
    int32_t launch_sound_id;
    int32_t detonate_sound_id;
    float blurr_dist;
    int32_t blurr_repeat;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
    int32_t particle_id;
};

struct ShockwaveWeaponRecord {
    int32_t shockwave_weapon_id;
    int32_t device_id;
    int32_t delay;
    int32_t launch_sound_id;
    int32_t detonate_sound_id;
    int32_t min_damage;
    int32_t variable_damage;
    float range;
    float growth_rate;
    int32_t energy_req;
    int32_t sprite_id;
    int32_t mesh_id;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
};

struct MineWeaponRecord {
    int32_t mine_weapon_id;
    int32_t device_id;
    int32_t destruct_device_id;
    float destruct_range;
    int32_t launch_sound_id;
    int32_t mesh_id;
    char device_name[52];
    int32_t device_mod;
    int32_t display_mesh_id;
    int32_t credit_value;
    int32_t delay;
    int32_t max_ammo;
};

struct PhantomWeaponRecord {
    int32_t phantom_weapon_id;
    int32_t device_id;
    int32_t damage;
    float pursuit_range;
    int32_t launch_sound_id;
    int32_t particle_id;
    int32_t particle_delay;
    int32_t alive_time;
    float velocity;
    char device_name[52];
    int32_t display_mesh_id;
    int32_t credit_value;
    int32_t delay;
    int32_t max_ammo;
    float size;
};

struct ChargeWeaponRecord {
    int32_t charge_weapon_id;
    int32_t device_id;
    int32_t delay;
    int32_t launch_sound_id;
    int32_t sprite_id;
    int32_t energy_req;
    int32_t ailment_id;
    uint32_t color_mod;
    char device_name[52];
    int32_t device_mod;
    int32_t credit_value;
    int32_t display_mesh_id;
    int32_t charge_type;  // ChargeType
    float multiplier;
};

struct CloakWeaponRecord {
    int32_t cloak_weapon_id;
    int32_t device_id;
    int32_t delay;
    int32_t energy_req;
    int32_t launch_sound_id;
    char device_name[52];
    int32_t device_mod;
    int32_t display_mesh_id;
    int32_t credit_value;
    int32_t ailment_id;
};

struct HealthWeaponRecord {
    int32_t health_weapon_id;
    int32_t device_id;
    int32_t heal_pct;
    int32_t max_ammo;
    char device_name[52];
    int32_t device_mod;
    int32_t display_mesh_id;
    int32_t credit_value;
    int32_t ailment_id;
};

struct PortalWeaponRecord {
    int32_t portal_weapon_id;
    int32_t device_id;
    int32_t max_ammo;
    int32_t energy_req;
    char device_name[52];
    int32_t device_mod;
    int32_t display_mesh_id;
    int32_t credit_value;
};

struct AilmentRecord {
    int32_t ailment_id;
    int32_t ailment_type;  // AilmentType
    float amount;
    int32_t effect_time;
    bool friendly;
    int32_t particle_id;
};

struct ParticleEffectRecord {
    int32_t particle_id;
    int32_t duration;
    int32_t max_trail;
    float blurr_dist;
    float deceleration;
    float velocity;
    float size;
    float growth_rate;
    float yaw;
    uint32_t color_mod;
    int32_t variance;
    int32_t num_particles;
    int32_t sprite_id;
};

struct DeviceParticleRow {
    int32_t device_id;
    int32_t particle_id;
};

struct ChainWeaponRow {
    int32_t weapon_device_id;
    int32_t chain_weapon_device_id;
};

struct CountRecord {
    int32_t count;
};

struct WeaponRangeRecord {
    float range;
};

// What the device criteria are compared with: the current pilot's alignment text (its hull's),
// level, ship level and size, and the five crew skill levels.
struct DeviceCriteriaValues {
    const char* alignment = "";
    int32_t level = 0;
    int32_t ship_level = 0;
    float ship_size = 0.0f;
    int32_t com_level = 0;
    int32_t eng_level = 0;
    int32_t nav_level = 0;
    int32_t sci_level = 0;
    int32_t tac_level = 0;
};

struct DeviceCriteriaRecord {
    int32_t level;
    float ship_size;
    int32_t com_level;
    int32_t eng_level;
    int32_t nav_level;
    int32_t sci_level;
    int32_t tac_level;
    int32_t ship_level;
};

struct DeviceForSaleRow {
    int32_t device_id;
    int32_t credit_value;
    int32_t display_mesh_id;
    char device_name[52];
    int32_t device_type;  // DeviceType
};

struct DeviceDescriptionRow {
    int32_t device_description_id;
    int32_t device_id;
    char line[104];
};

struct ShipRecord {
    int32_t ship_id;
    int32_t credit_value;
    int32_t max_hit_points;
    int32_t experience_value;
    int32_t mesh_id;
    char ship_type[52];
    float size;
    int32_t max_cargo;
    char alignment[52];
    int32_t ship_level;
    int32_t destruct_particle_id;
};

struct CreateShipRow {
    int32_t ship_id;
    int32_t weapon_id_1;
    int32_t weapon_id_2;
    int32_t engine_device_id;
    int32_t shield_device_id;
    int32_t armor_device_id;
    int32_t affiliate;  // Alignment
};

struct UpgradeShipRow {
    int32_t ship_id;
    int32_t credit_value;
    int32_t max_hit_points;
    int32_t mesh_id;
    char ship_type[52];
    float size;
    int32_t max_cargo;
    char alignment[20];
    int32_t affiliate;  // Alignment
};

struct ShipDescriptionRow {
    int32_t ship_description_id;
    int32_t ship_id;
    char line[100];
};

struct ShipAIRecord {
    int32_t ship_ai_id;
    int32_t object_id;
    bool invulnerable;
    int32_t ship_id;
    int32_t lead_ship_ai_id;
    int32_t range_weapon_device_id;
    int32_t melee_weapon_device_id;
    int32_t stealth_weapon_device_id;
    int32_t bonus_weapon_device_id;
    int32_t mining_weapon_device_id;
    int32_t engine_device_id;
    int32_t armor_device_id;
    int32_t shield_device_id;
    int32_t compound_amount;
    int32_t compound_type;  // CompoundClass
    float max_attack_distance_sq;
    float fall_back_distance_sq;
    float charge_distance_sq;
    float flee_distance_sq;
    int32_t flee_hp;
    float x_rel;
    float y_rel;
    int32_t affiliate;  // Alignment
    uint32_t color_mod;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    int32_t max_hit_points;
    int32_t experience_value;
    int32_t mesh_id;
    char ship_type[52];
    float size;
    char alignment[52];
    int32_t ship_level;
    int32_t destruct_particle_id;
    int32_t respawn_time;
};

struct LeadShipAIRecord {
    int32_t lead_ship_ai_id;
    int32_t object_id;
    bool invulnerable;
    int32_t ship_id;
    int32_t range_weapon_device_id;
    int32_t melee_weapon_device_id;
    int32_t stealth_weapon_device_id;
    int32_t bonus_weapon_device_id;
    int32_t mining_weapon_device_id;
    int32_t engine_device_id;
    int32_t armor_device_id;
    int32_t shield_device_id;
    int32_t compound_amount;
    int32_t compound_type;  // CompoundClass
    float max_attack_distance_sq;
    float fall_back_distance_sq;
    float charge_distance_sq;
    float flee_distance_sq;
    int32_t flee_hp;
    int32_t affiliate;  // Alignment
    uint32_t color_mod;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    int32_t max_hit_points;
    int32_t experience_value;
    int32_t mesh_id;
    char ship_type[52];
    float size;
    char alignment[52];
    int32_t ship_level;
    float message_distance_sq;
    int32_t destruct_particle_id;
    int32_t respawn_time;
    int32_t drop_device_id;
};

struct LeadShipMessageRow {
    int32_t lead_ship_message_id;
    int32_t lead_ship_ai_id;
    bool friendly_message;
    char line[103];
};

struct TaskRecord {
    int32_t task_id;
    int32_t task_sequence;
    int32_t task_type;  // TaskType
    float x_pos;
    float y_pos;
    bool repeat;
    int32_t priority;
    int32_t object_id;
};

struct TaskIdRow {
    int32_t task_id;
    int32_t task_sequence;
    int32_t lead_ship_ai_id;
};
