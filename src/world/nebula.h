// CNebulaObject: a large translucent cloud that gives the ships inside it its ailment, hurts
// them at a fixed rhythm and stirs the shots that cross it.
#pragma once

#include <vector>

#include "core/sound_globals.h"
#include "world/world_object.h"

class CNebulaObject : public CWorldObject {
public:
    // Reads the nebula row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CNebulaObject(int objectId);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool invulnerable) override { mInvulnerable = invulnerable ? 1 : 0; }
    bool TakeDamage(int, int) override { return false; }
    // Turns the cloud and breathes its alpha.
    void Update() override;
    // Four turned copies of the cloud behind the flight plane.
    void Render() override;
    // The blip grows with the cloud and is never clipped.
    void DrawRadar() override;
    // Ailment and damage for ships inside, a push for shots.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize) / 2.0f; }
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char*) override {}
    void Push(const Vec3&) override {}
    int GetMeshId() override { return -mFrameSprites[mFrameIndex]; }
    bool HitTestSegment(const Vec3*, const Vec3*, float) override { return false; }
    void GetCorners(Vec3*, Vec3*, Vec3*, Vec3*, CWorldObject*) override {}

    // The breathing direction is shared by every nebula; it starts falling.
    static void ResetBreathing();

    static constexpr int kHurtSound = 450;

    SoundRequest mHurtSound;
    Vec3 mSpareA{0.0f, 1.0f, 0.0f};
    Vec3 mSpareB{0.0f, 1.0f, 0.0f};
    int mAilmentId = 0;
    int mNebulaId = 0;
    // Only the first frame is drawn; the others name the cloud's further images.
    std::vector<int> mFrameSprites;
    int mFrameIndex = 0;
    int mFrameCount = 0;
    int mDamage = 0;
    // Milliseconds of contact gathered toward the next hurt, shared by everything inside.
    int mDamageClock = 0;
    float mCloudAngle = 0.0f;
    float mBlipScale = 1.0f;
    float mCloudSize = 0.0f;
    TrailDrawRecord mCloud;
};

// The kind table's factory of nebulae.
CWorldObject* MakeNebula(int objectId);
