// State keeping and call checking shared by the device backends.
#include "platform/gfx/device_base.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/math.h"

namespace gfx {

namespace {

constexpr uint32_t kMaxTextureSize = 8192;
constexpr size_t kMaxDeclarationTokens = 64;
constexpr uint32_t kDeclarationEnd = 0xFFFFFFFFu;

bool IsColorFormat(Format format)
{
    return format == kFormatA8R8G8B8 || format == kFormatX8R8G8B8;
}

bool Inside(const Rect& r, uint32_t width, uint32_t height)
{
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom &&
           static_cast<uint32_t>(r.right) <= width && static_cast<uint32_t>(r.bottom) <= height;
}

// Four independent running maxima and no early exit: meshes of thousands of indices are drawn
// several times a frame, and this keeps the check off the frame's critical path.
uint32_t LargestIndex(const uint32_t* indices, uint32_t count)
{
    uint32_t lanes[4] = {0, 0, 0, 0};
    uint32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        lanes[0] = std::max(lanes[0], indices[i]);
        lanes[1] = std::max(lanes[1], indices[i + 1]);
        lanes[2] = std::max(lanes[2], indices[i + 2]);
        lanes[3] = std::max(lanes[3], indices[i + 3]);
    }
    for (; i < count; ++i)
        lanes[0] = std::max(lanes[0], indices[i]);
    return std::max(std::max(lanes[0], lanes[1]), std::max(lanes[2], lanes[3]));
}

}  // namespace

DeviceBase::~DeviceBase()
{
    if (mBackBuffer)
        mBackBuffer->Release();
    if (mDepth)
        mDepth->Release();
}

void DeviceBase::InitFrame(const PresentParams& params)
{
    if (mBackBuffer)
        mBackBuffer->Release();
    if (mDepth)
        mDepth->Release();
    mDepth = nullptr;
    SurfaceDesc back;
    back.format = kFormatA8R8G8B8;
    back.usage = kUsageRenderTarget;
    back.width = params.backBufferWidth;
    back.height = params.backBufferHeight;
    mBackBuffer = new SurfaceImpl(SurfaceImpl::Kind::kBackBuffer, back, nullptr, mBindings);
    mAutoDepth = params.enableAutoDepthStencil;
    if (mAutoDepth) {
        SurfaceDesc depth = back;
        depth.format = kFormatD16;
        depth.usage = 0;
        mDepth = new SurfaceImpl(SurfaceImpl::Kind::kDepth, depth, nullptr, mBindings);
    }
    ResetState();
}

void DeviceBase::ResetState()
{
    mState = DefaultDeviceState(mAutoDepth);
    *mBindings = Bindings{};
    mBindings->renderTarget = mBackBuffer;
    mBindings->depth = mDepth;
    mViewport = Viewport{0, 0, mBackBuffer->GetDesc().width, mBackBuffer->GetDesc().height, 0, 1};
    mInScene = false;
}

DeviceCaps DeviceBase::GetDeviceCaps() const
{
    return DefaultDeviceCaps();
}

Result DeviceBase::Clear(uint32_t rectCount, const Rect* rects, uint32_t flags, Color color, float z, uint32_t)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if ((flags & (kClearTarget | kClearZBuffer | kClearStencil)) == 0 || !Bound().renderTarget)
        return kInvalidCall;
    if (!Bound().depth)
        flags &= ~kClearZBuffer;
    Rect view{static_cast<int32_t>(mViewport.x), static_cast<int32_t>(mViewport.y),
              static_cast<int32_t>(mViewport.x + mViewport.width),
              static_cast<int32_t>(mViewport.y + mViewport.height)};
    z = std::clamp(z, 0.0f, 1.0f);
    if (rectCount == 0 || !rects) {
        ClearTarget(view, flags, color, z);
        return kOk;
    }
    for (uint32_t i = 0; i < rectCount; ++i) {
        Rect r{std::max(rects[i].left, view.left), std::max(rects[i].top, view.top),
               std::min(rects[i].right, view.right), std::min(rects[i].bottom, view.bottom)};
        if (r.left < r.right && r.top < r.bottom)
            ClearTarget(r, flags, color, z);
    }
    return kOk;
}

