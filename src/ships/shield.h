// CShield: the first layer a hit meets; it flashes around the hull when hit.
#pragma once

#include <cstdint>
#include <vector>

#include "core/draw_records.h"
#include "core/vec3.h"
#include "ships/defense_device.h"

class CShield : public CDefenseDevice {
public:
    // Reads the shield's row; a missing row posts the quit message and leaves a shield of 0 points.
    explicit CShield(int deviceId);

    // Points the flash at the owner's hull and scales the regeneration by the owner.
    void Attach(CShip* owner);
    // Starts the flash, then absorbs.
    int Absorb(int amount, int damageType);
    // Three growing copies of the hull in the shield colour while the flash lasts; the flash
    // alpha falls by 10 per frame unit.
    void DrawHitFlash();

    int mShieldId = 0;
    std::vector<int> mSpriteIds;
    MeshDrawRecord mFlash;
    // Also the flash's alpha: 250 after a hit, falling to 0.
    int mHitFlash = 0;
    uint32_t mShieldColour = 0;
    Vec3 mShieldScale;
};
