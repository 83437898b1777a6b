-- Hulls of the shipyards: each alignment steps up by size from its starting hulls, one hull at a
-- time, each bought for roughly what a few missions pay at the level it asks for.

INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (20, 3500, 140, 70, 14, 'Cutter', 5.0, 28, 'lawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (21, 8500, 250, 120, 15, 'Corvette', 7.5, 50, 'lawful', 3, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (22, 4200, 150, 70, 17, 'Corsair', 5.5, 24, 'unlawful', 2, 52);
INSERT INTO ship (ship_id, credit_value, max_hit_points, experience_value, mesh_id, ship_type, size, max_cargo, alignment, ship_level, destruct_particle_id) VALUES (23, 13000, 300, 150, 18, 'Warlord', 8.5, 90, 'unlawful', 3, 52);

-- Lawful: Courier 4.0, Cutter 5.0, Frigate 6.0, Corvette 7.5, Freighter 9.0.
-- Unlawful: Marauder 4.0, Corsair 5.5, Prospector 7.0, Warlord 8.5.
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (20, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (21, 'lawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (22, 'unlawful');
INSERT INTO upgrade_ship (ship_id, affiliate) VALUES (23, 'unlawful');

INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2001, 20, 'A stretched courier with armored');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2002, 20, 'ribs and a bigger hold.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2003, 20, 'The first step up for a Union pilot.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2004, 21, 'A patrol corvette of the Union fleet,');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2005, 21, 'sold off to trusted captains.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2006, 21, 'Heavy plating; slow to turn.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2007, 22, 'A raider refitted with stolen plating.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2008, 22, 'Quick, and no questions asked.');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2009, 23, 'A mining barge turned war hulk,');
INSERT INTO ship_description (ship_description_id, ship_id, line) VALUES (2010, 23, 'with the deepest hold outside the law.');
