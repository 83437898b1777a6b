// Surface textures that the x/ meshes name in their materials.
#include "images.h"

#include <cmath>

namespace assetgen {

namespace {

// Hull plating: panels with seams, rivets and a coloured stripe, tileable.
CCanvas Plating(uint32_t base, uint32_t stripe, uint32_t seed)
{
    CCanvas c(128, 128);
    Rgba body = FromHex(base);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float n = FractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, seed, 4, 8);
            float k = 0.8f + 0.35f * n;
            c.Set(x, y, {body.r * k, body.g * k, body.b * k, 1});
        }
    for (int i = 0; i < 128; i += 32) {
        c.Rect(i, 0, i + 1, 128, {0, 0, 0, 0.45f});
        c.Rect(0, i, 128, i + 1, {0, 0, 0, 0.45f});
        c.Rect(i + 1, 0, i + 2, 128, {1, 1, 1, 0.15f});
        for (int j = 4; j < 128; j += 8)
            c.Disc(static_cast<float>(i) + 4.5f, static_cast<float>(j), 0.8f, {0.1f, 0.1f, 0.1f, 0.6f});
    }
    c.Rect(0, 56, 128, 72, FromHex(stripe));
    c.Rect(0, 56, 128, 57, {1, 1, 1, 0.35f});
    return c;
}

CCanvas Rock(uint32_t low, uint32_t high, uint32_t seed)
{
    CCanvas c(128, 128);
    Rgba a = FromHex(low), b = FromHex(high);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float n = FractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, seed, 5, 8);
            float crater = FractalNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, seed + 5, 2, 16);
            Rgba col = Mix(a, b, n);
            if (crater > 0.72f)
                col = Mix(col, {0, 0, 0, 1}, 0.35f);
            col.a = 1;
            c.Set(x, y, col);
        }
    return c;
}

CCanvas Crystal(uint32_t colour, uint32_t seed)
{
    CCanvas c(64, 64);
    Rgba col = FromHex(colour);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            float n = FractalNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, seed, 3, 8);
            float facet = std::fabs(std::sin(static_cast<float>(x - y) * 0.2f));
            float k = 0.55f + 0.45f * (0.6f * n + 0.4f * facet);
            c.Set(x, y, {col.r * k, col.g * k, col.b * k, 1});
        }
    return c;
}

// Window lights: "+" is the lit layer drawn normally, "-" the additive glow over it.
CCanvas Lights(bool glow)
{
    CCanvas c(64, 64);
    if (!glow)
        c.Fill({0.18f, 0.2f, 0.24f, 1});
    for (int y = 6; y < 64; y += 12)
        for (int x = 4; x < 64; x += 8) {
            bool lit = ((x * 7 + y * 3) % 5) != 0;
            if (!lit)
                continue;
            if (glow)
                c.Glow(static_cast<float>(x) + 2, static_cast<float>(y) + 2, 6, {1, 0.85f, 0.5f, 0.9f}, 2);
            else
                c.Rect(x, y, x + 4, y + 4, {1, 0.9f, 0.6f, 1});
        }
    return c;
}

}  // namespace

void WriteMeshTextures(CAssetWriter& out)
{
    out.Png("hull_lawful.png", Plating(0xff8a949e, 0xff2860c0, 21));
    out.Png("hull_pirate.png", Plating(0xff4a4038, 0xffb02020, 22));
    out.Png("hull_miner.png", Plating(0xff9a8a60, 0xffe0a020, 23));
    out.Png("hull_alien.png", Plating(0xff3a5a48, 0xff60e0a0, 24));
    out.Png("station.png", Plating(0xffb0b4b8, 0xff3070a0, 25));
    out.Png("metal.png", Plating(0xff707880, 0xff505860, 26));
    out.Png("+lights.png", Lights(false));
    out.Png("-lights.png", Lights(true));
    out.Png("rock.png", Rock(0xff3a3430, 0xff8a7c70, 31));
    out.Png("moon.png", Rock(0xff606068, 0xffc0c0c8, 32));
    out.Png("crystal_common.png", Crystal(0xff80a0c0, 33));
    out.Png("crystal_uncommon.png", Crystal(0xff60d080, 34));
    out.Png("crystal_rare.png", Crystal(0xffd060e0, 35));
    out.Png("crystal_exotic.png", Crystal(0xffffc040, 36));
    out.Png("wormhole.png", [] {
        CCanvas c(64, 64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                float k = 0.5f + 0.5f * std::sin(static_cast<float>(x) * 0.4f + static_cast<float>(y) * 0.1f);
                c.Set(x, y, {0.2f + 0.3f * k, 0.6f + 0.3f * k, 1, 1});
            }
        return c;
    }());
    out.Png("mine.png", Plating(0xff504848, 0xffe0d020, 27));
    out.Png("health.png", [] {
        CCanvas c(64, 64);
        c.Fill({0.92f, 0.94f, 0.96f, 1});
        c.Rect(24, 8, 40, 56, {0.85f, 0.1f, 0.1f, 1});
        c.Rect(8, 24, 56, 40, {0.85f, 0.1f, 0.1f, 1});
        return c;
    }());
    out.Png("device.png", Plating(0xff586878, 0xff40d0ff, 28));
    out.Png("plane.png", [] {
        CCanvas c(64, 64);
        c.VerticalGradient({0.1f, 0.12f, 0.2f, 1}, {0.02f, 0.03f, 0.06f, 1});
        return c;
    }());
    // The system's edge: a bright line along the edge (the top rows) and fainter cell walls that
    // darken inward; clear elsewhere.
    out.Png("boundary.png", [] {
        CCanvas c(64, 64);
        for (int y = 0; y < 64; ++y) {
            const float fade = 1 - static_cast<float>(y) / 96;
            const Rgba wall{0.22f * fade, 0.4f * fade, 0.62f * fade, 1};
            c.Set(0, y, wall);
            c.Set(63, y, wall);
        }
        c.Rect(0, 62, 64, 64, {0.15f, 0.27f, 0.42f, 1});
        c.Rect(0, 0, 64, 2, {0.45f, 0.75f, 1, 1});
        return c;
    }());
    out.Png("grid.png", [] {
        CCanvas c(64, 64);
        c.Fill({0.3f, 0.6f, 1, 0.6f});
        return c;
    }());
}

}  // namespace assetgen
