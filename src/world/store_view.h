// The store screen as the world sees it: every wormhole or portal trip marks it not entered,
// so its next visit draws a new stock. Null until the store screen exists.
#pragma once

class CScreen;

extern CScreen* gStoreView;