Result DeviceBase::BeginScene()
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (mInScene)
        return kInvalidCall;
    mInScene = true;
    return kOk;
}

Result DeviceBase::EndScene()
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!mInScene)
        return kInvalidCall;
    mInScene = false;
    return kOk;
}

Result DeviceBase::GetBackBuffer(Surface** surface)
{
    if (!surface)
        return kInvalidCall;
    *surface = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    mBackBuffer->AddRef();
    *surface = mBackBuffer;
    return kOk;
}

Result DeviceBase::GetDepthStencilSurface(Surface** surface)
{
    if (!surface)
        return kInvalidCall;
    *surface = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!mDepth)
        return kNotFound;
    mDepth->AddRef();
    *surface = mDepth;
    return kOk;
}

Result DeviceBase::GetRenderTarget(Surface** surface)
{
    if (!surface)
        return kInvalidCall;
    *surface = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!Bound().renderTarget)
        return kNotFound;
    Bound().renderTarget->AddRef();
    *surface = Bound().renderTarget;
    return kOk;
}

Result DeviceBase::CreateTexture(uint32_t width, uint32_t height, uint32_t, uint32_t usage, Format format, Pool pool,
                                 Texture** texture)
{
    if (!texture)
        return kInvalidCall;
    *texture = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (width == 0 || height == 0 || width > kMaxTextureSize || height > kMaxTextureSize || !IsColorFormat(format))
        return kInvalidCall;
    if ((usage & kUsageRenderTarget) && pool != kPoolDefault)
        return kInvalidCall;
    SurfaceDesc desc;
    desc.format = format;
    desc.usage = usage;
    desc.pool = pool;
    desc.width = width;
    desc.height = height;
    TextureImpl* made = NewTexture(desc);
    if (!made)
        return kOutOfMemory;
    if (pool == kPoolDefault)
        made->CountIn(mLiveDefaultPool);
    *texture = made;
    return kOk;
}

Result DeviceBase::CreateImageSurface(uint32_t width, uint32_t height, Format format, Surface** surface)
{
    if (!surface)
        return kInvalidCall;
    *surface = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (width == 0 || height == 0 || width > kMaxTextureSize || height > kMaxTextureSize || !IsColorFormat(format))
        return kInvalidCall;
    SurfaceDesc desc;
    desc.format = format;
    desc.pool = kPoolSystemMem;
    desc.width = width;
    desc.height = height;
    *surface = new SurfaceImpl(SurfaceImpl::Kind::kImage, desc, nullptr, mBindings);
    return kOk;
}

Result DeviceBase::CopyRects(Surface* source, const Rect* rects, uint32_t rectCount, Surface* dest, const Point* points)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    auto* src = dynamic_cast<SurfaceImpl*>(source);
    auto* dst = dynamic_cast<SurfaceImpl*>(dest);
    if (!src || !dst || !src->Pixels())
        return kInvalidCall;
    const SurfaceDesc sd = src->GetDesc();
    const SurfaceDesc dd = dst->GetDesc();
    if (dst->GetKind() == SurfaceImpl::Kind::kDepth || !IsColorFormat(dd.format))
        return kInvalidCall;
    Rect whole{0, 0, static_cast<int32_t>(sd.width), static_cast<int32_t>(sd.height)};
    if (!rects || rectCount == 0) {
        rects = &whole;
        rectCount = 1;
        points = nullptr;
    }
    // Check every rectangle before copying any, so a bad call changes nothing.
    for (uint32_t i = 0; i < rectCount; ++i) {
        const Rect& r = rects[i];
        Point at = points ? points[i] : Point{r.left, r.top};
        Rect to{at.x, at.y, at.x + (r.right - r.left), at.y + (r.bottom - r.top)};
        if (!Inside(r, sd.width, sd.height) || !Inside(to, dd.width, dd.height))
            return kInvalidCall;
    }
    const std::vector<uint32_t>& from = *src->Pixels();
    for (uint32_t i = 0; i < rectCount; ++i) {
        const Rect& r = rects[i];
        Point at = points ? points[i] : Point{r.left, r.top};
        if (std::vector<uint32_t>* to = dst->Pixels()) {
            for (int32_t y = r.top; y < r.bottom; ++y)
                std::memmove(to->data() + static_cast<size_t>(at.y + y - r.top) * dd.width + at.x,
                             from.data() + static_cast<size_t>(y) * sd.width + r.left,
                             static_cast<size_t>(r.right - r.left) * 4);
        } else {
            CopyToTarget(from.data(), sd.width, r, dst, at);
        }
    }
    if (dst->Pixels())
        dst->PixelsChanged();
    return kOk;
}

