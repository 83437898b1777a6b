// Drawing on the OpenGL device: fixed-function states turned into GL states and uniforms, each
// sent only when it changed.
#include <epoxy/gl.h>

#include "platform/gfx/gl/gl_context.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/gl/gl_program.h"
#include "platform/gfx/gl/gl_state_cache.h"
#include "platform/gfx/gl/gl_texture.h"
#include "platform/gfx/math.h"

namespace gfx::gl {

namespace {

GLenum BlendFactor(uint32_t blend)
{
    switch (blend) {
    case kBlendZero:
        return GL_ZERO;
    case kBlendOne:
        return GL_ONE;
    case kBlendSrcColor:
        return GL_SRC_COLOR;
    case kBlendInvSrcColor:
        return GL_ONE_MINUS_SRC_COLOR;
    case kBlendSrcAlpha:
        return GL_SRC_ALPHA;
    case kBlendInvSrcAlpha:
        return GL_ONE_MINUS_SRC_ALPHA;
    case kBlendDestAlpha:
        return GL_DST_ALPHA;
    case kBlendInvDestAlpha:
        return GL_ONE_MINUS_DST_ALPHA;
    case kBlendDestColor:
        return GL_DST_COLOR;
    case kBlendInvDestColor:
        return GL_ONE_MINUS_DST_COLOR;
    case kBlendSrcAlphaSat:
        return GL_SRC_ALPHA_SATURATE;
    case kBlendTextureFactorAlpha:
        return GL_CONSTANT_ALPHA;
    }
    return GL_ONE;
}

GLenum CompareFunction(uint32_t func)
{
    switch (func) {
    case kCmpNever:
        return GL_NEVER;
    case kCmpLess:
        return GL_LESS;
    case kCmpEqual:
        return GL_EQUAL;
    case kCmpLessEqual:
        return GL_LEQUAL;
    case kCmpGreater:
        return GL_GREATER;
    case kCmpNotEqual:
        return GL_NOTEQUAL;
    case kCmpGreaterEqual:
        return GL_GEQUAL;
    }
    return GL_ALWAYS;
}

GLenum PrimitiveMode(PrimitiveType type)
{
    switch (type) {
    case kPrimPointList:
        return GL_POINTS;
    case kPrimLineList:
        return GL_LINES;
    case kPrimLineStrip:
        return GL_LINE_STRIP;
    case kPrimTriangleList:
        return GL_TRIANGLES;
    case kPrimTriangleStrip:
        return GL_TRIANGLE_STRIP;
    case kPrimTriangleFan:
        return GL_TRIANGLE_FAN;
    }
    return GL_TRIANGLES;
}

GLint AddressMode(uint32_t address)
{
    switch (address) {
    case kAddressMirror:
        return GL_MIRRORED_REPEAT;
    case kAddressClamp:
        return GL_CLAMP_TO_EDGE;
    }
    return GL_REPEAT;
}

GLint FilterMode(uint32_t filter)
{
    return filter == kFilterLinear ? GL_LINEAR : GL_NEAREST;
}

void ToFloats(const ColorValue& c, float* out)
{
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

void ToFloats(Color c, float* out)
{
    out[0] = ((c >> 16) & 0xFF) / 255.0f;
    out[1] = ((c >> 8) & 0xFF) / 255.0f;
    out[2] = (c & 0xFF) / 255.0f;
    out[3] = ((c >> 24) & 0xFF) / 255.0f;
}

template <typename T>
bool Update(uint32_t& cached, T value)
{
    if (cached == static_cast<uint32_t>(value))
        return false;
    cached = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

void GlDevice::ApplyFixedState()
{
    const DeviceState& s = State();
    const auto& rs = s.renderStates;
    GlStateCache& c = *mCache;

    if (Update(c.blendEnable, rs[kRsAlphaBlendEnable] != 0)) {
        if (rs[kRsAlphaBlendEnable])
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
    }
    if (rs[kRsAlphaBlendEnable]) {
        bool srcChanged = Update(c.blendSrc, s.srcBlendFactor);
        bool destChanged = Update(c.blendDest, s.destBlendFactor);
        if (srcChanged || destChanged)
            glBlendFunc(BlendFactor(s.srcBlendFactor), BlendFactor(s.destBlendFactor));
        if (Update(c.blendColor, rs[kRsTextureFactor])) {
            float f[4];
            ToFloats(static_cast<Color>(rs[kRsTextureFactor]), f);
            glBlendColor(f[0], f[1], f[2], f[3]);
        }
    }

    const bool depth = Bound().depth && rs[kRsZEnable] != 0;
    if (Update(c.depthTest, depth)) {
        if (depth)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
    }
    if (depth) {
        if (Update(c.depthFunc, rs[kRsZFunc]))
            glDepthFunc(CompareFunction(rs[kRsZFunc]));
        if (Update(c.depthWrite, rs[kRsZWriteEnable] != 0))
            glDepthMask(rs[kRsZWriteEnable] ? GL_TRUE : GL_FALSE);
    }

    // Images are top-down in GL's window coordinates, so the platform's counter-clockwise on
    // screen is GL's clockwise.
    if (Update(c.cullMode, rs[kRsCullMode])) {
        if (rs[kRsCullMode] == kCullCcw || rs[kRsCullMode] == kCullCw) {
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CCW);
            glCullFace(rs[kRsCullMode] == kCullCcw ? GL_BACK : GL_FRONT);
        } else {
            glDisable(GL_CULL_FACE);
        }
    }
    if (Update(c.fillMode, rs[kRsFillMode]))
        glPolygonMode(GL_FRONT_AND_BACK, rs[kRsFillMode] == kFillWireframe ? GL_LINE : rs[kRsFillMode] == 1 ? GL_POINT : GL_FILL);
    if (Update(c.lineSmooth, rs[kRsEdgeAntialias] != 0)) {
        if (rs[kRsEdgeAntialias])
            glEnable(GL_LINE_SMOOTH);
        else
            glDisable(GL_LINE_SMOOTH);
    }

    const auto& ts = s.stageStates[0];
    if (Update(c.magFilter, ts[kTssMagFilter]))
        glSamplerParameteri(mSampler, GL_TEXTURE_MAG_FILTER, FilterMode(ts[kTssMagFilter]));
    if (Update(c.minFilter, ts[kTssMinFilter]))
        glSamplerParameteri(mSampler, GL_TEXTURE_MIN_FILTER, FilterMode(ts[kTssMinFilter]));
    if (Update(c.addressU, ts[kTssAddressU]))
        glSamplerParameteri(mSampler, GL_TEXTURE_WRAP_S, AddressMode(ts[kTssAddressU]));
    if (Update(c.addressV, ts[kTssAddressV]))
        glSamplerParameteri(mSampler, GL_TEXTURE_WRAP_T, AddressMode(ts[kTssAddressV]));

    auto* texture = static_cast<GlTexture*>(static_cast<TextureImpl*>(Bound().textures[0]));
    const GLuint name = texture ? texture->Name() : mWhiteTexture;
    if (mContext->boundTexture != name) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, name);
        mContext->boundTexture = name;
    }
}

void GlDevice::ApplyVertexLayout(uint32_t fvf, uint32_t stride)
{
    if (mCache->layoutFvf == fvf && mCache->layoutStride == stride)
        return;
    mCache->layoutFvf = fvf;
    mCache->layoutStride = stride;
    const bool rhw = (fvf & kFvfPositionMask) == kFvfXyzRhw;
    uintptr_t offset = 0;
    auto attribute = [&](GLuint slot, bool present, GLint size, GLenum type, GLboolean normalized, uintptr_t bytes) {
        if (present) {
            glEnableVertexAttribArray(slot);
            glVertexAttribPointer(slot, size, type, normalized, static_cast<GLsizei>(stride),
                                  reinterpret_cast<const void*>(offset));
            offset += bytes;
        } else {
            glDisableVertexAttribArray(slot);
        }
    };
    attribute(kAttrPosition, true, rhw ? 4 : 3, GL_FLOAT, GL_FALSE, rhw ? 16 : 12);
    attribute(kAttrNormal, (fvf & kFvfNormal) != 0, 3, GL_FLOAT, GL_FALSE, 12);
    if (fvf & kFvfPSize)
        offset += 4;
    // Packed colours are B, G, R, A in memory.
    attribute(kAttrDiffuse, (fvf & kFvfDiffuse) != 0, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, 4);
    attribute(kAttrSpecular, (fvf & kFvfSpecular) != 0, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, 4);
    attribute(kAttrTexCoord, (fvf & kFvfTexCountMask) != 0, 2, GL_FLOAT, GL_FALSE, 8);
    if (!(fvf & kFvfNormal))
        glVertexAttrib3f(kAttrNormal, 0, 0, 0);
    if (!(fvf & kFvfTexCountMask))
        glVertexAttrib2f(kAttrTexCoord, 0, 0);
}

void GlDevice::ApplyUniforms(const SurfaceDesc& target)
{
    const DeviceState& s = State();
    const auto& rs = s.renderStates;
    const uint32_t fvf = s.vertexShader;
    GlProgram& p = *mProgram;

    const bool rhw = (fvf & kFvfPositionMask) == kFvfXyzRhw;
    p.Set1i(kUPretransformed, rhw ? 1 : 0);
    p.Set2f(kUTargetSize, static_cast<float>(target.width), static_cast<float>(target.height));
    p.Set1i(kUHasDiffuse, (fvf & kFvfDiffuse) ? 1 : 0);
    if (!rhw) {
        Matrix wvp = MatrixMultiply(MatrixMultiply(s.world, s.view), s.projection);
        p.SetMatrix(kUWorldViewProj, &wvp.m[0][0]);
        p.Set1i(kULighting, rs[kRsLighting] ? 1 : 0);
    }
    if (!rhw && rs[kRsLighting]) {
        p.SetMatrix(kUWorld, &s.world.m[0][0]);
        p.Set1i(kUColorVertex, rs[kRsColorVertex] ? 1 : 0);
        float v[4];
        ToFloats(static_cast<Color>(rs[kRsAmbient]), v);
        p.Set4f(kUAmbient, v);
        ToFloats(s.material.diffuse, v);
        p.Set4f(kUMatDiffuse, v);
        ToFloats(s.material.ambient, v);
        p.Set4f(kUMatAmbient, v);
        ToFloats(s.material.emissive, v);
        p.Set4f(kUMatEmissive, v);

        int count = 0;
        int types[kMaxLights] = {};
        float position[kMaxLights][4] = {}, direction[kMaxLights][4] = {}, diffuse[kMaxLights][4] = {},
              ambient[kMaxLights][4] = {}, attenuation[kMaxLights][4] = {};
        for (uint32_t i = 0; i < kMaxLights; ++i) {
            if (!s.lightEnabled[i])
                continue;
            const Light& l = s.lights[i];
            types[count] = static_cast<int>(l.type);
            position[count][0] = l.position.x;
            position[count][1] = l.position.y;
            position[count][2] = l.position.z;
            direction[count][0] = l.direction.x;
            direction[count][1] = l.direction.y;
            direction[count][2] = l.direction.z;
            ToFloats(l.diffuse, diffuse[count]);
            ToFloats(l.ambient, ambient[count]);
            attenuation[count][0] = l.attenuation0;
            attenuation[count][1] = l.attenuation1;
            attenuation[count][2] = l.attenuation2;
            attenuation[count][3] = l.range > 0 ? l.range : 3.4e38f;
            ++count;
        }
        p.Set1i(kULightCount, count);
        if (count > 0) {
            p.SetArray1i(kULightType, types, kMaxLights);
            p.SetArray4f(kULightPosition, &position[0][0], kMaxLights);
            p.SetArray4f(kULightDirection, &direction[0][0], kMaxLights);
            p.SetArray4f(kULightDiffuse, &diffuse[0][0], kMaxLights);
            p.SetArray4f(kULightAmbient, &ambient[0][0], kMaxLights);
            p.SetArray4f(kULightAttenuation, &attenuation[0][0], kMaxLights);
        }
    }

    const auto& ts = s.stageStates[0];
    const int ops[4] = {static_cast<int>(ts[kTssColorOp]), static_cast<int>(ts[kTssAlphaOp]), 0, 0};
    const int args[4] = {static_cast<int>(ts[kTssColorArg1]), static_cast<int>(ts[kTssColorArg2]),
                         static_cast<int>(ts[kTssAlphaArg1]), static_cast<int>(ts[kTssAlphaArg2])};
    p.Set4i(kUStageOps, ops);
    p.Set4i(kUStageArgs, args);
    float factor[4];
    ToFloats(static_cast<Color>(rs[kRsTextureFactor]), factor);
    p.Set4f(kUTextureFactor, factor);
    const int alphaTest[4] = {rs[kRsAlphaTestEnable] ? 1 : 0, static_cast<int>(rs[kRsAlphaFunc]),
                              static_cast<int>(rs[kRsAlphaRef] & 0xFF), 0};
    p.Set4i(kUAlphaTest, alphaTest);
}

Result GlDevice::Draw(const DrawCall& call)
{
    // Programmable draws run through the shader layer; without it nothing is drawn.
    if (State().vertexShader & kShaderHandleBit)
        return kOk;
    if (!BindTarget())
        return kInvalidCall;
    const SurfaceDesc target = static_cast<SurfaceImpl*>(Bound().renderTarget)->GetDesc();
    ApplyFixedState();
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(call.vertexCount) * call.stride, call.vertices,
                 GL_STREAM_DRAW);
    ApplyVertexLayout(State().vertexShader, call.stride);
    ApplyUniforms(target);
    if (call.indices) {
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(call.indexCount) * 4, call.indices,
                     GL_STREAM_DRAW);
        glDrawElements(PrimitiveMode(call.type), static_cast<GLsizei>(call.indexCount), GL_UNSIGNED_INT, nullptr);
    } else {
        glDrawArrays(PrimitiveMode(call.type), 0, static_cast<GLsizei>(call.vertexCount));
    }
    return kOk;
}

}  // namespace gfx::gl
