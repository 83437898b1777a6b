// The shader texts of the glow pass, each exactly as the assembler is given it.
#pragma once

#include <string>

// Four taps at offsets from the registers c0..c3 added to the texture coordinate.
const std::string& GlowVertexShaderText();
// The four taps weighted by c0..c3 and summed.
const std::string& GlowPixelShaderText();
const std::string& CopyVertexShaderText();
const std::string& CopyPixelShaderText();
