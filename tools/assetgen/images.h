// Every picture of raster/ except the glyphs: backdrops, textures, effect sprites, radar blips and interface art.
#pragma once

#include <cstdint>
#include <string>

#include "asset_writer.h"
#include "canvas.h"
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
void WriteCrewImages(CAssetWriter& out, CFontRenderer& font);       // shipyard notices, crew page slots

// The interface's framed panel, and a one-line notice on one.
CCanvas Panel(int w, int h, float alpha);
CCanvas Message(CFontRenderer& font, int w, int h, const std::string& text);
void WriteQuestImages(CAssetWriter& out);                           // mission screens
void WriteStationImages(CAssetWriter& out, CFontRenderer& font);    // store panel, notices, trade icons
void WriteQuestScreenImages(CAssetWriter& out, CFontRenderer& font);  // galaxy map, mission log and board

}  // namespace assetgen
