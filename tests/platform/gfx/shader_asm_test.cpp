// The shader assembler on the game's four texts and on bad text; program words, declarations
// and the GLSL they become.
#include "platform/gfx/shader_asm.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/gfx/shader_program.h"

namespace gfx {
namespace {

std::string Line(const std::string& statement, int tabs)
{
    return statement + std::string(tabs, '\t') + "\n";
}

std::string GlowVertexText()
{
    return Line("vs.1.1", 7) + Line("mov oPos, v0", 5) + Line("add oT0, v7, c0", 4) + Line("add oT1, v7, c1", 4) +
           Line("add oT2, v7, c2", 4) + Line("add oT3, v7, c3", 4);
}

std::string GlowPixelText()
{
    return Line("ps.1.1", 7) + Line("tex t0", 7) + Line("tex t1", 7) + Line("tex t2", 7) + Line("tex t3", 7) +
           Line("mul r0, t0, c0", 5) + Line("mad r0, t1, c1, r0", 4) + Line("mad r0, t2, c2, r0", 4) +
           Line("mad r0, t3, c3, r0", 4);
}

std::string CopyVertexText()
{
    return Line("vs.1.1", 6) + Line("mov oPos, v0", 5) + Line("mov oT0, v7", 5) + Line("mov oT1, v8", 5);
}

std::string CopyPixelText()
{
    return Line("ps.1.1", 6) + Line("def c0, 0.5, 0.5, 0.5, 1.0", 2) + Line("tex t0", 7) + Line("mov r0, t0", 6);
}

// Assembles from a buffer whose text is followed by bytes that are not part of it.
std::optional<std::string> Assemble(const std::string& text, std::vector<uint32_t>* code)
{
    std::string buffer = text + "garbage that must not be read";
    return AssembleShader(buffer.data(), text.size(), code);
}

ShaderProgram Decoded(const std::vector<uint32_t>& code)
{
    ShaderProgram p;
    auto error = DecodeProgram(code.data(), code.size() * 4, &p);
    EXPECT_FALSE(error) << *error;
    return p;
}

TEST(GameShaderTexts, HaveTheirExactLengths)
{
    EXPECT_EQ(GlowVertexText().size(), 112u);
    EXPECT_EQ(GlowPixelText().size(), 159u);
    EXPECT_EQ(CopyVertexText().size(), 65u);
    EXPECT_EQ(CopyPixelText().size(), 73u);
}

TEST(ShaderAssembler, GlowVertexShader)
{
    std::vector<uint32_t> code;
    auto error = Assemble(GlowVertexText(), &code);
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(code.front(), kVertexVersion);
    EXPECT_EQ(code.back(), kEndWord);
    ShaderProgram p = Decoded(code);
    EXPECT_FALSE(p.pixel);
    ASSERT_EQ(p.code.size(), 5u);
    EXPECT_EQ(p.code[0].op, Opcode::kMov);
    EXPECT_EQ(p.code[0].dest.type, RegisterType::kPosition);
    EXPECT_EQ(p.code[0].sources[0].type, RegisterType::kInput);
    EXPECT_EQ(p.code[0].sources[0].index, 0u);
    for (uint32_t i = 0; i < 4; ++i) {
        const Instruction& in = p.code[1 + i];
        EXPECT_EQ(in.op, Opcode::kAdd);
        EXPECT_EQ(in.dest.type, RegisterType::kTexCoordOut);
        EXPECT_EQ(in.dest.index, i);
        EXPECT_EQ(in.dest.mask, 0xFu);
        EXPECT_EQ(in.sources[0].index, 7u);
        EXPECT_EQ(in.sources[1].type, RegisterType::kConstant);
        EXPECT_EQ(in.sources[1].index, i);
    }
}

TEST(ShaderAssembler, GlowPixelShader)
{
    std::vector<uint32_t> code;
    auto error = Assemble(GlowPixelText(), &code);
    ASSERT_FALSE(error) << *error;
    ShaderProgram p = Decoded(code);
    EXPECT_TRUE(p.pixel);
    ASSERT_EQ(p.code.size(), 8u);
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p.code[i].op, Opcode::kTex);
        EXPECT_EQ(p.code[i].dest.index, i);
    }
    EXPECT_EQ(p.code[4].op, Opcode::kMul);
    for (uint32_t i = 5; i < 8; ++i) {
        EXPECT_EQ(p.code[i].op, Opcode::kMad);
        EXPECT_EQ(p.code[i].sources[0].type, RegisterType::kTexture);
        EXPECT_EQ(p.code[i].sources[0].index, i - 4);
        EXPECT_EQ(p.code[i].sources[2].type, RegisterType::kTemp);
    }
}

