// CTextControl: a line of sprite-font text, shown whole or typed out a few characters at a time.
#pragma once

#include <cstdint>

#include "core/draw_records.h"

class CTextControl {
public:
    static constexpr int kMaxText = 119;

    // Built from the text row of the control id; a missing row ends the game and leaves the
    // control hidden.
    explicit CTextControl(int controlId);
    CTextControl(const CTextControl&) = delete;
    CTextControl& operator=(const CTextControl&) = delete;

    // While typing out, five more characters show every time 10 ms or more have gathered.
    void Draw();
    // Shows the text at once at the control's own place (null or empty clears it).
    void SetText(const char* newText);
    void SetTextAt(int newX, int newY, const char* newText);
    // Types the text out from its first character.
    void RevealTextAt(int newX, int newY, const char* newText);

    int textId = 0;
    int textSize = 0;
    int revealCount = 0;  // 0 shows the whole text
    int revealTimerMs = 0;
    int x = 0;
    int y = 0;
    int glyphAdvance = 0;
    int glyphHeight = 0;
    uint32_t colour = 0;
    SpriteDrawRecord glyphRecord;
    int controlId = 0;
    char text[kMaxText + 1] = {};
    uint8_t visible = 0;

private:
    void StoreText(const char* newText);

    int mGlyphX = 0;
    int mGlyphY = 0;
};
