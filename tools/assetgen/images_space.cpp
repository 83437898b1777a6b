// Full-screen backdrops, planet surfaces, effect sprites and radar blips.
#include "images.h"

#include <cmath>
#include <string>

namespace assetgen {

namespace {

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;
constexpr float kPi = 3.14159265f;

// Deep-space backdrop: graded sky, two layers of nebula and a star field.
CCanvas SpaceBackdrop(const Palette& p, uint32_t seed)
{
    CCanvas c(kScreenW, kScreenH);
    c.VerticalGradient(FromHex(p.top), FromHex(p.bottom));
    c.Nebula(seed, FromHex(p.cloudA), 0.48f, 190, 0.55f);
    c.Nebula(seed + 17, FromHex(p.cloudB), 0.56f, 90, 0.45f);
    c.StarField(seed + 31, 900, 0.9f);
    return c;
}

// The flight backdrop: a square of sky that the backdrop plane repeats, so the clouds wrap at its
// edges and the sky has one tone; a power-of-two side keeps the texture from being stretched.
CCanvas TiledSpaceBackdrop(const Palette& p, uint32_t seed)
{
    constexpr int kSide = 1024;
    CCanvas c(kSide, kSide);
    // Kept dark and sparse: the HUD and the log are read over it.
    c.Fill(Mix(FromHex(p.top), FromHex(p.bottom), 0.3f));
    c.Nebula(seed, FromHex(p.cloudA), 0.58f, 256, 0.32f, kSide / 256);
    c.Nebula(seed + 17, FromHex(p.cloudB), 0.66f, 128, 0.22f, kSide / 128);
    c.StarField(seed + 31, 1200, 0.8f);
    return c;
}

void Caption(CCanvas& c, CFontRenderer& font, int y, int size, const std::string& text, const Rgba& colour)
{
    int w = font.MeasureText(size, text);
    font.DrawText(c, (c.Width() - w) / 2 + 2, y + 2, size, text, {0, 0, 0, 0.6f});
    font.DrawText(c, (c.Width() - w) / 2, y, size, text, colour);
}

}  // namespace

CCanvas ScreenBackdrop(const Palette& p, uint32_t seed, CFontRenderer& font, const std::string& title)
{
    CCanvas c = SpaceBackdrop(p, seed);
    Rgba frame = FromHex(0xc0283848);
    c.Rect(0, 0, kScreenW, 56, {0.03f, 0.05f, 0.08f, 0.75f});
    c.Rect(0, 56, kScreenW, 58, FromHex(0xff6fa8d8));
    c.Rect(0, kScreenH - 40, kScreenW, kScreenH, {0.03f, 0.05f, 0.08f, 0.75f});
    c.Rect(0, kScreenH - 42, kScreenW, kScreenH - 40, FromHex(0xff6fa8d8));
    for (int i = 0; i < 4; ++i)
        c.Rect(24 + i * 10, 22, 30 + i * 10, 34, frame);
    Caption(c, font, 14, 26, title, {0.85f, 0.92f, 1, 1});
    return c;
}

namespace {

// Equirectangular planet surface: banded or continental noise with polar caps.
CCanvas PlanetSurface(uint32_t seed, uint32_t low, uint32_t high, uint32_t cap, bool banded)
{
    CCanvas c(256, 128);
    Rgba a = FromHex(low), b = FromHex(high), polar = FromHex(cap);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            float fx = static_cast<float>(x) / 32.0f, fy = static_cast<float>(y) / 32.0f;
            float n = banded ? FractalNoise(fx * 0.25f, fy * 3.0f, seed, 4, 2) : FractalNoise(fx, fy, seed, 5, 8);
            Rgba col = Mix(a, b, banded ? n : (n > 0.5f ? 0.6f + (n - 0.5f) : n * 0.5f));
            float lat = std::fabs(static_cast<float>(y) - 63.5f) / 64.0f;
            if (lat > 0.82f)
                col = Mix(col, polar, std::min(1.0f, (lat - 0.82f) * 8));
            col.a = 1;
            c.Set(x, y, col);
        }
    return c;
}

// Trails blend by the destination's alpha, so only the colour shows: the shape must be in it.
CCanvas Premultiplied(CCanvas c)
{
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            Rgba p = c.Get(x, y);
            c.Set(x, y, {p.r * p.a, p.g * p.a, p.b * p.a, p.a});
        }
    return c;
}

