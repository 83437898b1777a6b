// The ship's blip on the minimap: coloured by affiliate, the player's own blip pulsing.
#include "ships/ship.h"

#include <algorithm>

#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "ships/pilot.h"
#include "ships/ship_clocks.h"

namespace {

constexpr int kLawful = 1;
constexpr int kUnlawful = 2;

uint32_t BlipColour(int affiliate, int type)
{
    const uint32_t p = static_cast<uint32_t>(gPulse) & 0xFFu;
    if (affiliate == kLawful && type == kTypePlayer)
        return 0xFFFF00FFu | (p << 8);
    if (affiliate == kLawful)
        return 0xFF00FF00u | (p << 16) | p;
    if (affiliate == kUnlawful)
        return 0xFF0000FFu | (p << 16) | (p << 8);
    return 0xFFFF0000u | (p << 8) | p;
}

void StepBlipPulse()
{
    float& scale = gShipClocks.blipScale;
    if (gShipClocks.blipGrowing) {
        scale = std::min(scale + 0.1f * gFrameScale, 2.0f);
        gShipClocks.blipGrowing = scale < 2.0f;
    } else {
        scale = std::max(scale - 0.1f * gFrameScale, 1.0f);
        gShipClocks.blipGrowing = scale <= 1.0f;
    }
}

}  // namespace

void CShip::DrawRadar()
{
    if (!mActive || !(mVisible || mType == kTypePlayer))
        return;
    if (gResourceManager->mSystemWidth == 0.0f || gResourceManager->mSystemHeight == 0.0f)
        return;
    PlaceRadarBlip(0.0f);
    if (mRadarX < 675 || mRadarY < 476)
        return;
    const uint32_t colour = BlipColour(mAffiliate, mType);
    SpriteDrawRecord blip = mRadarBlip;
    blip.colour = &colour;
    if (IsPlayerShip(this)) {
        StepBlipPulse();
        const int shift = static_cast<int>(4.0f * gShipClocks.blipScale);
        mRadarX -= shift;
        mRadarY -= shift;
        blip.xScale = &gShipClocks.blipScale;
        blip.yScale = &gShipClocks.blipScale;
    }
    gResourceManager->DrawSpriteTransformed(blip);
    DrawMinimapBlip();
}
