// CBeamShot: a textured strip from the launching ship to its end point that fades out in about
// 640 ms and damages, every frame, the enemy whose body covers the end point.
#pragma once

#include "core/draw_records.h"
#include "ships/shot.h"

class CBeamWeapon;

class CBeamShot : public CShot {
public:
    // A local launch aimed at the point; the chain weapons and particles start at the end point.
    CBeamShot(int deviceId, CActor* owner, const Vec3* target);
    // A peer's beam under the peer's shot id, ending where the peer's copy ended (no spread of its
    // own), with the weapon's range as its reach. Not live when owner or end point is not finite.
    CBeamShot(int deviceId, CActor* owner, const Vec3& target, int shotId);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void Update() override;
    void Render() override;
    void Interact(CWorldObject* other) override;
    Vec3& GetTargetPoint(Vec3& out) override;

    // Null when the device has no beam record (the quit message is then posted).
    CBeamWeapon* mWeaponRecord = nullptr;
    int mSpriteId = 0;
    MeshDrawRecord mBeamMesh;
    // The end point, fixed in the world.
    Vec3 mTarget;
    Vec3 mBeamMidpoint;
    // Where the owner was last seen; the beam keeps to it once the owner is gone.
    Vec3 mOwnerPosition;

private:
    // Null (and not live) when the device has no beam record or there is no owner.
    CBeamWeapon* FindRecord(int deviceId, CActor* owner);
    // From the owner toward the target, no longer than maxLength; then the chains and particles.
    void Launch(CActor& owner, const Vec3& target, float maxLength, int meshLastFlag);
};
