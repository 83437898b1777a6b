// CFloatingObject: the shared body of the objects that float in space and cannot be hurt
// (wormholes, lumps, markers and pickups): no-op setters, no obstacle, and the drift.
#pragma once

#include <cstdint>

#include "world/world_object.h"

class CFloatingObject : public CWorldObject {
public:
    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3&) override {}
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int, int) override { return false; }
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char*) override {}
    void Push(const Vec3&) override {}
    bool HitTestSegment(const Vec3*, const Vec3*, float) override { return false; }
    void GetCorners(Vec3*, Vec3*, Vec3*, Vec3*, CWorldObject*) override {}

protected:
    // Slides by the velocity, which loses a tenth per unit of frame scale and stops when tiny;
    // the object stays inside the system.
    void Drift();
    // The pushed velocity replaces the old one and stays in the flight plane.
    void ReplaceVelocity(const Vec3& impulse);
    // Is the other object's centre strictly within the mean of the two sizes?
    bool Touches(const CWorldObject* other) const;
    // Each floating kind acts only on what Touches.
    float ContactReach() const override { return std::fabs(mSize) / 2.0f; }
    // Is the other object the local player's ship (by pointer: remote ships share its type)?
    static bool IsPlayer(const CWorldObject* other);
};

// A line for the in-flight message log, through the in-flight screen when there is one.
void PostPickupMessage(const char* line);

// Opaque green with red and blue at the pulse: green to white.
uint32_t GreenPulse(int pulse);
// Opaque red with green and blue at the pulse: red to white.
uint32_t RedPulse(int pulse);
