// Caption layout shared by the controls.
#include "ui/control_text.h"

#include <set>

#include "core/draw_records.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"

int GlyphCellWidth(int textSize)
{
    switch (textSize) {
    case 0:
        return 8;
    case 1:
        return 10;
    default:
        return 26;
    }
}

int GlyphCellHeight(int textSize)
{
    switch (textSize) {
    case 0:
        return 10;
    case 1:
        return 16;
    default:
        return 32;
    }
}

void DrawGlyphRun(SpriteDrawRecord& glyph, int* penX, int* penY, int x, int y, const char* text, int count,
                  int textSize, int advance)
{
    *penY = y;
    for (int i = 0; i < count && text[i] != '\0'; ++i) {
        *penX = x + i * advance;
        if (text[i] == ' ')
            continue;
        glyph.spriteId = gResourceManager->GetGlyph(text[i], textSize);
        gResourceManager->DrawSpriteTransformed(glyph);
    }
}

namespace {

// Sprites whose row was found since the screen began loading: the size is asked for again as
// panels and help boxes move, and the rows do not change under a screen.
std::set<int> gSpritesWithRows;

}  // namespace

void ForgetSpriteRows()
{
    gSpritesWithRows.clear();
}

void GetSpriteExtent(int spriteId, int* width, int* height)
{
    // A control whose sprite has no row would have no size: nothing to see and nothing to click.
    if (!gSpritesWithRows.count(spriteId)) {
        if (!gGameDatabase.GetSprite(spriteId))
            os::PostFailureQuit("no sprite row for sprite %d", spriteId);
        else
            gSpritesWithRows.insert(spriteId);
    }
    gfx::SurfaceDesc desc = gResourceManager->GetSpriteSize(spriteId);
    *width = static_cast<int>(desc.width);
    *height = static_cast<int>(desc.height);
}
