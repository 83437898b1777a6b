// Doubles of what the world calls outside itself (the player, the quest triggers) and of space
// objects, which record every call the world makes; and the headless game on the shipped
// content with a clean world for each test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/camera.h"
#include "core/message_log.h"
#include "db/database_builder.h"
#include "engine/resource_manager.h"
#include "support/headless_game.h"
#include "support/scoped_global.h"
#include "world/player_view.h"
#include "world/trigger_source.h"
#include "world/world_object.h"

// Calls in the order they were made: "U10" update, "R10" render, "D10" radar, "I10>11" contact.
using CallLog = std::vector<std::string>;

class CProbeObject : public CWorldObject {
public:
    CProbeObject(int id, int type, Vec3 position, float size, CallLog* log = nullptr) : mLog(log)
    {
        mId = id;
        mType = type;
        mPosition = position;
        mSize = size;
        mActive = 1;
        mVisible = 1;
    }
    void SetDestination(const Vec3& point) override { destination = point; }
    void SetPosition(const Vec3& point) override { mPosition = point; }
    void SetAngles(const Vec3&) override {}
    void SetInvulnerable(bool) override {}
    bool TakeDamage(int, int) override { return false; }
    void Update() override
    {
        Note("U" + std::to_string(mId));
        if (onUpdate)
            onUpdate();
    }
    void Render() override { Note("R" + std::to_string(mId)); }
    void DrawRadar() override { Note("D" + std::to_string(mId)); }
    void Interact(CWorldObject* other) override
    {
        Note("I" + std::to_string(mId) + ">" + std::to_string(other->mId));
        if (onInteract)
            onInteract(other);
    }
    float ContactReach() const override { return reach; }
    int GetMaxHitPoints() override { return 1; }
    int GetHitPoints() override { return 1; }
    void GetName(char* out) override { CopyBounded(out, kObjectNameSize, mName); }
    void Push(const Vec3&) override {}
    int GetMeshId() override { return 0; }
    bool HitTestSegment(const Vec3*, const Vec3*, float) override { return blocks; }
    void GetCorners(Vec3*, Vec3*, Vec3*, Vec3*, CWorldObject*) override {}

    std::function<void()> onUpdate;
    std::function<void(CWorldObject*)> onInteract;
    bool blocks = false;
    float reach = kReachEverywhere;
    Vec3 destination;

private:
    void Note(const std::string& call)
    {
        if (mLog)
            mLog->push_back(call);
    }
    CallLog* mLog;
};

// The pilot as far as the world sees it: a probe ship and what the world told it.
class CProbePlayer : public CPlayerView {
public:
    explicit CProbePlayer(CallLog* log = nullptr) : ship(1, kTypePlayer, Vec3(0.0f, 0.0f, 30.0f), 5.0f, log) {}
    CWorldObject* Ship() override { return &ship; }
    void AddVisitedSystem(int systemId) override { visited.push_back(systemId); }
    std::vector<int> CurrentQuestSteps() override { return questSteps; }
    void ClearTargets() override { ++targetsCleared; }
    void ForgetObject(const CWorldObject*) override {}
    void ClearChargeShot() override { ++chargeShotsCleared; }
    void StopForTrip() override { ++stops; }
    void UpdateQuests() override { ++questUpdates; }
    void BeginQuestSteps(int systemId) override { questStepsBegun.push_back(systemId); }
    int Level() override { return level; }
    void AddExperience(int experience) override { this->experience += experience; }
    bool TakeDevice(int deviceId) override
    {
        if (!deviceRoom)
            return false;
        devicesTaken.push_back(deviceId);
        return true;
    }
    void DockAt(const Vec3& savePoint, int systemId) override
    {
        savePoints.push_back(savePoint);
        saveSystem = systemId;
    }
    void Save() override { ++saves; }

    CProbeObject ship;
    std::vector<int> visited;
    std::vector<int> questSteps;
    std::vector<int> questStepsBegun;
    int targetsCleared = 0;
    int chargeShotsCleared = 0;
    int stops = 0;
    int questUpdates = 0;
    int level = 1;
    int experience = 0;
    bool deviceRoom = true;
    std::vector<int> devicesTaken;
    std::vector<Vec3> savePoints;
    int saveSystem = 0;
    int saves = 0;
};

class WorldTest : public HeadlessGame {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        rm = gResourceManager;
        ClearFlightMessages();
        Posted().clear();
        SetFlightMessageListener([](const std::string& line) { Posted().push_back(line); });
        gFrameScale = 1.0f;
        gFrameTimeMs = 100;
        // Draws are recorded inside a scene.
        gDevice->BeginScene();
    }
    void TearDown() override
    {
        // The world goes while the doubles it may call still exist.
        rm->DeleteWorldObjects();
        SetFlightMessageListener(nullptr);
        HeadlessGame::TearDown();
    }

    // The camera over a place, as flight sets it: a mesh out of its view sends no triangles.
    static void LookDownOn(const Vec3& at, float height)
    {
        gCamera.Reset();
        gCamera.SetEye(at.x, at.y, height);
        gCamera.SetTarget(at.x, at.y, at.z);
        gCamera.Apply();
    }
    // Adds rows to the content database the game has open.
    void Content(const std::string& sql)
    {
        auto error = ApplySql((folder.Path() / "config" / "varnok.dat").string(), sql);
        ASSERT_FALSE(error) << *error;
    }
    // Files a probe into a map; the map owns it.
    CProbeObject* Place(std::map<int, CWorldObject*>& map, int id, int type, Vec3 position = Vec3(0, 0, 30),
                        float size = 5.0f)
    {
        auto* probe = new CProbeObject(id, type, position, size, &log);
        map[id] = probe;
        return probe;
    }
    bool Logged(const std::string& line) const
    {
        for (const std::string& message : Posted()) {
            if (message == line)
                return true;
        }
        return false;
    }
    // Every line posted since the test began; the log itself keeps four.
    static std::vector<std::string>& Posted()
    {
        static std::vector<std::string> lines;
        return lines;
    }

    CResourceManager* rm = nullptr;
    CallLog log;
};
