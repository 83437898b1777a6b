-- Solar systems of galaxy 1, their wormhole ring and every kind of space object.

-- 101 is Varn in another state (a state trigger chooses it); it keeps the wormhole spots of 1.
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (1, 1, 'Varn', 'Heart of the Union, home port of every new pilot.', 1200.0, 1200.0, 400, 300, 'union', 'true');
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (2, 1, 'Lustalla', 'A hidden goth system reached only through a fold gate.', 900.0, 900.0, 180, 140, 'goth', 'true');
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (3, 1, 'Cinder', 'Ignus frontier, held by pirates and old defences.', 1400.0, 1400.0, 580, 120, 'ignus', 'true');
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (4, 1, 'Verdance', 'Enimanga gardens drifting in green light.', 1000.0, 1000.0, 620, 450, 'enimanga', 'true');
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (5, 1, 'Umbral', 'Mandralor space, quiet and watchful.', 1000.0, 1000.0, 220, 460, 'mandralor', 'true');
INSERT INTO system (system_id, galaxy_id, system_name, system_description, x_dimension, y_dimension, x_galaxy, y_galaxy, system_type, visible) VALUES (101, 1, 'Varn', 'Varn after the blockade: the Union fleet stands guard.', 1200.0, 1200.0, 400, 300, 'union', 'false');

-- Orbiting bodies circle the centre at velocity / r^2 radians per 100 ms, r^2 counting the height of 30:
-- velocity ~ (r + 900 / r) x the speed along the orbit. They run at 1.9 to 2.7 units a second and
-- hit a new pilot for 42 to 65 points, well inside a starter hull's 100.
-- Trade hubs stand still (velocity 0), so a pilot docks by flying at the hub on the screen.
-- Object ids: 1000 x system + n (variant 101: 11000 + n), clear of the player, network and run-time ids.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1001, 1, 0, 'Varn Exchange', 'station', 150.0, 120.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1002, 1, 0, 'Varn Prime', 'planet', -300.0, 250.0, 0.0, 100000, 60.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1003, 1, 0, 'Sun', 'planet', 0.0, 500.0, 0.0, 100000, 120.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1004, 1, 0, 'Wormhole', 'wormhole', 500.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1005, 1, 0, 'Wormhole', 'wormhole', -500.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11001, 101, 0, 'Varn Exchange', 'station', 150.0, 120.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11002, 101, 0, 'Varn Prime', 'planet', -300.0, 250.0, 0.0, 100000, 60.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11003, 101, 0, 'Sun', 'planet', 0.0, 500.0, 0.0, 100000, 120.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11004, 101, 0, 'Wormhole', 'wormhole', 500.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11005, 101, 0, 'Wormhole', 'wormhole', -500.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1006, 1, 0, 'Ore Field', 'resource', -200.0, -250.0, 0.0, 0, 6.0, 60, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1007, 1, 0, 'Fracturing Rock', 'orbital', 0.0, 260.0, 50.0, 60, 5.0, 120, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1008, 1, 0, 'Ice Moon', 'orbital', 140.0, 0.0, 40.0, 80, 4.0, 120, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1009, 1, 0, 'Static Cloud', 'nebula', 300.0, -200.0, 0.0, 1, 60.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1010, 1, 0, 'Stellar Scaffold', 'scaffold', -100.0, -450.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1011, 1, 0, 'Rendezvous Beacon', 'goto', 250.0, -50.0, 0.0, 1, 8.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1012, 1, 0, 'Repair Kit', 'health', 120.0, -160.0, 0.0, 1, 3.0, 90, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1013, 1, 0, 'Salvaged Launcher', 'device', -60.0, -180.0, 0.0, 1, 3.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11006, 101, 0, 'Union Picket', 'lead', 100.0, -300.0, 0.0, 180, 5.0, 120, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2001, 2, 0, 'Sun', 'planet', 0.0, 300.0, 0.0, 100000, 100.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2002, 2, 0, 'Lustalla Reach', 'planet', 250.0, -150.0, 0.0, 100000, 50.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2003, 2, 0, 'Lustalla Haven', 'station', -150.0, -100.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3001, 3, 0, 'Cinder Depot', 'station', -200.0, 150.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3002, 3, 0, 'Wormhole', 'wormhole', -550.0, -450.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3003, 3, 0, 'Wormhole', 'wormhole', 550.0, -450.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3004, 3, 0, 'Cinder Battery', 'outpost', 300.0, 300.0, 0.05, 250, 8.0, 300, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3005, 3, 0, 'Drifting Mine', 'mine', 0.0, -300.0, 0.0, 10, 3.0, 0, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3006, 3, 0, 'Wraith', 'phantom', -300.0, -200.0, 0.4, 50, 4.0, 60, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3007, 3, 0, 'Maelstrom', 'vortex', 400.0, -100.0, 0.0, 1, 40.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3008, 3, 0, 'Stellar Scaffold', 'scaffold', -450.0, 300.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3009, 3, 0, 'Stellar Scaffold', 'scaffold', -450.0, -50.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3010, 3, 0, 'Red Fang', 'lead', 200.0, -200.0, 0.0, 80, 5.0, 120, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3011, 3, 0, 'Red Fang Wing', 'ai', 220.0, -220.0, 0.0, 80, 4.0, 120, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3012, 3, 0, 'Claim Jumper', 'lead', -250.0, 350.0, 0.0, 120, 5.0, 180, 'unlawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3013, 3, 0, 'Sun', 'planet', 100.0, 550.0, 0.0, 100000, 110.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3014, 3, 0, 'Cinder Ash', 'planet', -100.0, -560.0, 0.0, 100000, 55.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3015, 3, 0, 'Cinder Shard', 'orbital', 180.0, 0.0, 45.0, 60, 5.0, 120, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3016, 3, 0, 'Ash Veil', 'nebula', -300.0, -350.0, 0.0, 1, 100.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4001, 4, 0, 'Wormhole', 'wormhole', -450.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4002, 4, 0, 'Wormhole', 'wormhole', 450.0, 350.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4003, 4, 0, 'Verdance Bloom', 'planet', 0.0, 200.0, 0.0, 100000, 70.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4004, 4, 0, 'Grove Station', 'station', 200.0, -150.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4005, 4, 0, 'Watcher', 'lead', -200.0, 100.0, 0.0, 60, 4.0, 120, 'nature');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4006, 4, 0, 'Sun', 'planet', -300.0, 380.0, 0.0, 100000, 90.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5001, 5, 0, 'Wormhole', 'wormhole', -400.0, 350.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5002, 5, 0, 'Wormhole', 'wormhole', 450.0, -400.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5003, 5, 0, 'Umbral Deep', 'planet', -100.0, -200.0, 0.0, 100000, 80.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5004, 5, 0, 'Umbral Giant', 'planet', 250.0, 250.0, 0.0, 100000, 90.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5005, 5, 0, 'Sun', 'planet', -350.0, -380.0, 0.0, 100000, 90.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5006, 5, 0, 'Spore Fountain', 'fountain', 300.0, -200.0, 0.0, 200, 10.0, 0, 'nature');

