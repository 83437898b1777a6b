// Fuzz harness: the vs.1.1 / ps.1.1 assembler on any text.
#include "platform/gfx/shader_asm.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint32_t> code;
    gfx::AssembleShader(reinterpret_cast<const char*>(data), size, &code);
    return 0;
}
