// The pilot as the ship base sees it: which ship is the player's, and the credits that
// destruction reads and changes (the level comes through the world's view of the player). The
// player ship implements CPilot; until a pilot flies, no ship is the player's and nobody is paid.
#pragma once

class CWorldObject;

class CPilot {
public:
    virtual ~CPilot() = default;
    virtual int GetCredits() = 0;
    virtual void SetCredits(int credits) = 0;
};

// The player's ship, recognised by pointer; null while no pilot flies.
CWorldObject* PlayerObject();
bool IsPlayerShip(const CWorldObject* object);
// The player's ship as a pilot; null when it is not one.
CPilot* PlayerPilot();
