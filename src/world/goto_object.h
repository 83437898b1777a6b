// CGotoObject: a turning sign at a destination that switches itself off when the player's ship
// reaches it; a quest step waiting for arrival watches it.
#pragma once

#include "core/draw_records.h"
#include "world/floating_object.h"

class CGotoObject : public CFloatingObject {
public:
    // Reads the goto row of the object id; without a row it stays inactive.
    explicit CGotoObject(int objectId);
    // A quest step's marker at a point of the current system.
    CGotoObject(float x, float y);

    // Turns the sign.
    void Update() override;
    void Render() override;
    void DrawRadar() override;
    // Switches off when the player's ship is inside it.
    void Interact(CWorldObject* other) override;
    int GetMeshId() override { return -mMarkerSpriteId; }

    static constexpr int kQuestMarkerSprite = 35;

    int mGotoId = 0;
    int mMarkerSpriteId = 0;
    float mMarkerAngle = 0.0f;
    TrailDrawRecord mSign{};

private:
    void Prepare();
};

// The kind table's factory of goto markers.
CWorldObject* MakeGotoObject(int objectId);
