// The one shader program that does what the platform's fixed-function stage did: transform or
// pre-transformed vertices, lighting from material, ambient and lights, stage 0 colour and
// alpha operations, texture factor and the alpha test.
#pragma once

#include <array>
#include <cstring>
#include <string>

#include <epoxy/gl.h>

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
    kUStageOps,
    kUStageArgs,
    kUTextureFactor,
    kUAlphaTest,
    kUTexture,
    kUniformCount
};

class GlProgram {
public:
    // Compiles and links; on failure Name() is 0 and Error() says why.
    GlProgram();
    ~GlProgram();

    GLuint Name() const { return mName; }
    const std::string& Error() const { return mError; }

    // Each setter talks to GL only when the value differs from the one it last sent.
    void Set1i(Uniform u, int v);
    void Set2f(Uniform u, float x, float y);
    void Set4f(Uniform u, const float* v);
    void Set4i(Uniform u, const int* v);
    void SetMatrix(Uniform u, const float* m);
    void SetArray1i(Uniform u, const int* v, int count);
    void SetArray4f(Uniform u, const float* v, int count);

private:
    bool Changed(Uniform u, const void* value, size_t size);

    GLuint mName = 0;
    std::string mError;
    std::array<GLint, kUniformCount> mLocations{};
    std::array<std::array<unsigned char, 8 * 16>, kUniformCount> mLast{};
    std::array<bool, kUniformCount> mKnown{};
};

}  // namespace gfx::gl
