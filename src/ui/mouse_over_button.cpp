// CMouseOverButton: construction from its row, hover, press and release.
#include "ui/mouse_over_button.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/button_face.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CMouseOverButton::CMouseOverButton(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour);
    PointSpriteRecord(glyphRecord, &mGlyphX, &mGlyphY, &colour);

    const MouseOverButtonRecord* row = gGameDatabase.GetMouseOverButton(id);
    if (!row) {
        ReportMissingControlRow("mouse-over button", id);
        return;
    }
    mouseOverButtonId = row->mouse_over_button_id;
    LoadButtonRow(*this, *row);
    overColour = row->over_color_mod;
    overSoundId = row->over_sound_id;
    glyphAdvance = GlyphCellWidth(textSize);
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
    DrawButtonFace(*this, shown, x, y, &mGlyphX, &mGlyphY);
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
