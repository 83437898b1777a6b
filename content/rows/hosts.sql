-- Peers the network screen offers.

INSERT INTO host (host_description, host_address, host_port) VALUES ('This computer', '127.0.0.1', 6734);
