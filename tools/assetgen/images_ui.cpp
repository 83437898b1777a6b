// Interface art: cursor, buttons and panels at their hit-box sizes, device icons and hail portraits.
#include "images.h"

#include <cmath>
#include <string>

namespace assetgen {

namespace {

const Rgba kSteel{0.22f, 0.34f, 0.48f, 0.95f};
const Rgba kText{0.85f, 0.93f, 1, 1};

// A console button: bevelled bar whose right end is cut at an angle (mirrored buttons point left).
CCanvas Button(int w, int h)
{
    CCanvas c(w, h);
    c.Bevel(0, 0, w, h, 2, kSteel);
    for (int y = 0; y < h; ++y)
        for (int x = w - (h - y) / 2; x < w; ++x)
            c.Set(x, y, {0, 0, 0, 0});
    c.Rect(4, h - 5, w / 3, h - 4, {0.5f, 0.8f, 1, 0.8f});
    return c;
}

}  // namespace

CCanvas Panel(int w, int h, float alpha)
{
    CCanvas c(w, h);
    c.VerticalGradient({0.06f, 0.1f, 0.16f, alpha}, {0.02f, 0.04f, 0.08f, alpha});
    for (int i = 0; i < 2; ++i) {
        c.Rect(i, i, w - i, i + 1, {0.45f, 0.7f, 0.95f, 0.9f});
        c.Rect(i, h - 1 - i, w - i, h - i, {0.45f, 0.7f, 0.95f, 0.9f});
        c.Rect(i, i, i + 1, h - i, {0.45f, 0.7f, 0.95f, 0.9f});
        c.Rect(w - 1 - i, i, w - i, h - i, {0.45f, 0.7f, 0.95f, 0.9f});
    }
    return c;
}

CCanvas Message(CFontRenderer& font, int w, int h, const std::string& text)
{
    CCanvas c = Panel(w, h, 0.9f);
    int tw = font.MeasureText(14, text);
    font.DrawText(c, (w - tw) / 2, (h - 17) / 2, 14, text, {1, 0.8f, 0.4f, 1});
    return c;
}

namespace {

CCanvas Cursor()
{
    CCanvas c(32, 32);
    // Crosshair: the cursor is drawn centred on the pointer.
    c.Ring(16, 16, 9, 2, {0.5f, 1, 0.6f, 1});
    c.Line(16, 2, 16, 10, 2, {0.5f, 1, 0.6f, 1});
    c.Line(16, 22, 16, 30, 2, {0.5f, 1, 0.6f, 1});
    c.Line(2, 16, 10, 16, 2, {0.5f, 1, 0.6f, 1});
    c.Line(22, 16, 30, 16, 2, {0.5f, 1, 0.6f, 1});
    c.Disc(16, 16, 1.5f, {1, 1, 1, 1});
    return c;
}

CCanvas Icon(uint32_t colour, int shape)
{
    CCanvas c(32, 32);
    c.Bevel(0, 0, 32, 32, 2, {0.16f, 0.22f, 0.3f, 1});
    Rgba col = FromHex(colour);
    switch (shape) {
    case 0:  // shield: a dome
        c.Ring(16, 18, 10, 3, col);
        c.Rect(5, 18, 27, 28, {0.16f, 0.22f, 0.3f, 1});
        c.Rect(6, 18, 26, 20, col);
        break;
    case 1:  // armor: stacked plates
        for (int i = 0; i < 3; ++i)
            c.Bevel(7, 7 + i * 6, 25, 12 + i * 6, 1, col);
        break;
    case 2:  // weapon: barrel and muzzle flash
        c.Line(7, 25, 22, 10, 4, col);
        c.Glow(24, 8, 7, {1, 0.9f, 0.5f, 1}, 1.5f);
        break;
    case 3:  // engine: nozzle with exhaust
        c.Rect(8, 6, 24, 16, col);
        c.Glow(16, 22, 9, {0.5f, 0.8f, 1, 1}, 1.2f);
        break;
    default:  // mission device: a sealed crate with a star
        c.Bevel(7, 9, 25, 25, 2, col);
        c.Glow(16, 17, 6, {1, 1, 0.7f, 1}, 1.5f);
        break;
    }
    return c;
}

// A 4x4 sheet of 64-pixel cells: a helmeted face whose visor light sweeps across the frames.
CCanvas Portrait(uint32_t skin, uint32_t visor, uint32_t backdrop, int variant)
{
    CCanvas c(256, 256);
    Rgba s = FromHex(skin), v = FromHex(visor), b = FromHex(backdrop);
    for (int frame = 0; frame < 16; ++frame) {
        int ox = (frame % 4) * 64, oy = (frame / 4) * 64;
        float t = static_cast<float>(frame) / 15.0f;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                float scan = (y % 3 == 0) ? 0.8f : 1.0f;
                Rgba bg = Mix(b, {0, 0, 0, 1}, static_cast<float>(y) / 80.0f);
                c.Set(ox + x, oy + y, {bg.r * scan, bg.g * scan, bg.b * scan, 1});
            }
        float cx = static_cast<float>(ox) + 32, cy = static_cast<float>(oy) + 30;
        c.Disc(cx, cy + 30, 24, Mix(s, {0, 0, 0, 1}, 0.5f));      // shoulders
        c.Disc(cx, cy, 16 + static_cast<float>(variant % 3), s);  // head
        c.Ring(cx, cy, 17 + static_cast<float>(variant % 3), 3, Mix(s, {1, 1, 1, 1}, 0.3f));
        c.Rect(ox + 20, oy + 24, ox + 44, oy + 32, v);  // visor
        c.Glow(static_cast<float>(ox) + 20 + 24 * t, static_cast<float>(oy) + 28, 6, {1, 1, 1, 0.8f}, 1.5f);
        if (variant % 2)
            c.Rect(ox + 26, oy + 38, ox + 38, oy + 40, {0.1f, 0.05f, 0.05f, 1});
    }
    return c;
}

}  // namespace

