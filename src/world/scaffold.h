// CScaffoldObject: a construction bar of equal segments along x or y that ships cannot pass
// through; only the segments near the player are drawn.
#pragma once

#include "world/world_object.h"

class CScaffoldObject : public CWorldObject {
public:
    // Reads the scaffold row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CScaffoldObject(int objectId);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3& angles) override { mRotation = angles; }
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int, int) override { return false; }
    void Update() override;
    void Render() override;
    // The blip is stretched along the bar.
    void DrawRadar() override;
    // Puts a solid ship back out on the face it overlaps least.
    void Interact(CWorldObject* other) override;
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char* out) override;
    void Push(const Vec3&) override {}
    int GetMeshId() override { return mMeshId; }
    bool HitTestSegment(const Vec3* from, const Vec3* to, float radius) override;
    void GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover) override;

    static constexpr float kSegmentLength = 20.0f;

    int mScaffoldId = 0;
    int mLength = 0;
    uint8_t mHorizontal = 0;
    float mBlipScaleX = 1.0f;
    float mBlipScaleY = 1.0f;
    int mMeshId = 0;
    MeshDrawRecord mMesh;
    int mLightType = 3;
    const Vec3* mLightPosition = nullptr;
};

// The kind table's factory of scaffolds.
CWorldObject* MakeScaffold(int objectId);
