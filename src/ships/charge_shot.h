// CChargeShot: not a projectile but a pulsing copy of the launching ship's hull, drawn while the
// charge weapon converts one of the ship's resources into another step by step. It never strikes.
#pragma once

#include "core/draw_records.h"
#include "ships/shot.h"

class CChargeWeapon;
class CShip;

class CChargeShot : public CShot {
public:
    // A local launch around the owner; the launch records the shot's id as the ship's charge.
    CChargeShot(int deviceId, CShip* owner, const Vec3* origin);

    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void Update() override;
    void Render() override;
    void Interact(CWorldObject*) override {}
    float ContactReach() const override { return 0.0f; }
    Vec3& GetTargetPoint(Vec3& out) override;

    // Null when the device has no charge record (the quit message is then posted).
    CChargeWeapon* mWeaponRecord = nullptr;
    // Points at the owner's position and rotation only while it is drawn.
    MeshDrawRecord mHullMesh;
    int mOwnerMeshId = 0;
    // Milliseconds gathered toward the next conversion step.
    int mClock = 0;
    // Direction of the alpha pulse.
    uint8_t mRising = 0;

private:
    // The owning ship when it still exists.
    CShip* OwnerShip() const;
    // Ends the charge and frees the ship to charge again.
    void End(CShip& owner);
    void Pulse();
    // The conversion steps of the frame by charge type.
    void Convert(CShip& owner);
};
