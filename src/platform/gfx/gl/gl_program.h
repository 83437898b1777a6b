// GL programs with cached uniforms: the fixed-function program that does what the platform's
// fixed stage did (transform or pre-transformed vertices, lighting from material, ambient and
// lights, stage 0 colour and alpha operations, texture factor, alpha test), and the programs
// made from the game's assembled shaders, which share its pixel stage when they have none.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <epoxy/gl.h>

#include "platform/gfx/gl/gl_fixed_stage.h"

namespace gfx::gl {

// Vertex attribute slots of the program.
enum AttributeSlot : GLuint { kAttrPosition = 0, kAttrNormal, kAttrDiffuse, kAttrSpecular, kAttrTexCoord };

enum Uniform : int {
    kUWorldViewProj,
    kUWorld,
    kUPretransformed,
    kUTargetSize,
    kULighting,
    kUHasDiffuse,
    kUColorVertex,
    kUAmbient,
    kUMatDiffuse,
    kUMatAmbient,
    kUMatEmissive,
    kULightCount,
    kULightType,
    kULightPosition,
    kULightDirection,
    kULightDiffuse,
    kULightAmbient,
    kULightAttenuation,
    kUTextureFactor,
    kUAlphaRef,
    kUTexture,
    kUVsConstants,
    kUPsConstants,
    kUPsStage0,
    kUPsStage1,
    kUPsStage2,
    kUPsStage3,
    kUniformCount
};

class GlProgram {
public:
    // Compiles and links; on failure Name() is 0 and Error() says why. Uniforms a program
    // does not have are ignored.
    GlProgram(const std::string& vertexSource, const std::string& fragmentSource);
    ~GlProgram();
    GlProgram(const GlProgram&) = delete;
    GlProgram& operator=(const GlProgram&) = delete;

    static const char* FixedVertexSource();
    static std::string FixedFragmentSource(const FixedStage& stage);

    GLuint Name() const { return mName; }
    const std::string& Error() const { return mError; }

    // Each setter talks to GL only when the value differs from the one it last sent.
    void Set1i(Uniform u, int v);
    void Set2f(Uniform u, float x, float y);
    void Set4f(Uniform u, const float* v);
    void SetMatrix(Uniform u, const float* m);
    void SetArray1i(Uniform u, const int* v, int count);
    void SetArray4f(Uniform u, const float* v, int count);

private:
    bool Changed(Uniform u, const void* value, size_t size);

    GLuint mName = 0;
    std::string mError;
    std::array<GLint, kUniformCount> mLocations{};
    std::array<std::vector<unsigned char>, kUniformCount> mLast{};
    std::array<bool, kUniformCount> mKnown{};
};

}  // namespace gfx::gl
