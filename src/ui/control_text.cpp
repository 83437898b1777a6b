// Caption layout shared by the controls.
#include "ui/control_text.h"

#include <map>
#include <string>

#include "core/draw_records.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "platform/os/path.h"

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

// Image paths of the sprites whose row was found since the screen began loading: the size is
// asked for again as panels and help boxes move, and the rows do not change under a screen.
std::map<int, std::string> gSpritePaths;

}  // namespace

void ForgetSpriteRows()
{
    gSpritePaths.clear();
}

void GetSpriteExtent(int spriteId, int* width, int* height)
{
    // A control whose sprite has no row or no readable image would have no size: nothing to see
    // and nothing to click.
    auto known = gSpritePaths.find(spriteId);
    if (known == gSpritePaths.end()) {
        const ResourceFileRecord* row = gGameDatabase.GetSprite(spriteId);
        if (!row)
            os::PostFailureQuit("no sprite row for sprite %d", spriteId);
        else
            known = gSpritePaths.emplace(spriteId, row->path).first;
    }
    gfx::SurfaceDesc desc = gResourceManager->GetSpriteSize(spriteId);
    if (known != gSpritePaths.end() && (desc.width == 0 || desc.height == 0))
        os::PostFailureQuit("the image %s of sprite %d cannot be read, and a control drawn with it could not be clicked",
                            os::NativePath(known->second).c_str(), spriteId);
    *width = static_cast<int>(desc.width);
    *height = static_cast<int>(desc.height);
}
