// Laying out control captions glyph by glyph in the three sprite-font sizes, and the sprite
// sizes that give controls their hit boxes.
#pragma once

#include <cstdint>

struct SpriteDrawRecord;

// Glyph cell of a text size: small (0) 8 x 10, medium (1) 10 x 16, anything else large 26 x 32.
int GlyphCellWidth(int textSize);
int GlyphCellHeight(int textSize);

// Draws count characters of text from (x, y), one cell advance apart, through the glyph
// record, whose x and y must point at *penX and *penY. A space only advances; every other
// character draws its glyph of the text size.
void DrawGlyphRun(SpriteDrawRecord& glyph, int* penX, int* penY, int x, int y, const char* text, int count,
                  int textSize, int advance);

// Width and height of a sprite's image; both 0 when it has no image. A sprite without a row
// ends the game; the row is looked up once per screen load.
void GetSpriteExtent(int spriteId, int* width, int* height);
// Called as a screen begins loading its controls: the sprite rows are looked up afresh.
void ForgetSpriteRows();
