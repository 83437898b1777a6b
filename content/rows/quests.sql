-- Missions: the story of Varn's blockade and what a new pilot does around it. Step ids are the
-- quest id times ten plus the step's place, so they grow with the sequence (a state trigger holds
-- from its step's id on); the sequence has no gaps. The objects the steps place are in
-- quest_objects.sql. Texts: names up to 50 characters, step texts up to 60; a page of a
-- conversation holds at most 12 lines of at most 44, so they fit the hail box.

-- Experience is divided by the level it is earned at and a level L takes 1.1^L + 5L points, so
-- each reward is about one level at the level a pilot usually has when taking the mission.
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (1, 'First Light', 6, 500, 1, 10, 0, 'Traffic Control: well flown, pilot.', 14);
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (2, 'Ore for the Forges', 16, 300, 1, 10, 0, 'The forges of Varn burn bright again.', 3);
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (3, 'Breaking the Blockade', 48, 1500, 1, 20, 1, 'The blockade is broken. Varn trades again.', 17);
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (4, 'Seeds of the Bloom', 84, 800, 1, 25, 0, 'Grove Station thanks you for the seeds.', 18);
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (5, 'The Umbral Lens', 130, 600, 1, 25, 0, 'The observers of Umbral see clearly again.', 20);
INSERT INTO quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, prereq_quest_id, complete_quest_string, target_mesh_id) VALUES (6, 'Picket Duty', 186, 1000, 1, 30, 3, 'The picket line holds. Varn is safe.', 15);

