// CIndestructibleActor: the fixed bodies of the stationary actors that nothing can move or equip
// (phantom, vortex, fountain; mines and outposts add their own damage): every ship-side operation
// is a no-op, and their damage grows with the pilot's level.
#pragma once

#include "world/stationary_actor.h"

class CIndestructibleActor : public CStationaryActor {
public:
    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3& angles) override { mRotation = angles; }
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int, int) override { return false; }
    int GetMaxHitPoints() override { return mMaxHitPoints; }
    int GetHitPoints() override { return mHitPoints; }
    void GetName(char*) override {}
    void Push(const Vec3&) override {}

    void ApplyAilment(int, bool) override {}
    void SetEngineEnergy(int) override {}
    int GetAffiliate() override { return 0; }
    void AddShieldPoints(int) override {}
    void AddEngineEnergy(int) override {}
    int GetAlpha() override { return 0; }
    void SetAlpha(int) override {}
    void SetVisible(bool) override {}
    void FireAt(CWorldObject*) override {}
    void Fire(const Vec3*) override {}
    void ScaleHitPoints(float) override {}
    void SetAttackFactor(float) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int) override {}
    float GetDamageFactor() override;
};
