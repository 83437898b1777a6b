// Drawing operations of the generator's picture type.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

float Clamp01(float v)
{
    return std::min(1.0f, std::max(0.0f, v));
}

uint32_t Hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 374761393u) ^ (static_cast<uint32_t>(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float Lattice(int x, int y, uint32_t seed)
{
    return static_cast<float>(Hash(x, y, seed) & 0xffff) / 65535.0f;
}

float Smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

float ValueNoise(float x, float y, uint32_t seed, int period)
{
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    float fx = Smooth(x - static_cast<float>(x0));
    float fy = Smooth(y - static_cast<float>(y0));
    auto wrap = [period](int v) { return period > 0 ? ((v % period) + period) % period : v; };
    int xa = wrap(x0), xb = wrap(x0 + 1), ya = wrap(y0), yb = wrap(y0 + 1);
    float top = Lattice(xa, ya, seed) * (1 - fx) + Lattice(xb, ya, seed) * fx;
    float bottom = Lattice(xa, yb, seed) * (1 - fx) + Lattice(xb, yb, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

}  // namespace

Rgba Mix(const Rgba& x, const Rgba& y, float t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Rgba FromHex(uint32_t argb)
{
    return {static_cast<float>((argb >> 16) & 0xff) / 255.0f, static_cast<float>((argb >> 8) & 0xff) / 255.0f,
            static_cast<float>(argb & 0xff) / 255.0f, static_cast<float>(argb >> 24) / 255.0f};
}

uint32_t CRandom::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float CRandom::Unit()
{
    return static_cast<float>(Next() >> 8) / 16777216.0f;
}

float CRandom::Range(float lo, float hi)
{
    return lo + (hi - lo) * Unit();
}

float FractalNoise(float x, float y, uint32_t seed, int octaves, int period)
{
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 7919u, period) * amplitude;
        total += amplitude;
        x *= 2;
        y *= 2;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

CCanvas::CCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height))
{
}

Rgba CCanvas::Get(int x, int y) const
{
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void CCanvas::Set(int x, int y, const Rgba& c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void CCanvas::Blend(int x, int y, const Rgba& c, float t)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Rgba& d = pixels_[static_cast<size_t>(y) * width_ + x];
    float sa = Clamp01(c.a * t);
    float outA = sa + d.a * (1 - sa);
    if (outA <= 0) {
        d = {0, 0, 0, 0};
        return;
    }
    d.r = (c.r * sa + d.r * d.a * (1 - sa)) / outA;
    d.g = (c.g * sa + d.g * d.a * (1 - sa)) / outA;
    d.b = (c.b * sa + d.b * d.a * (1 - sa)) / outA;
    d.a = outA;
}

void CCanvas::Fill(const Rgba& c)
{
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void CCanvas::VerticalGradient(const Rgba& top, const Rgba& bottom)
{
    for (int y = 0; y < height_; ++y) {
        Rgba c = Mix(top, bottom, height_ > 1 ? static_cast<float>(y) / static_cast<float>(height_ - 1) : 0.0f);
        for (int x = 0; x < width_; ++x)
            Set(x, y, c);
    }
}

void CCanvas::Glow(float cx, float cy, float radius, const Rgba& c, float power)
{
    int x0 = std::max(0, static_cast<int>(cx - radius) - 1),
        x1 = std::min(width_ - 1, static_cast<int>(cx + radius) + 1);
    int y0 = std::max(0, static_cast<int>(cy - radius) - 1),
        y1 = std::min(height_ - 1, static_cast<int>(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy) / radius;
            if (d < 1)
                Blend(x, y, c, std::pow(1 - d, power));
        }
}

void CCanvas::Disc(float cx, float cy, float radius, const Rgba& c)
{
    int x0 = std::max(0, static_cast<int>(cx - radius) - 1),
        x1 = std::min(width_ - 1, static_cast<int>(cx + radius) + 1);
    int y0 = std::max(0, static_cast<int>(cy - radius) - 1),
        y1 = std::min(height_ - 1, static_cast<int>(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy);
            Blend(x, y, c, Clamp01(radius - d + 0.5f));
        }
}

void CCanvas::Ring(float cx, float cy, float radius, float thickness, const Rgba& c)
{
    int r = static_cast<int>(radius + thickness) + 2;
    for (int y = static_cast<int>(cy) - r; y <= static_cast<int>(cy) + r; ++y)
        for (int x = static_cast<int>(cx) - r; x <= static_cast<int>(cx) + r; ++x) {
            float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy);
            Blend(x, y, c, Clamp01(thickness / 2 - std::fabs(d - radius) + 0.5f));
        }
}

void CCanvas::Rect(int x0, int y0, int x1, int y1, const Rgba& c)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            Blend(x, y, c, 1);
}

void CCanvas::Bevel(int x0, int y0, int x1, int y1, int edge, const Rgba& body)
{
    Rgba light = Mix(body, {1, 1, 1, body.a}, 0.45f);
    Rgba dark = Mix(body, {0, 0, 0, body.a}, 0.55f);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int dl = x - x0, dt = y - y0, dr = x1 - 1 - x, db = y1 - 1 - y;
            float shade = 0.85f + 0.3f * (1.0f - static_cast<float>(y - y0) / static_cast<float>(std::max(1, y1 - y0)));
            Rgba c{body.r * shade, body.g * shade, body.b * shade, body.a};
            if (std::min(dl, dt) < edge && std::min(dl, dt) <= std::min(dr, db))
                c = light;
            else if (std::min(dr, db) < edge)
                c = dark;
            Blend(x, y, c, 1);
        }
}

void CCanvas::Line(float x0, float y0, float x1, float y1, float thickness, const Rgba& c)
{
    // Coverage is gathered first so overlapping stamps along the line do not darken it.
    int r = static_cast<int>(thickness) + 1;
    int bx0 = std::max(0, static_cast<int>(std::min(x0, x1)) - r),
        bx1 = std::min(width_ - 1, static_cast<int>(std::max(x0, x1)) + r);
    int by0 = std::max(0, static_cast<int>(std::min(y0, y1)) - r),
        by1 = std::min(height_ - 1, static_cast<int>(std::max(y0, y1)) + r);
    if (bx0 > bx1 || by0 > by1)
        return;
    int bw = bx1 - bx0 + 1;
    std::vector<float> cover(static_cast<size_t>(bw) * (by1 - by0 + 1), 0.0f);
    int steps = std::max(1, static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 2));
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(steps);
        float px = x0 + (x1 - x0) * t, py = y0 + (y1 - y0) * t;
        for (int y = std::max(by0, static_cast<int>(py) - r); y <= std::min(by1, static_cast<int>(py) + r); ++y)
            for (int x = std::max(bx0, static_cast<int>(px) - r); x <= std::min(bx1, static_cast<int>(px) + r); ++x) {
                float d = std::hypot(static_cast<float>(x) + 0.5f - px, static_cast<float>(y) + 0.5f - py);
                float& k = cover[static_cast<size_t>(y - by0) * bw + (x - bx0)];
                k = std::max(k, Clamp01(thickness / 2 - d + 0.5f));
            }
    }
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x)
            if (float k = cover[static_cast<size_t>(y - by0) * bw + (x - bx0)]; k > 0)
                Blend(x, y, c, k);
}

