// CActor: the space objects that fight, carry cargo or take ailments (ships, shots and the
// stationary actors), with the operations the world and the weapons call on them.
#pragma once

#include "world/world_object.h"

class CActor : public CWorldObject {
public:
    // Actors are no obstacle to route planning and have no corners.
    bool HitTestSegment(const Vec3* from, const Vec3* to, float radius) override;
    void GetCorners(Vec3* c0, Vec3* c1, Vec3* c2, Vec3* c3, CWorldObject* mover) override;

    // friendly: the ailment comes from the actor's own side (its devices), not from a hit.
    virtual void ApplyAilment(int ailmentId, bool friendly) = 0;
    virtual void SetEngineEnergy(int energy) = 0;
    virtual int GetAffiliate() = 0;
    virtual void AddShieldPoints(int points) = 0;
    virtual void AddEngineEnergy(int energy) = 0;
    virtual int GetAlpha() = 0;
    virtual void SetAlpha(int alpha) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void FireAt(CWorldObject* target) = 0;
    virtual void Fire(const Vec3* point) = 0;
    virtual void ScaleHitPoints(float factor) = 0;
    virtual void SetAttackFactor(float factor) = 0;
    virtual void AddCompounds(int compoundClass, int tons) = 0;
    virtual int GetCompoundAmount(int compoundClass) = 0;
    virtual void AddExperience(int experience) = 0;
    // Multipliers of the actor's abilities; 1.0 leaves an ability as it is.
    virtual float GetArmorRegenFactor() = 0;
    virtual float GetDamageFactor() = 0;
    virtual float GetSpeedFactor() = 0;
    virtual float GetAccelerationFactor() = 0;
    virtual float GetFuelEfficiencyFactor() = 0;
    virtual float GetScienceFactor() = 0;
    virtual float GetEnergyRegenFactor() = 0;
    virtual float GetShieldRegenFactor() = 0;
};