INSERT INTO station (station_id, mesh_id, invulnerable, experience_value, station_type, common_compounds, uncommon_compounds, rare_compounds, exotic_compounds, undiscovered_compounds) VALUES (1, 1, 'true', 0, 'Trade Hub', 0, 0, 0, 0, 0);
INSERT INTO station (station_id, mesh_id, invulnerable, experience_value, station_type, common_compounds, uncommon_compounds, rare_compounds, exotic_compounds, undiscovered_compounds) VALUES (2, 1055, 'true', 0, 'Supply Depot', 0, 0, 0, 0, 0);

INSERT INTO station_object_xref (station_id, object_id) VALUES (1, 1001);
INSERT INTO station_object_xref (station_id, object_id) VALUES (1, 11001);
INSERT INTO station_object_xref (station_id, object_id) VALUES (1, 2003);
INSERT INTO station_object_xref (station_id, object_id) VALUES (2, 3001);
INSERT INTO station_object_xref (station_id, object_id) VALUES (1, 4004);

INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (1002, 1002, 'true', 0, 0, 0, 0, 0, 210, 200);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (1003, 1003, 'true', 0, 0, 0, 0, 0, 211, 205);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (11002, 11002, 'true', 0, 0, 0, 0, 0, 210, 200);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (11003, 11003, 'true', 0, 0, 0, 0, 0, 211, 205);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (2001, 2001, 'true', 0, 0, 0, 0, 0, 211, 205);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (2002, 2002, 'true', 0, 0, 0, 0, 0, 210, 204);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (3013, 3013, 'true', 0, 0, 0, 0, 0, 211, 205);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (3014, 3014, 'true', 0, 0, 0, 0, 0, 210, 204);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (4003, 4003, 'true', 0, 0, 0, 0, 0, 210, 201);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (4006, 4006, 'true', 0, 0, 0, 0, 0, 211, 205);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (5003, 5003, 'true', 0, 0, 0, 0, 0, 210, 202);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (5004, 5004, 'true', 0, 0, 0, 0, 0, 210, 203);
INSERT INTO planet_object (planet_id, object_id, invulnerable, ring_sprite_id, common_rate, uncommon_rate, rare_rate, exotic_rate, glow_sprite_id, sprite_id) VALUES (5005, 5005, 'true', 0, 0, 0, 0, 0, 211, 205);

INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (1004, 1004, 3);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (1005, 1005, 5);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (11004, 11004, 3);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (11005, 11005, 5);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (3002, 3002, 1);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (3003, 3003, 4);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (4001, 4001, 3);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (4002, 4002, 5);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (5001, 5001, 4);
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (5002, 5002, 1);

INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (1006, 1006, 'common', 20, 3);

INSERT INTO orbit_object (orbit_id, object_id, resource_type, blurr_dist, blurr_repeat, invulnerable, compounds, color_mod, mesh_id, rotate_x, rotate_y, rotate_z, particle_id, particle_delay) VALUES (1007, 1007, 'uncommon', 0.0, 0, 'false', 30, 'ffffffff', 13, 0.0, 0.0, 0.01, 65, 2000);
INSERT INTO orbit_object (orbit_id, object_id, resource_type, blurr_dist, blurr_repeat, invulnerable, compounds, color_mod, mesh_id, rotate_x, rotate_y, rotate_z, particle_id, particle_delay) VALUES (3015, 3015, 'uncommon', 0.0, 0, 'false', 20, 'ffffffff', 13, 0.02, 0.0, 0.01, 65, 2500);
INSERT INTO orbit_object (orbit_id, object_id, resource_type, blurr_dist, blurr_repeat, invulnerable, compounds, color_mod, mesh_id, rotate_x, rotate_y, rotate_z, particle_id, particle_delay) VALUES (1008, 1008, 'rare', 0.0, 0, 'false', 15, 'c0e0f0ff', 12, 0.01, 0.0, 0.0, 65, 3000);

INSERT INTO nebula_object (nebula_id, object_id, ailment_id, color_mod, sprite_id, num_sprites, damage) VALUES (1009, 1009, 11, '40405878', 220, 1, 2);
INSERT INTO nebula_object (nebula_id, object_id, ailment_id, color_mod, sprite_id, num_sprites, damage) VALUES (3016, 3016, 11, '70a08060', 220, 1, 3);

INSERT INTO scaffold_object (scaffold_id, object_id, length, mesh_id, horizontal) VALUES (1010, 1010, 4, 21, 'true');
INSERT INTO scaffold_object (scaffold_id, object_id, length, mesh_id, horizontal) VALUES (3008, 3008, 3, 21, 'false');
INSERT INTO scaffold_object (scaffold_id, object_id, length, mesh_id, horizontal) VALUES (3009, 3009, 2, 1056, 'true');

INSERT INTO goto_object (goto_id, object_id, sprite_id) VALUES (1011, 1011, 35);

INSERT INTO health_object (health_id, object_id, health_pct) VALUES (1012, 1012, 50);

INSERT INTO device_object (device_object_id, object_id, device_id) VALUES (1013, 1013, 11);

INSERT INTO fountain_object (fountain_id, object_id, invulnerable, particle_id, particle_delay, weapon_device_id, weapon_delay, collision_damage) VALUES (5006, 5006, 'false', 63, 800, 25, 3000, 10);

INSERT INTO outpost_object (outpost_id, object_id, invulnerable, mesh_id, weapon_device_id, weapon_delay, collision_damage, device_weakness_type, attack_radius, base_mesh_id, color_mod, base_rel_size, experience_value, compound_amount, compound_type) VALUES (3004, 3004, 'false', 4, 24, 2500, 20, 'organic', 50.0, 5, 'ffffffff', 1.6, 24, 10, 'rare');

INSERT INTO mine_object (mine_id, object_id, weapon_device_id, mesh_id, destruct_range) VALUES (3005, 3005, 13, 6, 25.0);

INSERT INTO phantom_object (phantom_id, object_id, particle_id, particle_delay, pursuit_range, damage) VALUES (3006, 3006, 64, 300, 90.0, 10);

INSERT INTO vortex_object (vortex_id, object_id, force) VALUES (3007, 3007, 150.0);

-- Computer ships; their tasks come with the computer-ship behaviour.
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (11006, 11006, 'false', 2, 10, 12, 0, 0, 0, 1, 4, 3, 0, 'common', 3600.0, 400.0, 900.0, 100.0, 20, 'ffffffff', 2500.0, 0);
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (3010, 3010, 'false', 10, 23, 0, 0, 0, 0, 1, 4, 3, 15, 'exotic', 4900.0, 400.0, 900.0, 100.0, 20, 'ffffffff', 3600.0, 0);
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (3012, 3012, 'false', 11, 23, 0, 0, 0, 0, 2, 0, 3, 25, 'uncommon', 3600.0, 400.0, 900.0, 100.0, 30, 'a0ffffff', 2500.0, 18);
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (4005, 4005, 'true', 12, 13, 0, 0, 0, 0, 2, 4, 3, 0, 'common', 2500.0, 400.0, 900.0, 100.0, 10, 'ffffffff', 1600.0, 0);

