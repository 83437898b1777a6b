// A stand-in actor that records the hits, ailments and pushes hazards deal, a pilot flying it,
// and a world fixture with both and the nebulae's shared breathing started afresh.
#pragma once

#include <vector>

#include "world/indestructible_actor.h"
#include "world/nebula.h"
#include "world/phantom.h"
#include "world_fixture.h"

class CTestActor : public CIndestructibleActor {
public:
    CTestActor(int id, int type, Vec3 position, float size = 4.0f)
    {
        mId = id;
        mType = type;
        mPosition = position;
        mSize = size;
        mActive = mVisible = mSolid = 1;
        mAffiliate = 1;
    }
    bool TakeDamage(int amount, int) override
    {
        hits.push_back(amount);
        return false;
    }
    void Push(const Vec3& impulse) override { pushes.push_back(impulse); }
    void ApplyAilment(int ailmentId, bool friendly) override { ailments.push_back(friendly ? -ailmentId : ailmentId); }
    void Update() override {}
    void Render() override {}
    void DrawRadar() override {}
    void Interact(CWorldObject*) override {}
    int GetMeshId() override { return 0; }

    std::vector<int> hits;
    std::vector<Vec3> pushes;
    // Negative for an ailment given as friendly.
    std::vector<int> ailments;
};

class CTestPilot : public CProbePlayer {
public:
    CWorldObject* Ship() override { return &actor; }
    CTestActor actor{1, kTypePlayer, Vec3(0.0f, 0.0f, 30.0f)};
};

class HazardTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        CNebulaObject::ResetBreathing();
    }

    CTestPilot pilot;
    ScopedGlobal<CPlayerView*> pilotView{gPlayerView, &pilot};
};
