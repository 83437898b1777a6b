// The shader texts of the glow pass. Every line ends with its own run of tabs, so the texts
// keep their exact lengths.
#include "engine/glow_shaders.h"

namespace {

std::string Lines(std::initializer_list<std::pair<const char*, int>> lines)
{
    std::string text;
    for (const auto& [line, tabs] : lines) {
        text += line;
        text.append(static_cast<size_t>(tabs), '\t');
        text += '\n';
    }
    return text;
}

}  // namespace

const std::string& GlowVertexShaderText()
{
    static const std::string text = Lines({{"vs.1.1", 7},
                                           {"mov oPos, v0", 5},
                                           {"add oT0, v7, c0", 4},
                                           {"add oT1, v7, c1", 4},
                                           {"add oT2, v7, c2", 4},
                                           {"add oT3, v7, c3", 4}});
    return text;
}

const std::string& GlowPixelShaderText()
{
    static const std::string text = Lines({{"ps.1.1", 7},
                                           {"tex t0", 7},
                                           {"tex t1", 7},
                                           {"tex t2", 7},
                                           {"tex t3", 7},
                                           {"mul r0, t0, c0", 5},
                                           {"mad r0, t1, c1, r0", 4},
                                           {"mad r0, t2, c2, r0", 4},
                                           {"mad r0, t3, c3, r0", 4}});
    return text;
}

const std::string& CopyVertexShaderText()
{
    static const std::string text = Lines({{"vs.1.1", 6}, {"mov oPos, v0", 5}, {"mov oT0, v7", 5}, {"mov oT1, v8", 5}});
    return text;
}

const std::string& CopyPixelShaderText()
{
    static const std::string text =
        Lines({{"ps.1.1", 6}, {"def c0, 0.5, 0.5, 0.5, 1.0", 2}, {"tex t0", 7}, {"mov r0, t0", 6}});
    return text;
}
