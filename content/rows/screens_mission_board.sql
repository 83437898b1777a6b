-- The mission board (screen 15), opened from a station.

INSERT INTO screen (screen_id, screen_name, sprite_id) VALUES (15, 'Mission Board', 23503);
INSERT INTO sprite (sprite_id, sprite_file) VALUES (23503, 'screen_mission_board.png');

-- The offer's description in the upper frame.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (860, 15, 44, 92, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (860, 860, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (861, 15, 44, 113, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (861, 861, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (862, 15, 44, 134, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (862, 862, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (863, 15, 44, 155, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (863, 863, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (864, 15, 44, 176, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (864, 864, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (865, 15, 44, 197, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (865, 865, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (866, 15, 44, 218, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (866, 866, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (867, 15, 44, 239, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (867, 867, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (868, 15, 44, 260, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (868, 868, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (869, 15, 44, 281, 'true', 'medium', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (869, 869, '');

-- Its rewards in the lower frame.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (871, 15, 44, 342, 'true', 'medium', 'ffffe0a0');
INSERT INTO text_control (text_id, control_id, text) VALUES (871, 871, 'Credit Reward:    $0');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (872, 15, 44, 368, 'true', 'medium', 'ffffe0a0');
INSERT INTO text_control (text_id, control_id, text) VALUES (872, 872, 'Experience Gained: 0');

-- Paging, accepting and the way back to the station, on the bottom bar.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (852, 15, 40, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (852, 852, 'Previous', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (853, 15, 180, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (853, 853, 'Next', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (851, 15, 400, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (851, 851, 'Accept', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (850, 15, 632, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (850, 850, 'Back', 3001, 'ff80c0ff', 1, 2);
