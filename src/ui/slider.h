// CSlider: a meter with a knob; a press on the meter sets the value under the cursor.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/sound_globals.h"

class CSlider {
public:
    // Built from the slider row of the control id; a missing row ends the game and leaves the
    // slider hidden. A maximum of 0 reads as 1.
    explicit CSlider(int controlId);
    CSlider(const CSlider&) = delete;
    CSlider& operator=(const CSlider&) = delete;

    // Meter, knob, then the caption right of the meter.
    void Draw();
    // A press in the meter's closed box: the knob moves there and the value follows, true.
    bool OnMouseDown(int px, int py);
    // Takes v, at most the maximum (there is no lower bound), and places the knob for it.
    void SetValue(int v);
    int GetValue() const { return value; }

    int knobSpriteId = 0;
    SpriteDrawRecord knobRecord;
    int meterSpriteId = 0;
    SpriteDrawRecord meterRecord;
    SpriteDrawRecord glyphRecord;
    char text[52] = {};
    int textSize = 0;
    int glyphAdvance = 0;
    int glyphHeight = 0;
    uint8_t horizontal = 0;  // kept from the row; every slider works horizontally
    int knobHeight = 0;
    int knobWidth = 0;
    int meterHeight = 0;
    int meterWidth = 0;
    int controlId = 0;
    int screenId = 0;
    int value = 0;
    int maximum = 1;
    int x = 0;
    int y = 0;
    int knobX = 0;
    int knobY = 0;
    uint32_t colour = 0;
    uint8_t visible = 0;
    int soundId = 0;
    SoundRequest sound;

private:
    void PlaceKnob();

    int mGlyphX = 0;
    int mGlyphY = 0;
};
