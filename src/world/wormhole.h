// CWormhole: a turning whirl that carries the player's ship to the linked system, unless an
// active quest's current step closes it.
#pragma once

#include "core/draw_records.h"
#include "core/sound_globals.h"
#include "world/floating_object.h"

class CWormhole : public CFloatingObject {
public:
    // Reads the wormhole row of the object id; without a row it stays inactive.
    explicit CWormhole(int objectId);

    // Turns the whirl one degree per unit of frame scale.
    void Update() override;
    // Four copies of the whirl.
    void Render() override;
    void DrawRadar() override;
    // The jump, for the local player's ship only, into a system that can be entered.
    void Interact(CWorldObject* other) override;
    int GetMeshId() override { return -mWhirlSprite; }

    static constexpr int kWhirlSprite = 28;
    static constexpr int kJumpSound = 401;
    // The hail's text when a quest step closes the wormhole.
    static constexpr const char* kClosedText = "You must finish this mission before you can go that way!";

    int mWormholeId = 0;
    int mJumpSystemId = 0;
    int mWhirlSprite = kWhirlSprite;
    SoundRequest mJumpSound{kJumpSound, &gZeroVector};
    float mWhirlAngle = 0.0f;
    TrailDrawRecord mWhirl{};
    // Set only while the jump runs, for a quest step that waits for a jump.
    uint8_t mJumping = 0;
    // The linked system cannot be entered: the whirl turns, but nothing goes through.
    bool mLeadsNowhere = false;

private:
    // The portrait keyword of the current quest step that closes this wormhole; null when open.
    const char* ClosingStepKeyword();
    void Jump(CWorldObject* player);
};

// Where the ship arrives next to a wormhole at (x, y): 30 units toward the vertical centre line.
Vec3 ArrivalBeside(float x, float y);

// The kind table's factory of wormholes.
CWorldObject* MakeWormhole(int objectId);
