// The fixed-function emulation program.
#include "platform/gfx/gl/gl_program.h"

#include <sstream>

namespace gfx::gl {

namespace {

const char* const kVertexSource = R"(#version 330 core
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aDiffuse;
layout(location = 3) in vec4 aSpecular;
layout(location = 4) in vec2 aTexCoord;

uniform mat4 uWorldViewProj;
uniform mat4 uWorld;
uniform int uPretransformed;
uniform vec2 uTargetSize;
uniform int uLighting;
uniform int uHasDiffuse;
uniform int uColorVertex;
uniform vec4 uAmbient;
uniform vec4 uMatDiffuse;
uniform vec4 uMatAmbient;
uniform vec4 uMatEmissive;
uniform int uLightCount;
uniform int uLightType[8];
uniform vec4 uLightPosition[8];
uniform vec4 uLightDirection[8];
uniform vec4 uLightDiffuse[8];
uniform vec4 uLightAmbient[8];
uniform vec4 uLightAttenuation[8];

out vec4 vDiffuse;
out vec2 vTexCoord;

vec4 Lit(vec3 worldPos, vec3 normal)
{
    vec4 matDiffuse = (uColorVertex != 0 && uHasDiffuse != 0) ? aDiffuse : uMatDiffuse;
    vec3 ambient = uAmbient.rgb;
    vec3 diffuse = vec3(0.0);
    for (int i = 0; i < uLightCount; ++i) {
        vec3 toLight;
        float attenuation = 1.0;
        if (uLightType[i] == 3) {
            toLight = -uLightDirection[i].xyz;
        } else {
            vec3 d = uLightPosition[i].xyz - worldPos;
            float dist = length(d);
            if (dist > uLightAttenuation[i].w)
                continue;
            toLight = d;
            float a = uLightAttenuation[i].x + uLightAttenuation[i].y * dist + uLightAttenuation[i].z * dist * dist;
            attenuation = a > 0.0 ? 1.0 / a : 1.0;
        }
        float l = length(toLight) > 0.0 ? max(dot(normal, normalize(toLight)), 0.0) : 0.0;
        diffuse += uLightDiffuse[i].rgb * l * attenuation;
        ambient += uLightAmbient[i].rgb * attenuation;
    }
    vec3 rgb = uMatEmissive.rgb + ambient * uMatAmbient.rgb + diffuse * matDiffuse.rgb;
    return vec4(clamp(rgb, 0.0, 1.0), clamp(matDiffuse.a, 0.0, 1.0));
}

void main()
{
    vec4 clip;
    if (uPretransformed != 0) {
        float w = aPosition.w != 0.0 ? 1.0 / aPosition.w : 1.0;
        clip = vec4((aPosition.x / uTargetSize.x * 2.0 - 1.0) * w, (1.0 - aPosition.y / uTargetSize.y * 2.0) * w,
                    aPosition.z * w, w);
        vDiffuse = uHasDiffuse != 0 ? aDiffuse : vec4(1.0);
    } else {
        clip = uWorldViewProj * vec4(aPosition.xyz, 1.0);
        if (uLighting != 0) {
            vec3 normal = mat3(uWorld) * aNormal;
            vDiffuse = Lit((uWorld * vec4(aPosition.xyz, 1.0)).xyz, length(normal) > 0.0 ? normalize(normal) : normal);
        } else {
            vDiffuse = uHasDiffuse != 0 ? aDiffuse : vec4(1.0);
        }
    }
    // Pixel centres sit on whole coordinates, half a pixel from where GL puts them.
    clip.x += clip.w / uTargetSize.x;
    clip.y -= clip.w / uTargetSize.y;
    // Images are kept top-down, and depth runs 0..1 rather than -1..1.
    gl_Position = vec4(clip.x, -clip.y, clip.z * 2.0 - clip.w, clip.w);
    vTexCoord = aTexCoord;
}
)";

// Inputs of a fixed pixel stage; FixedFragmentSource puts the stage's settings before it.
const char* const kFragmentSource = R"(
in vec4 vDiffuse;
in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform vec4 uTextureFactor;
uniform int uAlphaRef;  // 0..255

out vec4 fragColor;

vec4 Arg(int arg, vec4 texel)
{
    int which = arg & 15;
    vec4 v = which == 2 ? texel : which == 3 ? uTextureFactor : vDiffuse;
    if ((arg & 16) != 0)
        v = vec4(1.0) - v;
    if ((arg & 32) != 0)
        v = vec4(v.a);
    return v;
}

vec4 Op(int op, vec4 a1, vec4 a2)
{
    if (op == 2) return a1;
    if (op == 3) return a2;
    if (op == 4) return a1 * a2;
    if (op == 5) return clamp(a1 * a2 * 2.0, 0.0, 1.0);
    if (op == 7) return clamp(a1 + a2, 0.0, 1.0);
    return vDiffuse;
}

bool Passes(int func, int value, int ref)
{
    if (func == 1) return false;
    if (func == 2) return value < ref;
    if (func == 3) return value == ref;
    if (func == 4) return value <= ref;
    if (func == 5) return value > ref;
    if (func == 6) return value != ref;
    if (func == 7) return value >= ref;
    return true;
}

void main()
{
    vec4 texel = texture(uTexture, vTexCoord);
    vec3 rgb = Op(COLOR_OP, Arg(COLOR_ARG1, texel), Arg(COLOR_ARG2, texel)).rgb;
    float a = Op(ALPHA_OP, Arg(ALPHA_ARG1, texel), Arg(ALPHA_ARG2, texel)).a;
#if ALPHA_FUNC != 0
    if (!Passes(ALPHA_FUNC, int(floor(a * 255.0 + 0.5)), uAlphaRef))
        discard;
#endif
    fragColor = vec4(rgb, a);
}
)";

