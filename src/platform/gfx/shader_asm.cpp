// vs.1.1 / ps.1.1 assembler: one statement per line, checked against the model's registers.
#include "platform/gfx/shader_asm.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/gfx/shader_program.h"

namespace gfx {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitOperands(std::string_view s)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == ',') {
            parts.push_back(Trim(s.substr(start, i - start)));
            start = i + 1;
        }
    return parts;
}

int ComponentIndex(char c)
{
    switch (c) {
    case 'x':
    case 'r':
        return 0;
    case 'y':
    case 'g':
        return 1;
    case 'z':
    case 'b':
        return 2;
    case 'w':
    case 'a':
        return 3;
    default:
        return -1;
    }
}

class Assembler {
public:
    std::optional<std::string> Run(std::string_view text, std::vector<uint32_t>* code);

private:
    bool Statement(std::string_view line);
    bool ParseRegister(std::string_view token, bool dest, Operand* o);
    bool Fail(const std::string& what)
    {
        mError = "line " + std::to_string(mLine) + ": " + what;
        return false;
    }

    ShaderProgram mProgram;
    bool mHaveVersion = false;
    int mLine = 0;
    std::string mError;
};

std::optional<std::string> Assembler::Run(std::string_view text, std::vector<uint32_t>* code)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++mLine;
        std::string_view line = text.substr(start, end - start);
        size_t comment = std::min(line.find(';'), line.find("//"));
        line = Trim(line.substr(0, comment));
        if (!line.empty() && !Statement(line))
            return mError;
        start = end + 1;
    }
    if (!mHaveVersion)
        return std::string("the text names no shader version");
    if (auto error = CheckProgram(mProgram))
        return error;
    *code = EncodeProgram(mProgram);
    return std::nullopt;
}

bool Assembler::Statement(std::string_view line)
{
    size_t gap = line.find_first_of(" \t");
    std::string_view op = line.substr(0, gap);
    std::string_view rest = gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
    if (!mHaveVersion) {
        if (!rest.empty() || (op != "vs.1.1" && op != "ps.1.1"))
            return Fail("the first statement must be vs.1.1 or ps.1.1, not \"" + std::string(line) + "\"");
        mHaveVersion = true;
        mProgram.pixel = op == "ps.1.1";
        return true;
    }
    Instruction in;
    size_t sources;
    if (op == "mov") {
        in.op = Opcode::kMov, sources = 1;
    } else if (op == "add") {
        in.op = Opcode::kAdd, sources = 2;
    } else if (op == "mul") {
        in.op = Opcode::kMul, sources = 2;
    } else if (op == "mad") {
        in.op = Opcode::kMad, sources = 3;
    } else if (op == "tex") {
        in.op = Opcode::kTex, sources = 0;
    } else if (op == "def") {
        in.op = Opcode::kDef, sources = 0;
    } else if (op == "vs.1.1" || op == "ps.1.1") {
        return Fail("a second version statement");
    } else {
        return Fail("unknown or unsupported instruction \"" + std::string(op) + "\"");
    }
    std::vector<std::string_view> operands = SplitOperands(rest);
    size_t expected = 1 + sources + (in.op == Opcode::kDef ? 4 : 0);
    if (rest.empty() || operands.size() != expected)
        return Fail(std::string(op) + " takes " + std::to_string(expected) + " operands");
    if (!ParseRegister(operands[0], true, &in.dest))
        return false;
    if (in.op == Opcode::kDef) {
        for (int i = 0; i < 4; ++i) {
            std::string_view v = operands[1 + i];
            if (!v.empty() && v.front() == '+')
                v.remove_prefix(1);
            auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), in.value[i]);
            if (v.empty() || ec != std::errc() || end != v.data() + v.size() || !std::isfinite(in.value[i]))
                return Fail("\"" + std::string(operands[1 + i]) + "\" is not a number");
        }
    }
    for (size_t i = 0; i < sources; ++i) {
        Operand s;
        if (!ParseRegister(operands[1 + i], false, &s))
            return false;
        in.sources.push_back(s);
    }
    mProgram.code.push_back(in);
    if (auto error = CheckProgram(mProgram); error && error->find("must write") == std::string::npos)
        return Fail(*error);
    return true;
}

bool Assembler::ParseRegister(std::string_view token, bool dest, Operand* o)
{
    std::string original(token);
    if (!token.empty() && token.front() == '-') {
        if (dest)
            return Fail("a destination cannot be negated: \"" + original + "\"");
        o->negate = true;
        token.remove_prefix(1);
    }
    std::string_view suffix;
    if (size_t dot = token.find('.'); dot != std::string_view::npos) {
        suffix = token.substr(dot + 1);
        token = token.substr(0, dot);
    }
    std::string_view digits;
    if (token == "oPos") {
        o->type = RegisterType::kPosition;
    } else {
        std::string_view name = token.substr(0, token.find_first_of("0123456789"));
        digits = token.substr(name.size());
        if (name == "r")
            o->type = RegisterType::kTemp;
        else if (name == "v")
            o->type = RegisterType::kInput;
        else if (name == "c")
            o->type = RegisterType::kConstant;
        else if (name == "t")
            o->type = RegisterType::kTexture;
        else if (name == "oT")
            o->type = RegisterType::kTexCoordOut;
        else
            return Fail("unknown register \"" + original + "\"");
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), o->index);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || o->index > 0x7FF)
            return Fail("bad register number in \"" + original + "\"");
    }
    if (suffix.empty())
        return true;
    if (dest) {
        // A write mask names components once each, in order.
        uint32_t mask = 0;
        int last = -1;
        for (char c : suffix) {
            int i = ComponentIndex(c);
            if (i <= last)
                return Fail("bad write mask in \"" + original + "\"");
            mask |= 1u << i;
            last = i;
        }
        o->mask = mask;
        return true;
    }
    if (suffix.size() != 1 && suffix.size() != 4)
        return Fail("a swizzle names one or four components: \"" + original + "\"");
    for (size_t i = 0; i < 4; ++i) {
        int c = ComponentIndex(suffix[std::min(i, suffix.size() - 1)]);
        if (c < 0)
            return Fail("bad swizzle in \"" + original + "\"");
        o->swizzle[i] = static_cast<uint8_t>(c);
    }
    return true;
}

}  // namespace

std::optional<std::string> AssembleShader(const char* text, size_t length, std::vector<uint32_t>* code)
{
    code->clear();
    if (!text)
        return std::string("no shader text");
    return Assembler().Run(std::string_view(text, length), code);
}

}  // namespace gfx
