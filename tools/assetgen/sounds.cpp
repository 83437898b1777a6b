// Sound synthesis: tones with envelopes, filtered noise and seamless loops.
#include "sounds.h"

#include <cmath>
#include <string>
#include <vector>

#include "canvas.h"
#include "wave_writer.h"

namespace assetgen {

namespace {

constexpr float kTwoPi = 6.2831853f;

using Samples = std::vector<float>;

Samples Silence(float seconds)
{
    return Samples(static_cast<size_t>(seconds * kSampleRate), 0.0f);
}

float Time(size_t i)
{
    return static_cast<float>(i) / static_cast<float>(kSampleRate);
}

// Attack then exponential decay.
float Envelope(float t, float attack, float decay)
{
    return t < attack ? t / attack : std::exp(-(t - attack) / decay);
}

// Tone sweeping from f0 to f1 with harmonics weight h (0 = pure sine).
Samples Sweep(float seconds, float f0, float f1, float attack, float decay, float h, float gain)
{
    Samples s = Silence(seconds);
    float phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        float t = Time(i);
        float f = f0 + (f1 - f0) * t / seconds;
        phase += kTwoPi * f / kSampleRate;
        float v = std::sin(phase) + h * std::sin(2 * phase) * 0.5f + h * std::sin(3 * phase) * 0.33f;
        s[i] = gain * v * Envelope(t, attack, decay);
    }
    return s;
}

// Noise through a one-pole low-pass whose cut-off moves from c0 to c1 (0..1).
Samples Noise(float seconds, float c0, float c1, float attack, float decay, float gain, uint32_t seed)
{
    Samples s = Silence(seconds);
    CRandom rng(seed);
    float y = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        float t = Time(i);
        float c = c0 + (c1 - c0) * t / seconds;
        y += c * (rng.Range(-1, 1) - y);
        s[i] = gain * y * Envelope(t, attack, decay) * 3;
    }
    return s;
}

Samples Add(Samples a, const Samples& b, float offsetSeconds = 0)
{
    size_t off = static_cast<size_t>(offsetSeconds * kSampleRate);
    if (a.size() < off + b.size())
        a.resize(off + b.size(), 0.0f);
    for (size_t i = 0; i < b.size(); ++i)
        a[off + i] += b[i];
    return a;
}

// A few notes one after the other (chimes, jingles).
Samples Notes(const std::vector<float>& freqs, float step, float decay, float gain)
{
    Samples s;
    for (size_t n = 0; n < freqs.size(); ++n)
        s = Add(s, Sweep(step + decay * 3, freqs[n], freqs[n], 0.005f, decay, 0.3f, gain),
                step * static_cast<float>(n));
    return s;
}

// A loop whose every partial completes whole cycles, so it repeats without a click.
Samples Pad(float seconds, const std::vector<float>& cycles, float wobble, float gain)
{
    Samples s = Silence(seconds);
    for (size_t i = 0; i < s.size(); ++i) {
        float x = static_cast<float>(i) / static_cast<float>(s.size());  // 0..1 over the loop
        float v = 0;
        for (size_t k = 0; k < cycles.size(); ++k) {
            float lfo = 1 + wobble * std::sin(kTwoPi * x * static_cast<float>(k + 1));
            v += std::sin(kTwoPi * cycles[k] * x) * lfo / static_cast<float>(cycles.size());
        }
        s[i] = gain * v;
    }
    return s;
}

void Save(CAssetWriter& out, const std::string& name, const Samples& s, int bits)
{
    out.Sound(name, EncodeWave(s, bits));
}

}  // namespace

