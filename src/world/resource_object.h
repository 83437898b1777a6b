// CResourceObject: a floating lump of compounds that ships collect by touching it. Placed lumps
// come back after their respawn time; spawned ones never do.
#pragma once

#include "core/draw_records.h"
#include "world/floating_object.h"

class CResourceObject : public CFloatingObject {
public:
    // Reads the resource row of the object id; without a row it stays inactive.
    explicit CResourceObject(int objectId);
    // A lump left behind in the current system, named and shaped by its class (1 to 5).
    CResourceObject(int compoundClass, int amount, const Vec3& position);

    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3& angles) override { mRotation = angles; }
    void SetInvulnerable(bool invulnerable) override { mInvulnerable = invulnerable ? 1 : 0; }
    int GetMaxHitPoints() override { return mMaxHitPoints; }
    int GetHitPoints() override { return mHitPoints; }
    // Respawn, pulse, orbit and drift.
    void Update() override;
    // Fades in after each return.
    void Render() override;
    void DrawRadar() override;
    // Collection by the ships that collect.
    void Interact(CWorldObject* other) override;
    void Push(const Vec3& impulse) override { ReplaceVelocity(impulse); }
    int GetMeshId() override { return mMeshId; }

    static constexpr int kCollectSound = 50;

    int mAmount = 0;
    int mCompoundClass = 0;
    int mMeshId = 0;
    MeshDrawRecord mMesh{};

private:
    void Respawn();
    void Orbit();
};

// Does an object of this type collect lumps?
bool CollectsResources(int type);

// The kind table's factories of resources.
CWorldObject* MakeResource(int objectId);
CWorldObject* SpawnResourceObject(int compoundClass, int amount, const Vec3& position);
