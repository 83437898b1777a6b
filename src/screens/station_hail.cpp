// The station's hail panel: a quest step's conversation, one feed at a time, with the speaker's
// portrait.
#include <algorithm>

#include "core/keys.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "screens/hail_box.h"
#include "screens/station_screen.h"
#include "ships/player_ship.h"
#include "ui/movie_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kHailBackground = 500;
constexpr int kHailOpenedSound = 9;
constexpr int kHailClosedSound = 4;
constexpr int kLineX = 145;
constexpr int kMiddleY = 530;
constexpr int kLineStep = 15;

}  // namespace

void CStationScreen::Hail(int questStepId, const char* affiliate)
{
    const int lastFeed = gGameDatabase.GetMaxConversationFeed(questStepId);
    // A step with nothing to say opens no empty panel over the station's buttons.
    if (lastFeed < 1)
        return;
    mFeed = 1;
    mLastFeed = lastFeed;
    mHailStep = questStepId;
    if (CMovieControl* portrait = GetMovieControl(kHailPortrait)) {
        portrait->spriteId = PortraitSprite(affiliate);
        portrait->frameRecord.spriteId = portrait->spriteId;
    }
    gResourceManager->PlaySound(kHailBackground);
    // An open hail keeps its lines; the next feed comes from the new step.
    if (mHailOpen)
        return;
    ShowFeed(mFeed);
    ShowHailPanel(true);
    mHailOpen = 1;
    if (gPlayerShip) {
        gSoundRequest = SoundRequest{kHailOpenedSound, &gPlayerShip->mPosition};
        gResourceManager->PlaySoundAt(gSoundRequest);
    }
}

void CStationScreen::ShowFeed(int feed)
{
    RowList<ConversationLineRow> rows;
    gGameDatabase.GetConversation(rows, mHailStep, feed);
    // The panel has room for its 32 lines; a longer feed shows its first 32.
    const int count = std::min(static_cast<int>(rows.size()), kHailLineCount);
    const int top = kMiddleY - (count / 2) * kLineStep;
    auto row = rows.begin();
    for (int i = 0; i < kHailLineCount; ++i) {
        CTextControl* line = GetTextControl(kFirstHailLine + i);
        if (!line)
            continue;
        if (i < count) {
            line->RevealTextAt(kLineX, top + kLineStep * i, (*row++)->line);
            line->visible = 1;
        } else {
            line->visible = 0;
        }
    }
    Show(kHailCaption, true);
    Show(kHailHint, true);
}

void CStationScreen::ShowHailPanel(bool open)
{
    if (!open && mHailOpen)
        gResourceManager->PlaySound(kHailClosedSound);
    for (int id : {kHailPanel, kHailFrame, kHailPortrait})
        Show(id, open);
    Show(kLaunchButton, !open);
    ShowServices(!open && mServices);
}

void CStationScreen::CloseHail()
{
    ShowHailPanel(false);
    mHailOpen = 0;
    for (int i = 0; i < kHailLineCount; ++i)
        Show(kFirstHailLine + i, false);
    Show(kHailCaption, false);
    Show(kHailHint, false);
}

void CStationScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape) {
        CloseHail();
    } else if (key == kKeySpace) {
        ++mFeed;
        if (mFeed > mLastFeed)
            CloseHail();
        else
            ShowFeed(mFeed);
    }
}
