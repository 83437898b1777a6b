// CSpriteControl: construction from its row and drawing.
#include "ui/sprite_control.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_util.h"

CSpriteControl::CSpriteControl(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour, &xScale, &yScale);

    const SpriteControlRecord* row = gGameDatabase.GetSpriteControl(id);
    if (!row) {
        ReportMissingControlRow("sprite control", id);
        return;
    }
    spriteId = row->sprite_id;
    spriteControlId = row->sprite_control_id;
    colour = row->color_mod;
    screenId = row->screen_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    spriteRecord.spriteId = spriteId;
}

void CSpriteControl::Draw()
{
    if (visible)
        gResourceManager->DrawSpriteTransformed(spriteRecord);
}

void CSpriteControl::SetSprite(int newSpriteId)
{
    spriteId = newSpriteId;
    spriteRecord.spriteId = newSpriteId;
}
