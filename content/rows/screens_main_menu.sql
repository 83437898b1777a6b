-- The main menu (screen 1) and the cursor.

INSERT INTO screen (screen_id, screen_name, sprite_id) VALUES (1, 'Main Menu', 2);

-- The cursor is sprite control 0; screen 0 is no screen, so no menu draws it at this place.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (0, 0, 0, 0, 'true', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (0, 0, 3000);

-- Left column; the right column (3, 6, 11) is drawn mirrored.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (2, 1, 60, 300, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (4, 1, 60, 350, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (5, 1, 60, 400, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (3, 1, 484, 300, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (6, 1, 484, 350, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (11, 1, 484, 400, 'true', 'medium', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (7, 1, 272, 470, 'false', 'small', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (10, 1, 272, 470, 'false', 'small', 'ffffffff');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (13, 1, 144, 120, 'true', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (2, 2, 'New Pilot', 3002, 'ff80c0ff', 1, 2);
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (3, 3, 'Load Pilot', 3002, 'ff80c0ff', 1, 2);
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (4, 4, 'Network', 3002, 'ff80c0ff', 1, 2);
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (5, 5, 'Continue', 3002, 'ff80c0ff', 1, 2);
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (6, 6, 'Delete Pilot', 3002, 'ff80c0ff', 1, 2);
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (11, 11, 'Quit', 3002, 'ff80c0ff', 1, 2);
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (7, 7, 3019);
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (10, 10, 3020);
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (13, 13, 3018);
