// The fixed pixel stage's settings that a GL program is built for.
#pragma once

#include <compare>

namespace gfx::gl {

// Built into the program as constants: the compiler then drops every branch not taken, and a
// stage whose alpha test cannot fail has no discard, which lets the rasterizer test depth
// before shading. The alpha reference stays a uniform.
struct FixedStage {
    int colorOp = 0, colorArg1 = 0, colorArg2 = 0;
    int alphaOp = 0, alphaArg1 = 0, alphaArg2 = 0;
    int alphaFunc = 0;  // 0: no alpha test
    auto operator<=>(const FixedStage&) const = default;
};

}  // namespace gfx::gl
