// COutpostObject: a gun turret fixed in space on a base. It takes the first enemy ship in its
// attack radius, turns toward it at a fixed rate and fires whenever it points exactly at it and
// its delay has passed. Ships that touch it are hurt and thrown back; destroyed, it pays the
// player, may drop compounds, breaks apart and returns after its respawn time.
#pragma once

#include "world/indestructible_actor.h"

class COutpostObject : public CIndestructibleActor {
public:
    // Reads the outpost row of the object id and measures both meshes; without a row it posts the
    // quit message and stays inactive.
    explicit COutpostObject(int objectId);

    bool TakeDamage(int amount, int damageType) override;
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // Contact damage and push-back, then targeting.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize) / 2.0f + std::fabs(mAttackRadius); }
    int GetMeshId() override { return mMeshId; }
    int GetAlpha() override { return mAlpha; }
    void SetAlpha(int alpha) override { mAlpha = alpha; }
    // Grows half as fast with the pilot's level as the other armed objects.
    float GetDamageFactor() override;

    // The current target when it still exists; null = none.
    CWorldObject* Target() const;

    int mOutpostId = 0;
    int mCollisionDamage = 0;
    // The turret; the one broken into debris.
    int mMeshId = 0;
    int mBaseMeshId = 0;
    int mWeaponDeviceId = 0;
    int mWeaponDelay = 0;
    float mAttackRadius = 0.0f;
    // Radians per unit of frame scale.
    float mTurnRate = 0.0f;
    // In [0, 2 pi).
    float mTurretHeading = 0.0f;
    // Held by id and looked up at each use; 0 = none.
    int mTargetId = 0;
    int mCompoundType = 0;
    int mCompoundAmount = 0;
    int mFireClock = 0;
    MeshDrawRecord mTurretMesh;
    MeshDrawRecord mBaseMesh;
    Vec3 mBaseScale;
    Vec3 mBasePosition;

private:
    // Turns by at most one step toward the wanted heading, the short way round.
    void TurnToward(float wanted, float step);
    void Shoot(CWorldObject& target);
    void KeepOrDropTarget();
    void BreakUp();

    // The player ship is not filed in the object map; it is found through the player view.
    uint8_t mTargetIsPlayer = 0;
};

// The kind table's factory of outposts.
CWorldObject* MakeOutpost(int objectId);
