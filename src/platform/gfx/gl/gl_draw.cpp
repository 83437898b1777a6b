// Drawing on the OpenGL device: fixed-function states turned into GL states and uniforms, each
// sent only when it changed.
#include <epoxy/gl.h>

#include "platform/gfx/gl/gl_context.h"
#include "platform/gfx/gl/gl_device.h"
#include "platform/gfx/gl/gl_program.h"
#include "platform/gfx/gl/gl_state_cache.h"
#include "platform/gfx/gl/gl_stream_buffer.h"
#include "platform/gfx/gl/gl_texture.h"
#include "platform/gfx/math.h"
#include "platform/gfx/shader_program.h"

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
        if (c.blendColor != rs[kRsTextureFactor]) {
            c.blendColor = rs[kRsTextureFactor];
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
        glPolygonMode(GL_FRONT_AND_BACK, rs[kRsFillMode] == kFillWireframe ? GL_LINE
                                         : rs[kRsFillMode] == 1            ? GL_POINT
                                                                           : GL_FILL);
    if (Update(c.lineSmooth, rs[kRsEdgeAntialias] != 0)) {
        if (rs[kRsEdgeAntialias])
            glEnable(GL_LINE_SMOOTH);
        else
            glDisable(GL_LINE_SMOOTH);
    }

    const auto& ts = s.stageStates[0];
    if (Update(c.magFilter, ts[kTssMagFilter]))
        glSamplerParameteri(mSamplers[0], GL_TEXTURE_MAG_FILTER, FilterMode(ts[kTssMagFilter]));
    if (Update(c.minFilter, ts[kTssMinFilter]))
        glSamplerParameteri(mSamplers[0], GL_TEXTURE_MIN_FILTER, FilterMode(ts[kTssMinFilter]));
    if (Update(c.addressU, ts[kTssAddressU]))
        glSamplerParameteri(mSamplers[0], GL_TEXTURE_WRAP_S, AddressMode(ts[kTssAddressU]));
    if (Update(c.addressV, ts[kTssAddressV]))
        glSamplerParameteri(mSamplers[0], GL_TEXTURE_WRAP_T, AddressMode(ts[kTssAddressV]));
}

unsigned int GlDevice::SampledName(uint32_t stage)
{
    auto* texture = static_cast<GlTexture*>(static_cast<TextureImpl*>(Bound().textures[stage]));
    if (!texture)
        return mWhiteTexture;
    if (texture != TextureOf(Bound().renderTarget))
        return texture->Name();
    // Drawing into the texture being sampled reads what it held before the draw.
    const SurfaceDesc desc = texture->Desc();
    glActiveTexture(GL_TEXTURE0);
    if (!mFeedbackTexture)
        glGenTextures(1, &mFeedbackTexture);
    glBindTexture(GL_TEXTURE_2D, mFeedbackTexture);
    mContext->boundTexture = mFeedbackTexture;
    if (mFeedbackWidth != desc.width || mFeedbackHeight != desc.height) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(desc.width), static_cast<GLsizei>(desc.height), 0,
                     GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        mFeedbackWidth = desc.width;
        mFeedbackHeight = desc.height;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, static_cast<GLsizei>(desc.width),
                        static_cast<GLsizei>(desc.height));
    return mFeedbackTexture;
}

void GlDevice::BindStages(uint32_t count)
{
    const GLuint first = SampledName(0);
    if (mContext->boundTexture != first) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, first);
        mContext->boundTexture = first;
    }
    if (count <= 1)
        return;
    for (uint32_t stage = 1; stage < count; ++stage) {
        const auto& ts = State().stageStates[stage];
        glSamplerParameteri(mSamplers[stage], GL_TEXTURE_MAG_FILTER, FilterMode(ts[kTssMagFilter]));
        glSamplerParameteri(mSamplers[stage], GL_TEXTURE_MIN_FILTER, FilterMode(ts[kTssMinFilter]));
        glSamplerParameteri(mSamplers[stage], GL_TEXTURE_WRAP_S, AddressMode(ts[kTssAddressU]));
        glSamplerParameteri(mSamplers[stage], GL_TEXTURE_WRAP_T, AddressMode(ts[kTssAddressV]));
        const GLuint name = SampledName(stage);
        glActiveTexture(GL_TEXTURE0 + stage);
        glBindTexture(GL_TEXTURE_2D, name);
    }
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, first);
    mContext->boundTexture = first;
}

