// The clocks that a whole class of ships shares rather than each ship its own: the player's count
// toward its tenth-frame duties, the exhaust rhythms of lead ships and of wingmen, and the pulse of
// the player's radar blip. They run through one game and start again with the next, so a game
// started again plays as a fresh one.
#pragma once

struct ShipClocks {
    // Counts the player's frames 0..9; the slower duties run when it wraps.
    int playerFrames = 0;
    // Milliseconds toward the next exhaust puff, one value for every ship of the class.
    int leadExhaustMs = 0;
    int wingmanExhaustMs = 0;
    // The player's blip pulses between once and twice its size, whichever ship draws it.
    float blipScale = 1.0f;
    bool blipGrowing = true;
};

extern ShipClocks gShipClocks;
