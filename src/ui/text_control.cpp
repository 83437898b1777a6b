// CTextControl: construction from its row, setting and typing out text, drawing.
#include "ui/text_control.h"

#include <cstring>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

namespace {
constexpr int kRevealStep = 5;
constexpr int kRevealPeriodMs = 9;
}  // namespace

CTextControl::CTextControl(int id)
{
    controlId = id;
    PointSpriteRecord(glyphRecord, &mGlyphX, &mGlyphY, &colour);

    const TextControlRecord* row = gGameDatabase.GetTextControl(id);
    if (!row) {
        ReportMissingControlRow("text", id);
        return;
    }
    textId = row->text_id;
    textSize = row->text_size;
    x = row->x_pos;
    y = row->y_pos;
    colour = row->color_mod;
    StoreText(row->text);
    visible = row->visible ? 1 : 0;
    glyphAdvance = GlyphCellWidth(textSize);
    glyphHeight = GlyphCellHeight(textSize);
}

void CTextControl::StoreText(const char* newText)
{
    CopyControlText(text, sizeof text, newText);
}

void CTextControl::SetText(const char* newText)
{
    SetTextAt(x, y, newText);
}

void CTextControl::SetTextAt(int newX, int newY, const char* newText)
{
    StoreText(newText);
    x = newX;
    y = newY;
    revealCount = 0;
    revealTimerMs = 0;
}

void CTextControl::RevealTextAt(int newX, int newY, const char* newText)
{
    StoreText(newText);
    x = newX;
    y = newY;
    revealCount = 1;
    revealTimerMs = 0;
}

void CTextControl::Draw()
{
    if (!visible)
        return;
    if (revealCount > 0) {
        revealTimerMs += static_cast<int>(gFrameTimeMs);
        if (revealTimerMs > kRevealPeriodMs) {
            revealTimerMs = 0;
            revealCount += kRevealStep;
        }
    }
    // The fonts have no apostrophe; the caret's glyph is drawn as one.
    for (char* c = text; *c != '\0'; ++c) {
        if (*c == '\'')
            *c = '^';
    }
    int length = static_cast<int>(std::strlen(text));
    int shown = (revealCount > 0 && revealCount < length) ? revealCount : length;
    DrawGlyphRun(glyphRecord, &mGlyphX, &mGlyphY, x, y, text, shown, textSize, glyphAdvance);
}
