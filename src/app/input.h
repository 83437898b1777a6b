// The game's input system: both devices are created from it at start.
#pragma once

// Creates gDirectInput for the game window and both devices; 0, or the first failure.
int InitInput();
