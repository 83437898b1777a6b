// CSnapControl: construction from its row, drawing and holding a drag button.
#include "ui/snap_control.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"
#include "ui/drag_button.h"

CSnapControl::CSnapControl(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour);

    const SnapControlRecord* row = gGameDatabase.GetSnapControl(id);
    if (!row) {
        ReportMissingControlRow("snap control", id);
        return;
    }
    spriteId = row->sprite_id;
    snapSet = row->snap_set;
    snapControlId = row->snap_control_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    screenId = row->screen_id;
    colour = row->color_mod;
    spriteRecord.spriteId = spriteId;
    GetSpriteExtent(spriteId, &width, &height);
}

void CSnapControl::Draw()
{
    if (!visible)
        return;
    if (bound && dragButton && !dragButton->dragging)
        return;
    gResourceManager->DrawSpriteTransformed(spriteRecord);
}

void CSnapControl::Attach(CDragButton* button)
{
    button->x = x;
    button->y = y;
    button->dragging = 0;
    dragButton = button;
    bound = 1;
}

void CSnapControl::Unbind()
{
    bound = 0;
    dragButton = nullptr;
}

bool CSnapControl::HitTest(int px, int py, int margin) const
{
    int m = margin / 2;
    return x - m <= px && px <= x + width + m && y - m <= py && py <= y + height + m;
}
