// CMovieControl: a sprite sheet played back and forth, one cell per 100 ms.
#pragma once

#include <cstdint>

#include "core/draw_records.h"

class CMovieControl {
public:
    // Built from the movie control row of the control id; a missing row leaves it hidden.
    explicit CMovieControl(int controlId);
    CMovieControl(const CMovieControl&) = delete;
    CMovieControl& operator=(const CMovieControl&) = delete;

    // Steps the animation and draws the current cell; only while visible is exactly 1.
    void Draw();

    int spriteId = 0;
    int movieControlId = 0;
    uint32_t colour = 0;
    SpriteFrameRecord frameRecord;
    float yScale = 1.0f;
    float xScale = 1.0f;
    int screenId = 0;
    int controlId = 0;
    int x = 0;
    int y = 0;
    int frame = 0;
    int frameSize = 0;
    int grid = 0;
    int timerMs = 0;
    uint8_t rising = 1;
    uint8_t visible = 0;
};