INSERT INTO ship_ai (ship_ai_id, object_id, invulnerable, ship_id, lead_ship_ai_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, x_rel, y_rel, color_mod) VALUES (3011, 3011, 'false', 10, 3010, 23, 0, 0, 0, 0, 1, 4, 3, 5, 'common', 4900.0, 400.0, 900.0, 100.0, 15, 20.0, -20.0, 'ffffffff');

INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (1, 3010, 'false', 'This is Red Fang. Your cargo or your hull.');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (2, 3010, 'false', 'Choose quickly.');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (3, 11006, 'true', 'Union picket. Varn is under our protection.');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (4, 4005, 'true', 'The Watcher sees you, traveller.');

-- The portal system's way out: a pilot saved there is never stranded. It leads home one way, so
-- the ship arrives at Varn's centre.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2004, 2, 0, 'Wormhole', 'wormhole', -350.0, -300.0, 0.0, 1, 20.0, 0, 'neutral');
INSERT INTO wormhole_object (wormhole_id, object_id, jump_system_id) VALUES (2004, 2004, 1);

-- Mining: a field near the start that fills a new pilot's hold, and lumps further out.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1015, 1, 0, 'Ore Field', 'resource', -230.0, -220.0, 0.0, 0, 6.0, 60, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1016, 1, 0, 'Crystal Seam', 'resource', -170.0, -280.0, 0.0, 0, 5.0, 120, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3017, 3, 0, 'Ember Vein', 'resource', 250.0, 100.0, 0.0, 0, 6.0, 120, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4007, 4, 0, 'Spore Cluster', 'resource', -150.0, -200.0, 0.0, 0, 6.0, 90, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5007, 5, 0, 'Dark Shard', 'resource', 150.0, -100.0, 0.0, 0, 5.0, 180, 'neutral');
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (1015, 1015, 'common', 10, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (1016, 1016, 'rare', 4, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (3017, 3017, 'rare', 10, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (4007, 4007, 'uncommon', 15, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (5007, 5007, 'exotic', 5, 3);

-- Guarded Varn keeps the fields of Varn, so a miner's job taken before the blockade ends goes on.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11014, 101, 0, 'Ore Field', 'resource', -200.0, -250.0, 0.0, 0, 6.0, 60, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11015, 101, 0, 'Ore Field', 'resource', -230.0, -220.0, 0.0, 0, 6.0, 60, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11016, 101, 0, 'Crystal Seam', 'resource', -170.0, -280.0, 0.0, 0, 5.0, 120, 'neutral');
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (11014, 11014, 'common', 20, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (11015, 11015, 'common', 10, 3);
INSERT INTO resource_object (resource_id, object_id, resource_type, resource_amount, mesh_id) VALUES (11016, 11016, 'rare', 4, 3);

-- Repair kits on the frontier.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3018, 3, 0, 'Repair Kit', 'health', -480.0, -400.0, 0.0, 1, 3.0, 0, 'neutral');
INSERT INTO health_object (health_id, object_id, health_pct) VALUES (3018, 3018, 40);

-- The weakest pirates, a raider and its wing, roam the first system's far side.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1020, 1, 0, 'Dust Rat', 'lead', -350.0, 150.0, 0.0, 80, 4.5, 120, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1021, 1, 0, 'Dust Rat Wing', 'ai', -365.0, 165.0, 0.0, 80, 4.5, 120, 'evil');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (1020, 1020, 'false', 10, 26, 0, 0, 0, 0, 1, 0, 0, 5, 'common', 2500.0, 100.0, 900.0, 25.0, 0, 'ffc0a080', 3600.0, 26);
INSERT INTO ship_ai (ship_ai_id, object_id, invulnerable, ship_id, lead_ship_ai_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, x_rel, y_rel, color_mod) VALUES (1021, 1021, 'false', 10, 1020, 26, 0, 0, 0, 0, 1, 0, 0, 3, 'common', 2500.0, 100.0, 900.0, 25.0, 0, -15.0, 15.0, 'ffc0a080');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (5, 1020, 'false', 'Dust Rats here. Nice little ship you have.');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (6, 1020, 'false', 'Be a shame if something happened to it.');
-- Scripts: patrols loop on repeating moves; a one-off step runs once and leaves the loop.
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (1, 1020, 1, 'move', -300.0, 100.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (2, 1020, 2, 'move', -120.0, -120.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (3, 1020, 3, 'move', -380.0, -60.0, 'false', 2, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (4, 3010, 1, 'move', 100.0, -150.0, 'false', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (5, 3010, 2, 'attack', 0.0, 0.0, 'false', 1, 3012);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (6, 3010, 3, 'move', 200.0, -200.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (7, 3010, 4, 'charge', 0.0, 0.0, 'true', 3, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (8, 3012, 1, 'move', -250.0, 350.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (9, 3012, 2, 'move', -420.0, 200.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (10, 3012, 3, 'flee', -550.0, 550.0, 'false', 2, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (11, 11006, 1, 'move', 100.0, -300.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (12, 11006, 2, 'move', 350.0, -100.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (13, 11006, 3, 'fall_back', 0.0, 0.0, 'false', 2, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (14, 4005, 1, 'hold_position', -200.0, 100.0, 'true', 1, 0);

-- Lustalla: a freighter plies between the haven and the wormholes, with an escort.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2020, 2, 0, 'Haven Freighter', 'lead', -120.0, -80.0, 0.0, 150, 6.0, 180, 'lawful');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (2021, 2, 0, 'Haven Escort', 'ai', -140.0, -60.0, 0.0, 100, 4.0, 180, 'lawful');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (2020, 2020, 'false', 11, 0, 0, 0, 0, 0, 1, 4, 0, 20, 'uncommon', 2500.0, 400.0, 900.0, 100.0, 40, 'ffe0e0ff', 2500.0, 0);
INSERT INTO ship_ai (ship_ai_id, object_id, invulnerable, ship_id, lead_ship_ai_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, x_rel, y_rel, color_mod) VALUES (2021, 2021, 'false', 10, 2020, 10, 0, 0, 0, 0, 1, 4, 3, 0, 'common', 3600.0, 400.0, 900.0, 100.0, 20, -20.0, 20.0, 'ffe0e0ff');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (7, 2020, 'true', 'Haven Freighter, outbound with ore. Keep off.');
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (15, 2020, 1, 'move', -380.0, 320.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (16, 2020, 2, 'move', -120.0, -80.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (17, 2020, 3, 'move', 420.0, -370.0, 'true', 1, 0);

-- Umbral: the Reavers hunt in threes and guard the way to the deep.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5020, 5, 0, 'Umbral Reaver', 'lead', 100.0, 200.0, 0.0, 140, 5.0, 240, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5021, 5, 0, 'Reaver Wing', 'ai', 80.0, 220.0, 0.0, 100, 4.5, 240, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5022, 5, 0, 'Reaver Wing', 'ai', 120.0, 220.0, 0.0, 100, 4.5, 240, 'evil');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (5020, 5020, 'false', 10, 10, 23, 0, 0, 0, 1, 4, 3, 20, 'rare', 4900.0, 400.0, 900.0, 100.0, 20, 'ffa0a0ff', 4900.0, 0);
INSERT INTO ship_ai (ship_ai_id, object_id, invulnerable, ship_id, lead_ship_ai_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, x_rel, y_rel, color_mod) VALUES (5021, 5021, 'false', 10, 5020, 26, 0, 0, 0, 0, 1, 4, 0, 5, 'uncommon', 3600.0, 400.0, 900.0, 100.0, 15, -20.0, 20.0, 'ffa0a0ff');
INSERT INTO ship_ai (ship_ai_id, object_id, invulnerable, ship_id, lead_ship_ai_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, x_rel, y_rel, color_mod) VALUES (5022, 5022, 'false', 10, 5020, 26, 0, 0, 0, 0, 1, 4, 0, 5, 'uncommon', 3600.0, 400.0, 900.0, 100.0, 15, 20.0, 20.0, 'ffa0a0ff');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (8, 5020, 'false', 'Reavers do not bargain.');
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (9, 5020, 'false', 'Turn back or burn.');
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (18, 5020, 1, 'move', 300.0, 150.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (19, 5020, 2, 'move', -250.0, -300.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (20, 5020, 3, 'move', 100.0, 200.0, 'true', 1, 0);

-- Umbral: a refuge past the Reavers' beat, so a pilot who comes this far can dock, trade and be saved.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5008, 5, 0, 'Umbral Refuge', 'station', -300.0, 150.0, 0.0, 5000, 12.0, 0, 'lawful');
INSERT INTO station_object_xref (station_id, object_id) VALUES (1, 5008);
