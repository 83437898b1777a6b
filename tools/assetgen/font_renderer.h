// Text drawn with FreeType into the generator's pictures (glyph sprites and captions on images).
#pragma once

#include <string>

#include "canvas.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace assetgen {

class CFontRenderer {
public:
    CFontRenderer() = default;
    ~CFontRenderer();
    CFontRenderer(const CFontRenderer&) = delete;
    CFontRenderer& operator=(const CFontRenderer&) = delete;

    // False (with one line on stderr) when FreeType or the face cannot be opened.
    bool Open(const std::string& fontPath);

    // Draws one character so that it fits the cell (cellW x cellH) at (x, y), centred across, baseline
    // placed so ascent and descent fit. pixelW/pixelH are the nominal sizes; a glyph wider than the cell
    // is drawn narrower.
    void DrawGlyph(CCanvas& canvas, int x, int y, int cellW, int cellH, int pixelW, int pixelH, char ch,
                   const Rgba& colour);

    // Draws a line of text with its top-left at (x, y) and the given pixel height; returns its width.
    int DrawText(CCanvas& canvas, int x, int y, int pixelHeight, const std::string& text, const Rgba& colour);
    int MeasureText(int pixelHeight, const std::string& text);

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

}  // namespace assetgen
