// CButton: a sprite with a centred caption that reports a press and release on itself.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/sound_globals.h"

class CButton {
public:
    // Built from the button row of the control id; a missing row leaves it hidden.
    explicit CButton(int controlId);
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Sprite and caption in the up or down colour; nothing while hidden.
    void Draw();
    // A press inside: the down sound, the button goes down, true.
    bool OnMouseDown(int px, int py);
    // Every release brings the button up; true only for a release inside while it was down.
    bool OnMouseUp(int px, int py);
    // Mirrors the sprite in place: the image flips about its own left edge and x moves right by
    // the width, so the button stays where it was.
    void FlipHorizontal();
    // Open box: the edges themselves are outside.
    bool HitTest(int px, int py) const;

    int spriteId = 0;
    int buttonId = 0;
    uint8_t state = 1;  // 1 up, 0 down
    uint32_t colour = 0;
    uint32_t downColour = 0;
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
    uint8_t flippedX = 0;
    uint8_t flippedY = 0;
    SoundRequest downSound;
    SoundRequest upSound;

private:
    int mGlyphX = 0;
    int mGlyphY = 0;
};