const char* const kUniformNames[kUniformCount] = {
    "uWorldViewProj", "uWorld",         "uPretransformed", "uTargetSize",   "uLighting",     "uHasDiffuse",
    "uColorVertex",   "uAmbient",       "uMatDiffuse",     "uMatAmbient",   "uMatEmissive",  "uLightCount",
    "uLightType",     "uLightPosition", "uLightDirection", "uLightDiffuse", "uLightAmbient", "uLightAttenuation",
    "uTextureFactor", "uAlphaRef",      "uTexture",        "vsC",           "psC",           "psStage0",
    "psStage1",       "psStage2",       "psStage3",
};

GLuint Compile(GLenum type, const std::string& source, std::string* error)
{
    GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        *error = log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

const char* GlProgram::FixedVertexSource()
{
    return kVertexSource;
}

std::string GlProgram::FixedFragmentSource(const FixedStage& stage)
{
    std::ostringstream source;
    // Parenthesised, as the game may set any number, negative ones included.
    source << "#version 330 core\n"
           << "#define COLOR_OP (" << stage.colorOp << ")\n#define COLOR_ARG1 (" << stage.colorArg1 << ")\n"
           << "#define COLOR_ARG2 (" << stage.colorArg2 << ")\n#define ALPHA_OP (" << stage.alphaOp << ")\n"
           << "#define ALPHA_ARG1 (" << stage.alphaArg1 << ")\n#define ALPHA_ARG2 (" << stage.alphaArg2 << ")\n"
           << "#define ALPHA_FUNC (" << stage.alphaFunc << ")\n"
           << kFragmentSource;
    return source.str();
}

GlProgram::GlProgram(const std::string& vertexSource, const std::string& fragmentSource)
{
    mLocations.fill(-1);
    GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource, &mError);
    GLuint fs = vs ? Compile(GL_FRAGMENT_SHADER, fragmentSource, &mError) : 0;
    if (!vs || !fs) {
        glDeleteShader(vs);
        return;
    }
    mName = glCreateProgram();
    glAttachShader(mName, vs);
    glAttachShader(mName, fs);
    glLinkProgram(mName);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(mName, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        glGetProgramInfoLog(mName, sizeof log, nullptr, log);
        mError = log;
        glDeleteProgram(mName);
        mName = 0;
        return;
    }
    for (int i = 0; i < kUniformCount; ++i)
        mLocations[i] = glGetUniformLocation(mName, kUniformNames[i]);
}

GlProgram::~GlProgram()
{
    glDeleteProgram(mName);
}

bool GlProgram::Changed(Uniform u, const void* value, size_t size)
{
    if (mLocations[u] < 0)
        return false;
    if (mKnown[u] && mLast[u].size() == size && std::memcmp(mLast[u].data(), value, size) == 0)
        return false;
    mLast[u].resize(size);
    std::memcpy(mLast[u].data(), value, size);
    mKnown[u] = true;
    return true;
}

void GlProgram::Set1i(Uniform u, int v)
{
    if (Changed(u, &v, sizeof v))
        glUniform1i(mLocations[u], v);
}

void GlProgram::Set2f(Uniform u, float x, float y)
{
    float v[2] = {x, y};
    if (Changed(u, v, sizeof v))
        glUniform2f(mLocations[u], x, y);
}

void GlProgram::Set4f(Uniform u, const float* v)
{
    if (Changed(u, v, 4 * sizeof(float)))
        glUniform4fv(mLocations[u], 1, v);
}

void GlProgram::SetMatrix(Uniform u, const float* m)
{
    if (Changed(u, m, 16 * sizeof(float)))
        glUniformMatrix4fv(mLocations[u], 1, GL_FALSE, m);
}

void GlProgram::SetArray1i(Uniform u, const int* v, int count)
{
    if (Changed(u, v, count * sizeof(int)))
        glUniform1iv(mLocations[u], count, v);
}

void GlProgram::SetArray4f(Uniform u, const float* v, int count)
{
    if (Changed(u, v, count * 4 * sizeof(float)))
        glUniform4fv(mLocations[u], count, v);
}

}  // namespace gfx::gl
