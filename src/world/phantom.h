// CPhantomObject: an invisible, indestructible wanderer seen only by the particles it sheds. It
// roams from one random point to the next, chases enemy ships in its pursuit range and hurts
// whatever it touches every half second. Placed ones live for the visit; released ones expire.
#pragma once

#include "world/indestructible_actor.h"

class CPhantomObject : public CIndestructibleActor {
public:
    // Reads the phantom row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CPhantomObject(int objectId);
    // A phantom released by a weapon at the launcher's place, with the launcher's affiliate,
    // living aliveTime seconds.
    CPhantomObject(float x, float y, float z, int damage, float size, float pursuitRange, int particleId,
                   int particleDelay, float velocity, int aliveTime, int affiliate);

    void Update() override;
    // Nothing: the phantom shows only through its particles.
    void Render() override {}
    void DrawRadar() override;
    // Touch damage and pursuit.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override;
    int GetMeshId() override { return 0; }

    // The lifetime of a phantom that never expires.
    static constexpr int kForever = -1000000;

    int mPhantomId = 0;
    int mDamage = 0;
    int mParticleId = 0;
    int mParticleDelay = 0;
    // Milliseconds of contact gathered toward the next touch, shared by everything it touches.
    int mTouchClock = 0;
    float mPursuitRangeSq = 0.0f;
    int mLifetime = kForever;
    int mParticleClock = 0;
    int mPauseTime = 0;
    int mPauseClock = 0;
    uint8_t mPaused = 0;
    Vec3 mDestination;
    Vec3 mHeading;

private:
    // The fields both constructors set the same way.
    void SetCommonFields(float size, float speed);
    void PickNextDestination();
};

// The kind table's factory of placed phantoms.
CWorldObject* MakePhantom(int objectId);