bool GlDevice::ApplyVertexLayout(uint32_t vertexShader, uint32_t stride)
{
    if (mCache->layoutFvf == vertexShader && mCache->layoutStride == stride)
        return true;
    uint32_t enabled = 0;
    auto attribute = [&](GLuint slot, GLint size, GLenum type, GLboolean normalized, uintptr_t offset) {
        glVertexAttribPointer(slot, size, type, normalized, static_cast<GLsizei>(stride),
                              reinterpret_cast<const void*>(offset));
        enabled |= 1u << slot;
    };
    if (vertexShader & kShaderHandleBit) {
        std::vector<DeclElement> elements;
        uint32_t declaredStride = 0;
        const ShaderRecord* shader = FindVertexShader(vertexShader);
        if (!shader || ParseVertexDeclaration(shader->declaration.data(), &elements, &declaredStride))
            return false;
        for (const DeclElement& e : elements) {
            if (e.stream != 0 || e.reg >= kVsInputs)
                return false;
            if (e.type == kDeclColor)
                attribute(e.reg, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, e.offset);
            else
                attribute(e.reg, static_cast<GLint>(e.type) + 1, GL_FLOAT, GL_FALSE, e.offset);
        }
    } else {
        const uint32_t fvf = vertexShader;
        const bool rhw = (fvf & kFvfPositionMask) == kFvfXyzRhw;
        uintptr_t offset = rhw ? 16 : 12;
        attribute(kAttrPosition, rhw ? 4 : 3, GL_FLOAT, GL_FALSE, 0);
        if (fvf & kFvfNormal) {
            attribute(kAttrNormal, 3, GL_FLOAT, GL_FALSE, offset);
            offset += 12;
        }
        if (fvf & kFvfPSize)
            offset += 4;
        // Packed colours are B, G, R, A in memory.
        if (fvf & kFvfDiffuse) {
            attribute(kAttrDiffuse, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, offset);
            offset += 4;
        }
        if (fvf & kFvfSpecular) {
            attribute(kAttrSpecular, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, offset);
            offset += 4;
        }
        if (fvf & kFvfTexCountMask)
            attribute(kAttrTexCoord, 2, GL_FLOAT, GL_FALSE, offset);
        if (!(fvf & kFvfNormal))
            glVertexAttrib3f(kAttrNormal, 0, 0, 0);
        if (!(fvf & kFvfTexCountMask))
            glVertexAttrib2f(kAttrTexCoord, 0, 0);
    }
    for (GLuint slot = 0; slot < kVsInputs; ++slot) {
        const uint32_t bit = 1u << slot;
        if ((enabled & bit) && !(mEnabledAttributes & bit))
            glEnableVertexAttribArray(slot);
        else if (!(enabled & bit) && (mEnabledAttributes & bit))
            glDisableVertexAttribArray(slot);
    }
    mEnabledAttributes = enabled;
    mCache->layoutFvf = vertexShader;
    mCache->layoutStride = stride;
    return true;
}

