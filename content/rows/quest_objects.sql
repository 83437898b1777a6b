-- What the quest steps place: their ships and devices, the mission devices, and the raiders that
-- test the picket line of Varn in its guarded state. Objects of system N take ids N500 to N699.

-- Mission devices: the lens a step asks for, and the beacon that offers the search for it.
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (200, 'Umbral Lens', 'An observatory lens, cracked but whole.', 'photon', 'quest', 0, 20, 0, 'false');
INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, credit_value, display_mesh_id, ailment_id, for_sale) VALUES (201, 'Drifting Beacon', 'A beacon that still calls for its lost lens.', 'radiation', 'quest', 0, 20, 0, 'false');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (200, 200, 'Mission device. The Umbral Deep observers want it back.');
INSERT INTO device_description (device_description_id, device_id, line) VALUES (201, 201, 'Mission device. Its signal leads to a lost lens.');

-- First Light: two scrap raiders wait past the beacon, each on its own patrol, so neither runs
-- off when the other falls.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1500, 1, 14, 'Scrap Raider', 'lead', 380.0, 60.0, 0.0, 50, 4.5, 0, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (1501, 1, 14, 'Scrap Raider', 'lead', 395.0, 75.0, 0.0, 40, 4.0, 0, 'evil');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (1500, 1500, 'false', 10, 24, 0, 0, 0, 0, 1, 0, 0, 5, 'common', 2500.0, 100.0, 900.0, 25.0, 0, 'ffd0a080', 3600.0, 0);
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (1501, 1501, 'false', 10, 24, 0, 0, 0, 0, 1, 0, 0, 3, 'common', 2500.0, 100.0, 900.0, 25.0, 0, 'ffd0a080', 3600.0, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (1500, 1500, 1, 'move', 330.0, 40.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (1501, 1500, 2, 'move', 400.0, 80.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (1502, 1501, 1, 'move', 410.0, 90.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (1503, 1501, 2, 'move', 350.0, 20.0, 'true', 1, 0);
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (1500, 1500, 'false', 'That beacon was ours first. Back off!');

-- Breaking the Blockade: the warlord, near the wormhole from Varn. He came and went through a fold
-- gate, and whoever breaks the blockade finds it in his wreck.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (3500, 3, 33, 'Warlord Kesh', 'lead', -330.0, -300.0, 0.0, 120, 5.0, 0, 'evil');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (3500, 3500, 'false', 10, 23, 0, 0, 0, 0, 1, 4, 3, 15, 'rare', 4900.0, 400.0, 900.0, 100.0, 20, 'ffff8080', 4900.0, 21);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (3500, 3500, 1, 'move', -380.0, -330.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (3501, 3500, 2, 'move', -280.0, -260.0, 'true', 1, 0);
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (3500, 3500, 'false', 'Kesh holds Cinder. Turn back, Union pup.');

-- Seeds of the Bloom: the barge crosses to Grove Station once, then waits there.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (4500, 4, 41, 'Seed Barge', 'lead', 80.0, 120.0, 0.0, 200, 6.0, 0, 'lawful');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (4500, 4500, 'true', 11, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'common', 400.0, 100.0, 400.0, 25.0, 0, 'ffc0ffc0', 2500.0, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (4500, 4500, 1, 'move', 300.0, -100.0, 'false', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (4501, 4500, 2, 'hold_position', 300.0, -100.0, 'true', 1, 0);
INSERT INTO lead_ship_message (lead_ship_message_id, lead_ship_ai_id, friendly_message, line) VALUES (4500, 4500, 'true', 'Seed Barge here. Stay close, pilot.');

-- The Umbral Lens: the beacon drifts in Umbral; the lens appears with its step.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5500, 5, 0, 'Drifting Beacon', 'device', 120.0, 60.0, 0.0, 1, 3.0, 0, 'neutral');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (5501, 5, 51, 'Umbral Lens', 'device', 300.0, 40.0, 0.0, 1, 3.0, 0, 'neutral');
INSERT INTO device_object (device_object_id, object_id, device_id) VALUES (5500, 5500, 201);
INSERT INTO device_object (device_object_id, object_id, device_id) VALUES (5501, 5501, 200);

-- Picket Duty: raiders probe the Union line in guarded Varn.
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11500, 101, 62, 'Kesh Loyalist', 'lead', 250.0, -320.0, 0.0, 70, 4.5, 0, 'evil');
INSERT INTO object (object_id, system_id, quest_step_id, object_name, object_type, x_pos, y_pos, velocity, hit_points, size, respawn_time, affiliate) VALUES (11501, 101, 62, 'Kesh Loyalist', 'lead', 265.0, -335.0, 0.0, 60, 4.0, 0, 'evil');
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (11500, 11500, 'false', 10, 24, 0, 0, 0, 0, 1, 0, 0, 5, 'uncommon', 2500.0, 100.0, 900.0, 25.0, 0, 'ffd08080', 3600.0, 0);
INSERT INTO lead_ship_ai (lead_ship_ai_id, object_id, invulnerable, ship_id, range_weapon_device_id, melee_weapon_device_id, stealth_weapon_device_id, bonus_weapon_device_id, mining_weapon_device_id, engine_device_id, armor_device_id, shield_device_id, compound_amount, compound_type, max_attack_distance_sq, fall_back_distance_sq, charge_distance_sq, flee_distance_sq, flee_hp, color_mod, message_distance_sq, drop_device_id) VALUES (11501, 11501, 'false', 10, 24, 0, 0, 0, 0, 1, 0, 0, 3, 'common', 2500.0, 100.0, 900.0, 25.0, 0, 'ffd08080', 3600.0, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (11500, 11500, 1, 'move', 150.0, -280.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (11501, 11500, 2, 'move', 250.0, -320.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (11502, 11501, 1, 'move', 280.0, -350.0, 'true', 1, 0);
INSERT INTO task (task_id, lead_ship_ai_id, task_sequence, task_type, x_pos, y_pos, repeat, priority, object_id) VALUES (11503, 11501, 2, 'move', 180.0, -300.0, 'true', 1, 0);
