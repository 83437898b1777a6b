// The in-flight screen's message log lines, the centre message and the scrolling hail box.
#include "screens/hail_box.h"

#include <algorithm>
#include <cstring>

#include "core/frame_clock.h"
#include "core/message_log.h"
#include "engine/resource_manager.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/movie_control.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr int kHailSound = 9;
constexpr int kLineX = 145;
constexpr int kLineStartY = 116;
constexpr int kUnusedLineY = 120;
// A line is gone above this y; the next starts once the latest has risen above kNextLineY.
constexpr int kLineTopY = 5;
constexpr int kNextLineY = 100;
constexpr int kScrollStepMs = 100;
constexpr int kCenterX = 400;
constexpr int kCenterY = 490;

struct Portrait {
    const char* keyword;
    int sprite;
};
constexpr Portrait kPortraits[] = {
    {"xengar", 15107}, {"bountyhunter", 15108}, {"mercenary", 15100}, {"pirate", 15101},
    {"miner", 15102},  {"enimanga", 15103},     {"enlar", 15104},     {"gallite", 15110},
    {"goth", 15111},   {"ignus", 15105},        {"mandralor", 15106},
};
constexpr int kProbePortrait = 15109;

// The box lies over the target panel, which waits beneath it: its name would stand in the rising
// lines and its frame round the portrait. The target view shows whether there is a target.
void TuckTargetPanel(CScreen& screen, const CSpriteControl* box)
{
    const bool covered = box && box->visible;
    if (CTextControl* name = screen.GetTextControl(CFlightScreen::kTargetName))
        name->visible = covered ? 0 : 1;
    const CObjectControl* view = screen.GetObjectControl(CFlightScreen::kTargetView);
    for (int id : {CFlightScreen::kTargetPanel, CFlightScreen::kTargetMeter, CFlightScreen::kTargetFrame}) {
        if (CSpriteControl* sprite = screen.GetSpriteControl(id))
            sprite->visible = !covered && view && view->visible ? 1 : 0;
    }
}
}  // namespace

int PortraitSprite(const char* keyword)
{
    for (const Portrait& portrait : kPortraits) {
        if (keyword && std::strcmp(keyword, portrait.keyword) == 0)
            return portrait.sprite;
    }
    return kProbePortrait;
}

void CFlightScreen::PostMessage(const std::string& text)
{
    PostFlightMessage(text);
    ShowMessageLog();
}

void CFlightScreen::ShowMessageLog()
{
    const auto& lines = FlightMessages();
    for (size_t i = 0; i < kMessageLogLines; ++i) {
        if (CTextControl* text = GetTextControl(kFirstLogText + static_cast<int>(i)))
            text->SetText(i < lines.size() ? lines[i].c_str() : "");
    }
}

void CFlightScreen::ShowCenterMessage(const char* text)
{
    CTextControl* center = GetTextControl(kCenterMessage);
    if (!center)
        return;
    center->SetTextAt(kCenterX - 5 * static_cast<int>(std::strlen(text)), kCenterY, text);
    center->visible = 1;
}

void CFlightScreen::ClearCenterMessage()
{
    if (CTextControl* text = GetTextControl(kCenterMessage)) {
        text->SetText("");
        text->visible = 0;
    }
}

void CFlightScreen::Hail(const char* const* lines, int lineCount, const char* keyword)
{
    // An empty box would never scroll away, and an open box turns every later hail away.
    if (!lines || lineCount < 1)
        return;
    if (CMovieControl* portrait = GetMovieControl(kHailPortrait)) {
        portrait->spriteId = PortraitSprite(keyword);
        portrait->frameRecord.spriteId = portrait->spriteId;
    }
    mHailOpen = 1;
    mHailLines.clear();
    mHailLineCount = std::min(lineCount, kHailLineLimit);
    for (int i = 0; i < mHailLineCount; ++i)
        mHailLines.emplace_back(lines[i] ? lines[i] : "");
    for (int i = 0; i < kHailLineLimit; ++i) {
        CTextControl* text = GetTextControl(kFirstHailText + i);
        if (!text)
            continue;
        if (i < mHailLineCount) {
            text->SetTextAt(kLineX, kLineStartY, mHailLines[i].c_str());
            text->visible = i == 0 ? 1 : 0;
        } else {
            text->SetTextAt(kLineX, kUnusedLineY, "");
            text->visible = 0;
        }
    }
    if (gPlayerShip)
        gResourceManager->PlaySoundAt(SoundRequest{kHailSound, &gPlayerShip->mPosition});
    mHailLinesShown = 1;
}

void CFlightScreen::CloseHail()
{
    mHailOpen = 0;
    if (CMovieControl* portrait = GetMovieControl(kHailPortrait))
        portrait->visible = 0;
    if (CSpriteControl* frame = GetSpriteControl(kHailPortraitFrame))
        frame->visible = 0;
    for (int i = 0; i < kHailLineLimit; ++i) {
        if (CTextControl* text = GetTextControl(kFirstHailText + i)) {
            text->SetText("");
            text->visible = 0;
        }
    }
}

void CFlightScreen::ScrollHail()
{
    CSpriteControl* box = GetSpriteControl(kHailBox);
    CSpriteControl* frame = GetSpriteControl(kHailPortraitFrame);
    CMovieControl* portrait = GetMovieControl(kHailPortrait);
    if (!mHailOpen) {
        if (box)
            box->visible = 0;
        for (int i = 0; i < mHailLinesShown && i < kHailLineLimit; ++i) {
            if (CTextControl* text = GetTextControl(kFirstHailText + i)) {
                text->SetText("");
                text->visible = 0;
            }
        }
        // A closed box keeps no time, so the next hail starts at its first line.
        mHailScrollMs = 0;
        TuckTargetPanel(*this, box);
        return;
    }
    if (box)
        box->visible = 1;
    if (frame)
        frame->visible = 1;
    if (portrait)
        portrait->visible = 1;
    const int rise = mHailScrollMs / kScrollStepMs;
    for (int i = 0; i < mHailLinesShown; ++i) {
        CTextControl* text = GetTextControl(kFirstHailText + i);
        if (!text)
            continue;
        text->SetTextAt(text->x, text->y - rise, mHailLines[i].c_str());
        if (text->y < kLineTopY) {
            text->visible = 0;
            if (i == mHailLineCount - 1 && mHailLinesShown == mHailLineCount)
                mHailOpen = 0;
        }
    }
    mHailScrollMs %= kScrollStepMs;
    CTextControl* latest = GetTextControl(kFirstHailText + mHailLinesShown - 1);
    if (mHailLinesShown < mHailLineCount) {
        if (latest && latest->y < kNextLineY) {
            if (CTextControl* next = GetTextControl(kFirstHailText + mHailLinesShown)) {
                next->SetTextAt(kLineX, kLineStartY, mHailLines[mHailLinesShown].c_str());
                next->visible = 1;
            }
            ++mHailLinesShown;
        }
    } else if (!latest || !latest->visible) {
        if (box)
            box->visible = 0;
        if (portrait)
            portrait->visible = 0;
        if (frame)
            frame->visible = 0;
    }
    mHailScrollMs += static_cast<int>(gFrameTimeMs);
    TuckTargetPanel(*this, box);
}
