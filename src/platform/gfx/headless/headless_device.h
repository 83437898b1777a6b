// The headless drawing backend: keeps every state, draws no pixels and records every draw with
// the states, textures, material and transforms in force, so tests can assert what was drawn.
// Tests also use it to make the device report loss, a failed reset or a failed call.
#pragma once

#include <vector>

#include "platform/gfx/device_base.h"

namespace gfx::headless {

enum class DrawCallKind { kDrawPrimitive, kDrawPrimitiveUP, kDrawIndexedPrimitiveUP };

// One draw as it was asked for. Pointers are identities only: the objects may be gone.
struct DrawRecord {
    DrawCallKind kind = DrawCallKind::kDrawPrimitive;
    PrimitiveType type = kPrimTriangleList;
    uint32_t primitiveCount = 0;
    uint32_t stride = 0;
    std::vector<uint8_t> vertices;  // the vertices the draw read, stride apart
    std::vector<uint32_t> indices;
    DeviceState state;  // every state in force, transforms, material, shaders and constants
    Texture* textures[kMaxTextureStages] = {};
    Surface* renderTarget = nullptr;
    Surface* depth = nullptr;
    uint32_t frame = 0;  // presents before this draw
};

struct ClearRecord {
    Surface* target = nullptr;
    Rect rect;
    uint32_t flags = 0;
    Color color = 0;
    float z = 0;
};

struct CopyRecord {
    Surface* dest = nullptr;
    Rect sourceRect;
    Point destPoint;
};

class HeadlessDevice final : public DeviceBase {
public:
    explicit HeadlessDevice(const PresentParams& params);

    Result TestCooperativeLevel() override { return mLevel; }
    Result Reset(const PresentParams& params) override;
    Result Present() override;

    // Test controls.
    // What TestCooperativeLevel reports from now on: kOk, kDeviceLost or kDeviceNotReset.
    // While it is not kOk, Present reports kDeviceLost and shows nothing.
    void ReportCooperativeLevel(Result level) { mLevel = level; }
    // The next Reset fails with kInvalidCall and changes nothing.
    void FailNextReset() { mFailNextReset = true; }
    // The next call that returns a Result (other than TestCooperativeLevel, Reset and Present)
    // fails with that code and does nothing.
    void FailNextCall(Result code = kFail) { mInjected = code; }
    // Off: draws are checked but not recorded (for long benchmarks).
    void SetRecording(bool on) { mRecording = on; }

    const std::vector<DrawRecord>& Draws() const { return mDraws; }
    const std::vector<ClearRecord>& Clears() const { return mClears; }
    const std::vector<CopyRecord>& Copies() const { return mCopies; }
    void ClearRecords();
    // Frames shown (Present calls that succeeded), and successful Resets.
    uint32_t PresentCount() const { return mPresents; }
    uint32_t ResetCount() const { return mResets; }

protected:
    Result TakeInjectedFailure() override;
    TextureImpl* NewTexture(const SurfaceDesc& desc) override;
    void ClearTarget(const Rect& rect, uint32_t flags, Color color, float z) override;
    void CopyToTarget(const uint32_t* pixels, uint32_t pitchPixels, const Rect& sourceRect, SurfaceImpl* dest,
                      const Point& destPoint) override;
    Result Draw(const DrawCall& call) override;

private:
    Result mLevel = kOk;
    bool mFailNextReset = false;
    Result mInjected = kOk;
    bool mRecording = true;
    std::vector<DrawRecord> mDraws;
    std::vector<ClearRecord> mClears;
    std::vector<CopyRecord> mCopies;
    uint32_t mPresents = 0;
    uint32_t mResets = 0;
};

class HeadlessSystem final : public System {
public:
    Result GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) override;
    Result GetDeviceCaps(uint32_t adapter, DeviceCaps* caps) override;
    Result CreateDevice(uint32_t adapter, uint32_t behaviourFlags, const PresentParams& params,
                        Device** device) override;

    // The next CreateDevice fails with kNotAvailable.
    void FailNextCreateDevice() { mFailNextCreate = true; }

private:
    bool mFailNextCreate = false;
};

System* CreateHeadlessSystem();

// The headless object behind an interface pointer, or null for another backend.
HeadlessDevice* AsHeadless(Device* device);
HeadlessSystem* AsHeadless(System* system);

}  // namespace gfx::headless