void WriteSounds(CAssetWriter& out)
{
    // Silent guard: buttons play sound 0 whenever they have nothing better.
    Save(out, "silence.wav", Silence(0.05f), 8);

    // Interface (8-bit: short and bright).
    Save(out, "click_down.wav", Sweep(0.05f, 1800, 900, 0.001f, 0.012f, 0.5f, 0.6f), 8);
    Save(out, "click_up.wav", Sweep(0.05f, 1200, 1600, 0.001f, 0.010f, 0.5f, 0.5f), 8);
    Save(out, "hover.wav", Sweep(0.03f, 2400, 2400, 0.001f, 0.006f, 0, 0.3f), 8);
    Save(out, "trade.wav", Notes({1318.5f, 1760}, 0.06f, 0.05f, 0.5f), 8);
    Save(out, "empty.wav", Sweep(0.15f, 220, 160, 0.002f, 0.05f, 1, 0.6f), 8);
    Save(out, "fuel_warning.wav",
         Add(Sweep(0.2f, 880, 880, 0.002f, 0.08f, 1, 0.5f), Sweep(0.2f, 660, 660, 0.002f, 0.08f, 1, 0.5f), 0.22f), 8);

    // Screen backgrounds: seamless 16-bit loops (a 4 s loop has cycle counts = Hz x 4).
    Save(out, "loop_flight.wav", Pad(4, {220, 330, 440.0f * 1.5f, 110}, 0.35f, 0.35f), 16);
    Save(out, "loop_menu.wav", Pad(4, {262, 392, 523, 131, 659}, 0.4f, 0.35f), 16);
    Save(out, "loop_delete.wav", Pad(4, {196, 233, 294, 98}, 0.5f, 0.3f), 16);
    Save(out, "loop_pilot.wav", Pad(4, {294, 370, 440, 147}, 0.3f, 0.35f), 16);
    Save(out, "loop_hail.wav", Pad(4, {175, 262, 349, 88}, 0.45f, 0.3f), 16);

    // Ship and world (16-bit).
    Save(out, "engine.wav",
         Add(Noise(0.8f, 0.05f, 0.05f, 0.05f, 0.6f, 0.4f, 11), Sweep(0.8f, 70, 75, 0.05f, 0.6f, 1, 0.3f)), 16);
    Save(out, "laser.wav", Sweep(0.25f, 1800, 300, 0.002f, 0.08f, 0.6f, 0.5f), 16);
    Save(out, "missile.wav",
         Add(Noise(0.6f, 0.4f, 0.05f, 0.02f, 0.25f, 0.5f, 12), Sweep(0.6f, 300, 120, 0.02f, 0.2f, 0.3f, 0.2f)), 16);
    Save(out, "shockwave.wav",
         Add(Noise(1.0f, 0.3f, 0.02f, 0.005f, 0.35f, 0.6f, 13), Sweep(1.0f, 90, 40, 0.005f, 0.4f, 1, 0.5f)), 16);
    Save(out, "mine_drop.wav", Notes({440, 330}, 0.08f, 0.06f, 0.5f), 16);
    Save(out, "phantom.wav", Sweep(0.7f, 200, 900, 0.2f, 0.3f, 0.8f, 0.4f), 16);
    Save(out, "charge.wav", Sweep(0.6f, 150, 1200, 0.4f, 0.2f, 0.5f, 0.45f), 16);
    Save(out, "cloak.wav",
         Add(Sweep(0.5f, 1200, 200, 0.01f, 0.2f, 0, 0.4f), Noise(0.5f, 0.6f, 0.1f, 0.01f, 0.2f, 0.2f, 14)), 16);
    Save(out, "heal.wav", Notes({523, 659, 784, 1047}, 0.07f, 0.12f, 0.4f), 16);
    Save(out, "explosion.wav",
         Add(Noise(1.5f, 0.5f, 0.01f, 0.003f, 0.5f, 0.8f, 15), Sweep(1.5f, 60, 30, 0.003f, 0.6f, 1, 0.5f)), 16);
    Save(out, "thud.wav",
         Add(Noise(0.4f, 0.2f, 0.02f, 0.002f, 0.1f, 0.6f, 16), Sweep(0.4f, 90, 50, 0.002f, 0.12f, 0.5f, 0.5f)), 16);
    Save(out, "jump.wav",
         Add(Sweep(1.2f, 80, 1600, 0.3f, 0.5f, 0.7f, 0.4f), Noise(1.2f, 0.02f, 0.5f, 0.3f, 0.5f, 0.3f, 17)), 16);
    Save(out, "dock.wav",
         Add(Notes({392, 523, 659}, 0.12f, 0.2f, 0.35f), Noise(0.4f, 0.1f, 0.1f, 0.01f, 0.1f, 0.3f, 18)), 16);
    Save(out, "hail.wav", Notes({880, 1175, 880}, 0.1f, 0.06f, 0.4f), 16);
    Save(out, "jettison.wav",
         Add(Noise(0.4f, 0.6f, 0.1f, 0.002f, 0.12f, 0.5f, 19), Sweep(0.4f, 300, 150, 0.002f, 0.1f, 0.5f, 0.3f)), 16);
    Save(out, "pickup.wav", Notes({988, 1319}, 0.05f, 0.06f, 0.45f), 16);
    Save(out, "levelup.wav", Notes({523, 659, 784, 1047, 1319}, 0.09f, 0.15f, 0.35f), 16);
    Save(out, "step.wav", Notes({659, 988}, 0.08f, 0.1f, 0.4f), 16);
    Save(out, "nebula.wav", Noise(0.3f, 0.15f, 0.3f, 0.01f, 0.1f, 0.4f, 20), 16);
    Save(out, "portal.wav",
         Add(Sweep(1.0f, 1600, 100, 0.05f, 0.4f, 0.5f, 0.35f), Sweep(1.0f, 100, 1600, 0.05f, 0.4f, 0.5f, 0.35f)), 16);
}

}  // namespace assetgen
