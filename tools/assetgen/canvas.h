// RGBA picture in memory with the few drawing operations the generated art needs.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;  // 0..1, straight (not premultiplied) alpha
};

Rgba Mix(const Rgba& x, const Rgba& y, float t);
Rgba FromHex(uint32_t argb);

// Small deterministic generator: the same seed gives the same art on every machine.
class CRandom {
public:
    explicit CRandom(uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t Next();
    float Unit();  // [0, 1)
    float Range(float lo, float hi);

private:
    uint32_t state_;
};

// Smooth value noise in [0, 1], summed over octaves; wraps with the given period so tiles join.
float FractalNoise(float x, float y, uint32_t seed, int octaves, int period);

class CCanvas {
public:
    CCanvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba Get(int x, int y) const;
    void Set(int x, int y, const Rgba& c);
    // "Over" compositing of c at coverage t.
    void Blend(int x, int y, const Rgba& c, float t);
    void Fill(const Rgba& c);
    void VerticalGradient(const Rgba& top, const Rgba& bottom);
    // Soft round spot: full at the centre, fading to nothing at the radius.
    void Glow(float cx, float cy, float radius, const Rgba& c, float power = 2.0f);
    void Disc(float cx, float cy, float radius, const Rgba& c);
    void Ring(float cx, float cy, float radius, float thickness, const Rgba& c);
    void Rect(int x0, int y0, int x1, int y1, const Rgba& c);  // inclusive-exclusive
    // Raised panel: body colour with light top/left and dark bottom/right edges.
    void Bevel(int x0, int y0, int x1, int y1, int edge, const Rgba& body);
    void Line(float x0, float y0, float x1, float y1, float thickness, const Rgba& c);
    void StarField(uint32_t seed, int count, float brightness);
    // Clouds of colour c where fractal noise is above the threshold. With a period (noise cells
    // across the width, which scale must divide evenly) the clouds wrap at the edges.
    void Nebula(uint32_t seed, const Rgba& c, float threshold, float scale, float strength, int period = 0);
    void MirrorX();

    // 8-bit RGBA rows, top row first.
    std::vector<uint8_t> Bytes() const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

}  // namespace assetgen
