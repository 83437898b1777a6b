// Surfaces, textures and vertex buffers kept in memory.
#include "platform/gfx/resources.h"

namespace gfx {

void Bindings::Forget(const void* object)
{
    for (Texture*& texture : textures)
        if (texture == object)
            texture = nullptr;
    if (renderTarget == object)
        renderTarget = nullptr;
    if (depth == object)
        depth = nullptr;
    if (stream == object)
        stream = nullptr;
}

namespace {

void ForgetIn(const std::weak_ptr<Bindings>& bindings, const void* object)
{
    if (auto table = bindings.lock())
        table->Forget(object);
}

}  // namespace

SurfaceImpl::SurfaceImpl(Kind kind, const SurfaceDesc& desc, TextureImpl* owner, std::weak_ptr<Bindings> bindings)
    : mKind(kind), mDesc(desc), mOwner(owner), mBindings(std::move(bindings))
{
    if (mOwner)
        mOwner->AddRef();
    if (mKind == Kind::kImage)
        mPixels.assign(static_cast<size_t>(desc.width) * desc.height, 0);
}

SurfaceImpl::~SurfaceImpl()
{
    ForgetIn(mBindings, this);
    if (mOwner)
        mOwner->Release();
}

std::vector<uint32_t>* SurfaceImpl::Pixels()
{
    if (mKind == Kind::kImage)
        return &mPixels;
    if (mKind == Kind::kTextureLevel)
        return mOwner->Pixels();
    return nullptr;
}

void SurfaceImpl::PixelsChanged()
{
    if (mOwner)
        mOwner->PixelsChanged();
}

Result SurfaceImpl::LockRect(void** bits, int32_t* pitch)
{
    std::vector<uint32_t>* pixels = Pixels();
    if (!pixels || !bits || !pitch || mLocked)
        return kInvalidCall;
    mLocked = true;
    *bits = pixels->data();
    *pitch = static_cast<int32_t>(mDesc.width * 4);
    return kOk;
}

Result SurfaceImpl::UnlockRect()
{
    if (!mLocked)
        return kInvalidCall;
    mLocked = false;
    PixelsChanged();
    return kOk;
}

TextureImpl::TextureImpl(const SurfaceDesc& desc, std::weak_ptr<Bindings> bindings)
    : mDesc(desc), mBindings(std::move(bindings))
{
    if (!IsRenderTarget())
        mPixels.assign(static_cast<size_t>(desc.width) * desc.height, 0);
}

TextureImpl::~TextureImpl()
{
    ForgetIn(mBindings, this);
    if (mLiveCount)
        --*mLiveCount;
}

void TextureImpl::CountIn(std::shared_ptr<uint32_t> liveCount)
{
    mLiveCount = std::move(liveCount);
    ++*mLiveCount;
}

Result TextureImpl::GetLevelDesc(uint32_t level, SurfaceDesc* desc) const
{
    if (!desc)
        return kInvalidCall;
    if (level != 0) {
        *desc = SurfaceDesc{};
        return kInvalidCall;
    }
    *desc = mDesc;
    return kOk;
}

Result TextureImpl::GetSurfaceLevel(uint32_t level, Surface** surface)
{
    if (!surface)
        return kInvalidCall;
    *surface = nullptr;
    if (level != 0)
        return kInvalidCall;
    *surface = new SurfaceImpl(SurfaceImpl::Kind::kTextureLevel, mDesc, this, mBindings);
    return kOk;
}

Result TextureImpl::LockRect(uint32_t level, void** bits, int32_t* pitch)
{
    if (level != 0 || IsRenderTarget() || !bits || !pitch || mLocked)
        return kInvalidCall;
    mLocked = true;
    *bits = mPixels.data();
    *pitch = static_cast<int32_t>(mDesc.width * 4);
    return kOk;
}

Result TextureImpl::UnlockRect(uint32_t level)
{
    if (level != 0 || !mLocked)
        return kInvalidCall;
    mLocked = false;
    PixelsChanged();
    return kOk;
}

VertexBufferImpl::VertexBufferImpl(uint32_t length, uint32_t fvf, std::weak_ptr<Bindings> bindings)
    : mFvf(fvf), mBindings(std::move(bindings)), mData(length, 0)
{
}

VertexBufferImpl::~VertexBufferImpl()
{
    ForgetIn(mBindings, this);
}

Result VertexBufferImpl::Lock(uint32_t offset, uint32_t size, void** data, uint32_t)
{
    if (!data || mLocked || offset > mData.size())
        return kInvalidCall;
    if (size != 0 && size > mData.size() - offset)
        return kInvalidCall;
    mLocked = true;
    *data = mData.data() + offset;
    return kOk;
}

Result VertexBufferImpl::Unlock()
{
    if (!mLocked)
        return kInvalidCall;
    mLocked = false;
    return kOk;
}

}  // namespace gfx
