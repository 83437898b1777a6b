// Glyph sprites for the small (8x10), medium (10x16) and large (26x32) text cells.
#include "glyphs.h"

#include <cstdio>
#include <utility>

namespace assetgen {

namespace {

struct GlyphSize {
    char letter;
    int cellW, cellH;    // the cell the text layout advances by
    int imageW, imageH;  // power-of-two image holding the cell at its top-left
    int pixelW, pixelH;  // nominal FreeType sizes
    bool shadow;
    bool outline;  // a dark rim, so the thin small text reads on any backdrop
};

const GlyphSize kSizes[] = {
    {'s', 8, 10, 8, 16, 8, 8, false, true},
    {'m', 10, 16, 16, 16, 11, 13, true, false},
    {'l', 26, 32, 32, 32, 27, 27, true, false},
};

// The text layout shows '^' wherever a text has an apostrophe, and '~' stands for the percent sign.
char Drawn(char ch)
{
    if (ch == '^')
        return '\'';
    if (ch == '~')
        return '%';
    return ch;
}

}  // namespace

void WriteGlyphs(CAssetWriter& out, CFontRenderer& font)
{
    for (const GlyphSize& s : kSizes)
        for (int code = 32; code <= 126; ++code) {
            CCanvas canvas(s.imageW, s.imageH);
            char ch = Drawn(static_cast<char>(code));
            if (ch != ' ') {
                if (s.shadow)
                    font.DrawGlyph(canvas, 1, 1, s.cellW, s.cellH, s.pixelW, s.pixelH, ch, {0, 0, 0, 0.7f});
                if (s.outline)
                    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {1, 1}})
                        font.DrawGlyph(canvas, dx, dy, s.cellW, s.cellH, s.pixelW, s.pixelH, ch, {0, 0, 0, 0.85f});
                font.DrawGlyph(canvas, 0, 0, s.cellW, s.cellH, s.pixelW, s.pixelH, ch, {1, 1, 1, 1});
            }
            char name[32];
            std::snprintf(name, sizeof name, "glyph_%c%03d.png", s.letter, code);
            out.Png(name, canvas);
        }
}

}  // namespace assetgen
