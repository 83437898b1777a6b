// Rows and records of the save database: pilots, their devices, quests, visited systems, and the settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct PlayerRecord {
    int32_t player_id;
    int32_t ship_id;
    int32_t system_id;
    float x_pos;
    float y_pos;
    int32_t credits;
    int32_t experience;
    int32_t com_level;
    int32_t eng_level;
    int32_t nav_level;
    int32_t sci_level;
    int32_t tac_level;
    int32_t level;
    int32_t level_up;
    int32_t next_level;
    int32_t common_compounds;
    int32_t uncommon_compounds;
    int32_t rare_compounds;
    int32_t exotic_compounds;
    int32_t undiscovered_compounds;
    uint32_t color_mod;
    char character_name[52];
    int32_t engine_device_id;
    int32_t shield_device_id;
    int32_t armor_device_id;
    int32_t fuel;
    int32_t affiliate;  // Alignment
};

struct PilotRow {
    int32_t player_id;
    int32_t mesh_id;  // the hull's mesh, filled after the query
    int32_t ship_id;
    char character_name[52];
    int32_t level;
};

// device_number 0-9: carried devices in slot order; 10-19: weapon slots 0-9.
struct PlayerDeviceRow {
    int32_t player_id;
    int32_t device_number;
    int32_t device_id;
    int32_t amount;  // -1 when the ship keeps no ammunition count for the device
};

struct PlayerQuestRow {
    int32_t player_quest_id;
    int32_t player_id;
    int32_t quest_id;
    bool complete;
};

struct SettingsRecord {
    int32_t brightness;
    int32_t volume;
    bool sound_on;
    bool wire_frame;
    bool display_xy;
    bool display_fps;
    bool display_velocity;
    bool high_quality_glow;
    bool auto_decelerate;
};

// One device slot of a saved ship; device_id 0 is an empty slot.
struct PlayerSaveSlot {
    int32_t device_id = 0;
    int32_t amount = -1;
};

// Everything a save writes, collected from the player ship by its owner: an engine-less ship
// gives engine_device_id and fuel 0, a missing shield or armor device id 0.
struct PlayerSaveData {
    int32_t player_id = 0;
    int32_t object_id = 0;
    int32_t ship_id = 0;
    int32_t system_id = 0;
    float x_pos = 0.0f;
    float y_pos = 0.0f;
    int32_t credits = 0;
    int32_t experience = 0;
    int32_t com_level = 0;
    int32_t eng_level = 0;
    int32_t nav_level = 0;
    int32_t sci_level = 0;
    int32_t tac_level = 0;
    int32_t level = 0;
    int32_t level_up = 0;
    std::string character_name;
    int32_t common_compounds = 0;
    int32_t uncommon_compounds = 0;
    int32_t rare_compounds = 0;
    int32_t exotic_compounds = 0;
    int32_t undiscovered_compounds = 0;
    uint32_t color_mod = 0;
    int32_t next_level = 0;
    int32_t engine_device_id = 0;
    int32_t shield_device_id = 0;
    int32_t armor_device_id = 0;
    int32_t alignment = 0;  // written as its keyword
    int32_t fuel = 0;
    std::array<PlayerSaveSlot, 10> carried{};  // saved up to the first empty slot
    std::array<PlayerSaveSlot, 10> weapons{};  // likewise
    std::vector<int32_t> visited_systems;      // in the ship's set order
    std::vector<int32_t> completed_quests;     // in key order
};
