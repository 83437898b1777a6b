// Art of the galaxy map, the mission log and the mission board: map markers and the two
// backdrops, whose framed areas hold the screens' texts.
#include "images.h"

namespace assetgen {

namespace {

const Palette kConsole{0xff040810, 0xff0a1420, 0xff1c3a5c, 0xff3c6a8c};
const Rgba kEdge{0.45f, 0.7f, 0.95f, 0.9f};
const Rgba kLabel{0.55f, 0.75f, 0.95f, 1};

// A dark glass area with a thin lit edge, painted over the backdrop.
void FramedArea(CCanvas& c, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            c.Blend(x, y, {0.02f, 0.04f, 0.08f, 1}, 0.8f);
    c.Rect(x0, y0, x1, y0 + 1, kEdge);
    c.Rect(x0, y1 - 1, x1, y1, kEdge);
    c.Rect(x0, y0, x0 + 1, y1, kEdge);
    c.Rect(x1 - 1, y0, x1, y1, kEdge);
}

// Map markers are white so that the map can tint them (green where the pilot is, red for missions).
CCanvas SystemMarker()
{
    CCanvas c(16, 16);
    c.Glow(8, 8, 8, {1, 1, 1, 0.6f}, 2);
    c.Disc(8, 8, 4, {1, 1, 1, 1});
    return c;
}

// An arrowhead pointing right, at the current system's marker.
CCanvas PositionMarker()
{
    CCanvas c(16, 16);
    for (int y = 0; y < 16; ++y) {
        const int reach = 14 - 2 * (y < 8 ? 7 - y : y - 8);
        for (int x = 2; x < 2 + reach; ++x)
            c.Set(x, y, {1, 1, 1, 1});
    }
    return c;
}

CCanvas QuestLogBackdrop(CFontRenderer& font)
{
    CCanvas c = ScreenBackdrop(kConsole, 2323, font, "MISSION LOG");
    FramedArea(c, 30, 100, 770, 290);
    font.DrawText(c, 44, 296, 13, "Credits", kLabel);
    font.DrawText(c, 300, 296, 13, "Experience", kLabel);
    FramedArea(c, 30, 320, 770, 548);
    return c;
}

CCanvas MissionBoardBackdrop(CFontRenderer& font)
{
    CCanvas c = ScreenBackdrop(kConsole, 2424, font, "MISSION BOARD");
    FramedArea(c, 30, 80, 770, 310);
    FramedArea(c, 30, 330, 770, 400);
    return c;
}

}  // namespace

void WriteQuestScreenImages(CAssetWriter& out, CFontRenderer& font)
{
    out.Png("map_marker.png", SystemMarker());
    out.Png("map_position.png", PositionMarker());
    out.Png("screen_quest_log.png", QuestLogBackdrop(font));
    out.Png("screen_mission_board.png", MissionBoardBackdrop(font));
}

}  // namespace assetgen
