// CFountainObject: an invisible spring of particles and shots. While the player is within 80
// units it sprays its particle around itself and, with a weapon device, fires it in a random
// direction; the player ship that touches it takes collision damage every frame of contact.
#pragma once

#include "world/indestructible_actor.h"

class CFountainObject : public CIndestructibleActor {
public:
    // Reads the fountain row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CFountainObject(int objectId);

    void Update() override;
    // Nothing: only its particles, shots and blip show where it is.
    void Render() override {}
    void DrawRadar() override;
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize) / 2.0f; }
    int GetMeshId() override { return 0; }

    int mFountainId = 0;
    int mCollisionDamage = 0;
    int mParticleId = 0;
    int mParticleDelay = 0;
    // 0 = none.
    int mWeaponDeviceId = 0;
    int mWeaponDelay = 0;
    // The row's flag; a fountain cannot be hurt either way.
    uint8_t mInvulnerableFlag = 0;
    int mParticleClock = 0;
    int mWeaponClock = 0;
};

// The kind table's factory of fountains.
CWorldObject* MakeFountain(int objectId);
