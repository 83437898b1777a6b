// CButton: construction from its row, drawing and the press/release cycle.
#include "ui/button.h"

#include <cstring>

#include "core/graphics_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CButton::CButton(int id)
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

    const ButtonRecord* row = gGameDatabase.GetButton(id);
    if (!row) {
        ReportMissingControlRow("button", id);
        return;
    }
    spriteId = row->sprite_id;
    buttonId = row->button_id;
    colour = row->color_mod;
    downColour = row->down_color_mod;
    CopyControlText(text, sizeof text, row->button_text);
    textSize = row->text_size;
    screenId = row->screen_id;
    x = row->x_pos;
    y = row->y_pos;
    visible = row->visible ? 1 : 0;
    downSoundId = row->down_sound_id;
    upSoundId = row->up_sound_id;
    spriteRecord.spriteId = spriteId;
    GetSpriteExtent(spriteId, &width, &height);
    glyphAdvance = GlyphCellWidth(textSize) + 1;
    glyphHeight = GlyphCellHeight(textSize);
    downSound = SoundRequest{downSoundId, &gZeroVector};
    upSound = SoundRequest{upSoundId, &gZeroVector};
}

void CButton::Draw()
{
    if (!visible)
        return;
    uint32_t* shown = state ? &colour : &downColour;
    spriteRecord.colour = shown;
    glyphRecord.colour = shown;
    gResourceManager->DrawSpriteTransformed(spriteRecord);

    int length = static_cast<int>(std::strlen(text));
    int tx = x + width / 2 - (length * glyphAdvance) / 2;
    int ty = y + height / 2 - glyphHeight / 2;
    if (flippedX)
        tx -= width;
    if (flippedY)
        ty -= height;
    DrawGlyphRun(glyphRecord, &mGlyphX, &mGlyphY, tx, ty, text, length, textSize, glyphAdvance);
}

bool CButton::HitTest(int px, int py) const
{
    bool insideX = flippedX ? (x - width < px && px < x) : (x < px && px < x + width);
    return insideX && y < py && py < y + height;
}

bool CButton::OnMouseDown(int px, int py)
{
    if (!HitTest(px, py))
        return false;
    gResourceManager->PlaySoundAt(downSound);
    state = 0;
    return true;
}

bool CButton::OnMouseUp(int px, int py)
{
    bool wasDown = state == 0;
    state = 1;
    if (!wasDown || !HitTest(px, py))
        return false;
    gResourceManager->PlaySoundAt(upSound);
    return true;
}

void CButton::FlipHorizontal()
{
    spriteRecord.xScale = &gFlipScale;
    x += width;
    flippedX = 1;
}
