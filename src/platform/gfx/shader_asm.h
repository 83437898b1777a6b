// The assembler of vs.1.1 and ps.1.1 shader text into the program words of shader_program.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gfx {

// Assembles exactly length bytes of text (no terminating zero needed). Lines hold one
// statement each; operands are separated by commas; spaces and tabs are free; ";" and "//"
// start comments. The first statement names the model ("vs.1.1" or "ps.1.1"). Known: mov, add,
// mul, mad, tex (pixel) and def; registers r, v, c, t, oPos, oT with write masks, swizzles and
// negation. On success *code holds the words and nothing is returned; otherwise *code is empty
// and the message names the line and what is wrong.
std::optional<std::string> AssembleShader(const char* text, size_t length, std::vector<uint32_t>* code);

}  // namespace gfx