// Spiral arms around a bright centre (wormhole whirl, vortex, portal).
CCanvas Spiral(int size, uint32_t colour, int arms, float twist)
{
    CCanvas c(size, size);
    float h = static_cast<float>(size) / 2;
    Rgba col = FromHex(colour);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float dx = static_cast<float>(x) + 0.5f - h, dy = static_cast<float>(y) + 0.5f - h;
            float r = std::hypot(dx, dy) / h;
            if (r >= 1)
                continue;
            float angle = std::atan2(dy, dx) + twist * r;
            float arm = 0.5f + 0.5f * std::cos(angle * static_cast<float>(arms));
            float k = std::pow(arm, 3.0f) * (1 - r) * 1.4f + std::pow(1 - r, 4.0f);
            c.Blend(x, y, col, std::min(1.0f, k));
        }
    return c;
}

CCanvas SoftDot(int size, uint32_t colour, float power)
{
    CCanvas c(size, size);
    float h = static_cast<float>(size) / 2;
    c.Glow(h, h, h, FromHex(colour), power);
    return c;
}

CCanvas Puff(int size, uint32_t colour, uint32_t seed)
{
    CCanvas c(size, size);
    float h = static_cast<float>(size) / 2;
    Rgba col = FromHex(colour);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r = std::hypot(static_cast<float>(x) + 0.5f - h, static_cast<float>(y) + 0.5f - h) / h;
            if (r >= 1)
                continue;
            float n = FractalNoise(static_cast<float>(x) / 12.0f, static_cast<float>(y) / 12.0f, seed, 4, 0);
            c.Blend(x, y, col, std::min(1.0f, (1 - r) * (1 - r) * (0.4f + 1.2f * n)));
        }
    return c;
}

CCanvas Sparkle(int size, uint32_t colour)
{
    CCanvas c(size, size);
    float h = static_cast<float>(size) / 2;
    Rgba col = FromHex(colour);
    c.Glow(h, h, h * 0.5f, col, 2);
    c.Line(2, h, static_cast<float>(size) - 2, h, 2, {col.r, col.g, col.b, 0.8f});
    c.Line(h, 2, h, static_cast<float>(size) - 2, 2, {col.r, col.g, col.b, 0.8f});
    c.Line(h * 0.45f, h * 0.45f, h * 1.55f, h * 1.55f, 1, {col.r, col.g, col.b, 0.5f});
    c.Line(h * 1.55f, h * 0.45f, h * 0.45f, h * 1.55f, 1, {col.r, col.g, col.b, 0.5f});
    c.Disc(h, h, 2, {1, 1, 1, 1});
    return c;
}

CCanvas Blip(uint32_t colour, bool square)
{
    CCanvas c(8, 8);
    Rgba col = FromHex(colour);
    if (square) {
        c.Rect(1, 1, 7, 7, col);
        c.Rect(2, 2, 6, 6, Mix(col, {1, 1, 1, 1}, 0.4f));
    } else {
        c.Disc(4, 4, 3.2f, col);
        c.Disc(3.5f, 3.5f, 1.2f, Mix(col, {1, 1, 1, 1}, 0.6f));
    }
    return c;
}

// Arrow pointing up (+y is the heading of zero).
CCanvas Arrow(int size, uint32_t colour)
{
    CCanvas c(size, size);
    float s = static_cast<float>(size);
    Rgba col = FromHex(colour);
    for (int y = 0; y < size; ++y) {
        float t = static_cast<float>(y) / s;
        float half = t < 0.55f ? t * s * 0.7f : s * 0.12f;
        for (int x = 0; x < size; ++x)
            if (std::fabs(static_cast<float>(x) + 0.5f - s / 2) < half)
                c.Blend(x, y, col, 0.9f - 0.4f * t);
    }
    c.Glow(s / 2, s * 0.3f, s * 0.25f, {1, 0.7f, 0.6f, 0.5f}, 2);
    return c;
}

}  // namespace