INSERT INTO quest_alignment (quest_id, alignment) VALUES (1, 'unlawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (1, 'lawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (2, 'unlawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (2, 'lawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (3, 'unlawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (3, 'lawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (4, 'unlawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (4, 'lawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (5, 'unlawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (5, 'lawful');
INSERT INTO quest_alignment (quest_id, alignment) VALUES (6, 'lawful');

INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (11, 1, 1, 'Varn Traffic Control needs a new pilot for a first job.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (12, 1, 2, 'Find the salvage beacon, chase off the raiders who');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (13, 1, 3, 'picked it clean, and bring what is left to the Exchange.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (21, 2, 1, 'The forge master of Varn Prime is short of ore.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (22, 2, 2, 'Mine ten tons of common compounds and call it in:');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (23, 2, 3, 'fly into the Ore Field southwest of the Varn Exchange.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (31, 3, 1, 'Warlord Kesh holds the Cinder wormhole and starves Varn.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (32, 3, 2, 'Jump to Cinder, report at the Cinder Depot and end');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (33, 3, 3, 'the warlord. The Umbral road stays shut until then.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (41, 4, 1, 'A seed barge must cross Verdance to Grove Station.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (42, 4, 2, 'Keep it alive on the way and guard the unloading.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (51, 5, 1, 'The drifting beacon you found points to a lost lens.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (52, 5, 2, 'Recover it and bring it to the Umbral Deep observers.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (61, 6, 1, 'With Kesh gone, the Union fleet guards Varn.');
INSERT INTO quest_description (quest_description_id, quest_id, line_num, line) VALUES (62, 6, 2, 'Raiders still test the picket line. Help hold it.');

-- The blockade follows the first job, and picket duty follows the blockade.
INSERT INTO quest_ties (quest_id, next_quest_id) VALUES (1, 3);
INSERT INTO quest_ties (quest_id, next_quest_id) VALUES (3, 6);

-- First Light: Traffic Control hails, sends the pilot to a beacon, calls again when raiders show
-- up there, and wants the salvage brought to the Exchange: the arrow leads to the drop point
-- beside the hub, so the job is done before the docking that saves it.
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (11, 1, 1, 'conversation', 0, 1, 'Varn Traffic Control is hailing you.', 'Traffic Control signs off.', 0.0, 0.0, 0, 'common', 0, 1002, 'enlar', 'true');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (12, 1, 2, 'goto', 0, 1, 'Fly to the salvage beacon.', 'Beacon reached. Someone got here first.', 280.0, 20.0, 0, 'common', 0, 0, 'enlar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (13, 1, 3, 'interrupt', 0, 1, 'Traffic Control, urgent.', '', 0.0, 0.0, 0, 'common', 0, 1002, 'enlar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (14, 1, 4, 'killenemy', 0, 1, 'Scrap raiders! Drive them off.', 'The raiders are scrap themselves now.', 0.0, 0.0, 0, 'common', 0, 0, 'pirate', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (15, 1, 5, 'goto', 0, 1, 'Fly back to the Varn Exchange.', 'The Exchange is in sight.', 150.0, 95.0, 0, 'common', 0, 0, 'enlar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (16, 1, 6, 'deliver', 0, 1, 'Bring the salvage to the Varn Exchange.', 'Salvage delivered to the Exchange.', 150.0, 95.0, 0, 'common', 0, 0, 'enlar', 'false');

-- Ore for the Forges: offered at the ore field, until the blockade is broken; the arrow leads to
-- the nearest field, and the forge's hauler comes for the ore (in guarded Varn too).
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (21, 2, 1, 'acquire', 0, 1, 'Mine ten tons: fly into the Ore Field the arrow shows.', 'The hold is full of good ore.', 0.0, 0.0, 0, 'common', 10, 0, 'miner', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (22, 2, 2, 'conversation', 0, 1, 'The forge hauler is calling.', 'The forge master takes the ore.', 0.0, 0.0, 0, 'common', 0, 1502, 'miner', 'true');

-- Breaking the Blockade: orders, the way to the east wormhole (just before it, on the side facing
-- the Exchange) and the jump with the Umbral road shut, the depot that points to the warlord, and
-- the warlord: the job ends in flight, so the next docking saves it.
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (31, 3, 1, 'conversation', 0, 1, 'Orders from Varn Traffic Control.', 'Orders received.', 0.0, 0.0, 0, 'common', 0, 1002, 'enlar', 'true');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (32, 3, 2, 'goto', 0, 1, 'Fly to the east wormhole.', 'The east wormhole is ahead.', 471.0, -359.0, 0, 'common', 0, 0, 'enlar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (33, 3, 3, 'jump', 0, 1, 'Jump to Cinder through the east wormhole.', '', 0.0, 0.0, 0, 'common', 0, 1004, 'enlar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (34, 3, 4, 'dock', 0, 3, 'Report at the Cinder Depot.', '', 0.0, 0.0, 0, 'common', 0, 3001, 'ignus', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (35, 3, 5, 'assasinate', 0, 3, 'Find Warlord Kesh and end the blockade.', 'Warlord Kesh is no more.', 0.0, 0.0, 0, 'common', 0, 3500, 'pirate', 'false');
INSERT INTO quest_step_disabled (quest_step_id, wormhole_object_id) VALUES (33, 1005);

-- Seeds of the Bloom: offered near the Bloom; the barge and the raiders after it appear with the
-- step, and at the station a barge unloads while raiders come for it.
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (41, 4, 1, 'escort', 0, 4, 'Escort the Seed Barge to Grove Station.', 'The barge reached the station.', 300.0, -100.0, 0, 'common', 0, 4500, 'enimanga', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (42, 4, 2, 'defendfrom', 0, 4, 'Drive off the raiders while the seeds are unloaded.', 'The seeds are unloaded and planted.', 0.0, 0.0, 0, 'common', 0, 4503, 'enimanga', 'false');

-- The Umbral Lens: offered while the drifting beacon is aboard in Umbral; the arrow leads to the
-- observers.
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (51, 5, 1, 'acquire', 200, 5, 'Recover the Umbral Lens.', 'The lens is aboard.', 0.0, 0.0, 0, 'common', 0, 0, 'mandralor', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (52, 5, 2, 'goto', 0, 5, 'Fly to the observers off Umbral Deep.', 'The observers are in sight.', 0.0, -140.0, 0, 'common', 0, 0, 'mandralor', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (53, 5, 3, 'deliver', 0, 5, 'Bring the lens to the Umbral Deep observers.', 'The observers take the lens.', 0.0, -140.0, 0, 'common', 0, 0, 'mandralor', 'false');

-- Picket Duty: in Varn after the blockade.
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (61, 6, 1, 'conversation', 0, 101, 'The Union picket is hailing you.', 'Picket orders received.', 0.0, 0.0, 0, 'common', 0, 11006, 'xengar', 'false');
INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, compound_amount, target_object_id, display_alignment, conversation) VALUES (62, 6, 2, 'killenemy', 0, 101, 'Raiders at the picket line!', 'The raiders break off.', 0.0, 0.0, 0, 'common', 0, 0, 'pirate', 'false');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1101, 11, 1, 1, 'Varn Traffic Control to the new ship.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1102, 11, 1, 2, 'Welcome to Varn, pilot. We have work.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1103, 11, 1, 3, 'A salvage beacon went quiet east of the');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1104, 11, 1, 4, 'Exchange. Fly out and see what happened.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1105, 11, 1, 5, 'Turn with A and D, thrust with W, and');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1106, 11, 1, 6, 'follow the red arrow: it shows the way.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1301, 13, 1, 1, 'Traffic Control here. Our scopes show two');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1302, 13, 1, 2, 'ships coming at the beacon from the east.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1303, 13, 1, 3, 'Raiders. They stripped the beacon and');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1304, 13, 1, 4, 'want your hull next.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1305, 13, 1, 5, 'Press Space for your orders.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1306, 13, 2, 1, 'Drive them off. Aim with the pointer and');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1307, 13, 2, 2, 'hold the left button to fire; the right');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1308, 13, 2, 3, 'button picks a weapon.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1309, 13, 2, 4, 'Then bring the salvage to the Exchange;');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1310, 13, 2, 5, 'the arrow shows where to drop it.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1311, 13, 2, 6, 'Dock at the Exchange after: its Mission');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1312, 13, 2, 7, 'Board has more work. Miners are paid for');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1313, 13, 2, 8, 'ore from the Ore Field southwest of the');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1314, 13, 2, 9, 'Exchange: fly into its rocks to mine.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1315, 13, 2, 10, 'Salvagers say a beacon drifts by the');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1316, 13, 2, 11, 'centre of Umbral, past the west wormhole.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (1317, 13, 2, 12, 'Good hunting, pilot.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (2201, 22, 1, 1, 'Forge hauler here, for the forge master.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (2202, 22, 1, 2, 'That ore smells good; we take it aboard.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (2203, 22, 1, 3, 'Ten tons keeps the furnaces lit a week.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (2204, 22, 1, 4, 'Your credits are on the way.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3101, 31, 1, 1, 'Traffic Control again. You did well.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3102, 31, 1, 2, 'The raiders answer to Warlord Kesh in');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3103, 31, 1, 3, 'Cinder. He holds the wormhole there and');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3104, 31, 1, 4, 'no freighter gets through.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3105, 31, 1, 5, 'Jump east to Cinder and end him; the red');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3106, 31, 1, 6, 'arrow leads you to the east wormhole.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3107, 31, 1, 7, 'We close the Umbral road until you are');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3108, 31, 1, 8, 'back. Past Cinder lies Verdance, where');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3109, 31, 1, 9, 'Grove Station needs a hand.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3401, 34, 1, 1, 'Cinder Depot here. Glad you came, pilot.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3402, 34, 1, 2, 'Warlord Kesh waits by the wormhole from');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3403, 34, 1, 3, 'Varn; he is the red mark on your scope.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3404, 34, 1, 4, 'End him and the road to Varn is open.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3405, 34, 1, 5, 'Past Cinder, through the east wormhole,');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (3406, 34, 1, 6, 'Grove Station in Verdance needs pilots.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (6101, 61, 1, 1, 'Union picket to the hero of the blockade.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (6102, 61, 1, 2, 'Kesh is gone but his raiders are not.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (6103, 61, 1, 3, 'They are probing our line now.');
INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, feed, line_num, line) VALUES (6104, 61, 1, 4, 'Stand with us.');

-- Triggers: the first job on arrival; the ore job at the field until the blockade is broken;
-- the blockade once the first job is done; the seeds near the Bloom; the lens with the beacon
-- aboard; picket duty in Varn after the blockade.
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (1, 1, 1, 'enter', 0.0, 0.0, 0.0, 0, 0, 0, 0);
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (2, 2, 1, 'position', -200.0, -250.0, 60.0, 0, 0, 0, 3);
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (3, 3, 1, 'enter', 0.0, 0.0, 0.0, 0, 0, 1, 0);
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (4, 4, 4, 'proximity', 0.0, 0.0, 110.0, 0, 4003, 0, 0);
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (5, 5, 5, 'device', 0.0, 0.0, 0.0, 201, 0, 0, 0);
INSERT INTO quest_trigger (quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, distance, device_id, object_id, prereq_quest_id, remove_quest_id) VALUES (6, 6, 101, 'enter', 0.0, 0.0, 0.0, 0, 0, 3, 0);

-- Varn turns into its guarded state once the warlord's step is reached, and stays so after.
INSERT INTO state_trigger (state_trigger_id, quest_id, quest_step_id, system_id, new_system_id) VALUES (1, 3, 35, 1, 101);
