// Leaving a page for the screen that opened it, and the text helper the pages share.
#pragma once

class CScreen;

// The flight camera back over the player's ship at the flight height.
void PlaceCameraOverShip();
// Makes the screen current; null, or the in-flight screen, flies on with the camera over the ship.
void ReturnTo(CScreen* screen);
// Sets the text of the screen's text control of that id; nothing when the screen has none.
void SetScreenText(CScreen& screen, int id, const char* text);
