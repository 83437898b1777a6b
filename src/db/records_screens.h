// Rows and records of screens, controls, resource files, font glyphs and network hosts.
#pragma once

#include <cstdint>

struct ScreenRecord {
    int32_t screen_id;
    char screen_name[52];
    int32_t sprite_id;
};

// The screen, the control and the control kind's own id.
struct ControlIdRow {
    int32_t screen_id;
    int32_t control_id;
    int32_t id;
};

struct ObjectControlIdRow {
    int32_t screen_id;
    int32_t object_control_id;
};

struct DragButtonRecord {
    int32_t control_id;
    int32_t snap_set;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t sprite_id;
    int32_t screen_id;
    int32_t drag_button_id;
    uint32_t color_mod;
    int32_t down_sound_id;
    int32_t up_sound_id;
    int32_t snap_sound_id;
};

struct SnapControlRecord {
    int32_t control_id;
    int32_t snap_set;
    int32_t sprite_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t screen_id;
    uint32_t color_mod;
    int32_t snap_control_id;
};

struct ButtonRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t text_size;  // SizeClass
    int32_t button_id;
    char button_text[52];
    int32_t sprite_id;
    int32_t screen_id;
    uint32_t color_mod;
    uint32_t down_color_mod;
    int32_t down_sound_id;
    int32_t up_sound_id;
};

struct SpriteControlRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t sprite_control_id;
    int32_t sprite_id;
    int32_t screen_id;
    uint32_t color_mod;
};

struct MovieControlRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t movie_control_id;
    int32_t sprite_id;
    int32_t screen_id;
    uint32_t color_mod;
    int32_t frame_size;
    int32_t grid;
};

struct MouseOverButtonRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t text_size;  // SizeClass
    int32_t mouse_over_button_id;
    char button_text[52];
    int32_t sprite_id;
    int32_t screen_id;
    uint32_t color_mod;
    uint32_t down_color_mod;
    int32_t down_sound_id;
    int32_t up_sound_id;
    uint32_t over_color_mod;
    int32_t over_sound_id;
};

struct TextControlRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t text_size;  // SizeClass
    int32_t text_id;
    char text[52];
    uint32_t color_mod;
    int32_t screen_id;
};

struct CheckBoxRecord {
    int32_t control_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    int32_t text_size;  // SizeClass
    int32_t checkbox_id;
    char checkbox_text[52];
    int32_t sprite_id;
    int32_t checked_sprite_id;
    bool checked;
    int32_t screen_id;
    int32_t sound_id;
    uint32_t color_mod;
};

struct SliderRecord {
    int32_t control_id;
    int32_t screen_id;
    int32_t x_pos;
    int32_t y_pos;
    bool visible;
    uint32_t color_mod;
    int32_t text_size;  // SizeClass
    int32_t slider_id;
    char slider_text[52];
    int32_t slider_sprite_id;
    int32_t meter_sprite_id;
    int32_t current_meter_number;
    int32_t max_meter_number;
    int32_t sound_id;
    bool horizontal;
};

struct ObjectControlRecord {
    int32_t object_control_id;
    int32_t screen_id;
    int32_t mesh_id;
    float x_pos;
    float y_pos;
    float z_pos;
    float x_rot;
    float y_rot;
    float z_rot;
    float x_rotv;
    float y_rotv;
    float z_rotv;
    float scale;
    float velocity;
    bool orbit;
    float x_orb;
    float y_orb;
    float z_orb;
    bool visible;
};

// A sound, mesh or sprite: its id and the game path of its file ("sound\boom.wav").
struct ResourceFileRecord {
    int32_t id;
    char path[256];
};

struct FontGlyphRow {
    int32_t font_size;  // SizeClass
    char font_char;     // 0 when the row's text is empty
    int32_t sprite_id;
};

struct HostRow {
    int32_t host_id;
    char host_description[50];
    char host_address[302];
    int32_t host_port;
};
