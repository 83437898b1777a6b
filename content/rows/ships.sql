-- Hulls: player ships of two alignments in three sizes, and computer ship hulls.

-- Player hulls take their alignment from the affiliate they are created with; computer hulls name their portrait.
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (1, 2000, 100, 50, 14, 'Courier', 4.0, 20, 'lawful', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (2, 6000, 180, 90, 15, 'Frigate', 6.0, 35, 'lawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (3, 15000, 320, 160, 16, 'Freighter', 9.0, 80, 'lawful', 3, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (4, 2500, 110, 50, 17, 'Marauder', 4.0, 15, 'unlawful', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (5, 7000, 200, 90, 18, 'Prospector', 7.0, 60, 'unlawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (10, 0, 80, 6, 17, 'Raider', 4.5, 10, 'pirate', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (11, 0, 120, 3, 18, 'Hauler', 6.0, 40, 'miner', 1, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (12, 0, 60, 6, 26, 'Watcher', 3.5, 0, 'probe', 2, 52);

INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (1, 10, 11, 1, 3, 4, 'lawful');
INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (2, 10, 12, 1, 3, 4, 'lawful');
INSERT INTO create_ship (ship_id, weapon_id_1, weapon_id_2, engine_device_id, shield_device_id, armor_device_id, affiliate) VALUES (4, 11, 23, 1, 3, 4, 'unlawful');

INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (2, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (3, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (5, 'unlawful');

-- Read in insertion order.
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (1, 1, 'Courier: a nimble hull for new pilots.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2, 1, '100 hull points, 20 tons of cargo.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (3, 1, 'Light and quick: it turns on a coin.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (4, 1, 'Cheap to repair and to refuel.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (5, 1, 'Union (lawful): every Varn job is open.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (6, 1, 'Pulse Laser and Plasma Bolt aboard.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (7, 2, 'Frigate: room for two guns, a big hold.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (8, 2, '180 hull points, 35 tons of cargo.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (9, 2, 'Heavy: it turns and stops slowly.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (10, 2, 'Union (lawful): every Varn job is open.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (11, 2, 'Pulse Laser and Seeker Missile aboard.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (12, 2, 'A harder start: for pilots who have flown.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (13, 3, 'Freighter: the biggest hold of the Union.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (14, 3, '320 hull points, 80 tons of cargo.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (15, 3, 'Slow to turn; built to haul, not fight.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (16, 3, 'Union (lawful).');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (17, 4, 'Marauder: a stripped raider, fast and mean.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (18, 4, '110 hull points, 15 tons of cargo.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (19, 4, 'Quick and light, with a small hold.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (20, 4, 'Outlaw (unlawful): the Union picket');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (21, 4, 'will not take you on; its duty stays closed.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (22, 4, 'Plasma Bolt and Scatter Cannon aboard.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (23, 5, 'Prospector: an outlaw mining hull.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (24, 5, '200 hull points, 60 tons of cargo.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (25, 5, 'Steady, with a deep hold for ore.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (26, 5, 'Outlaw (unlawful).');
