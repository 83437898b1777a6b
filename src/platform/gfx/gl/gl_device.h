// The OpenGL 3.3 device: draws the frame into an 800x600 RGBA8 target with a 16-bit depth
// buffer and shows it scaled in the window with 4:3 kept. Images are kept top-down in every
// texture and target, as the platform kept them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/gfx/device_base.h"
#include "platform/gfx/gl/gl_fixed_stage.h"

namespace gfx::gl {

struct GlContext;
class GlTexture;
class GlProgram;
class GlStreamBuffer;
struct GlStateCache;

class GlDevice final : public DeviceBase {
public:
    // Use Create; the context must be current.
    GlDevice(std::shared_ptr<GlContext> context, const PresentParams& params);
    ~GlDevice() override;

    // A device in the window of the parameters (an SDL window made for OpenGL), or a failure:
    // kInvalidCall without a window, kNotAvailable when no OpenGL 3.3 context can be made.
    static Result Create(const PresentParams& params, Device** device);

    // The device is never lost.
    Result TestCooperativeLevel() override { return kOk; }
    Result Reset(const PresentParams& params) override;
    Result Present() override;

    // Pixels of a target (the back buffer or a render-target level), A8R8G8B8, rows top-down;
    // empty for any other surface. For tests.
    std::vector<uint32_t> ReadPixels(Surface* target);
    // 1 waits for the display's refresh at Present (the default), 0 does not (benchmarks).
    void SetSwapInterval(int interval);

protected:
    TextureImpl* NewTexture(const SurfaceDesc& desc) override;
    void ClearTarget(const Rect& rect, uint32_t flags, Color color, float z) override;
    void CopyToTarget(const uint32_t* pixels, uint32_t pitchPixels, const Rect& sourceRect, SurfaceImpl* dest,
                      const Point& destPoint) override;
    Result Draw(const DrawCall& call) override;

private:
    bool Init();
    GlTexture* TextureOf(Surface* target) const;
    // Binds the frame buffer of the current target; false when there is none.
    bool BindTarget();
    // The program for the shaders and fixed pixel stage bound now, made on first use; null when
    // it cannot be made.
    GlProgram* ProgramFor(uint32_t vertexShader, uint32_t pixelShader);
    // Stage 0's operations and the alpha test as the fixed pixel stage runs them.
    FixedStage CurrentFixedStage() const;
    void UseProgram(GlProgram* program);
    void ApplyFixedState();
    // The GL name to sample for a stage: its texture, white for none, or a copy of the target
    // when the texture is the one being drawn into.
    unsigned int SampledName(uint32_t stage);
    void BindStages(uint32_t count);
    bool ApplyVertexLayout(uint32_t vertexShader, uint32_t stride);
    void ApplyFixedVertexUniforms(GlProgram& program);
    void ApplyFixedPixelUniforms(GlProgram& program);
    void ApplyShaderUniforms(GlProgram& program);

    std::shared_ptr<GlContext> mContext;
    GlTexture* mBackTexture = nullptr;
    unsigned int mDepthBuffer = 0;
    unsigned int mWhiteTexture = 0;
    unsigned int mFeedbackTexture = 0;
    uint32_t mFeedbackWidth = 0, mFeedbackHeight = 0;
    unsigned int mVertexArray = 0;
    std::unique_ptr<GlStreamBuffer> mVertexStream;
    std::unique_ptr<GlStreamBuffer> mIndexStream;
    unsigned int mSamplers[4] = {};
    uint32_t mEnabledAttributes = 0;
    // Keyed by vertex shader (0 for the fixed transform), pixel shader, fixed pixel stage (the
    // default one when a pixel shader runs) and the mask of stages with a texture (0 without a
    // pixel shader). A program that cannot be made stays null.
    std::map<std::tuple<uint32_t, uint32_t, FixedStage, uint32_t>, std::unique_ptr<GlProgram>> mPrograms;
    GlProgram* mCurrentProgram = nullptr;
    std::unique_ptr<GlStateCache> mCache;
};

// Where Present shows the frame in a window of that many pixels: the largest 4:3 rectangle,
// centred, with bars on the two sides that are left over (window coordinates, y down).
Rect FrameRectInWindow(int width, int height);

// The GL device behind an interface pointer, or null for another backend.
GlDevice* AsGl(Device* device);

}  // namespace gfx::gl
