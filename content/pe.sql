-- The save database as shipped: pilot tables empty, the pilot-id pool and the one settings row.

CREATE TABLE player (
  player_id INTEGER PRIMARY KEY, object_id INTEGER, ship_id INTEGER, system_id INTEGER,
  x_pos REAL, y_pos REAL, credits INTEGER, experience INTEGER, com_level INTEGER,
  eng_level INTEGER, nav_level INTEGER, sci_level INTEGER, tac_level INTEGER, level INTEGER,
  level_up INTEGER, character_name TEXT, common_compounds INTEGER, uncommon_compounds INTEGER,
  rare_compounds INTEGER, exotic_compounds INTEGER, undiscovered_compounds INTEGER,
  color_mod TEXT, next_level INTEGER, engine_device_id INTEGER, shield_device_id INTEGER,
  armor_device_id INTEGER, affiliate TEXT, fuel INTEGER);

-- device_number 0-9: carried devices; 10-19: weapon slots. Read back in insertion order.
CREATE TABLE player_device (
  player_id INTEGER, device_number INTEGER, device_id INTEGER, amount INTEGER);

CREATE TABLE player_quest (
  player_quest_id INTEGER, player_id INTEGER, quest_id INTEGER, complete TEXT);

CREATE TABLE player_systems (
  player_id INTEGER, system_id INTEGER);

CREATE TABLE current_player (player_id INTEGER);

-- Pilot ids: with pilots 0 to 7 saved the next free id is 8, which the menu refuses.
CREATE TABLE player_test (test_num INTEGER);
INSERT INTO player_test (test_num) VALUES (0), (1), (2), (3), (4), (5), (6), (7), (8);

CREATE TABLE settings (
  brightness INTEGER, volume INTEGER, sound_on TEXT, wire_frame TEXT, display_xy TEXT,
  display_fps TEXT, display_velocity TEXT, high_quality_glow TEXT, auto_decelerate TEXT);
INSERT INTO settings VALUES (50, 80, 'true', 'false', 'false', 'false', 'false', 'true', 'true');
