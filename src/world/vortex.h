// CVortex: a whirlpool in space that pulls every object but shots toward its centre, harder the
// closer it is, and destroys whatever enters its core. It never moves and cannot be hurt.
#pragma once

#include "world/indestructible_actor.h"

class CVortex : public CIndestructibleActor {
public:
    // Reads the vortex row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CVortex(int objectId);

    // Turns the swirl one degree per unit of frame scale.
    void Update() override;
    // Eight copies of the swirl at mirrored and offset angles.
    void Render() override;
    void DrawRadar() override;
    // The core's damage and the pull.
    void Interact(CWorldObject* other) override;
    int GetMeshId() override { return -mSpriteId; }

    static constexpr int kCoreDamage = 1000000;
    static constexpr int kSwirlSprite = 29;

    int mVortexId = 0;
    int mCoreDamage = kCoreDamage;
    int mSpriteId = kSwirlSprite;
    TrailDrawRecord mSwirl;
    float mForce = 0.0f;
    // The swirl's angle in [0, 2 pi).
    float mSpin = 0.0f;
};

// The kind table's factory of vortices.
CWorldObject* MakeVortex(int objectId);