TEST(ShaderAssembler, CopyShaders)
{
    std::vector<uint32_t> code;
    auto error = Assemble(CopyVertexText(), &code);
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(Decoded(code).code.size(), 3u);
    error = Assemble(CopyPixelText(), &code);
    ASSERT_FALSE(error) << *error;
    ShaderProgram p = Decoded(code);
    ASSERT_EQ(p.code.size(), 3u);
    EXPECT_EQ(p.code[0].op, Opcode::kDef);
    EXPECT_EQ(p.code[0].value, (std::array<float, 4>{0.5f, 0.5f, 0.5f, 1.0f}));
}

TEST(ShaderAssembler, ModifiersAndComments)
{
    std::vector<uint32_t> code;
    auto error = Assemble("vs.1.1 ; model\n\nmov oPos, -v0.wzyx // reversed\nmov oT0.xy, v1.x\r\n", &code);
    ASSERT_FALSE(error) << *error;
    ShaderProgram p = Decoded(code);
    ASSERT_EQ(p.code.size(), 2u);
    EXPECT_TRUE(p.code[0].sources[0].negate);
    EXPECT_EQ(p.code[0].sources[0].swizzle, (std::array<uint8_t, 4>{3, 2, 1, 0}));
    EXPECT_EQ(p.code[1].dest.mask, 0x3u);
    EXPECT_EQ(p.code[1].sources[0].swizzle, (std::array<uint8_t, 4>{0, 0, 0, 0}));
}

TEST(ShaderAssembler, RejectsWhatItDoesNotKnowWithAMessage)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "no shader version"},
        {"mov oPos, v0\n", "line 1: the first statement must be"},
        {"vs.2.0\nmov oPos, v0\n", "vs.1.1 or ps.1.1"},
        {"vs.1.1\nvs.1.1\n", "line 2: a second version"},
        {"vs.1.1\ndp3 oPos, v0, v1\n", "line 2: unknown or unsupported instruction \"dp3\""},
        {"ps.1.1\ntex t0\nmov_sat r0, t0\n", "line 3: unknown or unsupported instruction \"mov_sat\""},
        {"vs.1.1\nmov oPos\n", "line 2: mov takes 2 operands"},
        {"vs.1.1\nmad oPos, v0, c0\n", "mad takes 4 operands"},
        {"vs.1.1\nmov oPos, c96\n", "c96 cannot be read"},
        {"vs.1.1\nmov oPos, v16\n", "v16 cannot be read"},
        {"vs.1.1\nmov oD0, v0\n", "unknown register \"oD0\""},
        {"vs.1.1\nmov v0, c0\nmov oPos, v0\n", "line 2: v0 cannot be written"},
        {"vs.1.1\nmov oPos, v1x\n", "bad register number"},
        {"vs.1.1\nmov oPos, v0.xq\n", "a swizzle names one or four"},
        {"vs.1.1\nmov oPos, v0.xyzq\n", "bad swizzle"},
        {"vs.1.1\nmov oPos.yx, v0\n", "bad write mask"},
        {"vs.1.1\nmov -oPos, v0\n", "cannot be negated"},
        {"vs.1.1\ntex t0\n", "tex belongs to pixel programs"},
        {"vs.1.1\nmov oT0, v7\n", "must write oPos"},
        {"ps.1.1\ntex t0\n", "must write r0"},
        {"ps.1.1\nmov r0, c0\ntex t0\n", "line 3: tex must come before"},
        {"ps.1.1\ntex t4\nmov r0, t4\n", "tex needs a texture register"},
        {"ps.1.1\nmov r0, c8\n", "c8 cannot be read"},
        {"ps.1.1\nmov r2, c0\n", "r2 cannot be written"},
        {"ps.1.1\nmov r0, v0\n", "v0 cannot be read"},
        {"ps.1.1\ndef c0, 0.5, half, 0.5, 1.0\nmov r0, c0\n", "\"half\" is not a number"},
        {"ps.1.1\ndef c0, 0.5, 0.5, 1.0\nmov r0, c0\n", "def takes 5 operands"},
        {"ps.1.1\ndef r0, 0.5, 0.5, 0.5, 1.0\nmov r0, c0\n", "def needs a constant register"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<uint32_t> code{1, 2, 3};
        auto error = Assemble(c.text, &code);
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->find(c.message), std::string::npos) << *error;
        EXPECT_TRUE(code.empty());
    }
}

