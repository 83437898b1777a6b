// CPlanetObject: a planet, a slowly turning textured sphere that ships slide along, or the
// system's sun when its name is exactly "Sun", drawn as four turning halo copies.
#pragma once

#include "world/world_object.h"

class CPlanetObject : public CWorldObject {
public:
    // Reads the planet row of the object id; without a row it posts the quit message and stays
    // inactive.
    explicit CPlanetObject(int objectId);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3&) override {}
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int, int) override { return false; }
    // Turns about z.
    void Update() override;
    void Render() override;
    // The blip grows with the planet and is never clipped.
    void DrawRadar() override;
    // Puts a solid object that touches the planet back on its surface.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize); }
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char* out) override;
    void Push(const Vec3&) override {}
    int GetMeshId() override { return kSphereMesh; }
    // A box around the planet, half its size plus the radius wide; the ray goes on past `to`.
    bool HitTestSegment(const Vec3* from, const Vec3* to, float radius) override;
    void GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover) override;

    static constexpr int kSphereMesh = 57;

    float mBlipScale = 1.0f;
    int mPlanetId = 0;
    uint8_t mIsSun = 0;
    MeshDrawRecord mMesh;
    int mRingSpriteId = 0;
    int mCommonRate = 0;
    int mUncommonRate = 0;
    int mRareRate = 0;
    int mExoticRate = 0;
    int mHaloAlpha = 150;
    float mHaloSize = 0.0f;
    float mHaloAngle = 0.0f;
    TrailDrawRecord mHalo;
};

// The kind table's factory of planets.
CWorldObject* MakePlanet(int objectId);
