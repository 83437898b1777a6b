// CCheckBox: construction from its row, drawing and toggling.
#include "ui/check_box.h"

#include <cstring>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CCheckBox::CCheckBox(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour);
    PointSpriteRecord(mGlyphRecord, &mGlyphX, &mGlyphY, &colour);

    const CheckBoxRecord* row = gGameDatabase.GetCheckBox(id);
    if (!row) {
        ReportMissingControlRow("checkbox", id);
        return;
    }
    spriteId = row->sprite_id;
    sound = SoundRequest{row->sound_id, &gZeroVector};
    checkedSpriteId = row->checked_sprite_id;
    checked = row->checked ? 1 : 0;
    x = row->x_pos;
    y = row->y_pos;
    colour = row->color_mod;
    CopyControlText(text, sizeof text, row->checkbox_text);
    textSize = row->text_size;
    screenId = row->screen_id;
    visible = row->visible ? 1 : 0;
    spriteRecord.spriteId = spriteId;
    GetSpriteExtent(spriteId, &width, &height);
    glyphAdvance = GlyphCellWidth(textSize);
    glyphHeight = GlyphCellHeight(textSize);
}

void CCheckBox::Draw()
{
    if (!visible)
        return;
    spriteRecord.spriteId = spriteId;
    gResourceManager->DrawSpriteTransformed(spriteRecord);
    if (checked) {
        spriteRecord.spriteId = checkedSpriteId;
        gResourceManager->DrawSpriteTransformed(spriteRecord);
        spriteRecord.spriteId = spriteId;
    }
    int tx = x + static_cast<int>(1.25f * static_cast<float>(width));
    int ty = y + height / 2 - glyphHeight / 2;
    DrawGlyphRun(mGlyphRecord, &mGlyphX, &mGlyphY, tx, ty, text, static_cast<int>(std::strlen(text)), textSize,
                 glyphAdvance);
}

bool CCheckBox::HitTest(int px, int py) const
{
    return x < px && px < x + width && y < py && py < y + height;
}

bool CCheckBox::OnMouseDown(int px, int py)
{
    if (!HitTest(px, py))
        return false;
    gResourceManager->PlaySoundAt(sound);
    checked = checked ? 0 : 1;
    return true;
}
