-- The mission log (screen 16) and the in-flight button that opens it.

INSERT INTO screen (screen_id, screen_name, sprite_id) VALUES (16, 'Mission Log', 23502);
INSERT INTO sprite (sprite_id, sprite_file) VALUES (23502, 'screen_quest_log.png');

-- The mission's name, red while it runs, and its state.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (942, 16, 40, 72, 'true', 'medium', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (942, 942, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (941, 16, 620, 72, 'true', 'medium', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (941, 941, '');

-- Description lines in the upper frame.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (910, 16, 44, 110, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (910, 910, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (911, 16, 44, 126, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (911, 911, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (912, 16, 44, 142, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (912, 912, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (913, 16, 44, 158, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (913, 913, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (914, 16, 44, 174, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (914, 914, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (915, 16, 44, 190, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (915, 915, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (916, 16, 44, 206, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (916, 916, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (917, 16, 44, 222, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (917, 917, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (918, 16, 44, 238, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (918, 918, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (919, 16, 44, 254, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (919, 919, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (920, 16, 44, 270, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (920, 920, '');

-- Rewards beside their labels, under the description.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (921, 16, 110, 298, 'true', 'small', 'ffffe0a0');
INSERT INTO text_control (text_id, control_id, text) VALUES (921, 921, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (922, 16, 390, 298, 'true', 'small', 'ffffe0a0');
INSERT INTO text_control (text_id, control_id, text) VALUES (922, 922, '');

-- Steps, or the closing conversation of a finished mission, in the lower frame.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (925, 16, 44, 330, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (925, 925, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (926, 16, 44, 343, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (926, 926, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (927, 16, 44, 356, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (927, 927, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (928, 16, 44, 369, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (928, 928, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (929, 16, 44, 382, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (929, 929, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (930, 16, 44, 395, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (930, 930, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (931, 16, 44, 408, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (931, 931, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (932, 16, 44, 421, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (932, 932, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (933, 16, 44, 434, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (933, 933, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (934, 16, 44, 447, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (934, 934, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (935, 16, 44, 460, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (935, 935, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (936, 16, 44, 473, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (936, 936, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (937, 16, 44, 486, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (937, 937, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (938, 16, 44, 499, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (938, 938, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (939, 16, 44, 512, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (939, 939, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (940, 16, 44, 525, 'true', 'small', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (940, 940, '');

-- Paging and the way back to flight, on the bottom bar.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (902, 16, 40, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (902, 902, 'Previous', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (903, 16, 180, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (903, 903, 'Next', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (900, 16, 632, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (900, 900, 'Back', 3001, 'ff80c0ff', 1, 2);

-- In flight, under the map button.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (348, 6, 672, 328, 'true', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (348, 348, 'Mission Log', 3001, 'ff80c0ff', 1, 2);
