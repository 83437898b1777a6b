// The three sprite-font sizes: one transparent image per printable ASCII character.
#pragma once

#include "asset_writer.h"
#include "font_renderer.h"

namespace assetgen {

// Writes raster/glyph_<s|m|l><code>.png for codes 32..126.
void WriteGlyphs(CAssetWriter& out, CFontRenderer& font);

}  // namespace assetgen
