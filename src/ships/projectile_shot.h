// CProjectileShot: a missile, slug or bolt that leaves the launcher's hull, flies the weapon's
// full range (or homes on the nearest enemy ship when guided), fades with the distance flown and
// bursts on the first enemy it touches or where it ends, firing its chain weapons there.
#pragma once

#include "core/draw_records.h"
#include "ships/shot.h"

class CProjectileWeapon;

class CProjectileShot : public CShot {
public:
    // A local launch toward the point; the shot flies the full range whatever the point.
    CProjectileShot(int deviceId, CActor* owner, const Vec3* target);
    // A peer's shot under the peer's shot id, flying to the point the peer's copy flies to (no
    // spread of its own) with the owner's heading. Not live when owner or point is not finite.
    CProjectileShot(int deviceId, CActor* owner, const Vec3& target, int shotId);

    void SetDestination(const Vec3& point) override { mTarget = point; }
    void SetPosition(const Vec3& point) override;
    void Update() override;
    void Render() override;
    void Interact(CWorldObject* other) override;
    float ContactReach() const override;
    // Anything that pushes a projectile makes it burst without damage.
    void Push(const Vec3& impulse) override;
    Vec3& GetTargetPoint(Vec3& out) override;

    int mSolidMeshId = 0;
    // Null when the device has no projectile record (the quit message is then posted).
    CProjectileWeapon* mWeaponRecord = nullptr;
    MeshDrawRecord mSolidMesh;
    TrailDrawRecord mSpriteTrail;
    Vec3 mPreviousPosition;
    Vec3 mTarget;
    Vec3 mStart;
    float mTravelled = 0.0f;
    int mTrailCount = 1;
    float mFlightHeading = 0.0f;

private:
    // Null (and not live) when the device has no projectile record or there is no owner.
    CProjectileWeapon* FindRecord(int deviceId, CActor* owner);
    // Starts one owner size ahead of the owner toward the point; the unit aim.
    Vec3 LeaveHull(const CActor& owner, const Vec3& point);
    // The flash, the looks and the drawing records of a shot leaving along aim.
    void Launch(const CActor& owner, const Vec3& aim, float heading);
    // Ends the shot where it is and fires the chain weapons from there, as far again as the flight.
    void EndWithChains();
    void Burst();
    // The turn after a step: solid or non-spinning shots face their course, spinning sprites spin.
    void Turn();
};
