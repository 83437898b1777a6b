// The clocks shared by every ship of a class.
#include "ships/ship_clocks.h"

ShipClocks gShipClocks;
