-- Devices: engines, shield, armor, a mission device and weapons of every kind.

INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (1, 'Ion Drive', 'A steady engine for light hulls.', 'plasma', 'engine', 400, 20, 2, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (2, 'Fusion Thruster', 'Fast and thirsty.', 'plasma', 'engine', 1200, 20, 4, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (3, 'Deflector Screen', 'Energy shield that recharges quickly.', 'photon', 'shield', 800, 20, 1, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (4, 'Composite Plating', 'Layered hull armor.', 'crystal', 'armor', 700, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (5, 'Sealed Data Core', 'A courier package. Do not open.', 'radiation', 'quest', 0, 20, 0, 'false');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (10, 'Pulse Laser', 'Beam that pushes its target back.', 'photon', 'weapon', 600, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (11, 'Plasma Bolt', 'Spinning plasma shots that slow the target.', 'plasma', 'weapon', 500, 20, 7, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (12, 'Seeker Missile', 'Guided missile that stuns on impact.', 'antimatter', 'weapon', 1500, 24, 6, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (13, 'Nova Burst', 'Expanding ring of light.', 'photon', 'weapon', 900, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (14, 'Quake Ring', 'Heavy shockwave of uneven strength.', 'radiation', 'weapon', 1800, 23, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (15, 'Shadow Veil', 'Hides the ship from hostile eyes.', 'organic', 'weapon', 2000, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (16, 'Shield Converter', 'Turns energy into shield strength.', 'photon', 'weapon', 700, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (17, 'Energy Converter', 'Turns hull integrity into energy.', 'plasma', 'weapon', 700, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (18, 'Overdrive', 'Boosts the engine for a while.', 'plasma', 'weapon', 900, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (19, 'Proximity Mine', 'Drops a mine that bursts near enemies.', 'antimatter', 'weapon', 1100, 27, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (20, 'Wraith Drone', 'Launches a drone that hunts enemies.', 'organic', 'weapon', 1600, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (21, 'Fold Gate', 'Opens a portal to Lustalla.', 'radiation', 'weapon', 2500, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (22, 'Repair Nanites', 'Restores part of the hull.', 'organic', 'weapon', 600, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (23, 'Scatter Cannon', 'Pirate gun whose hits stall the engines.', 'plasma', 'weapon', 400, 20, 6, 'false');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (24, 'Turret Laser', 'Outpost beam that weakens its target.', 'photon', 'weapon', 400, 20, 9, 'false');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (26, 'Scrap Cutter', 'A salvage beam the Dust Rats turned on ships.', 'photon', 'weapon', 350, 20, 0, 'false');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (25, 'Spore Burst', 'Spores that stop shield recharge.', 'organic', 'weapon', 300, 20, 10, 'false');

INSERT INTO engine (engine_id, device_id, acceleration, dist_per_fuel_unit, max_fuel, max_energy, max_velocity, regeneration_rate, color_mod) VALUES (1, 1, 0.08, 40.0, 1000, 500, 2.5, 20, 'ff80c0ff');
INSERT INTO engine (engine_id, device_id, acceleration, dist_per_fuel_unit, max_fuel, max_energy, max_velocity, regeneration_rate, color_mod) VALUES (2, 2, 0.14, 25.0, 800, 700, 3.5, 25, 'ffffa060');

INSERT INTO shield (shield_id, device_id, armor_class, max_hit_points, regeneration_rate, color_mod, sprite_id, num_sprites) VALUES (1, 3, 2, 120, 15, '8060b0ff', 233, 4);

INSERT INTO armor (armor_id, device_id, armor_class, max_hit_points, regeneration_rate) VALUES (1, 4, 3, 150, 5);

INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (1, 10, 400, 0.0, 20, 8, 4, 60.0, 15, 1.5, 250, 0, 'ff80e0ff', 2);
INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (2, 24, 600, 2.5, 20, 3, 0, 50.0, 0, 1.0, 250, 0, 'ffff6060', 0);
INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (3, 26, 500, 2.0, 20, 4, 4, 50.0, 0, 1.0, 250, 0, 'ffffa040', 0);

INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (1, 11, 300, 6, 4, 80.0, 2, 0.3, 4.0, 0.3, 0.0, 'false', 40, 5, 251, 0, 2.0, 20, 0, 1.0, 4, 'ffff8040', 62);
INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (2, 12, 1200, 25, 10, 140.0, 0, 0.15, 3.0, 0.0, 0.0, 'true', 12, 10, 0, 24, 1.5, 21, 200, 0.0, 0, 'ffffffff', 62);
INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (3, 23, 400, 7, 5, 70.0, 4, 0.3, 3.5, 0.2, 0.0, 'false', 0, 0, 251, 0, 1.8, 20, 0, 1.0, 3, 'ffff4040', 62);
INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (4, 25, 900, 3, 3, 60.0, 6, 0.2, 2.5, 0.1, 0.02, 'false', 0, 0, 231, 0, 2.5, 24, 0, 0.0, 0, 'ffff60c0', 63);

INSERT INTO shockwave_weapon (shockwave_weapon_id, device_id, delay, launch_sound_id, detonate_sound_id, min_damage, variable_damage, range, growth_rate, energy_req, sprite_id, mesh_id, color_mod) VALUES (1, 13, 1500, 22, 0, 12, 0, 40.0, 0.8, 30, 253, 0, 'ff80c0ff');
INSERT INTO shockwave_weapon (shockwave_weapon_id, device_id, delay, launch_sound_id, detonate_sound_id, min_damage, variable_damage, range, growth_rate, energy_req, sprite_id, mesh_id, color_mod) VALUES (2, 14, 2500, 22, 0, 20, 15, 60.0, 0.6, 50, 253, 23, 'ffffc080');

INSERT INTO cloak_weapon (cloak_weapon_id, device_id, delay, energy_req, launch_sound_id) VALUES (1, 15, 2000, 40, 54);

INSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, sprite_id, energy_req, color_mod, charge_type, multiplier) VALUES (1, 16, 100, 25, 254, 20, 'a060b0ff', 'shield', 1.5);
INSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, sprite_id, energy_req, color_mod, charge_type, multiplier) VALUES (2, 17, 100, 25, 254, 15, 'a0ffe060', 'energy', 1.2);
INSERT INTO charge_weapon (charge_weapon_id, device_id, delay, launch_sound_id, sprite_id, energy_req, color_mod, charge_type, multiplier) VALUES (3, 18, 200, 25, 254, 30, 'a080ffc0', 'engine', 1.8);

INSERT INTO mine_weapon (mine_weapon_id, device_id, destruct_device_id, destruct_range, launch_sound_id, mesh_id, delay, max_ammo) VALUES (1, 19, 13, 20.0, 23, 27, 1500, 6);

INSERT INTO phantom_weapon (phantom_weapon_id, device_id, damage, pursuit_range, launch_sound_id, particle_id, particle_delay, alive_time, velocity, delay, max_ammo, size) VALUES (1, 20, 15, 80.0, 24, 64, 200, 20, 0.6, 3000, 4, 3.0);

INSERT INTO portal_weapon (portal_weapon_id, device_id, max_ammo, energy_req) VALUES (1, 21, 3, 100);

INSERT INTO health_weapon (health_weapon_id, device_id, heal_pct, max_ammo) VALUES (1, 22, 30, 5);

-- The pulse laser sets off a nova when it fires, and the scatter cannon's slug scatters into
-- spores where it ends; beams and projectiles spark where they hit.
INSERT INTO chain_weapon (weapon_device_id, chain_weapon_device_id) VALUES (10, 13);
INSERT INTO chain_weapon (weapon_device_id, chain_weapon_device_id) VALUES (23, 25);
INSERT INTO device_particles (device_id, particle_id) VALUES (10, 60);
INSERT INTO device_particles (device_id, particle_id) VALUES (11, 61);
INSERT INTO device_particles (device_id, particle_id) VALUES (12, 52);
INSERT INTO device_particles (device_id, particle_id) VALUES (23, 61);

INSERT INTO device_description (device_description_id, device_id, line) VALUES (1, 10, 'Beam weapon. Knocks targets back.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (2, 10, 'Chains a Nova Burst on each shot.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (3, 12, 'Guided. Twelve missiles per load.');

-- Criteria: what a pilot of each alignment needs to buy and equip a device.
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (1, 'lawful', 1, 1, 1.0, 1, 1, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (2, 'lawful', 3, 1, 3.0, 1, 2, 1, 1, 2);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (3, 'lawful', 5, 2, 4.0, 1, 1, 1, 3, 3);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (4, 'unlawful', 1, 1, 1.0, 1, 1, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (5, 'unlawful', 3, 1, 3.0, 1, 2, 1, 1, 2);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (6, 'unlawful', 5, 2, 4.0, 1, 1, 1, 3, 3);

INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 1);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 3);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 4);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 5);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 10);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 11);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (1, 22);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 2);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 13);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 15);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 16);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 17);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (2, 19);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (3, 12);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (3, 14);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (3, 18);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (3, 20);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (3, 21);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 1);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 3);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 4);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 5);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 10);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 11);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 22);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 2);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 13);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 15);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 16);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 17);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (5, 19);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (6, 12);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (6, 14);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (6, 18);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (6, 20);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (6, 21);

-- Starting loadouts: a new pilot can refit every device the hull starts with.
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (7, 'lawful', 1, 2, 6.0, 1, 1, 1, 1, 1);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (7, 12);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (4, 23);
