-- Devices the stations stock beyond the starting ones: a step up for every few levels, for pilots
-- of both alignments. Prices put the first step within reach of a new pilot who mines and
-- fights in Varn for a while.

INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (100, 'Ion Lance', 'A sharper beam than the yard laser.', 'photon', 'weapon', 750, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (101, 'Flak Repeater', 'Fast slugs in long belts.', 'plasma', 'weapon', 900, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (102, 'Hardened Plating', 'Thick plates for frontier work.', 'crystal', 'armor', 1100, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (103, 'Aegis Screen', 'A shield that soaks more and mends faster.', 'photon', 'shield', 1400, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (104, 'Vector Drive', 'Long range and quick to answer.', 'plasma', 'engine', 1600, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (105, 'Arc Cannon', 'Heavy beam that sears organic hulls.', 'organic', 'weapon', 2200, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (106, 'Hunter Missile', 'Guided missile with a heavy warhead.', 'antimatter', 'weapon', 3000, 24, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (107, 'Bastion Plating', 'Layered armor for a warship.', 'crystal', 'armor', 3200, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (108, 'Tempest Ring', 'A wide ring of radiation.', 'radiation', 'weapon', 3800, 23, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (109, 'Sovereign Shield', 'The strongest screen the Union sells.', 'photon', 'shield', 4500, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (110, 'Nova Lance', 'A beam that cuts through anything.', 'photon', 'weapon', 6000, 20, 0, 'true');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (111, 'Torrent Drive', 'A racing engine for large hulls.', 'plasma', 'engine', 5200, 20, 0, 'true');

-- What each device does.
INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (100, 100, 350, 0.0, 20, 12, 6, 65.0, 14, 1.6, 250, 0, 'ff60d0ff', 0);
INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (105, 105, 450, 0.0, 20, 18, 8, 70.0, 20, 2.0, 250, 0, 'ff80ff80', 1);
INSERT INTO beam_weapon (beam_weapon_id, device_id, delay, precision, launch_sound_id, min_damage, variable_damage, range, energy_req, beam_width, sprite_id, mining_bonus, color_mod, force_scalar) VALUES (110, 110, 500, 0.0, 20, 30, 15, 80.0, 28, 2.4, 250, 0, 'ffffffff', 2);
INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (101, 101, 220, 9, 6, 85.0, 3, 0.35, 4.5, 0.2, 0.0, 'false', 60, 4, 251, 0, 1.6, 20, 0, 1.0, 3, 'ffffd060', 62);
INSERT INTO projectile_weapon (projectile_weapon_id, device_id, delay, min_damage, variable_damage, range, precision, acceleration, max_velocity, spin_rate, growth_rate, guided, max_ammo, energy_req, sprite_id, solid_mesh_id, size, launch_sound_id, detonate_sound_id, blurr_dist, blurr_repeat, color_mod, particle_id) VALUES (106, 106, 1100, 30, 15, 150.0, 0, 0.18, 3.4, 0.0, 0.0, 'true', 16, 10, 0, 24, 1.6, 21, 200, 0.0, 0, 'ffffffff', 62);
INSERT INTO shockwave_weapon (shockwave_weapon_id, device_id, delay, launch_sound_id, detonate_sound_id, min_damage, variable_damage, range, growth_rate, energy_req, sprite_id, mesh_id, color_mod) VALUES (108, 108, 2200, 22, 0, 24, 16, 55.0, 0.7, 45, 253, 23, 'ffff9060');
INSERT INTO shield (shield_id, device_id, armor_class, max_hit_points, regeneration_rate, color_mod, sprite_id, num_sprites) VALUES (103, 103, 3, 180, 20, '8070c0ff', 233, 4);
INSERT INTO shield (shield_id, device_id, armor_class, max_hit_points, regeneration_rate, color_mod, sprite_id, num_sprites) VALUES (109, 109, 4, 300, 25, '80a0e0ff', 233, 4);
INSERT INTO armor (armor_id, device_id, armor_class, max_hit_points, regeneration_rate) VALUES (102, 102, 4, 220, 6);
INSERT INTO armor (armor_id, device_id, armor_class, max_hit_points, regeneration_rate) VALUES (107, 107, 5, 320, 8);
INSERT INTO engine (engine_id, device_id, acceleration, dist_per_fuel_unit, max_fuel, max_energy, max_velocity, regeneration_rate, color_mod) VALUES (104, 104, 0.11, 45.0, 1200, 650, 3.0, 25, 'ff80e0ff');
INSERT INTO engine (engine_id, device_id, acceleration, dist_per_fuel_unit, max_fuel, max_energy, max_velocity, regeneration_rate, color_mod) VALUES (111, 111, 0.16, 35.0, 1400, 900, 4.0, 35, 'ffffc080');

-- Read in the store's panel and by the mission board.
INSERT INTO device_description (device_description_id, device_id, line) VALUES (100, 100, 'A sharper beam than the yard laser.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (101, 101, 'Fast slugs in long belts.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (102, 102, 'Thick plates for frontier work.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (103, 103, 'A shield that soaks more and mends faster.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (104, 104, 'Long range and quick to answer.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (105, 105, 'Heavy beam that sears organic hulls.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (106, 106, 'Guided missile with a heavy warhead.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (107, 107, 'Layered armor for a warship.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (108, 108, 'A wide ring of radiation.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (109, 109, 'The strongest screen the Union sells.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (110, 110, 'A beam that cuts through anything.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (111, 111, 'A racing engine for large hulls.');
