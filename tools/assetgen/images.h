// Every picture of raster/ except the glyphs: backdrops, textures, effect sprites, radar blips and interface art.
#pragma once

#include "asset_writer.h"
#include "font_renderer.h"

namespace assetgen {

void WriteSpaceImages(CAssetWriter& out, CFontRenderer& font);      // backdrops, planets, effects, blips
void WriteMeshTextures(CAssetWriter& out);                          // textures named by the x/ meshes
void WriteInterfaceImages(CAssetWriter& out, CFontRenderer& font);  // controls, icons, portraits
void WriteNetworkImages(CAssetWriter& out);                         // network and lobby panels
void WriteStationImages(CAssetWriter& out, CFontRenderer& font);    // store panel, notices, trade icons

}  // namespace assetgen
