// CSpriteControl: one sprite at a screen position (panels, notices, the cursor).
#pragma once

#include <cstdint>

#include "core/draw_records.h"

class CSpriteControl {
public:
    // Built from the sprite control row of the control id; a missing row leaves it hidden.
    explicit CSpriteControl(int controlId);
    CSpriteControl(const CSpriteControl&) = delete;
    CSpriteControl& operator=(const CSpriteControl&) = delete;

    void Draw();
    void SetSprite(int newSpriteId);

    int spriteId = 0;
    int spriteControlId = 0;
    uint32_t colour = 0;
    SpriteDrawRecord spriteRecord;
    float yScale = 1.0f;
    float xScale = 1.0f;
    int screenId = 0;
    int controlId = 0;
    int x = 0;
    int y = 0;
    uint8_t visible = 0;
};
