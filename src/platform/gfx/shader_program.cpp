// Assembled shader programs: encoding, checking, vertex declarations and GLSL translation.
#include "platform/gfx/shader_program.h"

#include <cstring>
#include <sstream>

namespace gfx {

namespace {

uint32_t SourceCount(Opcode op)
{
    switch (op) {
    case Opcode::kMov:
        return 1;
    case Opcode::kAdd:
    case Opcode::kMul:
        return 2;
    case Opcode::kMad:
        return 3;
    default:
        return 0;
    }
}

uint32_t EncodeDest(const Operand& o)
{
    return o.index | (uint32_t(o.type) << 11) | ((o.mask & 0xF) << 16);
}

uint32_t EncodeSource(const Operand& o)
{
    uint32_t swizzle = 0;
    for (int i = 0; i < 4; ++i)
        swizzle |= uint32_t(o.swizzle[i] & 3) << (2 * i);
    return o.index | (uint32_t(o.type) << 11) | (swizzle << 16) | (o.negate ? 1u << 24 : 0u);
}

Operand DecodeOperand(uint32_t word, bool dest)
{
    Operand o;
    o.index = word & 0x7FF;
    o.type = RegisterType((word >> 11) & 0x1F);
    if (dest) {
        o.mask = (word >> 16) & 0xF;
    } else {
        for (int i = 0; i < 4; ++i)
            o.swizzle[i] = (word >> (16 + 2 * i)) & 3;
        o.negate = (word >> 24) & 1;
    }
    return o;
}

const char* RegisterName(RegisterType type)
{
    switch (type) {
    case RegisterType::kTemp:
        return "r";
    case RegisterType::kInput:
        return "v";
    case RegisterType::kConstant:
        return "c";
    case RegisterType::kTexture:
        return "t";
    case RegisterType::kPosition:
        return "oPos";
    case RegisterType::kTexCoordOut:
        return "oT";
    }
    return "?";
}

// How many registers of a type the model has for reading or writing (0: not allowed).
uint32_t ReadableCount(bool pixel, RegisterType type)
{
    switch (type) {
    case RegisterType::kTemp:
        return pixel ? kPsTemps : kVsTemps;
    case RegisterType::kInput:
        return pixel ? 0 : kVsInputs;
    case RegisterType::kConstant:
        return pixel ? kPsConstants : kVsConstants;
    case RegisterType::kTexture:
        return pixel ? kPsTextures : 0;
    default:
        return 0;
    }
}

uint32_t WritableCount(bool pixel, RegisterType type)
{
    switch (type) {
    case RegisterType::kTemp:
        return pixel ? kPsTemps : kVsTemps;
    case RegisterType::kTexture:
        return pixel ? kPsTextures : 0;
    case RegisterType::kPosition:
        return pixel ? 0 : 1;
    case RegisterType::kTexCoordOut:
        return pixel ? 0 : kVsTexCoords;
    default:
        return 0;
    }
}

std::string Describe(const Operand& o)
{
    return std::string(RegisterName(o.type)) + (o.type == RegisterType::kPosition ? "" : std::to_string(o.index));
}

}  // namespace

std::vector<uint32_t> EncodeProgram(const ShaderProgram& program)
{
    std::vector<uint32_t> words{program.pixel ? kPixelVersion : kVertexVersion};
    for (const Instruction& in : program.code) {
        if (in.op == Opcode::kDef) {
            words.push_back(uint32_t(in.op) | (5u << 24));
            words.push_back(EncodeDest(in.dest));
            for (float f : in.value) {
                uint32_t bits;
                std::memcpy(&bits, &f, sizeof bits);
                words.push_back(bits);
            }
            continue;
        }
        words.push_back(uint32_t(in.op) | (uint32_t(1 + in.sources.size()) << 24));
        words.push_back(EncodeDest(in.dest));
        for (const Operand& s : in.sources)
            words.push_back(EncodeSource(s));
    }
    words.push_back(kEndWord);
    return words;
}

std::optional<std::string> DecodeProgram(const void* bytes, size_t size, ShaderProgram* program)
{
    if (!bytes || size < 8 || size % 4 != 0)
        return std::string("a program is a whole number of words with a version and an end");
    std::vector<uint32_t> words(size / 4);
    std::memcpy(words.data(), bytes, size);
    ShaderProgram p;
    if (words[0] != kVertexVersion && words[0] != kPixelVersion)
        return std::string("unknown program version");
    p.pixel = words[0] == kPixelVersion;
    size_t at = 1;
    for (;;) {
        if (at >= words.size())
            return std::string("the program has no end word");
        uint32_t head = words[at++];
        if (head == kEndWord)
            break;
        Instruction in;
        in.op = Opcode(head & 0xFFFF);
        uint32_t length = head >> 24;
        bool def = in.op == Opcode::kDef;
        bool known = in.op >= Opcode::kMov && in.op <= Opcode::kDef;
        if (!known || length != (def ? 5 : 1 + SourceCount(in.op)) || at + length > words.size())
            return "malformed instruction at word " + std::to_string(at - 1);
        in.dest = DecodeOperand(words[at], true);
        if (def) {
            for (int i = 0; i < 4; ++i)
                std::memcpy(&in.value[i], &words[at + 1 + i], sizeof(float));
        } else {
            for (uint32_t i = 1; i < length; ++i)
                in.sources.push_back(DecodeOperand(words[at + i], false));
        }
        at += length;
        p.code.push_back(std::move(in));
    }
    if (at != words.size())
        return std::string("words follow the end of the program");
    if (auto error = CheckProgram(p))
        return error;
    *program = std::move(p);
    return std::nullopt;
}

std::optional<std::string> CheckProgram(const ShaderProgram& program)
{
    bool pixel = program.pixel;
    bool computed = false, wroteR0 = false, wrotePosition = false;
    for (const Instruction& in : program.code) {
        if (in.op == Opcode::kDef) {
            if (in.dest.type != RegisterType::kConstant || in.dest.index >= ReadableCount(pixel, in.dest.type))
                return "def needs a constant register, not " + Describe(in.dest);
            continue;
        }
        if (in.op == Opcode::kTex) {
            if (!pixel)
                return std::string("tex belongs to pixel programs");
            if (computed)
                return std::string("tex must come before the arithmetic");
            if (in.dest.type != RegisterType::kTexture || in.dest.index >= kPsTextures)
                return "tex needs a texture register, not " + Describe(in.dest);
            continue;
        }
        computed = true;
        if (in.dest.index >= WritableCount(pixel, in.dest.type))
            return Describe(in.dest) + " cannot be written here";
        if (in.dest.mask == 0)
            return Describe(in.dest) + " is written with an empty mask";
        if (in.sources.size() != SourceCount(in.op))
            return std::string("wrong number of operands");
        for (const Operand& s : in.sources)
            if (s.index >= ReadableCount(pixel, s.type))
                return Describe(s) + " cannot be read here";
        wroteR0 = wroteR0 || (in.dest.type == RegisterType::kTemp && in.dest.index == 0);
        wrotePosition = wrotePosition || in.dest.type == RegisterType::kPosition;
    }
    if (pixel && !wroteR0)
        return std::string("a pixel program must write r0");
    if (!pixel && !wrotePosition)
        return std::string("a vertex program must write oPos");
    return std::nullopt;
}

std::optional<std::string> ParseVertexDeclaration(const uint32_t* tokens, std::vector<DeclElement>* elements,
                                                  uint32_t* stride)
{
    static constexpr uint32_t kSizes[] = {4, 8, 12, 16, 4};
    if (!tokens)
        return std::string("no declaration");
    elements->clear();
    uint32_t stream = 0, offset = 0;
    for (int i = 0; i < 64; ++i) {
        uint32_t t = tokens[i];
        if (t == kDeclEnd) {
            *stride = offset;
            return std::nullopt;
        }
        if ((t & 0xE0000000u) == 0x20000000u) {
            if (!elements->empty())
                return std::string("only one stream is supported");
            stream = t & 0xFFFF;
        } else if ((t & 0xE0000000u) == 0x40000000u) {
            uint32_t type = (t >> 16) & 0xF, reg = t & 0x1F;
            if (type > kDeclColor || reg >= kVsInputs)
                return "unsupported declaration element " + std::to_string(t);
            elements->push_back({stream, reg, DeclType(type), offset});
            offset += kSizes[type];
        } else {
            return "unsupported declaration token " + std::to_string(t);
        }
    }
    return std::string("the declaration has no end token");
}

namespace {

// A source expression: register, swizzle, negation; constants and samples through locals.
std::string Source(const Operand& s)
{
    static const char kComponents[] = "xyzw";
    std::string text = RegisterName(s.type) + std::to_string(s.index);
    if (s.swizzle != std::array<uint8_t, 4>{0, 1, 2, 3}) {
        text += '.';
        for (uint8_t c : s.swizzle)
            text += kComponents[c];
    }
    return s.negate ? "(-" + text + ")" : text;
}

std::string Expression(const Instruction& in)
{
    const auto& s = in.sources;
    switch (in.op) {
    case Opcode::kMov:
        return Source(s[0]);
    case Opcode::kAdd:
        return Source(s[0]) + " + " + Source(s[1]);
    case Opcode::kMul:
        return Source(s[0]) + " * " + Source(s[1]);
    case Opcode::kMad:
        return Source(s[0]) + " * " + Source(s[1]) + " + " + Source(s[2]);
    default:
        return "vec4(0.0)";
    }
}

std::string Mask(uint32_t mask)
{
    if (mask == 0xF)
        return "";
    std::string m = ".";
    for (int i = 0; i < 4; ++i)
        if (mask & (1u << i))
            m += "xyzw"[i];
    return m;
}

std::string Vec4(const std::array<float, 4>& v)
{
    std::ostringstream out;
    out.precision(9);
    out << "vec4(" << std::showpoint << v[0] << ", " << v[1] << ", " << v[2] << ", " << v[3] << ")";
    return out.str();
}

// Constant locals: a def wins over the uniform, as on the platform.
void DeclareConstants(const ShaderProgram& p, const char* uniform, bool saturate, std::ostringstream& out)
{
    std::vector<bool> used(kVsConstants, false), defined(kVsConstants, false);
    for (const Instruction& in : p.code)
        for (const Operand& s : in.sources)
            if (s.type == RegisterType::kConstant)
                used[s.index] = true;
    for (const Instruction& in : p.code)
        if (in.op == Opcode::kDef && used[in.dest.index] && !defined[in.dest.index]) {
            defined[in.dest.index] = true;
            out << "    vec4 c" << in.dest.index << " = " << Vec4(in.value) << ";\n";
        }
    for (uint32_t i = 0; i < kVsConstants; ++i)
        if (used[i] && !defined[i])
            out << "    vec4 c" << i << " = " << (saturate ? "clamp(" : "") << uniform << "[" << i << "]"
                << (saturate ? ", -1.0, 1.0)" : "") << ";\n";
}

}  // namespace

std::optional<std::string> TranslateVertexProgram(const void* bytes, size_t size, std::string* glsl)
{
    ShaderProgram p;
    if (auto error = DecodeProgram(bytes, size, &p))
        return error;
    if (p.pixel)
        return std::string("a pixel program is not a vertex program");
    std::vector<bool> inputs(kVsInputs, false);
    for (const Instruction& in : p.code)
        for (const Operand& s : in.sources)
            if (s.type == RegisterType::kInput)
                inputs[s.index] = true;
    std::ostringstream out;
    out << "#version 330 core\n";
    for (uint32_t i = 0; i < kVsInputs; ++i)
        if (inputs[i])
            out << "layout(location = " << i << ") in vec4 v" << i << ";\n";
    out << "uniform vec4 vsC[" << kVsConstants << "];\nuniform vec2 uTargetSize;\n";
    for (uint32_t i = 0; i < kVsTexCoords; ++i)
        out << "out vec4 vT" << i << ";\n";
    out << "out vec4 vDiffuse;\nout vec2 vTexCoord;\n\nvoid main()\n{\n";
    DeclareConstants(p, "vsC", false, out);
    for (uint32_t i = 0; i < kVsTemps; ++i)
        out << "    vec4 r" << i << " = vec4(0.0);\n";
    out << "    vec4 oPos0 = vec4(0.0, 0.0, 0.0, 1.0);\n";
    for (uint32_t i = 0; i < kVsTexCoords; ++i)
        out << "    vec4 oT" << i << " = vec4(0.0, 0.0, 0.0, 1.0);\n";
    for (const Instruction& in : p.code) {
        if (in.op == Opcode::kDef)
            continue;
        std::string mask = Mask(in.dest.mask);
        out << "    " << Describe(in.dest) << (in.dest.type == RegisterType::kPosition ? "0" : "") << mask << " = ("
            << Expression(in) << ")" << mask << ";\n";
    }
    for (uint32_t i = 0; i < kVsTexCoords; ++i)
        out << "    vT" << i << " = oT" << i << ";\n";
    out << "    vDiffuse = vec4(1.0);\n"
           "    vTexCoord = oT0.xy;\n"
           "    vec4 clip = oPos0;\n"
           "    // Pixel centres sit on whole coordinates, half a pixel from where GL puts them.\n"
           "    if (uTargetSize.x > 0.0 && uTargetSize.y > 0.0) {\n"
           "        clip.x += clip.w / uTargetSize.x;\n"
           "        clip.y -= clip.w / uTargetSize.y;\n"
           "    }\n"
           "    gl_Position = vec4(clip.x, -clip.y, clip.z * 2.0 - clip.w, clip.w);\n"
           "}\n";
    *glsl = out.str();
    return std::nullopt;
}

std::optional<std::string> TranslatePixelProgram(const void* bytes, size_t size, uint32_t boundStages,
                                                 std::string* glsl)
{
    ShaderProgram p;
    if (auto error = DecodeProgram(bytes, size, &p))
        return error;
    if (!p.pixel)
        return std::string("a vertex program is not a pixel program");
    std::ostringstream out;
    out << "#version 330 core\n";
    for (uint32_t i = 0; i < kPsTextures; ++i)
        out << "in vec4 vT" << i << ";\nuniform sampler2D psStage" << i << ";\n";
    out << "uniform vec4 psC[" << kPsConstants
        << "];\nout vec4 fragColor;\n\n"
           "void main()\n{\n";
    DeclareConstants(p, "psC", true, out);
    for (uint32_t i = 0; i < kPsTemps; ++i)
        out << "    vec4 r" << i << " = vec4(0.0);\n";
    for (uint32_t i = 0; i < kPsTextures; ++i)
        out << "    vec4 t" << i << " = vec4(0.0);\n";
    for (const Instruction& in : p.code) {
        if (in.op == Opcode::kDef)
            continue;
        uint32_t i = in.dest.index;
        if (in.op == Opcode::kTex) {
            out << "    t" << i << " = ";
            if (boundStages & (1u << i))
                out << "texture(psStage" << i << ", vT" << i << ".xy);\n";
            else
                out << "vec4(0.0, 0.0, 0.0, 1.0);\n";
            continue;
        }
        std::string mask = Mask(in.dest.mask);
        out << "    " << Describe(in.dest) << mask << " = clamp(" << Expression(in) << ", -1.0, 1.0)" << mask << ";\n";
    }
    out << "    fragColor = clamp(r0, 0.0, 1.0);\n}\n";
    *glsl = out.str();
    return std::nullopt;
}

}  // namespace gfx
