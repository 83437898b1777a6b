// Mission art: the panel the pages of a conversation are read on.
#include "images.h"

namespace assetgen {

namespace {

// Dark glass with a lit top edge and corner ticks, so the speaker's system shows through.
CCanvas ConversationPanel(int w, int h)
{
    CCanvas c(w, h);
    c.VerticalGradient({0.03f, 0.06f, 0.1f, 0.8f}, {0.01f, 0.02f, 0.05f, 0.9f});
    const Rgba edge{0.55f, 0.8f, 1, 0.95f};
    c.Rect(0, 0, w, 2, edge);
    c.Rect(0, h - 1, w, h, {0.3f, 0.5f, 0.7f, 0.6f});
    constexpr int kTick = 14;
    for (int x : {0, w - 2}) {
        c.Rect(x, 0, x + 2, kTick, edge);
        c.Rect(x, h - kTick, x + 2, h, edge);
    }
    return c;
}

}  // namespace

void WriteQuestImages(CAssetWriter& out)
{
    out.Png("conversation_panel.png", ConversationPanel(512, 256));
}

}  // namespace assetgen
