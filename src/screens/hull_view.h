// The hull on show at the new-pilot screen and at the shipyard: its camera and its description.
#pragma once

class CScreen;

// Looks at the hull view from beside and below, as both screens' rows place their hull.
void PlaceHullViewCamera();
// The hull's description lines into the lineCount texts from firstTextId on; the rest are emptied.
void ShowShipDescription(CScreen& screen, int firstTextId, int lineCount, int shipId);
