// CSlider: construction from its row, drawing and setting the value.
#include "ui/slider.h"

#include <algorithm>
#include <cstring>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

CSlider::CSlider(int id)
{
    controlId = id;
    PointSpriteRecord(knobRecord, &knobX, &knobY, &colour);
    PointSpriteRecord(meterRecord, &x, &y, &colour);
    PointSpriteRecord(glyphRecord, &mGlyphX, &mGlyphY, &colour);

    const SliderRecord* row = gGameDatabase.GetSlider(id);
    if (!row) {
        ReportMissingControlRow("slider", id);
        return;
    }
    knobSpriteId = row->slider_sprite_id;
    meterSpriteId = row->meter_sprite_id;
    CopyControlText(text, sizeof text, row->slider_text);
    textSize = row->text_size;
    horizontal = row->horizontal ? 1 : 0;
    screenId = row->screen_id;
    value = row->current_meter_number;
    maximum = row->max_meter_number == 0 ? 1 : row->max_meter_number;
    x = row->x_pos;
    y = row->y_pos;
    colour = row->color_mod;
    visible = row->visible ? 1 : 0;
    soundId = row->sound_id;
    sound = SoundRequest{soundId, &gZeroVector};
    knobRecord.spriteId = knobSpriteId;
    meterRecord.spriteId = meterSpriteId;
    GetSpriteExtent(knobSpriteId, &knobWidth, &knobHeight);
    GetSpriteExtent(meterSpriteId, &meterWidth, &meterHeight);
    glyphAdvance = GlyphCellWidth(textSize);
    glyphHeight = GlyphCellHeight(textSize);
    PlaceKnob();
}

void CSlider::PlaceKnob()
{
    knobX = x + (meterWidth * value) / maximum - knobWidth / 2;
    knobY = y + meterHeight / 2 - knobHeight / 2;
}

void CSlider::Draw()
{
    if (!visible)
        return;
    gResourceManager->DrawSpriteTransformed(meterRecord);
    gResourceManager->DrawSpriteTransformed(knobRecord);
    DrawGlyphRun(glyphRecord, &mGlyphX, &mGlyphY, x + 2 + meterWidth, knobY, text, static_cast<int>(std::strlen(text)),
                 textSize, glyphAdvance);
}

bool CSlider::OnMouseDown(int px, int py)
{
    if (px < x || px > x + meterWidth || py < y || py > y + meterHeight)
        return false;
    knobX = px;
    float width = meterWidth == 0 ? 1.0f : static_cast<float>(meterWidth);
    value = static_cast<int>(static_cast<float>(maximum) * (static_cast<float>(px - x) / width));
    gResourceManager->PlaySoundAt(sound);
    return true;
}

void CSlider::SetValue(int v)
{
    // A stored value off either end would put the knob off the meter and be saved back so.
    value = std::clamp(v, 0, maximum);
    PlaceKnob();
}
