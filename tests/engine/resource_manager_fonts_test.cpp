// Sprite fonts: the three glyph maps and their lookup.
#include "support/resource_fixture.h"

namespace {

class ResourceFonts : public ResourceFixture {
protected:
    void SetUp() override
    {
        ResourceFixture::SetUp();
        Content(
            "INSERT INTO font VALUES ('small', 'A', 100), ('medium', 'A', 200), ('large', 'A', 300),"
            " ('large', 'A', 301), ('small', 'Bx', 101);");
        rm->mFontsLoaded = 0;
        rm->mSmallGlyphs.clear();
        rm->mMediumGlyphs.clear();
        rm->mLargeGlyphs.clear();
    }
};

TEST_F(ResourceFonts, GlyphIsLoadedOnFirstLookupAndSizesPickTheirMaps)
{
    EXPECT_EQ(rm->GetGlyph('A', 0), 100);
    EXPECT_EQ(rm->mFontsLoaded, 1);
    EXPECT_EQ(rm->GetGlyph('A', 1), 200);
    // The first sprite of a character wins; any size other than 0 and 1 is large.
    EXPECT_EQ(rm->GetGlyph('A', 2), 300);
    EXPECT_EQ(rm->GetGlyph('A', 7), 300);
    // Only the first character of the row's text counts.
    EXPECT_EQ(rm->GetGlyph('B', 0), 101);
}

TEST_F(ResourceFonts, MissingCharacterGivesZeroAndIsFiled)
{
    EXPECT_EQ(rm->GetGlyph('Q', 1), 0);
    ASSERT_EQ(rm->mMediumGlyphs.count('Q'), 1u);
    EXPECT_EQ(rm->mMediumGlyphs.at('Q'), 0);
    EXPECT_EQ(rm->mSmallGlyphs.count('Q'), 0u);
}

}  // namespace
