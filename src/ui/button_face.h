// What CButton and CMouseOverButton share: the fields they take from their rows alike, and their
// face, a sprite with its caption centred on it.
#pragma once

#include <cstring>

#include "core/vec3.h"
#include "engine/resource_manager.h"
#include "ui/control_text.h"
#include "ui/control_util.h"

template <class Button, class Row>
void LoadButtonRow(Button& button, const Row& row)
{
    button.spriteId = row.sprite_id;
    button.colour = row.color_mod;
    button.downColour = row.down_color_mod;
    CopyControlText(button.text, sizeof button.text, row.button_text);
    button.textSize = row.text_size;
    button.screenId = row.screen_id;
    button.x = row.x_pos;
    button.y = row.y_pos;
    button.visible = row.visible ? 1 : 0;
    button.downSoundId = row.down_sound_id;
    button.upSoundId = row.up_sound_id;
    button.spriteRecord.spriteId = button.spriteId;
    GetSpriteExtent(button.spriteId, &button.width, &button.height);
    button.glyphHeight = GlyphCellHeight(button.textSize);
    button.downSound = SoundRequest{button.downSoundId, &gZeroVector};
    button.upSound = SoundRequest{button.upSoundId, &gZeroVector};
}

// The sprite in that colour with its top-left at (left, top), and the caption centred on it
// through the pen the glyph record points at.
template <class Button>
void DrawButtonFace(Button& button, const uint32_t* colour, int left, int top, int* penX, int* penY)
{
    button.spriteRecord.colour = colour;
    button.glyphRecord.colour = colour;
    gResourceManager->DrawSpriteTransformed(button.spriteRecord);

    int length = static_cast<int>(std::strlen(button.text));
    int tx = left + button.width / 2 - (length * button.glyphAdvance) / 2;
    int ty = top + button.height / 2 - button.glyphHeight / 2;
    DrawGlyphRun(button.glyphRecord, penX, penY, tx, ty, button.text, length, button.textSize, button.glyphAdvance);
}
