// CButton: construction from its row, drawing and the press/release cycle.
#include "ui/button.h"

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/button_face.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CButton::CButton(int id)
{
    controlId = id;
    PointSpriteRecord(spriteRecord, &x, &y, &colour);
    PointSpriteRecord(glyphRecord, &mGlyphX, &mGlyphY, &colour);

    const ButtonRecord* row = gGameDatabase.GetButton(id);
    if (!row) {
        ReportMissingControlRow("button", id);
        return;
    }
    buttonId = row->button_id;
    LoadButtonRow(*this, *row);
    glyphAdvance = GlyphCellWidth(textSize) + 1;
}

void CButton::Draw()
{
    if (!visible)
        return;
    // A mirrored button's box lies left of x (and above y).
    DrawButtonFace(*this, state ? &colour : &downColour, flippedX ? x - width : x, flippedY ? y - height : y, &mGlyphX,
                   &mGlyphY);
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
