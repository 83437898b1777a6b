// CHealthObject: a repair kit that mends a share of the player's hull when the ship touches it.
#pragma once

#include "core/draw_records.h"
#include "world/floating_object.h"

class CHealthObject : public CFloatingObject {
public:
    // Reads the health row of the object id; without a row it stays inactive.
    explicit CHealthObject(int objectId);
    // A kit dropped in the current system; the percentage is held to 20..100.
    CHealthObject(int repairPercentage, const Vec3& position);

    // Pulse and drift.
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // The repair, for the player's ship only.
    void Interact(CWorldObject* other) override;
    void Push(const Vec3& impulse) override { ReplaceVelocity(impulse); }
    int GetMeshId() override { return kKitMesh; }

    static constexpr int kKitMesh = 48;
    static constexpr int kRepairSound = 50;

    int mHealthId = 0;
    float mRepairShare = 0.0f;
    MeshDrawRecord mMesh{};

private:
    void Prepare();
};

// The kind table's factories of repair kits.
CWorldObject* MakeHealthObject(int objectId);
CWorldObject* SpawnHealthObject(int repairPercentage, const Vec3& position);
