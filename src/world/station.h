// CStation: a docking place that turns on its axis and may circle the system centre. The player
// ship that flies into it docks: the flight stops, the save point becomes the station, the pilot
// is saved and the station screen opens, with the conversation a quest step armed here.
#pragma once

#include <string>

#include "core/draw_records.h"
#include "world/dock_view.h"
#include "world/indestructible_actor.h"

class CStation : public CIndestructibleActor, public CDockView {
public:
    // Reads the station row of the object id; without a row it stays inactive.
    explicit CStation(int objectId);

    // Circling (only with a positive velocity) and spinning, kept inside the system.
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // Docking, for the local player's ship only.
    void Interact(CWorldObject* other) override;
    float ContactReach() const override { return std::fabs(mSize) / 2.0f; }
    int GetMeshId() override { return mMeshId; }

    void Dock(CWorldObject* other);
    // A dock step's conversation waits for the next docking here.
    void SetPendingHail(int questStepId, const char* keyword) override;
    bool Visited() const override { return mVisited != 0; }

    static constexpr float kStationSize = 12.0f;
    // The save point lies this far from the station in x and in y, clear of the docking reach.
    static constexpr float kSavePointOffset = 20.0f;

    int mStationId = 0;
    int mMeshId = 0;
    MeshDrawRecord mMesh{};
    int mPendingHailStepId = 0;
    std::string mPendingHailText;
    uint8_t mHailPending = 0;
    // Set by every docking; a dock step completes on it.
    uint8_t mVisited = 0;
    std::string mStationType;
};

// The kind table's factory of stations.
CWorldObject* MakeStation(int objectId);