Result DeviceBase::SetRenderTarget(Surface* target, Surface* depth)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    auto* t = target                 ? dynamic_cast<SurfaceImpl*>(target)
              : Bound().renderTarget ? dynamic_cast<SurfaceImpl*>(Bound().renderTarget)
                                     : nullptr;
    auto* d = dynamic_cast<SurfaceImpl*>(depth);
    if (!t || (depth && !d))
        return kInvalidCall;
    bool isTarget = t->GetKind() == SurfaceImpl::Kind::kBackBuffer ||
                    (t->GetKind() == SurfaceImpl::Kind::kTextureLevel && t->Owner()->IsRenderTarget());
    if (!isTarget || (d && d->GetKind() != SurfaceImpl::Kind::kDepth))
        return kInvalidCall;
    const SurfaceDesc td = t->GetDesc();
    if (d && (d->GetDesc().width < td.width || d->GetDesc().height < td.height))
        return kInvalidCall;
    Bound().renderTarget = t;
    Bound().depth = d;
    mViewport = Viewport{0, 0, td.width, td.height, 0, 1};
    return kOk;
}

Result DeviceBase::SetRenderState(RenderStateId state, uint32_t value)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (state >= kRenderStateCount)
        return kInvalidCall;
    mState.renderStates[state] = value;
    if (state == kRsSrcBlend && IsKnownBlend(value))
        mState.srcBlendFactor = value;
    if (state == kRsDestBlend && IsKnownBlend(value))
        mState.destBlendFactor = value;
    return kOk;
}

uint32_t DeviceBase::GetRenderState(RenderStateId state) const
{
    return state < kRenderStateCount ? mState.renderStates[state] : 0;
}

Result DeviceBase::SetTextureStageState(uint32_t stage, TextureStageStateId state, uint32_t value)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (stage >= kMaxTextureStages || state >= kTextureStageStateCount)
        return kInvalidCall;
    mState.stageStates[stage][state] = value;
    return kOk;
}

uint32_t DeviceBase::GetTextureStageState(uint32_t stage, TextureStageStateId state) const
{
    if (stage >= kMaxTextureStages || state >= kTextureStageStateCount)
        return 0;
    return mState.stageStates[stage][state];
}

Result DeviceBase::SetTexture(uint32_t stage, Texture* texture)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (stage >= kMaxTextureStages)
        return kInvalidCall;
    Bound().textures[stage] = texture;
    return kOk;
}

Texture* DeviceBase::GetTexture(uint32_t stage) const
{
    return stage < kMaxTextureStages ? Bound().textures[stage] : nullptr;
}

Result DeviceBase::SetMaterial(const Material& material)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    mState.material = material;
    return kOk;
}

Result DeviceBase::SetLight(uint32_t index, const Light& light)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (index >= kMaxLights || light.type < kLightPoint || light.type > kLightDirectional)
        return kInvalidCall;
    mState.lights[index] = light;
    return kOk;
}

Result DeviceBase::GetLight(uint32_t index, Light* light) const
{
    if (index >= kMaxLights || !light)
        return kInvalidCall;
    *light = mState.lights[index];
    return kOk;
}

Result DeviceBase::LightEnable(uint32_t index, bool enable)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (index >= kMaxLights)
        return kInvalidCall;
    // A light never set is the platform's default: white, directional along +z.
    if (enable && mState.lights[index].type == 0) {
        Light& l = mState.lights[index];
        l.type = kLightDirectional;
        l.diffuse = ColorValue{1, 1, 1, 0};
        l.direction = Vector3{0, 0, 1};
    }
    mState.lightEnabled[index] = enable;
    return kOk;
}

bool DeviceBase::IsLightEnabled(uint32_t index) const
{
    return index < kMaxLights && mState.lightEnabled[index];
}

