// CMovieControl: construction from its row and the ping-pong animation.
#include "ui/movie_control.h"

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_util.h"

namespace {
constexpr int kFramePeriodMs = 99;
}  // namespace

CMovieControl::CMovieControl(int id)
{
    controlId = id;
    frameRecord.x = &x;
    frameRecord.y = &y;
    frameRecord.frame = &frame;
    frameRecord.cellSize = &frameSize;
    frameRecord.colour = &colour;
    frameRecord.cellsPerRow = &grid;
    frameRecord.xScale = &xScale;
    frameRecord.yScale = &yScale;

    const MovieControlRecord* row = gGameDatabase.GetMovieControl(id);
    if (!row) {
        ReportMissingControlRow("movie control", id);
        return;
    }
    spriteId = row->sprite_id;
    movieControlId = row->movie_control_id;
    colour = row->color_mod;
    screenId = row->screen_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    frameSize = row->frame_size;
    grid = row->grid;
    frameRecord.spriteId = spriteId;
}

void CMovieControl::Draw()
{
    if (visible != 1)
        return;
    timerMs += static_cast<int>(gFrameTimeMs);
    if (timerMs > kFramePeriodMs) {
        timerMs = 0;
        if (rising) {
            ++frame;
            // Counted wide: a row's grid may be any number.
            if (frame >= static_cast<int64_t>(grid) * grid - 1)
                rising = 0;
        } else {
            --frame;
            if (frame < 1)
                rising = 1;
        }
    }
    gResourceManager->DrawSpriteFrame(frameRecord);
}
