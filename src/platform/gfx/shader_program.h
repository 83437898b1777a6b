// The assembled form of vs.1.1 and ps.1.1 programs (what the assembler writes and the device
// keeps per shader handle), vertex declarations, and the translation of programs to GLSL.
//
// Encoding, 32-bit words: a version word (kVertexVersion or kPixelVersion), then instructions,
// then kEndWord. An instruction is one word, opcode | (operand words that follow) << 24, then a
// destination word and its sources; a def is followed by its register word and four floats.
// An operand word holds the register index (bits 0-10), type (11-15), write mask (16-19,
// destinations) or swizzle (16-23, two bits per component, sources) and negation (bit 24).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

constexpr uint32_t kVertexVersion = 0xFFFE0101u;
constexpr uint32_t kPixelVersion = 0xFFFF0101u;
constexpr uint32_t kEndWord = 0x0000FFFFu;

enum class Opcode : uint32_t { kMov = 1, kAdd, kMul, kMad, kTex, kDef };

enum class RegisterType : uint32_t {
    kTemp = 0,     // r#
    kInput,        // v#: vertex input registers
    kConstant,     // c#
    kTexture,      // t#: sampled texture of a stage (pixel programs)
    kPosition,     // oPos
    kTexCoordOut,  // oT#
};

struct Operand {
    RegisterType type = RegisterType::kTemp;
    uint32_t index = 0;
    uint32_t mask = 0xF;                         // destinations: x y z w bits
    std::array<uint8_t, 4> swizzle{0, 1, 2, 3};  // sources
    bool negate = false;
};

struct Instruction {
    Opcode op = Opcode::kMov;
    Operand dest;
    std::vector<Operand> sources;
    std::array<float, 4> value{};  // def
};

struct ShaderProgram {
    bool pixel = false;
    std::vector<Instruction> code;
};

// Register counts of the two models.
constexpr uint32_t kVsInputs = 16, kVsConstants = 96, kVsTemps = 12, kVsTexCoords = 8;
constexpr uint32_t kPsConstants = 8, kPsTemps = 2, kPsTextures = 4;

std::vector<uint32_t> EncodeProgram(const ShaderProgram& program);
// Checks every word; the error names what is wrong.
std::optional<std::string> DecodeProgram(const void* bytes, size_t size, ShaderProgram* program);
// Whether the program is valid for its model: registers in range, sources readable, a pixel
// program samples before it computes and writes r0, a vertex program writes oPos.
std::optional<std::string> CheckProgram(const ShaderProgram& program);

// Vertex declarations: stream, register elements and the end token.
constexpr uint32_t kDeclEnd = 0xFFFFFFFFu;
constexpr uint32_t DeclStream(uint32_t stream)
{
    return 0x20000000u | stream;
}
enum DeclType : uint32_t { kDeclFloat1 = 0, kDeclFloat2, kDeclFloat3, kDeclFloat4, kDeclColor };
constexpr uint32_t DeclRegister(uint32_t reg, DeclType type)
{
    return 0x40000000u | (uint32_t(type) << 16) | reg;
}

struct DeclElement {
    uint32_t stream = 0;
    uint32_t reg = 0;  // the v register, and the GLSL attribute location
    DeclType type = kDeclFloat4;
    uint32_t offset = 0;  // bytes from the start of the stream's vertex
};
// At most 64 tokens are read; a declaration without its end token is refused.
std::optional<std::string> ParseVertexDeclaration(const uint32_t* tokens, std::vector<DeclElement>* elements,
                                                  uint32_t* stride);

// GLSL 3.30 for the GL backend. The vertex shader reads v# from attribute location #, constants
// from "uniform vec4 vsC[96]", and "uniform vec2 uTargetSize" (the render target's size in
// pixels) for the half-pixel shift; positions come out top-down with depth 0..1 remapped to
// GL's -1..1, as the fixed-function program does. It writes vT0..vT7 (texture coordinate sets),
// and vDiffuse (white) and vTexCoord (set 0) for the fixed-function pixel stage.
// The pixel shader reads vT0..vT3, "uniform vec4 psC[8]" and samplers psStage0..psStage3
// (texture units 0..3) of the stages whose bit is set in boundStages (bit 0 for stage 0); an
// unbound stage reads (0, 0, 0, 1), fixed in the program so no pixel pays for the choice. It
// writes fragColor. Values saturate to -1..1 after every instruction and the colour to 0..1;
// def constants override the uniforms.
std::optional<std::string> TranslateVertexProgram(const void* bytes, size_t size, std::string* glsl);
std::optional<std::string> TranslatePixelProgram(const void* bytes, size_t size, uint32_t boundStages,
                                                 std::string* glsl);

}  // namespace gfx
