-- What the stores stock: the criteria of each step, for both pilot alignments. A store offers what
-- a pilot could fit within a level and a few skill points, so every station has something to
-- save up for at the level its system is flown at.

INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (101, 'lawful', 1, 1, 1.0, 1, 1, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (102, 'lawful', 2, 1, 1.0, 1, 1, 1, 1, 2);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (103, 'lawful', 3, 1, 3.0, 1, 2, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (104, 'lawful', 4, 1, 3.0, 1, 1, 1, 1, 3);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (105, 'lawful', 5, 1, 4.0, 1, 1, 1, 2, 3);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (106, 'lawful', 6, 2, 4.0, 1, 3, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (107, 'lawful', 7, 2, 5.0, 1, 1, 1, 1, 4);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (108, 'lawful', 8, 2, 5.0, 1, 1, 1, 4, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (110, 'lawful', 10, 2, 6.0, 2, 1, 1, 1, 5);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (121, 'unlawful', 1, 1, 1.0, 1, 1, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (122, 'unlawful', 2, 1, 1.0, 1, 1, 1, 1, 2);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (123, 'unlawful', 3, 1, 3.0, 1, 2, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (124, 'unlawful', 4, 1, 3.0, 1, 1, 1, 1, 3);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (125, 'unlawful', 5, 1, 4.0, 1, 1, 1, 2, 3);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (126, 'unlawful', 6, 2, 4.0, 1, 3, 1, 1, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (127, 'unlawful', 7, 2, 5.0, 1, 1, 1, 1, 4);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (128, 'unlawful', 8, 2, 5.0, 1, 1, 1, 4, 1);
INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, eng_level, nav_level, sci_level, tac_level) VALUES (130, 'unlawful', 10, 2, 6.0, 2, 1, 1, 1, 5);

INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (101, 100);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (102, 101);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (102, 102);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (103, 103);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (103, 104);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (104, 105);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (105, 106);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (106, 107);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (107, 108);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (108, 109);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (110, 110);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (108, 111);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (121, 100);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (122, 101);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (122, 102);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (123, 103);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (123, 104);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (124, 105);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (125, 106);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (126, 107);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (127, 108);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (128, 109);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (130, 110);
INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (128, 111);
