// COrbitObject: a rock or moon that circles the system centre, turns, sheds particles, shoves
// and hurts ships that run into it and, shot to pieces, may drop compounds, breaks into debris
// and comes back home after its respawn time.
#pragma once

#include "core/sound_globals.h"
#include "world/world_object.h"

class COrbitObject : public CWorldObject {
public:
    // Reads the orbit row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit COrbitObject(int objectId);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool invulnerable) override { mInvulnerable = invulnerable ? 1 : 0; }
    // True when this hit destroyed the body.
    bool TakeDamage(int amount, int damageType) override;
    // Respawn, orbit, drift, turn and particles.
    void Update() override;
    // Fades in after a respawn.
    void Render() override;
    void DrawRadar() override { DrawRadarBlip(); }
    // Sets computer ships back; pushes, sets back and hurts everything else that is solid.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize); }
    int GetMaxHitPoints() override { return mMaxHitPoints; }
    int GetHitPoints() override { return mHitPoints; }
    void GetName(char*) override {}
    // Replaces the drift: heavier bodies move less.
    void Push(const Vec3& impulse) override;
    int GetMeshId() override { return mMeshId; }
    // A box around the body; the ray runs from `from` away from `to`.
    bool HitTestSegment(const Vec3* from, const Vec3* to, float radius) override;
    void GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover) override;

    static constexpr int kCollisionSound = 3;
    // The mesh broken into whole scaled copies rather than split.
    static constexpr int kWholePiecesMesh = 13;
    // Pilots at this level and above learn nothing from breaking rocks.
    static constexpr int kExperienceLevelCap = 20;

    int mOrbitId = 0;
    int mMeshId = 0;
    int mBaseAlpha = 0;
    MeshDrawRecord mMeshRecord;
    SoundRequest mCollisionSound;
    Vec3 mRotateRates;
    int mParticleId = 0;
    int mParticleDelay = 0;
    int mParticleClock = 0;
    int mCompounds = 0;
    int mResourceType = 0;

private:
    void ShedParticle();
    // Debris and smoke where the body broke, when the camera is near enough to see them.
    void BreakUp();
};

// The kind table's factory of orbiting bodies.
CWorldObject* MakeOrbitObject(int objectId);
