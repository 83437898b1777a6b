// The pilot as the ship base sees it: which ship is the player's, and the level and credits
// that destruction reads and changes. The player ship implements CPilot; until a pilot flies,
// no ship is the player's and nobody is paid.
#pragma once

class CShip;
class CWorldObject;

class CPilot {
public:
    virtual ~CPilot() = default;
    virtual int GetLevel() = 0;
    virtual int GetCredits() = 0;
    virtual void SetCredits(int credits) = 0;
};

// The player's ship, recognised by pointer; null while no pilot flies.
CWorldObject* PlayerObject();
bool IsPlayerShip(const CWorldObject* object);
// The player's ship as a ship and as a pilot; null when it is not one.
CShip* PlayerShip();
CPilot* PlayerPilot();
