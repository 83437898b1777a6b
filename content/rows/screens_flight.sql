-- The in-flight screen (screen 6): the heads-up display, the hail box and the options panel.

INSERT INTO screen (screen_id, screen_name, sprite_id) VALUES (6, 'Flight', 1);

-- Target panel, top left: the turning view of the target sits in the frame.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (310, 6, 0, 0, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (310, 310, 3023);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (331, 6, 8, 6, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (331, 331, 3017);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (302, 6, 140, 16, 'true', 'small', 'ffc0e0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (302, 302, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (311, 6, 140, 34, 'false', 'small', 'ffff8060');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (311, 311, 3016);

-- Hail box, top left over the target panel: portrait, frame and twelve lines that rise.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (330, 6, 0, 0, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (330, 330, 3026);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1450, 6, 28, 28, 'false', 'small', 'ffffffff');
INSERT INTO movie_control (movie_control_id, control_id, sprite_id, frame_size, grid) VALUES (1450, 1450, 15109, 64, 4);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1451, 6, 24, 24, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (1451, 1451, 3027);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (332, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (332, 332, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (333, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (333, 333, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (334, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (334, 334, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (335, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (335, 335, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (336, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (336, 336, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (337, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (337, 337, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (338, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (338, 338, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (339, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (339, 339, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (340, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (340, 340, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (341, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (341, 341, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (342, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (342, 342, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (343, 6, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (343, 343, '');

-- System name and the read-outs, top right.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (349, 6, 560, 10, 'true', 'medium', 'ffc0e0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (349, 349, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (312, 6, 560, 34, 'false', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (312, 312, 'Velocity: 0.0');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (313, 6, 560, 46, 'false', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (313, 313, 'X: 0.0');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (314, 6, 560, 58, 'false', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (314, 314, 'Y: 0.0');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (315, 6, 560, 70, 'false', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (315, 315, 'Frames: 0');

-- Meters with their labels and the weapon label, bottom left, above the message log.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1170, 6, 0, 436, 'true', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (1170, 1170, 3025);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (300, 6, 10, 444, 'true', 'small', 'ffffe0a0');
INSERT INTO text_control (text_id, control_id, text) VALUES (300, 300, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1164, 6, 10, 459, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1164, 1164, 'Shield');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (317, 6, 70, 460, 'false', 'small', 'ff80c0ff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (317, 317, 3016);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1165, 6, 10, 471, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1165, 1165, 'Armor');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (318, 6, 70, 472, 'false', 'small', 'ffd0d0d0');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (318, 318, 3016);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1166, 6, 10, 483, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1166, 1166, 'Hull');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (319, 6, 70, 484, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (319, 319, 3016);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1167, 6, 10, 495, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1167, 1167, 'Energy');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (320, 6, 70, 496, 'false', 'small', 'ffffff80');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (320, 320, 3016);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1168, 6, 10, 507, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1168, 1168, 'Fuel');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (321, 6, 70, 508, 'false', 'small', 'ffffb060');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (321, 321, 3016);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1169, 6, 10, 519, 'true', 'small', 'ffa0c0e0');
INSERT INTO text_control (text_id, control_id, text) VALUES (1169, 1169, 'Cargo');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (322, 6, 70, 520, 'false', 'small', 'ffc080ff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (322, 322, 3016);

-- The message log, bottom left, and the centre message.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (324, 6, 10, 540, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (324, 324, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (325, 6, 10, 554, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (325, 325, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (326, 6, 10, 568, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (326, 326, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (327, 6, 10, 582, 'true', 'small', 'ffd0e8ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (327, 327, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (303, 6, 400, 490, 'false', 'small', 'ffff0000');
INSERT INTO text_control (text_id, control_id, text) VALUES (303, 303, '');

-- Buttons, bottom right above the radar: the ship and crew, the information page and the options.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (345, 6, 672, 400, 'true', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (345, 345, 'Info', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (346, 6, 672, 436, 'true', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (346, 346, 'Options', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (347, 6, 672, 364, 'true', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (347, 347, 'Ship & Crew', 3001, 'ff80c0ff', 1, 2);

-- Options panel, also the death panel; its controls show with it.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1150, 6, 272, 40, 'false', 'small', '99ffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (1150, 1150, 3022);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (20, 6, 272, 4, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (20, 20, 3021);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1153, 6, 296, 96, 'false', 'small', 'ffffffff');
INSERT INTO slider (slider_id, control_id, slider_text, slider_sprite_id, meter_sprite_id, current_meter_number, max_meter_number, sound_id, horizontal) VALUES (1153, 1153, 'Brightness', 3009, 3010, 100, 100, 1, 'true');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1154, 6, 296, 126, 'false', 'small', 'ffffffff');
INSERT INTO slider (slider_id, control_id, slider_text, slider_sprite_id, meter_sprite_id, current_meter_number, max_meter_number, sound_id, horizontal) VALUES (1154, 1154, 'Volume', 3009, 3010, 80, 100, 1, 'true');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1155, 6, 296, 160, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1155, 1155, 'Sound', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1163, 6, 296, 186, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1163, 1163, 'Automatic braking', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1156, 6, 296, 212, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1156, 1156, 'Wire frame', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1157, 6, 296, 238, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1157, 1157, 'Frame counter', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1158, 6, 296, 264, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1158, 1158, 'Coordinates', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1159, 6, 296, 290, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1159, 1159, 'Velocity', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1162, 6, 296, 316, 'false', 'small', 'ffffffff');
INSERT INTO checkbox (checkbox_id, control_id, checkbox_text, sprite_id, checked_sprite_id, checked, sound_id) VALUES (1162, 1162, 'High quality glow', 3007, 3008, 'false', 1);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1161, 6, 336, 360, 'false', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (1161, 1161, 'Respawn', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1160, 6, 336, 400, 'false', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (1160, 1160, 'Close', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1152, 6, 336, 440, 'false', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (1152, 1152, 'Main Menu', 3001, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1151, 6, 336, 480, 'false', 'small', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (1151, 1151, 'Quit', 3001, 'ff80c0ff', 1, 2);

-- The turning view of the target.
INSERT INTO object_control (object_control_id, screen_id, mesh_id, x_pos, y_pos, z_pos, x_rot, y_rot, z_rot, x_rotv, y_rotv, z_rotv, scale, velocity, orbit, x_orb, y_orb, z_orb, visible) VALUES (90, 6, 22, 0, 0, 0, 1.5708, 0, 0, 0, 0, 0, 1, 0, 'false', 0, 0, 0, 'false');