void WriteInterfaceImages(CAssetWriter& out, CFontRenderer& font)
{
    out.Png("blank.png", CCanvas(1, 1));
    out.Png("cursor.png", Cursor());
    out.Png("button.png", Button(128, 32));
    out.Png("button_long.png", Button(256, 32));
    out.Png("button_small.png", Button(64, 32));
    out.Png("panel.png", Panel(256, 256, 0.85f));
    out.Png("panel_hail.png", Panel(512, 256, 0.85f));
    out.Png("help_box.png", Panel(256, 64, 0.9f));
    out.Png("check_box.png", [] {
        CCanvas c(16, 16);
        c.Bevel(0, 0, 16, 16, 2, kSteel);
        return c;
    }());
    out.Png("check_mark.png", [] {
        CCanvas c(16, 16);
        c.Line(3, 8, 7, 12, 2.5f, {0.5f, 1, 0.6f, 1});
        c.Line(7, 12, 13, 3, 2.5f, {0.5f, 1, 0.6f, 1});
        return c;
    }());
    out.Png("slider_knob.png", [] {
        CCanvas c(16, 16);
        c.Disc(8, 8, 7, {0.7f, 0.85f, 1, 1});
        c.Disc(7, 7, 3, {1, 1, 1, 0.8f});
        return c;
    }());
    out.Png("slider_meter.png", [] {
        CCanvas c(128, 16);
        c.Bevel(0, 4, 128, 12, 1, {0.1f, 0.16f, 0.24f, 1});
        for (int x = 8; x < 128; x += 12)
            c.Rect(x, 5, x + 1, 11, {0.5f, 0.8f, 1, 0.6f});
        return c;
    }());
    out.Png("slot.png", [] {
        CCanvas c(32, 32);
        c.Rect(0, 0, 32, 32, {0.05f, 0.08f, 0.12f, 0.8f});
        c.Bevel(0, 0, 32, 2, 1, kSteel);
        c.Bevel(0, 30, 32, 32, 1, kSteel);
        c.Bevel(0, 0, 2, 32, 1, kSteel);
        c.Bevel(30, 0, 32, 32, 1, kSteel);
        return c;
    }());
    out.Png("hover.png", CCanvas(32, 32));
    out.Png("hover_row.png", CCanvas(256, 32));
    out.Png("plus.png", [] {
        CCanvas c(16, 16);
        c.Bevel(0, 0, 16, 16, 1, kSteel);
        c.Rect(7, 3, 9, 13, kText);
        c.Rect(3, 7, 13, 9, kText);
        return c;
    }());
    out.Png("minus.png", [] {
        CCanvas c(16, 16);
        c.Bevel(0, 0, 16, 16, 1, kSteel);
        c.Rect(3, 7, 13, 9, kText);
        return c;
    }());
    out.Png("meter.png", [] {
        CCanvas c(128, 8);
        for (int x = 0; x < 128; ++x)
            for (int y = 0; y < 8; ++y)
                c.Set(x, y, Mix({0.2f, 0.9f, 0.4f, 1}, {0.1f, 0.5f, 0.2f, 1}, static_cast<float>(y) / 7.0f));
        return c;
    }());
    out.Png("frame.png", [] {
        CCanvas c(128, 128);
        c.Ring(64, 64, 60, 2, {0.45f, 0.7f, 0.95f, 0.9f});
        c.Rect(0, 63, 12, 65, {0.45f, 0.7f, 0.95f, 0.9f});
        c.Rect(116, 63, 128, 65, {0.45f, 0.7f, 0.95f, 0.9f});
        return c;
    }());
    out.Png("title.png", [&font] {
        CCanvas c(512, 128);
        c.Glow(256, 64, 250, {0.3f, 0.6f, 1, 0.35f}, 2);
        int w = font.MeasureText(72, "VARNOK");
        font.DrawText(c, (512 - w) / 2 + 3, 23, 72, "VARNOK", {0, 0, 0, 0.7f});
        font.DrawText(c, (512 - w) / 2, 20, 72, "VARNOK", {0.85f, 0.93f, 1, 1});
        return c;
    }());
    out.Png("msg_slots_full.png", Message(font, 256, 32, "All pilot slots are taken"));
    out.Png("msg_no_pilot.png", Message(font, 256, 32, "No pilot to continue"));
    out.Png("msg_destroyed.png", Message(font, 256, 32, "Your ship was destroyed"));
    out.Png("msg_points_left.png", Message(font, 256, 32, "Spend all skill points first"));
    // Also the death panel, so it carries no title.
    out.Png("panel_options.png", Panel(256, 512, 0.9f));
    out.Png("panel_target.png", Panel(256, 128, 0.75f));
    out.Png("panel_hud.png", Panel(256, 256, 0.6f));
    out.Png("pilot_row.png", Panel(256, 32, 0.45f));
    out.Png("panel_help.png", Panel(256, 128, 0.9f));
    out.Png("msg_retire.png", Message(font, 256, 32, "A retired pilot is gone for good"));
    out.Png("hail_box.png", Panel(512, 128, 0.85f));
    // A 72-pixel square around a 64-pixel portrait; the rest of the texture is clear.
    out.Png("frame_portrait.png", [] {
        CCanvas c(128, 128);
        for (int i = 0; i < 2; ++i) {
            c.Rect(i, i, 72 - i, i + 1, {0.45f, 0.7f, 0.95f, 0.9f});
            c.Rect(i, 71 - i, 72 - i, 72 - i, {0.45f, 0.7f, 0.95f, 0.9f});
            c.Rect(i, i, i + 1, 72 - i, {0.45f, 0.7f, 0.95f, 0.9f});
            c.Rect(71 - i, i, 72 - i, 72 - i, {0.45f, 0.7f, 0.95f, 0.9f});
        }
        return c;
    }());

    out.Png("icon_shield.png", Icon(0xff60b0ff, 0));
    out.Png("icon_armor.png", Icon(0xffb0b0b0, 1));
    out.Png("icon_weapon.png", Icon(0xffff7050, 2));
    out.Png("icon_engine.png", Icon(0xffd0d0e0, 3));
    out.Png("icon_mission.png", Icon(0xffe0c040, 4));

    const struct {
        const char* name;
        uint32_t skin, visor, backdrop;
    } kPortraits[] = {
        {"face_mercenary.png", 0xffb08870, 0xff4080c0, 0xff203040},
        {"face_pirate.png", 0xff806050, 0xffe03030, 0xff301010},
        {"face_miner.png", 0xffc09070, 0xffe0a020, 0xff302818},
        {"face_enimanga.png", 0xff60a080, 0xff80ffc0, 0xff0c2a1c},
        {"face_enlar.png", 0xff9080b0, 0xffc0a0ff, 0xff1c1430},
        {"face_ignus.png", 0xffd08040, 0xffffe080, 0xff2c1004},
        {"face_mandralor.png", 0xff8070c0, 0xffb080ff, 0xff100a18},
        {"face_xengar.png", 0xff70b0b0, 0xff40ffff, 0xff082020},
        {"face_bountyhunter.png", 0xffa07860, 0xffff8000, 0xff201408},
        {"face_probe.png", 0xff9098a0, 0xff40ff40, 0xff101818},
        {"face_gallite.png", 0xffc0b080, 0xffffffff, 0xff202010},
        {"face_goth.png", 0xffa06070, 0xffff4070, 0xff24081c},
    };
    int variant = 0;
    for (const auto& p : kPortraits)
        out.Png(p.name, Portrait(p.skin, p.visor, p.backdrop, variant++));
}

}  // namespace assetgen