TEST(ShaderAssembler, TextEndsAtItsLength)
{
    // Cutting the glow pixel text before its last line leaves a different, shorter program.
    std::string text = GlowPixelText();
    std::vector<uint32_t> code;
    ASSERT_FALSE(AssembleShader(text.data(), text.size() - 23, &code));
    EXPECT_EQ(Decoded(code).code.size(), 7u);
    // Cut inside "vs.1.1": no version.
    EXPECT_TRUE(AssembleShader(text.data(), 3, &code).has_value());
}

TEST(ProgramWords, CorruptionIsRefused)
{
    std::vector<uint32_t> good;
    ASSERT_FALSE(Assemble(GlowVertexText(), &good));
    ShaderProgram p;
    EXPECT_FALSE(DecodeProgram(good.data(), good.size() * 4, &p));

    auto refused = [&](std::vector<uint32_t> words, size_t bytes) {
        ShaderProgram out;
        return DecodeProgram(words.data(), bytes, &out).has_value();
    };
    EXPECT_TRUE(refused(good, good.size() * 4 - 4));  // no end word
    EXPECT_TRUE(refused(good, good.size() * 4 - 1));  // not whole words
    EXPECT_TRUE(refused(good, 0));
    auto words = good;
    words[0] = 0xFFFE0200u;
    EXPECT_TRUE(refused(words, words.size() * 4));
    words = good;
    words[1] = (words[1] & 0xFF000000u) | 0x77;  // unknown opcode
    EXPECT_TRUE(refused(words, words.size() * 4));
    words = good;
    words[1] += 1u << 24;  // wrong operand count
    EXPECT_TRUE(refused(words, words.size() * 4));
    words = good;
    words[3] = (words[3] & ~0x7FFu) | 200;  // v200
    EXPECT_TRUE(refused(words, words.size() * 4));
    words = good;
    words.push_back(0);
    EXPECT_TRUE(refused(words, words.size() * 4));
    EXPECT_TRUE(DecodeProgram(nullptr, 8, &p).has_value());
}

