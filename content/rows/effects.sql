-- Particle effects and ailments.

-- Fixed ids: smoke 2-5, exhaust 51, explosion 52, quest sparkle 2010, ailment blocks 10015/10016, guide arrow 15204.
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (2, 1400, 0, 0.0, 0.002, 0.15, 2.0, 0.03, 0.0, 'c0909090', 20, 1, 231);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (3, 1600, 0, 0.0, 0.002, 0.12, 2.5, 0.03, 0.0, 'c0707070', 25, 1, 231);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (4, 1200, 0, 0.0, 0.002, 0.18, 1.8, 0.02, 0.0, 'c0b06030', 30, 1, 232);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (5, 1800, 0, 0.0, 0.002, 0.1, 3.0, 0.04, 0.0, 'a0505050', 35, 1, 231);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (51, 400, 3, 0.6, 0.0, 0.05, 1.2, -0.01, 0.0, 'ff80c0ff', 5, 1, 15001);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (52, 900, 4, 0.8, 0.01, 0.6, 5.0, 0.12, 0.0, 'ffffa040', 100, 6, 232);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (2010, 600, 0, 0.0, 0.0, 0.0, 3.0, 0.02, 0.0, 'ffffe060', 0, 1, 233);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (10015, 800, 0, 0.0, 0.0, 0.1, 2.0, 0.0, 0.0, 'ffffe060', 50, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (10016, 800, 0, 0.0, 0.0, 0.1, 2.0, 0.0, 0.0, 'ffa060ff', 50, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (15204, 100, 0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 'ff60ff80', 0, 1, 15204);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (60, 300, 2, 0.5, 0.01, 0.4, 1.0, 0.0, 0.0, 'ff80e0ff', 60, 3, 230);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (61, 500, 2, 0.5, 0.01, 0.5, 1.5, 0.02, 0.0, 'ffff8040', 80, 4, 230);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (62, 200, 0, 0.0, 0.0, 0.0, 2.0, 0.05, 0.0, 'ffffffe0', 0, 1, 235);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (63, 1500, 0, 0.0, 0.0, 0.2, 1.5, 0.02, 0.0, 'ffff60c0', 40, 3, 231);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (64, 700, 3, 0.4, 0.0, 0.05, 1.5, 0.0, 0.0, 'c0c0a0ff', 20, 1, 233);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (65, 1200, 0, 0.0, 0.001, 0.1, 1.2, 0.01, 0.0, 'ffc0a080', 50, 2, 231);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (71, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ff60b0ff', 60, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (72, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffffe060', 60, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (73, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffff6040', 60, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (74, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ff80ffc0', 60, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (75, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffc0c0c0', 60, 2, 10015);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (76, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffffff80', 60, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (77, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ff8080ff', 60, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (78, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffff40ff', 60, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (79, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ffa08060', 60, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (80, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ff40ffff', 60, 2, 10016);
INSERT INTO particle (particle_id, duration, max_trail, blurr_dist, deceleration, velocity, size, growth_rate, yaw, color_mod, variance, num_particles, sprite_id) VALUES (81, 600, 0, 0.0, 0.0, 0.08, 1.5, 0.01, 0.0, 'ff6060a0', 60, 2, 10016);

-- One ailment of every type: 1-5 are bonuses, 6-11 harm. A player's selected weapon, armor and
-- shield lend theirs every tenth frame, each with its message, so they carry only one that works
-- on a player's ship, and it lasts ten minutes.
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (1, 'bonus_defense_recharge', 10.0, 600, 'true', 71);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (2, 'bonus_energy', 20.0, 30, 'true', 72);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (3, 'bonus_attack', 2.0, 20, 'true', 73);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (4, 'bonus_engine', 10.0, 30, 'true', 74);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (5, 'bonus_defense', 5.0, 30, 'true', 75);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (6, 'ailment_stunned', 1.0, 3, 'false', 76);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (7, 'ailment_slow', 50.0, 8, 'false', 77);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (8, 'ailment_vulnerable', 2.0, 8, 'false', 78);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (9, 'ailment_weak', 50.0, 8, 'false', 79);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (10, 'ailment_norecharge', 1.0, 8, 'false', 80);
INSERT INTO ailment (ailment_id, ailment_type, amount, effect_time, friendly, particle_id) VALUES (11, 'ailment_noenergy', 1.0, 8, 'false', 81);
