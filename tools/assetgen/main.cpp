// Asset generator: writes the game's own images, glyphs, meshes and sounds into a game folder.
#include <cstdio>

#include "asset_writer.h"
#include "font_renderer.h"
#include "glyphs.h"
#include "images.h"
#include "meshes.h"
#include "sounds.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game folder>\n", argv[0]);
        return 2;
    }
    assetgen::CAssetWriter out(argv[1]);
    if (!out.MakeFolders())
        return 1;
    assetgen::CFontRenderer font;
    if (!font.Open("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"))
        return 1;

    assetgen::WriteGlyphs(out, font);
    assetgen::WriteSpaceImages(out, font);
    assetgen::WriteMeshTextures(out);
    assetgen::WriteInterfaceImages(out, font);
    assetgen::WriteNetworkImages(out);
    assetgen::WriteCrewImages(out, font);
    assetgen::WriteQuestImages(out);
    assetgen::WriteStationImages(out, font);
    assetgen::WriteQuestScreenImages(out, font);
    assetgen::WriteMeshes(out);
    assetgen::WriteSounds(out);
    if (!out.Ok())
        return 1;
    std::printf("assetgen: %d files written to %s\n", out.Count(), argv[1]);
    return 0;
}
