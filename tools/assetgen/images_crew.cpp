// The shipyard's notices and the ship-and-crew page's jettison slot and description panel.
#include "images.h"

namespace assetgen {

namespace {

// A slot in warning red with arrows pointing out of it: what is dropped here leaves the ship.
CCanvas JettisonSlot()
{
    const Rgba edge{0.95f, 0.4f, 0.3f, 0.95f};
    CCanvas c(32, 32);
    c.Rect(0, 0, 32, 32, {0.16f, 0.04f, 0.03f, 0.8f});
    c.Rect(0, 0, 32, 2, edge);
    c.Rect(0, 30, 32, 32, edge);
    c.Rect(0, 0, 2, 32, edge);
    c.Rect(30, 0, 32, 32, edge);
    for (float sign : {-1.0f, 1.0f}) {
        c.Line(16, 16, 16 + 9 * sign, 16 + 9 * sign, 2, edge);
        c.Line(16, 16, 16 + 9 * sign, 16 - 9 * sign, 2, edge);
    }
    return c;
}

// The panel fills the top of a power-of-two texture; the rest stays clear.
CCanvas DevicePanel()
{
    constexpr int kWidth = 256;
    constexpr int kPanelHeight = 320;
    CCanvas c(kWidth, 512);
    const CCanvas panel = Panel(kWidth, kPanelHeight, 0.92f);
    for (int y = 0; y < kPanelHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            c.Set(x, y, panel.Get(x, y));
    return c;
}

}  // namespace

void WriteCrewImages(CAssetWriter& out, CFontRenderer& font)
{
    out.Png("msg_no_credits.png", Message(font, 256, 32, "Not enough credits"));
    out.Png("msg_level_low.png", Message(font, 256, 32, "Your pilot level is too low"));
    out.Png("slot_jettison.png", JettisonSlot());
    out.Png("panel_device.png", DevicePanel());
}

}  // namespace assetgen
