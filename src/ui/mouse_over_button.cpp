// CMouseOverButton: construction from its row, hover, press and release.
#include "ui/mouse_over_button.h"

#include <cstring>

#include "core/graphics_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CMouseOverButton::CMouseOverButton(int id)
{
    controlId = id;
    spriteRecord.x = &x;
    spriteRecord.y = &y;
    spriteRecord.colour = &colour;
    spriteRecord.xScale = &gUnitScale;
    spriteRecord.yScale = &gUnitScale;
    glyphRecord.x = &mGlyphX;
    glyphRecord.y = &mGlyphY;
    glyphRecord.colour = &colour;
    glyphRecord.xScale = &gUnitScale;
    glyphRecord.yScale = &gUnitScale;

    const MouseOverButtonRecord* row = gGameDatabase.GetMouseOverButton(id);
    if (!row) {
        ReportMissingControlRow("mouse-over button", id);
        return;
    }
    spriteId = row->sprite_id;
    mouseOverButtonId = row->mouse_over_button_id;
    colour = row->color_mod;
    downColour = row->down_color_mod;
    overColour = row->over_color_mod;
    CopyControlText(text, sizeof text, row->button_text);
    textSize = row->text_size;
    screenId = row->screen_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    downSoundId = row->down_sound_id;
    upSoundId = row->up_sound_id;
    overSoundId = row->over_sound_id;
    spriteRecord.spriteId = spriteId;
    GetSpriteExtent(spriteId, &width, &height);
    glyphAdvance = GlyphCellWidth(textSize);
    glyphHeight = GlyphCellHeight(textSize);
    downSound = SoundRequest{downSoundId, &gZeroVector};
    upSound = SoundRequest{upSoundId, &gZeroVector};
    overSound = SoundRequest{overSoundId, &gZeroVector};
}

void CMouseOverButton::Draw()
{
    if (!visible)
        return;
    uint32_t* shown = &colour;
    if (state == 0)
        shown = &downColour;
    else if (hover)
        shown = &overColour;
    spriteRecord.colour = shown;
    glyphRecord.colour = shown;
    gResourceManager->DrawSpriteTransformed(spriteRecord);

    int length = static_cast<int>(std::strlen(text));
    int tx = x + width / 2 - (length * glyphAdvance) / 2;
    int ty = y + height / 2 - glyphHeight / 2;
    DrawGlyphRun(glyphRecord, &mGlyphX, &mGlyphY, tx, ty, text, length, textSize, glyphAdvance);
}

bool CMouseOverButton::HitTest(int px, int py) const
{
    return x < px && px < x + width && y < py && py < y + height;
}

bool CMouseOverButton::OnMouseDown(int px, int py)
{
    if (!visible || !HitTest(px, py))
        return false;
    if (downSoundId != 0)
        gResourceManager->PlaySoundAt(downSound);
    state = 0;
    return true;
}

bool CMouseOverButton::OnMouseUp(int px, int py)
{
    if (!visible)
        return false;
    bool wasDown = state == 0;
    state = 1;
    if (!wasDown || !HitTest(px, py))
        return false;
    if (upSoundId != 0)
        gResourceManager->PlaySoundAt(upSound);
    return true;
}

bool CMouseOverButton::OnMouseMove(int px, int py)
{
    if (!HitTest(px, py)) {
        hover = 0;
        return false;
    }
    if (overSoundId != 0)
        gResourceManager->PlaySoundAt(overSound);
    hover = 1;
    return true;
}