Result DeviceBase::SetTransform(TransformId which, const Matrix& matrix)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    switch (which) {
    case kTransformWorld:
        mState.world = matrix;
        return kOk;
    case kTransformView:
        mState.view = matrix;
        return kOk;
    case kTransformProjection:
        mState.projection = matrix;
        return kOk;
    }
    return kInvalidCall;
}

Result DeviceBase::GetTransform(TransformId which, Matrix* matrix) const
{
    if (!matrix)
        return kInvalidCall;
    switch (which) {
    case kTransformWorld:
        *matrix = mState.world;
        return kOk;
    case kTransformView:
        *matrix = mState.view;
        return kOk;
    case kTransformProjection:
        *matrix = mState.projection;
        return kOk;
    }
    return kInvalidCall;
}

Result DeviceBase::CreateVertexBuffer(uint32_t length, uint32_t, uint32_t fvf, Pool, VertexBuffer** buffer)
{
    if (!buffer)
        return kInvalidCall;
    *buffer = nullptr;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (length == 0 || (IsDrawableFvf(fvf) && length < FvfVertexSize(fvf)))
        return kInvalidCall;
    *buffer = new VertexBufferImpl(length, fvf, mBindings);
    return kOk;
}

Result DeviceBase::SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (stream != 0 || (buffer && (stride == 0 || !dynamic_cast<VertexBufferImpl*>(buffer))))
        return kInvalidCall;
    Bound().stream = buffer;
    Bound().streamStride = stride;
    return kOk;
}

Result DeviceBase::SetVertexShader(uint32_t handleOrFvf)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if ((handleOrFvf & kShaderHandleBit) && !FindVertexShader(handleOrFvf))
        return kInvalidCall;
    mState.vertexShader = handleOrFvf;
    return kOk;
}

Result DeviceBase::DrawChecked(PrimitiveType type, uint32_t primitiveCount, const uint8_t* vertices, uint32_t available,
                               uint32_t stride, const uint32_t* indices, uint32_t indexVertexCount,
                               std::optional<uint32_t> largestIndex)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    const uint32_t count = VertexCountOf(type, primitiveCount);
    if (count == 0 || !vertices || stride == 0 || !mInScene || !Bound().renderTarget)
        return kInvalidCall;
    const uint32_t shader = mState.vertexShader;
    if (!(shader & kShaderHandleBit) && (!IsDrawableFvf(shader) || stride < FvfVertexSize(shader)))
        return kInvalidCall;
    DrawCall call;
    call.type = type;
    call.primitiveCount = primitiveCount;
    call.vertices = vertices;
    call.stride = stride;
    call.fromStream = available != 0;
    if (indices) {
        if ((largestIndex ? *largestIndex : LargestIndex(indices, count)) >= indexVertexCount)
            return kInvalidCall;
        call.indices = indices;
        call.indexCount = count;
        call.vertexCount = indexVertexCount;
    } else {
        call.vertexCount = count;
    }
    if (available != 0 && static_cast<uint64_t>(call.vertexCount) * stride > available)
        return kInvalidCall;
    return Draw(call);
}

Result DeviceBase::DrawPrimitive(PrimitiveType type, uint32_t startVertex, uint32_t primitiveCount)
{
    auto* buffer = static_cast<VertexBufferImpl*>(Bound().stream);
    if (!buffer)
        return kInvalidCall;
    const uint64_t offset = static_cast<uint64_t>(startVertex) * Bound().streamStride;
    if (offset >= buffer->GetLength())
        return kInvalidCall;
    return DrawChecked(type, primitiveCount, buffer->Data() + offset,
                       buffer->GetLength() - static_cast<uint32_t>(offset), Bound().streamStride, nullptr, 0);
}

Result DeviceBase::DrawPrimitiveUP(PrimitiveType type, uint32_t primitiveCount, const void* vertices, uint32_t stride)
{
    return DrawChecked(type, primitiveCount, static_cast<const uint8_t*>(vertices), 0, stride, nullptr, 0);
}

