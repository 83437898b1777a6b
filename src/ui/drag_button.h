// CDragButton: an icon that follows the cursor while dragged and rests on a snap control.
#pragma once

#include <cstdint>

#include "core/draw_records.h"
#include "core/sound_globals.h"

class CDragButton {
public:
    // Built from the drag button row of the control id; a missing row leaves it hidden.
    explicit CDragButton(int controlId);
    CDragButton(const CDragButton&) = delete;
    CDragButton& operator=(const CDragButton&) = delete;

    // At its place, or translucent under the cursor while dragged.
    void Draw();
    // A press inside: the down sound, dragging starts, true.
    bool OnMouseDown(int px, int py);
    // Ends the drag; a visible drag is offered to the current screen's snap controls. Always
    // false, so a release is never reported as this button's.
    bool OnMouseUp(int px, int py);
    void SetSprite(int newSpriteId);
    // Open box: the edges themselves are outside.
    bool HitTest(int px, int py) const;

    int spriteId = 0;
    int snapSet = 0;
    int dragButtonId = 0;
    uint8_t dragging = 0;
    int height = 0;
    int width = 0;
    int screenId = 0;
    int controlId = 0;
    int x = 0;
    int y = 0;
    uint8_t visible = 0;
    int downSoundId = 0;
    int upSoundId = 0;
    int snapSoundId = 0;
    int alpha = 255;
    uint32_t colour = 0;
    SpriteDrawRecord spriteRecord;
    SoundRequest downSound;
    SoundRequest upSound;
    SoundRequest snapSound;
};
