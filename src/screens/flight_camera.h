// The camera as flight expects it when a screen opened from flight gives way to it again.
#pragma once

// Eye over the player ship at the flight height, zoom at that height.
void PlaceFlightCamera();
