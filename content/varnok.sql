-- The content database: every table and column the game reads. Rows live in content/rows/*.sql.
-- Flags ('true' or anything else), keywords and colours (eight hex digits, ARGB) are texts.

-- Galaxy and solar systems
CREATE TABLE system (
  system_id INTEGER PRIMARY KEY, galaxy_id INTEGER, system_name TEXT, system_description TEXT,
  x_dimension REAL, y_dimension REAL, x_galaxy INTEGER, y_galaxy INTEGER,
  system_type TEXT, visible TEXT);

CREATE TABLE object (
  object_id INTEGER PRIMARY KEY, system_id INTEGER, quest_step_id INTEGER, object_name TEXT,
  object_type TEXT, x_pos REAL, y_pos REAL, velocity REAL, hit_points INTEGER, size REAL,
  respawn_time INTEGER, affiliate TEXT);

CREATE TABLE resource_object (
  resource_id INTEGER PRIMARY KEY, object_id INTEGER, resource_type TEXT, resource_amount INTEGER,
  mesh_id INTEGER);

CREATE TABLE fountain_object (
  fountain_id INTEGER PRIMARY KEY, object_id INTEGER, invulnerable TEXT, particle_id INTEGER,
  particle_delay INTEGER, weapon_device_id INTEGER, weapon_delay INTEGER, collision_damage INTEGER);

CREATE TABLE vortex_object (
  vortex_id INTEGER PRIMARY KEY, object_id INTEGER, force REAL);

CREATE TABLE phantom_object (
  phantom_id INTEGER PRIMARY KEY, object_id INTEGER, particle_id INTEGER, particle_delay INTEGER,
  pursuit_range REAL, damage INTEGER);

CREATE TABLE outpost_object (
  outpost_id INTEGER PRIMARY KEY, object_id INTEGER, invulnerable TEXT, mesh_id INTEGER,
  weapon_device_id INTEGER, weapon_delay INTEGER, collision_damage INTEGER, device_weakness_type TEXT,
  attack_radius REAL, base_mesh_id INTEGER, color_mod TEXT, base_rel_size REAL,
  experience_value INTEGER, compound_amount INTEGER, compound_type TEXT);

CREATE TABLE mine_object (
  mine_id INTEGER PRIMARY KEY, object_id INTEGER, weapon_device_id INTEGER, mesh_id INTEGER,
  destruct_range REAL);

CREATE TABLE orbit_object (
  orbit_id INTEGER PRIMARY KEY, object_id INTEGER, resource_type TEXT, blurr_dist REAL,
  blurr_repeat INTEGER, invulnerable TEXT, compounds INTEGER, color_mod TEXT, mesh_id INTEGER,
  rotate_x REAL, rotate_y REAL, rotate_z REAL, particle_id INTEGER, particle_delay INTEGER);

CREATE TABLE scaffold_object (
  scaffold_id INTEGER PRIMARY KEY, object_id INTEGER, length INTEGER, mesh_id INTEGER, horizontal TEXT);

CREATE TABLE nebula_object (
  nebula_id INTEGER PRIMARY KEY, object_id INTEGER, ailment_id INTEGER, color_mod TEXT,
  sprite_id INTEGER, num_sprites INTEGER, damage INTEGER);

CREATE TABLE planet_object (
  planet_id INTEGER PRIMARY KEY, object_id INTEGER, invulnerable TEXT, ring_sprite_id INTEGER,
  common_rate INTEGER, uncommon_rate INTEGER, rare_rate INTEGER, exotic_rate INTEGER,
  glow_sprite_id INTEGER, sprite_id INTEGER);

CREATE TABLE wormhole_object (
  wormhole_id INTEGER PRIMARY KEY, object_id INTEGER, jump_system_id INTEGER);

CREATE TABLE goto_object (
  goto_id INTEGER PRIMARY KEY, object_id INTEGER, sprite_id INTEGER);

CREATE TABLE device_object (
  device_object_id INTEGER PRIMARY KEY, object_id INTEGER, device_id INTEGER);

CREATE TABLE health_object (
  health_id INTEGER PRIMARY KEY, object_id INTEGER, health_pct INTEGER);

-- station_id is the station type, shared by every placed station of that type.
CREATE TABLE station (
  station_id INTEGER PRIMARY KEY, mesh_id INTEGER, invulnerable TEXT, experience_value INTEGER,
  station_type TEXT, common_compounds INTEGER, uncommon_compounds INTEGER, rare_compounds INTEGER,
  exotic_compounds INTEGER, undiscovered_compounds INTEGER);

CREATE TABLE station_object_xref (
  station_id INTEGER, object_id INTEGER);

-- Computer ships. Neither ship nor object may have a lead_ship_ai_id or range_weapon_device_id
-- column: the wingman query names those two unqualified.
CREATE TABLE lead_ship_ai (
  lead_ship_ai_id INTEGER PRIMARY KEY, object_id INTEGER, invulnerable TEXT, ship_id INTEGER,
  range_weapon_device_id INTEGER, melee_weapon_device_id INTEGER, stealth_weapon_device_id INTEGER,
  bonus_weapon_device_id INTEGER, mining_weapon_device_id INTEGER, engine_device_id INTEGER,
  armor_device_id INTEGER, shield_device_id INTEGER, compound_amount INTEGER, compound_type TEXT,
  max_attack_distance_sq REAL, fall_back_distance_sq REAL, charge_distance_sq REAL,
  flee_distance_sq REAL, flee_hp INTEGER, color_mod TEXT, message_distance_sq REAL,
  drop_device_id INTEGER);

CREATE TABLE ship_ai (
  ship_ai_id INTEGER PRIMARY KEY, object_id INTEGER, invulnerable TEXT, ship_id INTEGER,
  lead_ship_ai_id INTEGER, range_weapon_device_id INTEGER, melee_weapon_device_id INTEGER,
  stealth_weapon_device_id INTEGER, bonus_weapon_device_id INTEGER, mining_weapon_device_id INTEGER,
  engine_device_id INTEGER, armor_device_id INTEGER, shield_device_id INTEGER,
  compound_amount INTEGER, compound_type TEXT, max_attack_distance_sq REAL,
  fall_back_distance_sq REAL, charge_distance_sq REAL, flee_distance_sq REAL, flee_hp INTEGER,
  x_rel REAL, y_rel REAL, color_mod TEXT);

CREATE TABLE task (
  task_id INTEGER PRIMARY KEY, lead_ship_ai_id INTEGER, task_sequence INTEGER, task_type TEXT,
  x_pos REAL, y_pos REAL, repeat TEXT, priority INTEGER, object_id INTEGER);

CREATE TABLE lead_ship_message (
  lead_ship_message_id INTEGER PRIMARY KEY, lead_ship_ai_id INTEGER, friendly_message TEXT, line TEXT);

-- Devices and weapons
CREATE TABLE device_main (
  device_id INTEGER PRIMARY KEY, device_name TEXT, device_description TEXT, device_mod TEXT,
  device_type TEXT, credit_value INTEGER, display_mesh_id INTEGER, ailment_id INTEGER, for_sale TEXT);

CREATE TABLE engine (
  engine_id INTEGER PRIMARY KEY, device_id INTEGER, acceleration REAL, dist_per_fuel_unit REAL,
  max_fuel INTEGER, max_energy INTEGER, max_velocity REAL, regeneration_rate INTEGER, color_mod TEXT);

CREATE TABLE armor (
  armor_id INTEGER PRIMARY KEY, device_id INTEGER, armor_class INTEGER, max_hit_points INTEGER,
  regeneration_rate INTEGER);

CREATE TABLE shield (
  shield_id INTEGER PRIMARY KEY, device_id INTEGER, armor_class INTEGER, max_hit_points INTEGER,
  regeneration_rate INTEGER, color_mod TEXT, sprite_id INTEGER, num_sprites INTEGER);

CREATE TABLE beam_weapon (
  beam_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, delay INTEGER, precision REAL,
  launch_sound_id INTEGER, min_damage INTEGER, variable_damage INTEGER, range REAL,
  energy_req INTEGER, beam_width REAL, sprite_id INTEGER, mining_bonus INTEGER, color_mod TEXT,
  force_scalar INTEGER);

CREATE TABLE projectile_weapon (
  projectile_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, delay INTEGER, min_damage INTEGER,
  variable_damage INTEGER, range REAL, precision INTEGER, acceleration REAL, max_velocity REAL,
  spin_rate REAL, growth_rate REAL, guided TEXT, max_ammo INTEGER, energy_req INTEGER,
  sprite_id INTEGER, solid_mesh_id INTEGER, size REAL, launch_sound_id INTEGER,
  detonate_sound_id INTEGER, blurr_dist REAL, blurr_repeat INTEGER, color_mod TEXT,
  particle_id INTEGER);

CREATE TABLE shockwave_weapon (
  shockwave_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, delay INTEGER, launch_sound_id INTEGER,
  detonate_sound_id INTEGER, min_damage INTEGER, variable_damage INTEGER, range REAL,
  growth_rate REAL, energy_req INTEGER, sprite_id INTEGER, mesh_id INTEGER, color_mod TEXT);

CREATE TABLE mine_weapon (
  mine_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, destruct_device_id INTEGER,
  destruct_range REAL, launch_sound_id INTEGER, mesh_id INTEGER, delay INTEGER, max_ammo INTEGER);

CREATE TABLE phantom_weapon (
  phantom_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, damage INTEGER, pursuit_range REAL,
  launch_sound_id INTEGER, particle_id INTEGER, particle_delay INTEGER, alive_time INTEGER,
  velocity REAL, delay INTEGER, max_ammo INTEGER, size REAL);

CREATE TABLE cloak_weapon (
  cloak_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, delay INTEGER, energy_req INTEGER,
  launch_sound_id INTEGER);

CREATE TABLE charge_weapon (
  charge_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, delay INTEGER, launch_sound_id INTEGER,
  sprite_id INTEGER, energy_req INTEGER, color_mod TEXT, charge_type TEXT, multiplier REAL);

CREATE TABLE health_weapon (
  health_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, heal_pct INTEGER, max_ammo INTEGER);

CREATE TABLE portal_weapon (
  portal_weapon_id INTEGER PRIMARY KEY, device_id INTEGER, max_ammo INTEGER, energy_req INTEGER);

-- The weapon type of a device follows from the table that holds its weapon row.
CREATE VIEW v_weapon_type AS
  SELECT device_id, 'beam' AS weapon_type FROM beam_weapon
  UNION ALL SELECT device_id, 'projectile' FROM projectile_weapon
  UNION ALL SELECT device_id, 'shockwave' FROM shockwave_weapon
  UNION ALL SELECT device_id, 'cloak' FROM cloak_weapon
  UNION ALL SELECT device_id, 'charge' FROM charge_weapon
  UNION ALL SELECT device_id, 'mine' FROM mine_weapon
  UNION ALL SELECT device_id, 'phantom' FROM phantom_weapon
  UNION ALL SELECT device_id, 'portal' FROM portal_weapon
  UNION ALL SELECT device_id, 'health' FROM health_weapon;

CREATE TABLE device_criteria (
  device_criteria_id INTEGER PRIMARY KEY, alignment TEXT, level INTEGER, ship_level INTEGER,
  ship_size REAL, com_level INTEGER, eng_level INTEGER, nav_level INTEGER, sci_level INTEGER,
  tac_level INTEGER);

CREATE TABLE device_criteria_xref (
  device_criteria_id INTEGER, device_id INTEGER);

CREATE TABLE device_particles (
  device_id INTEGER, particle_id INTEGER);

CREATE TABLE chain_weapon (
  weapon_device_id INTEGER, chain_weapon_device_id INTEGER);

CREATE TABLE device_description (
  device_description_id INTEGER PRIMARY KEY, device_id INTEGER, line TEXT);

CREATE TABLE ailment (
  ailment_id INTEGER PRIMARY KEY, ailment_type TEXT, amount REAL, effect_time INTEGER,
  friendly TEXT, particle_id INTEGER);

CREATE TABLE particle (
  particle_id INTEGER PRIMARY KEY, duration INTEGER, max_trail INTEGER, blurr_dist REAL,
  deceleration REAL, velocity REAL, size REAL, growth_rate REAL, yaw REAL, color_mod TEXT,
  variance INTEGER, num_particles INTEGER, sprite_id INTEGER);

-- Hulls
CREATE TABLE ship (
  ship_id INTEGER PRIMARY KEY, credit_value INTEGER, max_hit_points INTEGER,
  experience_value INTEGER, mesh_id INTEGER, ship_type TEXT, size REAL, max_cargo INTEGER,
  alignment TEXT, ship_level INTEGER, destruct_particle_id INTEGER);

CREATE TABLE create_ship (
  ship_id INTEGER PRIMARY KEY, weapon_id_1 INTEGER, weapon_id_2 INTEGER, engine_device_id INTEGER,
  shield_device_id INTEGER, armor_device_id INTEGER, affiliate TEXT);

CREATE TABLE upgrade_ship (
  ship_id INTEGER PRIMARY KEY, affiliate TEXT);

CREATE TABLE ship_description (
  ship_description_id INTEGER PRIMARY KEY, ship_id INTEGER, line TEXT);

-- Quests. quest_alignment may have no system_id or quest_step_sequence column: the
-- quest-system query names those two unqualified.
CREATE TABLE quest (
  quest_id INTEGER PRIMARY KEY, quest_name TEXT, experience_reward INTEGER, credit_reward INTEGER,
  min_level INTEGER, max_level INTEGER, prereq_quest_id INTEGER, complete_quest_string TEXT,
  target_mesh_id INTEGER);

CREATE TABLE quest_alignment (
  quest_id INTEGER, alignment TEXT);

CREATE TABLE quest_description (
  quest_description_id INTEGER PRIMARY KEY, quest_id INTEGER, line_num INTEGER, line TEXT);

CREATE TABLE quest_ties (
  quest_id INTEGER, next_quest_id INTEGER);

CREATE TABLE quest_step (
  quest_step_id INTEGER PRIMARY KEY, quest_id INTEGER, quest_step_sequence INTEGER,
  quest_step_type TEXT, device_id INTEGER, system_id INTEGER, begin_step_string TEXT,
  complete_step_string TEXT, x_pos REAL, y_pos REAL, mesh_id INTEGER, compound_type TEXT,
  compound_amount INTEGER, target_object_id INTEGER, display_alignment TEXT, conversation TEXT);

CREATE TABLE quest_step_conversation (
  quest_step_conversation_id INTEGER PRIMARY KEY, quest_step_id INTEGER, feed INTEGER,
  line_num INTEGER, line TEXT);

CREATE TABLE quest_step_disabled (
  quest_step_id INTEGER, wormhole_object_id INTEGER);

CREATE TABLE quest_trigger (
  quest_trigger_id INTEGER PRIMARY KEY, quest_id INTEGER, system_id INTEGER,
  quest_trigger_type TEXT, x_pos REAL, y_pos REAL, distance REAL, device_id INTEGER,
  object_id INTEGER, prereq_quest_id INTEGER, remove_quest_id INTEGER);

CREATE TABLE state_trigger (
  state_trigger_id INTEGER PRIMARY KEY, quest_id INTEGER, quest_step_id INTEGER,
  system_id INTEGER, new_system_id INTEGER);

-- Screens and controls; control_id is unique over all screens.
CREATE TABLE screen (
  screen_id INTEGER PRIMARY KEY, screen_name TEXT, sprite_id INTEGER);

CREATE TABLE control (
  control_id INTEGER PRIMARY KEY, screen_id INTEGER, x_pos INTEGER, y_pos INTEGER, visible TEXT,
  text_size TEXT, color_mod TEXT);

CREATE TABLE button (
  button_id INTEGER PRIMARY KEY, control_id INTEGER, button_text TEXT, sprite_id INTEGER,
  down_color_mod TEXT, down_sound_id INTEGER, up_sound_id INTEGER);

CREATE TABLE mouse_over_button (
  mouse_over_button_id INTEGER PRIMARY KEY, control_id INTEGER, button_text TEXT, sprite_id INTEGER,
  down_color_mod TEXT, down_sound_id INTEGER, up_sound_id INTEGER, over_color_mod TEXT,
  over_sound_id INTEGER);

CREATE TABLE sprite_control (
  sprite_control_id INTEGER PRIMARY KEY, control_id INTEGER, sprite_id INTEGER);

CREATE TABLE movie_control (
  movie_control_id INTEGER PRIMARY KEY, control_id INTEGER, sprite_id INTEGER, frame_size INTEGER,
  grid INTEGER);

CREATE TABLE text_control (
  text_id INTEGER PRIMARY KEY, control_id INTEGER, text TEXT);

CREATE TABLE checkbox (
  checkbox_id INTEGER PRIMARY KEY, control_id INTEGER, checkbox_text TEXT, sprite_id INTEGER,
  checked_sprite_id INTEGER, checked TEXT, sound_id INTEGER);

CREATE TABLE slider (
  slider_id INTEGER PRIMARY KEY, control_id INTEGER, slider_text TEXT, slider_sprite_id INTEGER,
  meter_sprite_id INTEGER, current_meter_number INTEGER, max_meter_number INTEGER,
  sound_id INTEGER, horizontal TEXT);

CREATE TABLE drag_button (
  drag_button_id INTEGER PRIMARY KEY, control_id INTEGER, snap_set INTEGER, sprite_id INTEGER,
  down_sound_id INTEGER, up_sound_id INTEGER, snap_sound_id INTEGER);

CREATE TABLE snap_control (
  snap_control_id INTEGER PRIMARY KEY, control_id INTEGER, snap_set INTEGER, sprite_id INTEGER);

CREATE TABLE object_control (
  object_control_id INTEGER PRIMARY KEY, screen_id INTEGER, mesh_id INTEGER,
  x_pos REAL, y_pos REAL, z_pos REAL, x_rot REAL, y_rot REAL, z_rot REAL,
  x_rotv REAL, y_rotv REAL, z_rotv REAL, scale REAL, velocity REAL, orbit TEXT,
  x_orb REAL, y_orb REAL, z_orb REAL, visible TEXT);

-- Resource files, relative to sound/, x/ and raster/
CREATE TABLE sound (sound_id INTEGER PRIMARY KEY, sound_file TEXT);
CREATE TABLE mesh (mesh_id INTEGER PRIMARY KEY, mesh_file TEXT);
CREATE TABLE sprite (sprite_id INTEGER PRIMARY KEY, sprite_file TEXT);

-- One row per glyph: font_size is small, medium or large; font_char holds one character.
CREATE TABLE font (font_size TEXT, font_char TEXT, sprite_id INTEGER);

-- Network hosts; the game adds rows without an id.
CREATE TABLE host (
  host_id INTEGER PRIMARY KEY, host_description TEXT, host_address TEXT, host_port INTEGER);
