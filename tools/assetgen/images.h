// Every picture of raster/ except the glyphs: backdrops, textures, effect sprites, radar blips and interface art.
#pragma once

#include <cstdint>
#include <string>

#include "asset_writer.h"
#include "font_renderer.h"

namespace assetgen {

struct Palette {
    uint32_t top, bottom, cloudA, cloudB;
};

// A screen backdrop: space behind a framed console area and the screen's title.
CCanvas ScreenBackdrop(const Palette& p, uint32_t seed, CFontRenderer& font, const std::string& title);

void WriteSpaceImages(CAssetWriter& out, CFontRenderer& font);      // backdrops, planets, effects, blips
void WriteMeshTextures(CAssetWriter& out);                          // textures named by the x/ meshes
void WriteInterfaceImages(CAssetWriter& out, CFontRenderer& font);  // controls, icons, portraits
void WriteNetworkImages(CAssetWriter& out);                         // network and lobby panels
void WriteQuestImages(CAssetWriter& out);                           // mission screens
void WriteQuestScreenImages(CAssetWriter& out, CFontRenderer& font);  // galaxy map, mission log and board

}  // namespace assetgen
