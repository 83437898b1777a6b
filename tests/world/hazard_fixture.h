// A stand-in actor that records the hits, ailments and pushes hazards deal, a pilot made of one,
// and a world fixture with both and clean shared hazard clocks.
#pragma once

#include <memory>
#include <vector>

#include "world/actor.h"
#include "world/nebula.h"
#include "world/phantom.h"
#include "world_fixture.h"

struct Hit {
    int amount;
    int damageType;
};

class CTestActor : public CActor {
public:
    CTestActor(int id, int type, Vec3 position, float size)
    {
        mId = id;
        mType = type;
        mPosition = position;
        mSize = size;
        mActive = 1;
        mVisible = 1;
        mSolid = 1;
        mAffiliate = 1;
    }
    void SetDestination(const Vec3&) override {}
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int amount, int damageType) override
    {
        hits.push_back(Hit{amount, damageType});
        return false;
    }
    void Update() override {}
    void Render() override {}
    void DrawRadar() override {}
    void Interact(CWorldObject*) override {}
    int GetMaxHitPoints() override { return 100; }
    int GetHitPoints() override { return 100; }
    void GetName(char* out) override { CopyBounded(out, kObjectNameSize, mName); }
    void Push(const Vec3& impulse) override { pushes.push_back(impulse); }
    int GetMeshId() override { return 0; }
    void ApplyAilment(int ailmentId, bool friendly) override
    {
        ailments.push_back(ailmentId);
        friendlyAilment = friendly;
    }
    void SetEngineEnergy(int) override {}
    int GetAffiliate() override { return mAffiliate; }
    void AddShieldPoints(int) override {}
    void AddEngineEnergy(int) override {}
    int GetAlpha() override { return mAlpha; }
    void SetAlpha(int alpha) override { mAlpha = alpha; }
    void SetVisible(bool visible) override { mVisible = visible ? 1 : 0; }
    void FireAt(CWorldObject*) override {}
    void Fire(const Vec3*) override {}
    void ScaleHitPoints(float) override {}
    void SetAttackFactor(float) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int) override {}
    float GetArmorRegenFactor() override { return 1.0f; }
    float GetDamageFactor() override { return 1.0f; }
    float GetSpeedFactor() override { return 1.0f; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return 1.0f; }
    float GetShieldRegenFactor() override { return 1.0f; }

    std::vector<Hit> hits;
    std::vector<int> ailments;
    std::vector<Vec3> pushes;
    bool friendlyAilment = true;
};

// The pilot as hazards see it: a recording ship, its level and the experience it was paid.
class CTestPilot : public CProbePlayer {
public:
    CTestPilot() : actor(1, kTypePlayer, Vec3(0.0f, 0.0f, 30.0f), 4.0f) {}
    CWorldObject* Ship() override { return &actor; }
    CTestActor actor;
};

class HazardTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        CNebulaObject::ResetSharedClocks();
        CPhantomObject::ResetSharedClock();
    }

    CTestPilot pilot;
    ScopedGlobal<CPlayerView*> pilotView{gPlayerView, &pilot};
};
