// FreeType rasterising for glyph sprites and image captions.
#include "font_renderer.h"

#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace assetgen {

namespace {

void Stamp(CCanvas& canvas, const FT_Bitmap& bitmap, int left, int top, const Rgba& colour)
{
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned col = 0; col < bitmap.width; ++col) {
            float cover = static_cast<float>(bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col]) / 255.0f;
            if (cover > 0)
                canvas.Blend(left + static_cast<int>(col), top + static_cast<int>(row), colour, cover);
        }
}

}  // namespace

CFontRenderer::~CFontRenderer()
{
    if (face_)
        FT_Done_Face(face_);
    if (library_)
        FT_Done_FreeType(library_);
}

bool CFontRenderer::Open(const std::string& fontPath)
{
    if (FT_Init_FreeType(&library_) != 0) {
        std::fprintf(stderr, "assetgen: FreeType did not start\n");
        return false;
    }
    if (FT_New_Face(library_, fontPath.c_str(), 0, &face_) != 0) {
        std::fprintf(stderr, "assetgen: cannot open font %s\n", fontPath.c_str());
        return false;
    }
    return true;
}

void CFontRenderer::DrawGlyph(CCanvas& canvas, int x, int y, int cellW, int cellH, int pixelW, int pixelH, char ch,
                              const Rgba& colour)
{
    for (int w = pixelW; w > 2; --w) {
        FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(w), static_cast<FT_UInt>(pixelH));
        if (FT_Load_Char(face_, static_cast<unsigned char>(ch), FT_LOAD_RENDER) != 0)
            return;
        const FT_GlyphSlot g = face_->glyph;
        if (static_cast<int>(g->bitmap.width) > cellW && w > 3)
            continue;
        int ascent = static_cast<int>(face_->size->metrics.ascender >> 6);
        int descent = static_cast<int>(-face_->size->metrics.descender >> 6);
        int baseline = y + (cellH - (ascent + descent)) / 2 + ascent;
        int left = x + (cellW - static_cast<int>(g->bitmap.width)) / 2;
        Stamp(canvas, g->bitmap, left, baseline - g->bitmap_top, colour);
        return;
    }
}

int CFontRenderer::MeasureText(int pixelHeight, const std::string& text)
{
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelHeight));
    long width = 0;
    for (char ch : text)
        if (FT_Load_Char(face_, static_cast<unsigned char>(ch), FT_LOAD_DEFAULT) == 0)
            width += face_->glyph->advance.x;
    return static_cast<int>(width >> 6);
}

int CFontRenderer::DrawText(CCanvas& canvas, int x, int y, int pixelHeight, const std::string& text, const Rgba& colour)
{
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelHeight));
    int ascent = static_cast<int>(face_->size->metrics.ascender >> 6);
    long pen = static_cast<long>(x) << 6;
    for (char ch : text) {
        if (FT_Load_Char(face_, static_cast<unsigned char>(ch), FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot g = face_->glyph;
        Stamp(canvas, g->bitmap, static_cast<int>(pen >> 6) + g->bitmap_left, y + ascent - g->bitmap_top, colour);
        pen += g->advance.x;
    }
    return static_cast<int>((pen >> 6) - x);
}

}  // namespace assetgen
