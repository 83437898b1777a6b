// The device objects both backends share: surfaces, textures and vertex buffers with their
// pixels and vertices in memory, and the table of what the device has bound.
#pragma once

#include <memory>
#include <vector>

#include "platform/gfx/device.h"
#include "platform/gfx/device_state.h"

namespace gfx {

// What a device has bound without holding a reference. An object that dies while bound
// takes itself out, so the device never draws with a freed object.
struct Bindings {
    Texture* textures[kMaxTextureStages] = {};
    Surface* renderTarget = nullptr;
    Surface* depth = nullptr;
    VertexBuffer* stream = nullptr;
    uint32_t streamStride = 0;

    void Forget(const void* object);
};

class TextureImpl;

class SurfaceImpl : public Surface {
public:
    enum class Kind { kImage, kTextureLevel, kBackBuffer, kDepth };

    // A texture level holds a reference on its texture for as long as it lives.
    SurfaceImpl(Kind kind, const SurfaceDesc& desc, TextureImpl* owner, std::weak_ptr<Bindings> bindings);
    ~SurfaceImpl() override;

    SurfaceDesc GetDesc() const override { return mDesc; }
    Result LockRect(void** bits, int32_t* pitch) override;
    Result UnlockRect() override;

    Kind GetKind() const { return mKind; }
    TextureImpl* Owner() const { return mOwner; }
    // Pixels in memory (image surfaces and levels of managed textures), or null.
    std::vector<uint32_t>* Pixels();
    // Called after the pixels changed through a copy.
    void PixelsChanged();

private:
    Kind mKind;
    SurfaceDesc mDesc;
    TextureImpl* mOwner;
    std::weak_ptr<Bindings> mBindings;
    std::vector<uint32_t> mPixels;
    bool mLocked = false;
};

// One level only: the game never samples below level 0.
class TextureImpl : public Texture {
public:
    TextureImpl(const SurfaceDesc& desc, std::weak_ptr<Bindings> bindings);
    ~TextureImpl() override;

    uint32_t GetLevelCount() const override { return 1; }
    Result GetLevelDesc(uint32_t level, SurfaceDesc* desc) const override;
    Result GetSurfaceLevel(uint32_t level, Surface** surface) override;
    Result LockRect(uint32_t level, void** bits, int32_t* pitch) override;
    Result UnlockRect(uint32_t level) override;

    const SurfaceDesc& Desc() const { return mDesc; }
    bool IsRenderTarget() const { return (mDesc.usage & kUsageRenderTarget) != 0; }
    // Managed textures keep their pixels in memory; render targets have none.
    std::vector<uint32_t>* Pixels() { return IsRenderTarget() ? nullptr : &mPixels; }
    // The pixels changed (an unlock or a copy); a backend uploads them.
    virtual void PixelsChanged() {}
    // Counts this texture among the device's live default-pool objects until it dies.
    void CountIn(std::shared_ptr<uint32_t> liveCount);

private:
    SurfaceDesc mDesc;
    std::weak_ptr<Bindings> mBindings;
    std::shared_ptr<uint32_t> mLiveCount;
    std::vector<uint32_t> mPixels;
    bool mLocked = false;
};

class VertexBufferImpl final : public VertexBuffer {
public:
    VertexBufferImpl(uint32_t length, uint32_t fvf, std::weak_ptr<Bindings> bindings);
    ~VertexBufferImpl() override;

    uint32_t GetFvf() const override { return mFvf; }
    uint32_t GetLength() const override { return static_cast<uint32_t>(mData.size()); }
    Result Lock(uint32_t offset, uint32_t size, void** data, uint32_t flags) override;
    Result Unlock() override;

    const uint8_t* Data() const { return mData.data(); }

private:
    uint32_t mFvf;
    std::weak_ptr<Bindings> mBindings;
    std::vector<uint8_t> mData;
    bool mLocked = false;
};

}  // namespace gfx
