// A concrete ship that flies as a computer ship does, a pilot ship that the world sees as the
// player's, and the headless game on the shipped content around them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/camera.h"
#include "db/game_database.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/pilot.h"
#include "ships/shield.h"
#include "ships/ship.h"
#include "world/world_fixture.h"

// Shipped devices and hull mesh.
constexpr int kIonDrive = 1;
constexpr int kDeflectorScreen = 3;
constexpr int kCompositePlating = 4;
constexpr int kCourierMesh = 14;

class CTestShip : public CShip {
public:
    CTestShip(int id, float size, int hull, int engine = 0, int armor = 0, int shield = 0,
              const char* shipName = "Test hull")
    {
        mId = id;
        mType = kTypeLeadShip;
        mActive = mVisible = mSolid = 1;
        mAlpha = 255;
        mColour = 0xFFFFFFFFu;
        mSize = size;
        mScale = Vec3(size, size, size);
        mPosition = mDestination = mHomePosition = Vec3(0.0f, 0.0f, 30.0f);
        mMaxHitPoints = mHitPoints = hull;
        mHullRegenerationPeriod = 10000;
        mRadarBlip = SpriteDrawRecord{306, &mRadarX, &mRadarY, &mColour, &gUnitScale, &gUnitScale};
        SetShipTexts(shipName, shipName);
        SetHullMesh(kCourierMesh);
        FitDevices(engine, armor, shield);
    }
    void Update() override
    {
        if (BeginComputerFrame())
            FlyComputerFrame(sExhaustClock);
    }
    // What the concrete ships draw of the base: the ailments' sparkles and the shield flash.
    void Render() override
    {
        for (CAilment* ailment : mAilments) {
            if (ailment)
                ailment->EmitParticle(this);
        }
        if (mShield)
            mShield->DrawHitFlash();
    }
    int GetMeshId() override { return mHullMeshId; }
    void Fire(const Vec3*) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int experience) override { experienceGained += experience; }
    float GetArmorRegenFactor() override { return factor; }
    float GetDamageFactor() override { return 1.0f; }
    float GetSpeedFactor() override { return factor; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return factor; }
    float GetShieldRegenFactor() override { return factor; }
    void DropLoot() override { ++lootDrops; }
    void SelectWeaponSlot(int) override {}
    void SelectWeapon(int) override {}

    static inline int sExhaustClock = 0;
    // Every ability factor the tests vary.
    float factor = 1.0f;
    int experienceGained = 0;
    int lootDrops = 0;
};

// The player's ship as the world sees it: a ship and a pilot.
class CTestPilotShip : public CTestShip, public CPilot, public CPlayerView {
public:
    CTestPilotShip() : CTestShip(1, 4.0f, 100) { mType = kTypePlayer; }
    int GetCredits() override { return credits; }
    void SetCredits(int value) override { credits = value; }
    CWorldObject* Ship() override { return this; }
    void AddVisitedSystem(int) override {}
    std::vector<int> CurrentQuestSteps() override { return {}; }
    void ClearTargets() override {}
    void ForgetObject(const CWorldObject*) override {}
    void ClearChargeShot() override {}
    void StopForTrip() override {}
    void UpdateQuests() override {}
    void BeginQuestSteps(int) override {}
    int Level() override { return level; }
    void AddExperience(int experience) override { CTestShip::AddExperience(experience); }
    bool TakeDevice(int) override { return false; }
    void DockAt(const Vec3&, int) override {}
    void Save() override {}

    int level = 1;
    int credits = 0;
};

class ShipTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        rm->EnterSystem(1);
        rm->DeleteWorldObjects();
        ClearFlightMessages();
        gDevice->BeginScene();
        gCamera.SetEye(0.0f, 0.0f, -50.0f);
        CTestShip::sExhaustClock = 0;
        // Made once the game runs: a hull reads its mesh.
        pilotShip = std::make_unique<CTestPilotShip>();
        pilot = pilotShip.get();
        playerView = std::make_unique<ScopedGlobal<CPlayerView*>>(gPlayerView, pilot);
    }
    void TearDown() override
    {
        WorldTest::TearDown();
        playerView.reset();
        pilotShip.reset();
    }
    int MessageCount(const std::string& line) const
    {
        int count = 0;
        for (const std::string& message : FlightMessages())
            count += message == line ? 1 : 0;
        return count;
    }

    std::unique_ptr<CTestPilotShip> pilotShip;
    CTestPilotShip* pilot = nullptr;
    std::unique_ptr<ScopedGlobal<CPlayerView*>> playerView;
};
