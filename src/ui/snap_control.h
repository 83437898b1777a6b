// CSnapControl: a slot that a drag button of the same snap set can be dropped onto.
#pragma once

#include <cstdint>

#include "core/draw_records.h"

class CDragButton;

class CSnapControl {
public:
    // Built from the snap control row of the control id; a missing row leaves it hidden.
    explicit CSnapControl(int controlId);
    CSnapControl(const CSnapControl&) = delete;
    CSnapControl& operator=(const CSnapControl&) = delete;

    // Hidden under a drag button resting on it; shown again while that button is dragged away.
    void Draw();
    // The drag button moves onto this slot and stops dragging; the slot holds it (not owned).
    void Attach(CDragButton* button);
    // Closed box widened by margin / 2 on every side.
    bool HitTest(int px, int py, int margin) const;
    // Forgets the drag button resting here.
    void Unbind();

    int spriteId = 0;
    int snapSet = 0;
    int snapControlId = 0;
    uint8_t bound = 0;
    int height = 0;
    int width = 0;
    int screenId = 0;
    int controlId = 0;
    int x = 0;
    int y = 0;
    uint8_t visible = 0;
    int alpha = 255;
    uint32_t colour = 0;
    CDragButton* dragButton = nullptr;
    SpriteDrawRecord spriteRecord;
};