void CCanvas::StarField(uint32_t seed, int count, float brightness)
{
    CRandom rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.Range(0, static_cast<float>(width_)), y = rng.Range(0, static_cast<float>(height_));
        float m = rng.Unit();
        float level = brightness * (0.25f + 0.75f * m * m);
        float tint = rng.Unit();
        Rgba c{0.8f + 0.2f * tint, 0.85f, 1.0f - 0.25f * tint, 1};
        if (m > 0.97f) {
            Glow(x, y, 6 + 6 * m, {c.r, c.g, c.b, level * 0.6f}, 3);
            Line(x - 5, y, x + 5, y, 1, {c.r, c.g, c.b, level * 0.5f});
            Line(x, y - 5, x, y + 5, 1, {c.r, c.g, c.b, level * 0.5f});
        }
        Blend(static_cast<int>(x), static_cast<int>(y), c, level);
    }
}

void CCanvas::Nebula(uint32_t seed, const Rgba& c, float threshold, float scale, float strength, int period)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float n = FractalNoise(static_cast<float>(x) / scale, static_cast<float>(y) / scale, seed, 5, period);
            float t = Clamp01((n - threshold) / (1 - threshold));
            if (t > 0)
                Blend(x, y, c, t * strength);
        }
}

void CCanvas::MirrorX()
{
    for (int y = 0; y < height_; ++y)
        std::reverse(pixels_.begin() + static_cast<long>(y) * width_,
                     pixels_.begin() + static_cast<long>(y + 1) * width_);
}

std::vector<uint8_t> CCanvas::Bytes() const
{
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * 4);
    auto q = [](float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
    for (const Rgba& p : pixels_) {
        out.push_back(q(p.r));
        out.push_back(q(p.g));
        out.push_back(q(p.b));
        out.push_back(q(p.a));
    }
    return out;
}

}  // namespace assetgen