Result DeviceBase::DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                          const uint32_t* indices, const void* vertices, uint32_t stride)
{
    if (!indices || vertexCount == 0)
        return kInvalidCall;
    return DrawChecked(type, primitiveCount, static_cast<const uint8_t*>(vertices), 0, stride, indices, vertexCount);
}

Result DeviceBase::DrawIndexedPrimitiveUPUpTo(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                              const uint32_t* indices, uint32_t largestIndex, const void* vertices,
                                              uint32_t stride)
{
    if (!indices || vertexCount == 0)
        return kInvalidCall;
    return DrawChecked(type, primitiveCount, static_cast<const uint8_t*>(vertices), 0, stride, indices, vertexCount,
                       largestIndex);
}

Result DeviceBase::CreateVertexShader(const uint32_t* declaration, const void* function, size_t functionSize,
                                      uint32_t* handle)
{
    if (!handle)
        return kInvalidCall;
    *handle = 0;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!declaration || !function || functionSize == 0)
        return kInvalidCall;
    ShaderRecord record;
    for (size_t i = 0;; ++i) {
        if (i == kMaxDeclarationTokens)
            return kInvalidCall;
        record.declaration.push_back(declaration[i]);
        if (declaration[i] == kDeclarationEnd)
            break;
    }
    const auto* bytes = static_cast<const uint8_t*>(function);
    record.function.assign(bytes, bytes + functionSize);
    *handle = kShaderHandleBit | mNextVertexShader++;
    mVertexShaders.emplace(*handle, std::move(record));
    return kOk;
}

Result DeviceBase::CreatePixelShader(const void* function, size_t functionSize, uint32_t* handle)
{
    if (!handle)
        return kInvalidCall;
    *handle = 0;
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!function || functionSize == 0)
        return kInvalidCall;
    ShaderRecord record;
    const auto* bytes = static_cast<const uint8_t*>(function);
    record.function.assign(bytes, bytes + functionSize);
    *handle = mNextPixelShader++;
    mPixelShaders.emplace(*handle, std::move(record));
    return kOk;
}

Result DeviceBase::DeleteVertexShader(uint32_t handle)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (mVertexShaders.erase(handle) == 0)
        return kInvalidCall;
    if (mState.vertexShader == handle)
        mState.vertexShader = 0;
    return kOk;
}

Result DeviceBase::DeletePixelShader(uint32_t handle)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (mPixelShaders.erase(handle) == 0)
        return kInvalidCall;
    if (mState.pixelShader == handle)
        mState.pixelShader = 0;
    return kOk;
}

Result DeviceBase::SetPixelShader(uint32_t handle)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (handle != 0 && !FindPixelShader(handle))
        return kInvalidCall;
    mState.pixelShader = handle;
    return kOk;
}

Result DeviceBase::SetVertexShaderConstant(uint32_t reg, const float* data, uint32_t count)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!data || reg >= kVertexShaderConstants || count > kVertexShaderConstants - reg)
        return kInvalidCall;
    for (uint32_t i = 0; i < count; ++i, data += 4)
        mState.vsConstants[reg + i] = Vector4{data[0], data[1], data[2], data[3]};
    return kOk;
}

Result DeviceBase::SetPixelShaderConstant(uint32_t reg, const float* data, uint32_t count)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    if (!data || reg >= kPixelShaderConstants || count > kPixelShaderConstants - reg)
        return kInvalidCall;
    for (uint32_t i = 0; i < count; ++i, data += 4)
        mState.psConstants[reg + i] = Vector4{data[0], data[1], data[2], data[3]};
    return kOk;
}

Result DeviceBase::SetClipStatus(uint32_t clipUnion, uint32_t clipIntersection)
{
    if (Result r = TakeInjectedFailure(); Failed(r))
        return r;
    mState.clipUnion = clipUnion;
    mState.clipIntersection = clipIntersection;
    return kOk;
}

const ShaderRecord* DeviceBase::FindVertexShader(uint32_t handle) const
{
    auto it = mVertexShaders.find(handle);
    return it == mVertexShaders.end() ? nullptr : &it->second;
}

const ShaderRecord* DeviceBase::FindPixelShader(uint32_t handle) const
{
    auto it = mPixelShaders.find(handle);
    return it == mPixelShaders.end() ? nullptr : &it->second;
}

}  // namespace gfx
