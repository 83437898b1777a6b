// The station's and the store's own art: the description panel, the sell slot, the store's
// notices and the icons of ammunition, fuel and the four compound classes.
#include "images.h"

#include <string>

namespace assetgen {

namespace {

const Rgba kEdge{0.45f, 0.7f, 0.95f, 0.9f};

// A framed panel of w x h in the top left corner of a power-of-two texture; the rest is clear.
CCanvas CornerPanel(int size, int w, int h)
{
    CCanvas c(size, size);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.Set(x, y, Mix({0.05f, 0.09f, 0.15f, 0.94f}, {0.02f, 0.04f, 0.08f, 0.94f}, static_cast<float>(y) / h));
    for (int i = 0; i < 2; ++i) {
        c.Rect(i, i, w - i, i + 1, kEdge);
        c.Rect(i, h - 1 - i, w - i, h - i, kEdge);
        c.Rect(i, i, i + 1, h - i, kEdge);
        c.Rect(w - 1 - i, i, w - i, h - i, kEdge);
    }
    return c;
}

CCanvas Notice(CFontRenderer& font, const std::string& text)
{
    CCanvas c(256, 32);
    c.Bevel(0, 0, 256, 32, 2, {0.3f, 0.08f, 0.06f, 0.95f});
    const int w = font.MeasureText(14, text);
    font.DrawText(c, (256 - w) / 2, 7, 14, text, {1, 0.85f, 0.5f, 1});
    return c;
}

CCanvas IconBase()
{
    CCanvas c(32, 32);
    c.Bevel(0, 0, 32, 32, 2, {0.16f, 0.22f, 0.3f, 1});
    return c;
}

// Shells standing in a row: a refill of ammunition.
CCanvas Ammo()
{
    CCanvas c = IconBase();
    for (int i = 0; i < 3; ++i) {
        const int x = 7 + i * 7;
        c.Rect(x, 12, x + 5, 26, {0.85f, 0.65f, 0.25f, 1});
        c.Disc(static_cast<float>(x) + 2.5f, 11, 2.5f, {0.95f, 0.85f, 0.6f, 1});
    }
    return c;
}

// A fuel cell with its gauge.
CCanvas Fuel()
{
    CCanvas c = IconBase();
    c.Bevel(9, 6, 23, 27, 1, {0.3f, 0.6f, 0.9f, 1});
    c.Rect(12, 14, 20, 24, {0.5f, 0.9f, 1, 1});
    c.Rect(13, 3, 19, 6, {0.7f, 0.8f, 0.9f, 1});
    return c;
}

// A crystal of the compound class's colour; rarer classes glow.
CCanvas Compound(uint32_t colour, float glow)
{
    CCanvas c = IconBase();
    const Rgba col = FromHex(colour);
    if (glow > 0)
        c.Glow(16, 16, 12, col, glow);
    for (int y = 6; y < 27; ++y) {
        const int half = y < 16 ? (y - 6) * 7 / 10 : (26 - y) * 7 / 10;
        c.Rect(16 - half, y, 16 + half + 1, y + 1, Mix(col, {1, 1, 1, 1}, y < 12 ? 0.4f : 0.0f));
    }
    return c;
}

}  // namespace

void WriteStationImages(CAssetWriter& out, CFontRenderer& font)
{
    out.Png("panel_device.png", CornerPanel(512, 380, 340));
    out.Png("slot_sell.png", [] {
        CCanvas c(32, 32);
        c.Rect(0, 0, 32, 32, {0.2f, 0.05f, 0.04f, 0.8f});
        c.Bevel(0, 0, 32, 2, 1, {0.7f, 0.3f, 0.2f, 1});
        c.Bevel(0, 30, 32, 32, 1, {0.7f, 0.3f, 0.2f, 1});
        c.Bevel(0, 0, 2, 32, 1, {0.7f, 0.3f, 0.2f, 1});
        c.Bevel(30, 0, 32, 32, 1, {0.7f, 0.3f, 0.2f, 1});
        c.Rect(14, 8, 18, 24, {1, 0.85f, 0.4f, 0.8f});
        return c;
    }());
    out.Png("msg_no_credits.png", Notice(font, "Not enough credits"));
    out.Png("msg_engine_kept.png", Notice(font, "A ship cannot sell its only engine"));
    out.Png("msg_mission_kept.png", Notice(font, "Mission devices are not for sale"));
    out.Png("icon_ammo.png", Ammo());
    out.Png("icon_fuel.png", Fuel());
    out.Png("icon_common.png", Compound(0xff9098a0, 0));
    out.Png("icon_uncommon.png", Compound(0xff50c070, 0.8f));
    out.Png("icon_rare.png", Compound(0xff5090ff, 1.2f));
    out.Png("icon_exotic.png", Compound(0xffe060ff, 1.6f));
}

}  // namespace assetgen
