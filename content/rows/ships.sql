-- Hulls: player ships of two alignments in three sizes, and computer ship hulls.

-- Player hulls take their alignment from the affiliate they are created with; computer hulls name their portrait.
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (1, 2000, 100, 50, 14, 'Courier', 4.0, 20, 'lawful', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (2, 6000, 180, 90, 15, 'Frigate', 6.0, 35, 'lawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (3, 15000, 320, 160, 16, 'Freighter', 9.0, 80, 'lawful', 3, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (4, 2500, 110, 50, 17, 'Marauder', 4.0, 15, 'unlawful', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (5, 7000, 200, 90, 18, 'Prospector', 7.0, 60, 'unlawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (10, 0, 80, 40, 17, 'Raider', 4.5, 10, 'pirate', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (11, 0, 120, 30, 18, 'Hauler', 6.0, 40, 'miner', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (12, 0, 60, 60, 26, 'Watcher', 3.5, 0, 'probe', 2, 52);

INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (1, 10, 11, 1, 3, 4, 'lawful');
INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (2, 10, 12, 1, 3, 4, 'lawful');
INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (4, 11, 23, 1, 3, 4, 'unlawful');

INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (2, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (3, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (5, 'unlawful');

-- Read in insertion order.
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (1, 1, 'A nimble courier for new pilots.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2, 1, 'Light, quick and easy to repair.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (3, 2, 'A frigate with room for two guns');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (4, 2, 'and a generous hold.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (5, 3, 'The Freighter hauls more than any');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (6, 3, 'hull the Union builds.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (7, 4, 'A stripped raider, fast and mean.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (8, 5, 'A mining hull with a deep hold.');
