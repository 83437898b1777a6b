// Leaving a page for the screen that opened it, and the text helper the pages share.
#pragma once

class CScreen;

// The flight camera back over the player's ship at the flight height.
void PlaceCameraOverShip();
// Makes the screen current; null, or the in-flight screen, flies on with the camera over the ship.
void ReturnTo(CScreen* screen);
// A page whose way out is a button cannot be left without it: a page loaded without that button
// ends the game naming the control, as a page without its screen row does.
void RequireWayOut(const CScreen& screen, int buttonId);
// Sets the text of the screen's text control of that id; nothing when the screen has none.
void SetScreenText(CScreen& screen, int id, const char* text);
