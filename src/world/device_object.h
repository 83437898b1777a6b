// CDeviceObject: a piece of equipment floating in space that the player's ship picks up by
// touching it, when a carried-device place is free.
#pragma once

#include "core/draw_records.h"
#include "world/floating_object.h"

class CDeviceObject : public CFloatingObject {
public:
    // Reads the device-object row of the object id; without a row it stays inactive.
    explicit CDeviceObject(int objectId);
    // A device dropped or thrown out in the current system; it floats in the flight plane.
    CDeviceObject(int deviceId, const Vec3& position);

    // Spin, pulse and drift.
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // The pick-up, for the player's ship only.
    void Interact(CWorldObject* other) override;
    void Push(const Vec3& impulse) override { ReplaceVelocity(impulse); }
    int GetMeshId() override { return mMeshId; }

    static constexpr int kPickUpSound = 50;

    int mDeviceObjectId = 0;
    int mDeviceId = 0;
    int mMeshId = 0;
    MeshDrawRecord mMesh{};

private:
    void Prepare();
};

// The name of any device; empty when it has no row.
const char* GetDeviceName(int deviceId);

// The kind table's factories of device objects.
CWorldObject* MakeDeviceObject(int objectId);
CWorldObject* SpawnDeviceObject(int deviceId, const Vec3& position);