void GlDevice::ApplyFixedVertexUniforms(GlProgram& p)
{
    const DeviceState& s = State();
    const auto& rs = s.renderStates;
    const uint32_t fvf = s.vertexShader;
    const bool rhw = (fvf & kFvfPositionMask) == kFvfXyzRhw;
    p.Set1i(kUPretransformed, rhw ? 1 : 0);
    p.Set1i(kUHasDiffuse, (fvf & kFvfDiffuse) ? 1 : 0);
    if (rhw)
        return;
    Matrix wvp = MatrixMultiply(MatrixMultiply(s.world, s.view), s.projection);
    p.SetMatrix(kUWorldViewProj, &wvp.m[0][0]);
    p.Set1i(kULighting, rs[kRsLighting] ? 1 : 0);
    if (!rs[kRsLighting])
        return;
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

void GlDevice::ApplyFixedPixelUniforms(GlProgram& p)
{
    const auto& rs = State().renderStates;
    p.Set1i(kUTexture, 0);
    float factor[4];
    ToFloats(static_cast<Color>(rs[kRsTextureFactor]), factor);
    p.Set4f(kUTextureFactor, factor);
    p.Set1i(kUAlphaRef, static_cast<int>(rs[kRsAlphaRef] & 0xFF));
}

FixedStage GlDevice::CurrentFixedStage() const
{
    const DeviceState& s = State();
    const auto& rs = s.renderStates;
    const auto& ts = s.stageStates[0];
    FixedStage stage;
    stage.colorOp = static_cast<int>(ts[kTssColorOp]);
    stage.colorArg1 = static_cast<int>(ts[kTssColorArg1]);
    stage.colorArg2 = static_cast<int>(ts[kTssColorArg2]);
    stage.alphaOp = static_cast<int>(ts[kTssAlphaOp]);
    stage.alphaArg1 = static_cast<int>(ts[kTssAlphaArg1]);
    stage.alphaArg2 = static_cast<int>(ts[kTssAlphaArg2]);
    // The stage's alpha is 0..1, so it is 0..255 when compared: these tests pass every pixel,
    // as do functions the platform did not define.
    const uint32_t func = rs[kRsAlphaFunc], ref = rs[kRsAlphaRef] & 0xFF;
    const bool alwaysPasses = func < kCmpNever || func >= kCmpAlways || (func == kCmpGreaterEqual && ref == 0) ||
                              (func == kCmpLessEqual && ref == 255);
    stage.alphaFunc = rs[kRsAlphaTestEnable] && !alwaysPasses ? static_cast<int>(func) : 0;
    return stage;
}

void GlDevice::ApplyShaderUniforms(GlProgram& p)
{
    const DeviceState& s = State();
    p.SetArray4f(kUVsConstants, &s.vsConstants[0].x, kVertexShaderConstants);
    if (!s.pixelShader)
        return;
    p.SetArray4f(kUPsConstants, &s.psConstants[0].x, kPixelShaderConstants);
    p.Set1i(kUPsStage0, 0);
    p.Set1i(kUPsStage1, 1);
    p.Set1i(kUPsStage2, 2);
    p.Set1i(kUPsStage3, 3);
}

GlProgram* GlDevice::ProgramFor(uint32_t vertexShader, uint32_t pixelShader)
{
    const bool programmable = (vertexShader & kShaderHandleBit) != 0;
    // A pixel shader reads what a vertex shader writes; the fixed transform has no such outputs.
    if (!programmable && pixelShader)
        return nullptr;
    uint32_t boundStages = 0;
    for (uint32_t stage = 0; pixelShader && stage < kPsTextures; ++stage)
        boundStages |= Bound().textures[stage] ? 1u << stage : 0u;
    auto key = std::make_tuple(programmable ? vertexShader : 0u, pixelShader,
                               pixelShader ? FixedStage{} : CurrentFixedStage(), boundStages);
    auto found = mPrograms.find(key);
    if (found != mPrograms.end())
        return found->second.get();
    std::string vertexSource = GlProgram::FixedVertexSource();
    std::string fragmentSource = GlProgram::FixedFragmentSource(std::get<2>(key));
    const ShaderRecord* vs = programmable ? FindVertexShader(vertexShader) : nullptr;
    const ShaderRecord* ps = pixelShader ? FindPixelShader(pixelShader) : nullptr;
    const bool translated =
        !programmable || (vs && !TranslateVertexProgram(vs->function.data(), vs->function.size(), &vertexSource) &&
                          (!ps || !TranslatePixelProgram(ps->function.data(), ps->function.size(), boundStages, &fragmentSource)));
    std::unique_ptr<GlProgram> program;
    if (translated) {
        program = std::make_unique<GlProgram>(vertexSource, fragmentSource);
        if (!program->Name())
            program.reset();
    }
    // A program that cannot be made stays null, so it is not tried again at every draw.
    GlProgram* result = program.get();
    mPrograms.emplace(key, std::move(program));
    return result;
}

void GlDevice::UseProgram(GlProgram* program)
{
    if (mCurrentProgram == program)
        return;
    glUseProgram(program->Name());
    mCurrentProgram = program;
}

Result GlDevice::Draw(const DrawCall& call)
{
    const DeviceState& s = State();
    GlProgram* program = ProgramFor(s.vertexShader, s.pixelShader);
    if (!program)
        return kInvalidCall;
    if (!BindTarget())
        return kInvalidCall;
    const SurfaceDesc target = static_cast<SurfaceImpl*>(Bound().renderTarget)->GetDesc();
    UseProgram(program);
    ApplyFixedState();
    BindStages(s.pixelShader ? kPsTextures : 1);
    if (!ApplyVertexLayout(s.vertexShader, call.stride))
        return kInvalidCall;
    // The layout points at the buffer's start; a whole number of vertices in, the draw's first
    // vertex is a base index rather than a new layout. Floats stay 4-byte aligned.
    const GLsizeiptr stride = call.stride, vertexAlign = stride % 4 == 0 ? stride : stride * (stride % 2 ? 4 : 2);
    const GLintptr vertexAt = mVertexStream->Write(call.vertices, stride * call.vertexCount, vertexAlign);
    const auto firstVertex = static_cast<GLint>(vertexAt / stride);
    program->Set2f(kUTargetSize, static_cast<float>(target.width), static_cast<float>(target.height));
    if (!(s.vertexShader & kShaderHandleBit))
        ApplyFixedVertexUniforms(*program);
    else
        ApplyShaderUniforms(*program);
    if (!s.pixelShader)
        ApplyFixedPixelUniforms(*program);
    if (call.indices) {
        const GLintptr indexAt = mIndexStream->Write(call.indices, static_cast<GLsizeiptr>(call.indexCount) * 4, 4);
        glDrawElementsBaseVertex(PrimitiveMode(call.type), static_cast<GLsizei>(call.indexCount), GL_UNSIGNED_INT,
                                 reinterpret_cast<const void*>(indexAt), firstVertex);
    } else {
        glDrawArrays(PrimitiveMode(call.type), firstVertex, static_cast<GLsizei>(call.vertexCount));
    }
    return kOk;
}

}  // namespace gfx::gl