void WriteSpaceImages(CAssetWriter& out, CFontRenderer& font)
{
    const Palette kUnion{0xff050a1c, 0xff0c1838, 0xff2a4f9a, 0xff5aa0d0};
    const Palette kGoth{0xff0c0410, 0xff24081c, 0xff7a1838, 0xffb04060};
    const Palette kIgnus{0xff140604, 0xff2c1004, 0xffb04a10, 0xffe8a040};
    const Palette kEnimanga{0xff03140c, 0xff062a1c, 0xff1a8a5a, 0xff80d0a0};
    const Palette kMandralor{0xff100a18, 0xff1c1430, 0xff6a48b0, 0xffc0a0e8};
    const Palette kConsole{0xff040810, 0xff0a1420, 0xff1c3a5c, 0xff3c6a8c};

    // Faction backdrops: full-screen images, also used as the backdrop-plane textures in flight.
    out.Png("back_union.png", TiledSpaceBackdrop(kUnion, 101));
    out.Png("back_goth.png", TiledSpaceBackdrop(kGoth, 202));
    out.Png("back_ignus.png", TiledSpaceBackdrop(kIgnus, 303));
    out.Png("back_enimanga.png", TiledSpaceBackdrop(kEnimanga, 404));
    out.Png("back_mandralor.png", TiledSpaceBackdrop(kMandralor, 505));

    // Glow planes: soft light that sits over the faction backdrop.
    const struct {
        const char* name;
        uint32_t colour;
    } kGlows[] = {{"glow_union.png", 0x8050a0ff},
                  {"glow_goth.png", 0x80ff4070},
                  {"glow_ignus.png", 0x80ffa040},
                  {"glow_enimanga.png", 0x8050ffa0},
                  {"glow_mandralor.png", 0x80b080ff}};
    // The glow plane tiles its texture many times across the system, so the light is made of
    // whole waves of the tile: no seam, and no place dim enough for the alpha test (8 of 255) to
    // cut. It is added over the backdrop by the plane's own factor, not by this alpha, so the
    // colour itself is kept faint: text must read over it.
    for (const auto& g : kGlows) {
        CCanvas c(256, 256);
        const Rgba colour = FromHex(g.colour);
        constexpr float kTurn = 6.2831853f / 256.0f;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const float wave = 0.5f + 0.25f * std::sin(kTurn * static_cast<float>(x)) *
                                              std::cos(2.0f * kTurn * static_cast<float>(y)) +
                                   0.25f * std::sin(kTurn * static_cast<float>(x + 2 * y));
                const float light = 0.1f + 0.15f * wave;
                c.Set(x, y, {colour.r * light, colour.g * light, colour.b * light, 0.06f + 0.16f * wave});
            }
        out.Png(g.name, c);
    }

    // Screen backdrops.
    out.Png("screen_menu.png", SpaceBackdrop(kUnion, 606));
    out.Png("screen_pilot.png", ScreenBackdrop(kConsole, 707, font, "PILOT REGISTRY"));
    out.Png("screen_station.png", ScreenBackdrop(kConsole, 808, font, "STATION"));
    out.Png("screen_board.png", ScreenBackdrop(kConsole, 909, font, "MISSIONS"));
    out.Png("screen_upgrade.png", ScreenBackdrop(kConsole, 1010, font, "SHIPYARD"));
    out.Png("screen_crew.png", ScreenBackdrop(kConsole, 1111, font, "SHIP AND CREW"));
    out.Png("screen_store.png", ScreenBackdrop(kConsole, 1212, font, "OUTFITTER"));
    out.Png("screen_delete.png", ScreenBackdrop(kGoth, 1313, font, "RETIRE A PILOT"));
    out.Png("screen_galaxy.png", ScreenBackdrop(kUnion, 1414, font, "GALAXY"));
    out.Png("screen_lobby.png", ScreenBackdrop(kConsole, 1515, font, "LOBBY"));
    out.Png("screen_network.png", ScreenBackdrop(kConsole, 1616, font, "NETWORK"));
    out.Jpeg("screen_info.jpg", ScreenBackdrop(kMandralor, 1717, font, "INFORMATION"));

    // Planet and sun surfaces, with their glows.
    out.Png("planet_terra.png", PlanetSurface(11, 0xff1a3c8a, 0xff3c8a3c, 0xffe8f0ff, false));
    out.Png("planet_desert.png", PlanetSurface(12, 0xff8a5a2a, 0xffd8b070, 0xfff0e0c0, false));
    out.Png("planet_ice.png", PlanetSurface(13, 0xff90b0d0, 0xffe8f4ff, 0xffffffff, false));
    out.Png("planet_gas.png", PlanetSurface(14, 0xffa06a3a, 0xffe8d0a0, 0xffc09060, true));
    out.Png("planet_lava.png", PlanetSurface(15, 0xff200806, 0xffff5010, 0xff401008, false));
    out.Png("sun.png", PlanetSurface(16, 0xffffa020, 0xfffff0a0, 0xffffd060, true));
    out.Png("planet_glow.png", SoftDot(128, 0xff80b0ff, 1.5f));
    out.Png("sun_glow.png", SoftDot(128, 0xffffd080, 1.2f));
    // Drawn as trails, which blend by the destination's alpha: the shape is carried in colour too.
    out.Png("halo.png", Premultiplied(SoftDot(128, 0xc0ffe0a0, 2.5f)));

    // Effect sprites.
    out.Png("whirl.png", Premultiplied(Spiral(128, 0xff60c0ff, 3, 7.0f)));
    out.Png("swirl.png", Premultiplied(Spiral(128, 0xffc060ff, 2, 9.0f)));
    out.Png("portal.png", Premultiplied(Spiral(128, 0xff60ffb0, 5, 5.0f)));
    out.Png("goto.png", Sparkle(64, 0xff60ff60));
    out.Png("exhaust.png", SoftDot(32, 0xff80c0ff, 1.6f));
    out.Png("exhaust_ship.png", SoftDot(32, 0xffa0e0ff, 2.0f));
    out.Png("ailment_a.png", Sparkle(32, 0xffffe060));
    out.Png("ailment_b.png", Puff(32, 0xffa060ff, 77));
    out.Png("quest_marker.png", Sparkle(64, 0xffffd040));
    // Red, as the missions call it: the pulsing tint it is drawn with multiplies this colour.
    out.Png("guide_arrow.png", Arrow(32, 0xffff3020));
    out.Png("spark.png", SoftDot(16, 0xffffe0a0, 1.3f));
    out.Png("smoke.png", Puff(64, 0xff707070, 41));
    out.Png("flame.png", Puff(64, 0xffff8020, 42));
    out.Png("sparkle.png", Sparkle(32, 0xffffffff));
    out.Png("flash.png", SoftDot(64, 0xffffffe0, 1.0f));
    out.Png("cloud.png", Premultiplied(Puff(128, 0xffffffff, 43)));
    out.Png("bolt.png", SoftDot(32, 0xffff6040, 0.8f));
    out.Png("beam.png", [] {
        CCanvas c(16, 64);
        for (int x = 0; x < 16; ++x) {
            float d = std::fabs(static_cast<float>(x) + 0.5f - 8) / 8;
            for (int y = 0; y < 64; ++y)
                c.Blend(x, y, {0.6f + 0.4f * (1 - d), 0.9f, 1, 1}, std::pow(1 - d, 1.5f));
        }
        return c;
    }());
    out.Png("shock_ring.png", [] {
        CCanvas c(128, 128);
        c.Ring(64, 64, 54, 10, {0.6f, 0.85f, 1, 0.9f});
        c.Ring(64, 64, 54, 3, {1, 1, 1, 1});
        return c;
    }());
    out.Png("charge.png", [] {
        CCanvas c(64, 64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                c.Blend(x, y, {1, 0.9f, 0.3f, 1}, 0.35f + 0.3f * std::sin(static_cast<float>(x + y) * kPi / 8));
        return c;
    }());

    // Radar blips.
    out.Png("blip_nebula.png", Blip(0xffb070ff, false));
    out.Png("blip_item.png", Blip(0xff60ff60, true));
    out.Png("blip_planet.png", Blip(0xff4080ff, false));
    out.Png("blip_enemy.png", Blip(0xffff4040, false));
    out.Png("blip_resource.png", Blip(0xffc0a080, false));
    out.Png("blip_station.png", Blip(0xffffffff, true));
    out.Png("blip_wormhole.png", Blip(0xff40e0ff, false));
    out.Png("blip_scaffold.png", Blip(0xff909090, true));
    out.Png("blip_player.png", Blip(0xff40ff40, false));
    out.Png("blip_outpost.png", Blip(0xffff8040, true));
    out.Png("blip_fountain.png", Blip(0xffff60c0, false));
    out.Png("blip_mine.png", Blip(0xffffff40, false));
    out.Png("blip_target.png", [] {
        CCanvas c(16, 16);
        c.Ring(8, 8, 6, 1.5f, {1, 1, 1, 1});
        return c;
    }());
}

}  // namespace assetgen
