// CMouseOverButton: a button that also knows whether the cursor is over it.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/sound_globals.h"

class CMouseOverButton {
public:
    // Built from the mouse-over button row of the control id; a missing row leaves it hidden.
    explicit CMouseOverButton(int controlId);
    CMouseOverButton(const CMouseOverButton&) = delete;
    CMouseOverButton& operator=(const CMouseOverButton&) = delete;

    // Down colour while pressed, else over colour while hovered, else the plain colour.
    void Draw();
    // Only while visible: a press inside goes down (down sound when set), true.
    bool OnMouseDown(int px, int py);
    // Hidden: false. Every visible release brings it up; true for a release inside while down.
    bool OnMouseUp(int px, int py);
    // Whether visible or not: inside sets hover (over sound when set) and gives true.
    bool OnMouseMove(int px, int py);
    // Open box: the edges themselves are outside.
    bool HitTest(int px, int py) const;

    int spriteId = 0;
    int mouseOverButtonId = 0;
    uint8_t state = 1;  // 1 up, 0 down
    uint8_t hover = 0;
    uint32_t colour = 0;
    uint32_t downColour = 0;
    uint32_t overColour = 0;
    SpriteDrawRecord spriteRecord;
    SpriteDrawRecord glyphRecord;
    char text[52] = {};
    int textSize = 0;
    int height = 0;
    int width = 0;
    int glyphAdvance = 0;
    int glyphHeight = 0;
    int screenId = 0;
    int controlId = 0;
    int x = 0;
    int y = 0;
    uint8_t visible = 0;
    int downSoundId = 0;
    int upSoundId = 0;
    int overSoundId = 0;
    SoundRequest downSound;
    SoundRequest upSound;
    SoundRequest overSound;

private:
    int mGlyphX = 0;
    int mGlyphY = 0;
};
