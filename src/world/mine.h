// CMineObject: a spinning mine, placed by the content or laid by a mine weapon with its layer's
// side. A ship of another side within its destruct range sets off its destruct weapon and breaks
// it apart; shot to pieces it only breaks, firing nothing and paying nothing.
#pragma once

#include "world/indestructible_actor.h"

class CMineObject : public CIndestructibleActor {
public:
    // Reads the mine row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CMineObject(int objectId);
    // A mine laid at the point by a weapon, on its layer's side.
    CMineObject(float x, float y, float z, int destructDeviceId, float destructRange, int meshId, int affiliate);

    bool TakeDamage(int amount, int damageType) override;
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // Goes off when an enemy ship it can see comes within range.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mDestructRange); }
    int GetMeshId() override { return mMeshId; }

    // 1 for a laid mine.
    int mMineId = 0;
    int mWeaponDeviceId = 0;
    int mMeshId = 0;
    // Reach beyond half the ship's size.
    float mDestructRange = 0.0f;
    MeshDrawRecord mMeshRecord;

private:
    void SetCommonFields();
    void BreakUp();
};

// The kind table's factory of placed mines.
CWorldObject* MakeMine(int objectId);
