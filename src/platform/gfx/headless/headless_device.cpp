// The recording device without pixels.
#include "platform/gfx/headless/headless_device.h"

namespace gfx::headless {

namespace {

bool ValidParams(const PresentParams& params)
{
    return params.backBufferWidth > 0 && params.backBufferHeight > 0 &&
           (params.backBufferFormat == kFormatA8R8G8B8 || params.backBufferFormat == kFormatX8R8G8B8);
}

}  // namespace

HeadlessDevice::HeadlessDevice(const PresentParams& params)
{
    InitFrame(params);
}

Result HeadlessDevice::Reset(const PresentParams& params)
{
    if (mFailNextReset) {
        mFailNextReset = false;
        return kInvalidCall;
    }
    if (mLevel == kDeviceLost)
        return kDeviceLost;
    if (!ValidParams(params) || !ResetAllowed())
        return kInvalidCall;
    InitFrame(params);
    mLevel = kOk;
    ++mResets;
    return kOk;
}

Result HeadlessDevice::Present()
{
    if (mLevel != kOk)
        return kDeviceLost;
    if (InScene())
        return kInvalidCall;
    ++mPresents;
    return kOk;
}

void HeadlessDevice::ClearRecords()
{
    mDraws.clear();
    mClears.clear();
    mCopies.clear();
}

Result HeadlessDevice::TakeInjectedFailure()
{
    Result r = mInjected;
    mInjected = kOk;
    return r;
}

TextureImpl* HeadlessDevice::NewTexture(const SurfaceDesc& desc)
{
    return new TextureImpl(desc, BindingsHandle());
}

void HeadlessDevice::ClearTarget(const Rect& rect, uint32_t flags, Color color, float z)
{
    if (mRecording)
        mClears.push_back(ClearRecord{Bound().renderTarget, rect, flags, color, z});
}

void HeadlessDevice::CopyToTarget(const uint32_t*, uint32_t, const Rect& sourceRect, SurfaceImpl* dest,
                                  const Point& destPoint)
{
    if (mRecording)
        mCopies.push_back(CopyRecord{dest, sourceRect, destPoint});
}

Result HeadlessDevice::Draw(const DrawCall& call)
{
    if (!mRecording)
        return kOk;
    DrawRecord record;
    record.type = call.type;
    record.primitiveCount = call.primitiveCount;
    record.stride = call.stride;
    record.vertices.assign(call.vertices, call.vertices + static_cast<size_t>(call.vertexCount) * call.stride);
    if (call.indices) {
        record.kind = DrawCallKind::kDrawIndexedPrimitiveUP;
        record.indices.assign(call.indices, call.indices + call.indexCount);
    } else {
        record.kind = call.fromStream ? DrawCallKind::kDrawPrimitive : DrawCallKind::kDrawPrimitiveUP;
    }
    record.state = State();
    for (uint32_t i = 0; i < kMaxTextureStages; ++i)
        record.textures[i] = Bound().textures[i];
    record.renderTarget = Bound().renderTarget;
    record.depth = Bound().depth;
    record.frame = mPresents;
    mDraws.push_back(std::move(record));
    return kOk;
}

Result HeadlessSystem::GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode)
{
    if (adapter != 0 || !mode)
        return kInvalidCall;
    *mode = DisplayMode{800, 600, 60, kFormatX8R8G8B8};
    return kOk;
}

Result HeadlessSystem::GetDeviceCaps(uint32_t adapter, DeviceCaps* caps)
{
    if (adapter != 0 || !caps)
        return kInvalidCall;
    *caps = DefaultDeviceCaps();
    return kOk;
}

Result HeadlessSystem::CreateDevice(uint32_t adapter, uint32_t, const PresentParams& params, Device** device)
{
    if (!device)
        return kInvalidCall;
    *device = nullptr;
    if (mFailNextCreate) {
        mFailNextCreate = false;
        return kNotAvailable;
    }
    if (adapter != 0 || !ValidParams(params))
        return kInvalidCall;
    *device = new HeadlessDevice(params);
    return kOk;
}

System* CreateHeadlessSystem()
{
    return new HeadlessSystem();
}

HeadlessDevice* AsHeadless(Device* device)
{
    return dynamic_cast<HeadlessDevice*>(device);
}

HeadlessSystem* AsHeadless(System* system)
{
    return dynamic_cast<HeadlessSystem*>(system);
}

}  // namespace gfx::headless
