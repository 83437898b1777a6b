// CCheckBox: a box that toggles its checked mark when pressed, with a caption to its right.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/sound_globals.h"

class CCheckBox {
public:
    // Built from the checkbox row of the control id; a missing row leaves it hidden.
    explicit CCheckBox(int controlId);
    CCheckBox(const CCheckBox&) = delete;
    CCheckBox& operator=(const CCheckBox&) = delete;

    // The box, the checked mark over it when checked, then the caption.
    void Draw();
    // A press inside: its sound, checked toggles, true.
    bool OnMouseDown(int px, int py);
    // Open box: the edges themselves are outside.
    bool HitTest(int px, int py) const;

    int spriteId = 0;
    SpriteDrawRecord spriteRecord;
    SoundRequest sound;
    int checkedSpriteId = 0;
    int height = 0;
    int width = 0;
    uint8_t checked = 0;
    int x = 0;
    int y = 0;
    int glyphAdvance = 0;
    int glyphHeight = 0;
    uint32_t colour = 0;
    char text[52] = {};
    int textSize = 0;
    int screenId = 0;
    int controlId = 0;
    uint8_t visible = 0;

private:
    SpriteDrawRecord mGlyphRecord;
    int mGlyphX = 0;
    int mGlyphY = 0;
};
