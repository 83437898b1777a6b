-- The station screen (screen 9): services on the left, the station's pages on the right (drawn
-- mirrored), the docked station turning in the middle and the hail panel below.

INSERT INTO screen (screen_id, screen_name, sprite_id) VALUES (9, 'Station', 4);

INSERT INTO object_control (object_control_id, screen_id, mesh_id, x_pos, y_pos, z_pos, x_rot, y_rot, z_rot, x_rotv, y_rotv, z_rotv, scale, velocity, orbit, x_orb, y_orb, z_orb, visible) VALUES (75, 9, 1, 0, -4.2, 0, -1.2, 0, 0, 0, 0.01, 0, 3.0, 0, 'false', 0, 0, 0, 'true');

-- Services, each with its price to the right.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (402, 9, 40, 100, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (402, 402, 'Mission Board', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (405, 9, 40, 160, 'false', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (405, 405, 'Repair', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (406, 9, 310, 168, 'false', 'medium', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (406, 406, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (410, 9, 40, 210, 'false', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (410, 410, 'Sell Compounds', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (411, 9, 310, 218, 'false', 'medium', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (411, 411, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (412, 9, 40, 260, 'false', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (412, 412, 'Refuel', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (413, 9, 310, 268, 'false', 'medium', 'ffffffff');
INSERT INTO text_control (text_id, control_id, text) VALUES (413, 413, '');

-- The station's pages.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (401, 9, 504, 100, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (401, 401, 'Outfitter', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (404, 9, 504, 150, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (404, 404, 'Shipyard', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (407, 9, 504, 200, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (407, 407, 'Galaxy Map', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (408, 9, 504, 250, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (408, 408, 'Ship and Crew', 3002, 'ff80c0ff', 1, 2);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (409, 9, 504, 300, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (409, 409, 'Information', 3002, 'ff80c0ff', 1, 2);

-- Back to space, in the lower band.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (400, 9, 272, 564, 'true', 'medium', 'ffffffff');
INSERT INTO button (button_id, control_id, button_text, sprite_id, down_color_mod, down_sound_id, up_sound_id) VALUES (400, 400, 'Launch', 3002, 'ff80c0ff', 1, 2);

-- Hail panel: the speaker's portrait and up to 32 lines, with two fixed captions.
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1502, 9, 130, 330, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (1502, 1502, 3005);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1504, 9, 36, 436, 'false', 'small', 'ffffffff');
INSERT INTO sprite_control (sprite_control_id, control_id, sprite_id) VALUES (1504, 1504, 3027);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1503, 9, 40, 440, 'false', 'small', 'ffffffff');
INSERT INTO movie_control (movie_control_id, control_id, sprite_id, frame_size, grid) VALUES (1503, 1503, 15109, 64, 4);
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1542, 9, 150, 342, 'false', 'small', 'ffffd080');
INSERT INTO text_control (text_id, control_id, text) VALUES (1542, 1542, 'Incoming transmission');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1543, 9, 440, 342, 'false', 'small', 'ff97b4fd');
INSERT INTO text_control (text_id, control_id, text) VALUES (1543, 1543, 'Space: more   Esc: close');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1510, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1510, 1510, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1511, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1511, 1511, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1512, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1512, 1512, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1513, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1513, 1513, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1514, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1514, 1514, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1515, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1515, 1515, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1516, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1516, 1516, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1517, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1517, 1517, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1518, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1518, 1518, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1519, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1519, 1519, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1520, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1520, 1520, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1521, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1521, 1521, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1522, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1522, 1522, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1523, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1523, 1523, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1524, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1524, 1524, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1525, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1525, 1525, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1526, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1526, 1526, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1527, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1527, 1527, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1528, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1528, 1528, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1529, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1529, 1529, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1530, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1530, 1530, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1531, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1531, 1531, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1532, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1532, 1532, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1533, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1533, 1533, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1534, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1534, 1534, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1535, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1535, 1535, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1536, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1536, 1536, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1537, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1537, 1537, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1538, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1538, 1538, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1539, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1539, 1539, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1540, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1540, 1540, '');
INSERT INTO control (control_id, screen_id, x_pos, y_pos, visible, text_size, color_mod) VALUES (1541, 9, 145, 120, 'false', 'small', 'ffe0f0ff');
INSERT INTO text_control (text_id, control_id, text) VALUES (1541, 1541, '');
