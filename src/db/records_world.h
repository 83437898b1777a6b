// Rows and records of the galaxy, the solar systems and every placed object kind.
#pragma once

#include <cstdint>

// Field names are the column names; enumerations are int32 values of game_enums.h,
// colours 32-bit ARGB, flags one-byte booleans; text arrays include their terminating zero.

struct SystemRecord {
    int32_t system_id;
    char system_name[50];
    char system_description[1002];
    float x_dimension;
    float y_dimension;
    int32_t x_galaxy;
    int32_t y_galaxy;
    int32_t system_type;  // Faction
    bool visible;
};

struct GalaxySystemRow {
    int32_t system_id;
    char system_name[52];
    float x_galaxy;
    float y_galaxy;
};

// A wormhole link between two systems, positions in select order: from (s1) and to (s2).
struct SystemLinkRow {
    int32_t s1_system_id;
    int32_t s2_system_id;
    char s1_system_name[50];
    char s2_system_name[50];
    int32_t s1_x_galaxy;
    int32_t s1_y_galaxy;
    int32_t s2_x_galaxy;
    int32_t s2_y_galaxy;
};

// The kind's own id, its object and its system.
struct ObjectIdRow {
    int32_t id;
    int32_t object_id;
    int32_t system_id;
};

struct ShipObjectIdRow {
    int32_t object_id;
    int32_t system_id;
    int32_t quest_step_id;
};

struct FountainObjectRecord {
    int32_t fountain_id;
    int32_t object_id;
    bool invulnerable;
    int32_t particle_id;
    int32_t particle_delay;
    int32_t weapon_device_id;
    int32_t weapon_delay;
    int32_t collision_damage;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t respawn_time;
};

struct VortexObjectRecord {
    int32_t vortex_id;
    int32_t object_id;
    float force;
    int32_t system_id;
    char object_name[52];
    float x_pos;
    float y_pos;
    float size;
};

struct PhantomObjectRecord {
    int32_t phantom_id;
    int32_t object_id;
    int32_t particle_id;
    int32_t particle_delay;
    float pursuit_range;
    int32_t damage;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t respawn_time;
};

struct OutpostObjectRecord {
    int32_t outpost_id;
    int32_t object_id;
    bool invulnerable;
    int32_t mesh_id;
    int32_t weapon_device_id;
    int32_t weapon_delay;
    int32_t collision_damage;
    int32_t device_weakness_type;  // DamageType
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t respawn_time;
    float attack_radius;
    int32_t base_mesh_id;
    uint32_t color_mod;
    float base_rel_size;
    int32_t experience_value;
    int32_t compound_amount;
    int32_t compound_type;  // CompoundClass
    int32_t affiliate;      // Alignment
};

struct MineObjectRecord {
    int32_t mine_id;
    int32_t object_id;
    int32_t weapon_device_id;
    int32_t mesh_id;
    float destruct_range;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t respawn_time;
};

// hit_points is selected but never read: it stays 0.
struct ResourceObjectRecord {
    int32_t resource_id;
    int32_t object_id;
    int32_t resource_type;  // CompoundClass
    int32_t resource_amount;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t mesh_id;
    int32_t respawn_time;
};

struct OrbitObjectRecord {
    int32_t orbit_id;
    int32_t object_id;
    int32_t resource_type;  // CompoundClass
    float blurr_dist;
    int32_t blurr_repeat;
    bool invulnerable;
    int32_t compounds;
    uint32_t color_mod;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t mesh_id;
    float rotate_x;
    float rotate_y;
    float rotate_z;
    int32_t respawn_time;
    int32_t particle_id;
    int32_t particle_delay;
};

struct ScaffoldObjectRecord {
    int32_t scaffold_id;
    int32_t object_id;
    int32_t length;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    float size;
    int32_t mesh_id;
    bool horizontal;
};

struct NebulaObjectRecord {
    int32_t nebula_id;
    int32_t object_id;
    int32_t ailment_id;
    uint32_t color_mod;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
    int32_t sprite_id;
    int32_t num_sprites;
    int32_t damage;
};

struct StationRecord {
    int32_t station_id;
    int32_t object_id;
    int32_t system_id;
    char object_name[52];
    float x_pos;
    float y_pos;
    float velocity;
    int32_t hit_points;
    int32_t mesh_id;
    bool invulnerable;
    int32_t experience_value;
    char station_type[52];
    int32_t affiliate;  // Alignment
    int32_t common_compounds;
    int32_t uncommon_compounds;
    int32_t rare_compounds;
    int32_t exotic_compounds;
    int32_t undiscovered_compounds;
};

struct PlanetObjectRecord {
    int32_t planet_id;
    int32_t object_id;
    bool invulnerable;
    int32_t ring_sprite_id;
    int32_t common_rate;
    int32_t uncommon_rate;
    int32_t rare_rate;
    int32_t exotic_rate;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
    int32_t glow_sprite_id;
    int32_t sprite_id;
};

struct WormholeArrivalRecord {
    float x_pos;
    float y_pos;
};

struct WormholeObjectRecord {
    int32_t wormhole_id;
    int32_t object_id;
    int32_t jump_system_id;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
};

struct GotoObjectRecord {
    int32_t goto_id;
    int32_t object_id;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
    int32_t sprite_id;
};

struct DeviceObjectRecord {
    int32_t device_object_id;
    int32_t object_id;
    int32_t device_id;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
    int32_t display_mesh_id;
};

struct HealthObjectRecord {
    int32_t health_id;
    int32_t object_id;
    int32_t health_pct;
    int32_t system_id;
    char object_name[52];
    int32_t object_type;
    float x_pos;
    float y_pos;
    float size;
};
