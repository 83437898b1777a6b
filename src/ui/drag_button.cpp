// CDragButton: construction from its row, dragging and drawing.
#include "ui/drag_button.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"
#include "ui/cursor.h"
#include "ui/screen.h"

namespace {
constexpr uint32_t kDraggedAlphaMask = 0xA0FFFFFFu;
}  // namespace

CDragButton::CDragButton(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour);

    const DragButtonRecord* row = gGameDatabase.GetDragButton(id);
    if (!row) {
        ReportMissingControlRow("drag button", id);
        return;
    }
    spriteId = row->sprite_id;
    snapSet = row->snap_set;
    dragButtonId = row->drag_button_id;
    screenId = row->screen_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    downSoundId = row->down_sound_id;
    upSoundId = row->up_sound_id;
    snapSoundId = row->snap_sound_id;
    colour = row->color_mod;
    spriteRecord.spriteId = spriteId;
    GetSpriteExtent(spriteId, &width, &height);
    downSound = SoundRequest{downSoundId, &gZeroVector};
    upSound = SoundRequest{upSoundId, &gZeroVector};
    snapSound = SoundRequest{snapSoundId, &gZeroVector};
}

void CDragButton::Draw()
{
    if (!visible)
        return;
    if (!dragging) {
        gResourceManager->DrawSpriteTransformed(spriteRecord);
        return;
    }
    int restX = x;
    int restY = y;
    int cursorX = 0;
    int cursorY = 0;
    gCursor.GetPosition(&cursorX, &cursorY);
    colour &= kDraggedAlphaMask;
    x = cursorX - width / 2;
    y = cursorY - width / 2;
    gResourceManager->DrawSpriteTransformed(spriteRecord);
    x = restX;
    y = restY;
    colour |= 0xFF000000u;
}

bool CDragButton::HitTest(int px, int py) const
{
    return x < px && px < x + width && y < py && py < y + height;
}

bool CDragButton::OnMouseDown(int px, int py)
{
    if (!HitTest(px, py))
        return false;
    gResourceManager->PlaySoundAt(downSound);
    dragging = 1;
    return true;
}

bool CDragButton::OnMouseUp(int, int)
{
    const bool dropped = dragging && visible;
    dragging = 0;
    // The drop handler may delete this button (the screen seats its drag buttons again).
    if (dropped && gCurrentScreen)
        gCurrentScreen->DropOnSnap(controlId);
    return false;
}

void CDragButton::SetSprite(int newSpriteId)
{
    spriteId = newSpriteId;
    spriteRecord.spriteId = newSpriteId;
}
