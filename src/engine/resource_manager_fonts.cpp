// Sprite fonts: which sprite draws each character in the three font sizes.
#include "engine/resource_manager.h"

#include "db/game_database.h"
#include "platform/os/message_queue.h"

void CResourceManager::LoadFonts()
{
    const char* sizes[] = {"small", "medium", "large"};
    std::map<char, int>* maps[] = {&mSmallGlyphs, &mMediumGlyphs, &mLargeGlyphs};
    for (int i = 0; i < 3; ++i) {
        RowList<FontGlyphRow> rows;
        gGameDatabase.GetFontGlyphs(rows, sizes[i]);
        // A character listed twice keeps its first sprite.
        for (const FontGlyphRow* row : rows)
            maps[i]->emplace(row->font_char, row->sprite_id);
    }
    mFontsLoaded = 1;
}

int CResourceManager::GetGlyph(char character, int size)
{
    if (!mFontsLoaded)
        LoadFonts();
    std::map<char, int>& glyphs = size == kGlyphSmall    ? mSmallGlyphs
                                  : size == kGlyphMedium ? mMediumGlyphs
                                                         : mLargeGlyphs;
    // Without a row of the size every caption drawn in it would be blank; the character filed
    // below keeps this to one line.
    if (glyphs.empty())
        os::PostFailureQuit("no font rows of size %s", size == kGlyphSmall    ? "small"
                                                       : size == kGlyphMedium ? "medium"
                                                                              : "large");
    // A missing character is filed as 0, so it draws nothing now and later.
    return glyphs.emplace(character, 0).first->second;
}