TEST(VertexDeclaration, GlowQuadLayout)
{
    const uint32_t decl[] = {DeclStream(0), DeclRegister(0, kDeclFloat4), DeclRegister(7, kDeclFloat2), kDeclEnd};
    EXPECT_EQ(decl[0], 0x20000000u);
    EXPECT_EQ(decl[1], 0x40030000u);
    EXPECT_EQ(decl[2], 0x40010007u);
    std::vector<DeclElement> elements;
    uint32_t stride = 0;
    auto error = ParseVertexDeclaration(decl, &elements, &stride);
    ASSERT_FALSE(error) << *error;
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].reg, 0u);
    EXPECT_EQ(elements[0].offset, 0u);
    EXPECT_EQ(elements[1].reg, 7u);
    EXPECT_EQ(elements[1].type, kDeclFloat2);
    EXPECT_EQ(elements[1].offset, 16u);
    EXPECT_EQ(stride, 24u);

    std::vector<uint32_t> endless(70, DeclRegister(0, kDeclFloat1));
    EXPECT_TRUE(ParseVertexDeclaration(endless.data(), &elements, &stride).has_value());
    const uint32_t badType[] = {DeclStream(0), 0x40090000u, kDeclEnd};
    EXPECT_TRUE(ParseVertexDeclaration(badType, &elements, &stride).has_value());
    EXPECT_TRUE(ParseVertexDeclaration(nullptr, &elements, &stride).has_value());
}

TEST(GlslTranslation, GlowShadersBecomeStageSources)
{
    std::vector<uint32_t> vs, ps;
    ASSERT_FALSE(Assemble(GlowVertexText(), &vs));
    ASSERT_FALSE(Assemble(GlowPixelText(), &ps));
    std::string vertex, pixel;
    auto error = TranslateVertexProgram(vs.data(), vs.size() * 4, &vertex);
    ASSERT_FALSE(error) << *error;
    EXPECT_NE(vertex.find("layout(location = 0) in vec4 v0;"), std::string::npos);
    EXPECT_NE(vertex.find("layout(location = 7) in vec4 v7;"), std::string::npos);
    EXPECT_NE(vertex.find("oT2 = (v7 + c2);"), std::string::npos) << vertex;
    EXPECT_NE(vertex.find("vec4 c3 = vsC[3];"), std::string::npos);
    EXPECT_NE(vertex.find("gl_Position"), std::string::npos);
    error = TranslatePixelProgram(ps.data(), ps.size() * 4, 0xF, &pixel);
    ASSERT_FALSE(error) << *error;
    EXPECT_NE(pixel.find("texture(psStage3, vT3.xy)"), std::string::npos) << pixel;
    EXPECT_NE(pixel.find("r0 = clamp(t1 * c1 + r0, -1.0, 1.0);"), std::string::npos) << pixel;
    EXPECT_NE(pixel.find("vec4 c0 = clamp(psC[0], -1.0, 1.0);"), std::string::npos);
    EXPECT_NE(pixel.find("fragColor = clamp(r0, 0.0, 1.0);"), std::string::npos);
    // A stage without a texture reads the constant, chosen when the program is made.
    ASSERT_FALSE(TranslatePixelProgram(ps.data(), ps.size() * 4, 0x7, &pixel));
    EXPECT_EQ(pixel.find("texture(psStage3"), std::string::npos) << pixel;
    EXPECT_NE(pixel.find("t3 = vec4(0.0, 0.0, 0.0, 1.0);"), std::string::npos) << pixel;
    // Each kind refuses the other.
    EXPECT_TRUE(TranslateVertexProgram(ps.data(), ps.size() * 4, &vertex).has_value());
    EXPECT_TRUE(TranslatePixelProgram(vs.data(), vs.size() * 4, 0xF, &pixel).has_value());
}

TEST(GlslTranslation, DefOverridesTheUniform)
{
    std::vector<uint32_t> ps;
    ASSERT_FALSE(Assemble(CopyPixelText(), &ps));
    std::string pixel;
    ASSERT_FALSE(TranslatePixelProgram(ps.data(), ps.size() * 4, 0xF, &pixel));
    EXPECT_EQ(pixel.find("psC[0]"), std::string::npos);
    EXPECT_NE(pixel.find("r0 = clamp(t0, -1.0, 1.0);"), std::string::npos) << pixel;
}

}  // namespace
}  // namespace gfx
