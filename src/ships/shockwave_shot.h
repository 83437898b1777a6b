// CShockwaveShot: a spinning ring that grows from the launcher toward the weapon's range, fading as
// it grows, and strikes every object of another side under its disc once per 251 ms tick.
#pragma once

#include "core/draw_records.h"
#include "ships/shot.h"

class CShockwaveWeapon;

class CShockwaveShot : public CShot {
public:
    // A local launch centred on the origin, sized by the owner's scale.
    CShockwaveShot(int deviceId, CActor* owner, const Vec3* origin);
    // A peer's ring under its shot id, centred on the origin and sized by the ship that launched
    // it there. It has no owner here, so it strikes every side.
    CShockwaveShot(int deviceId, const CWorldObject& launcher, const Vec3& origin, int shotId);

    void SetDestination(const Vec3&) override {}
    // The ring is drawn below the flight plane.
    void SetPosition(const Vec3& point) override;
    void Update() override;
    void Render() override;
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mRadius) / 2.0f; }
    Vec3& GetTargetPoint(Vec3& out) override;

    // Null when the device has no shockwave record (the quit message is then posted).
    CShockwaveWeapon* mWeaponRecord = nullptr;
    TrailDrawRecord mRingTrail;
    MeshDrawRecord mRingMesh;
    float mRadius = 0.0f;
    int mSpriteId = 0;
    // 0 = drawn with the sprite ring.
    int mMeshId = 0;
    int mTickClock = 0;
    // Set during the frame in which a tick falls; only then does the ring strike.
    uint8_t mHitTick = 0;
    // The object id of the ship that launched a peer's ring; 0 for a local launch.
    int mLauncherId = 0;

private:
    // A shot made with an owner keeps its side once the owner is gone; one made without strikes all.
    bool Spares(const CWorldObject& other) const;
    // False, with the shot ended, when the device has no shockwave record.
    bool FindRecord(int deviceId);
    // The ring at its launch: centred on the origin, a quarter of the scale across.
    void Spread(const Vec3& origin, const Vec3& scale);
    void DrawRingCopy();

    uint8_t mHadOwner = 0;
};
