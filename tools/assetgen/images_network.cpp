// The network and lobby screens' panels: framed glass behind the host list, the chat and the
// players, and the field the host address and chat lines are typed into. Each picture sits in the
// top-left corner of a power-of-two canvas that is clear around it.
#include "images.h"

namespace assetgen {

namespace {

const Rgba kEdge{0.4f, 0.68f, 0.95f, 0.9f};
const Rgba kCorner{0.75f, 0.9f, 1, 1};

// A dark glass pane with a thin edge, brighter corner ticks and a header band for its caption.
void Pane(CCanvas& c, int w, int h, int header)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float depth = static_cast<float>(y) / static_cast<float>(h);
            c.Set(x, y, Mix({0.05f, 0.09f, 0.15f, 0.82f}, {0.02f, 0.04f, 0.08f, 0.88f}, depth));
        }
    if (header > 0) {
        c.Rect(1, 1, w - 1, header, {0.1f, 0.2f, 0.32f, 0.9f});
        c.Rect(1, header, w - 1, header + 1, kEdge);
    }
    c.Rect(0, 0, w, 1, kEdge);
    c.Rect(0, h - 1, w, h, kEdge);
    c.Rect(0, 0, 1, h, kEdge);
    c.Rect(w - 1, 0, w, h, kEdge);
    constexpr int kTick = 10;
    for (int x : {0, w - kTick})
        for (int y : {0, h - 2}) {
            c.Rect(x, y, x + kTick, y + 2, kCorner);
        }
    for (int x : {0, w - 2})
        for (int y : {0, h - kTick}) {
            c.Rect(x, y, x + 2, y + kTick, kCorner);
        }
}

CCanvas PaneImage(int canvasW, int canvasH, int w, int h, int header)
{
    CCanvas c(canvasW, canvasH);
    Pane(c, w, h, header);
    return c;
}

// A sunken field: darker than the panes, with a lit lower edge.
CCanvas EntryField(int w, int h)
{
    CCanvas c(512, 32);
    c.Rect(0, 0, w, h, {0.01f, 0.02f, 0.04f, 0.92f});
    c.Rect(0, 0, w, 1, {0.1f, 0.16f, 0.24f, 1});
    c.Rect(0, 0, 1, h, {0.1f, 0.16f, 0.24f, 1});
    c.Rect(0, h - 1, w, h, kEdge);
    c.Rect(w - 1, 0, w, h, kEdge);
    return c;
}

}  // namespace

void WriteNetworkImages(CAssetWriter& out)
{
    out.Png("net_host_panel.png", PaneImage(512, 512, 416, 416, 26));
    out.Png("net_entry_field.png", EntryField(488, 26));
    out.Png("net_chat_panel.png", PaneImage(512, 512, 480, 400, 26));
    out.Png("net_players_panel.png", PaneImage(256, 512, 224, 336, 26));
}

}  // namespace assetgen
