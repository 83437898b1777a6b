// The mission board: the offers built at every opening, their pages, and taking one.
#include "screens/mission_board_screen.h"

#include <cstdio>
#include <vector>

#include "core/keys.h"
#include "db/game_database.h"
#include "quests/quest.h"
#include "quests/quest_trigger.h"
#include "screens/flight_screen.h"
#include "screens/screen_return.h"
#include "ships/player_ship.h"

CMissionBoardScreen::CMissionBoardScreen()
{
    mScreenId = kScreenId;
}

CMissionBoardScreen::~CMissionBoardScreen() = default;

void CMissionBoardScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    LoadTextControls();
    LoadButtons();
    LoadObjectControls();
    RequireWayOut(*this, kBackButton);
    BuildOffers();
    LoadBackdrop();
}

void CMissionBoardScreen::BuildOffers()
{
    mOffers.clear();
    if (gPlayerShip) {
        RowList<QuestOfferRow> rows;
        std::vector<int> offered;
        gGameDatabase.GetOfferedQuests(rows, gPlayerShip->mLevel, gPlayerShip->mAlignment);
        for (const QuestOfferRow* row : rows) {
            const bool opened = row->prereq_quest_id == 0 || gPlayerShip->FindQuest(row->prereq_quest_id);
            if (opened && !gPlayerShip->FindQuest(row->quest_id))
                offered.push_back(row->quest_id);
        }
        // What the board offers follows what the pilot has done, as the triggers would.
        for (int questId : offered) {
            if (!mOffers.count(questId) && BoardOffersQuest(questId))
                mOffers.emplace(questId, std::make_unique<CQuest>(questId));
        }
    }
    mOffer = mOffers.begin();
    ShowOffer();
}

const CQuest* CMissionBoardScreen::ShownOffer() const
{
    return mOffer == mOffers.end() ? nullptr : mOffer->second.get();
}

void CMissionBoardScreen::ShowOffer()
{
    const CQuest* offer = ShownOffer();
    char text[64];
    std::snprintf(text, sizeof text, "Credit Reward:    $%d", offer ? offer->mCreditReward : 0);
    SetText(kCreditText, text);
    std::snprintf(text, sizeof text, "Experience Gained: %d", offer ? offer->mExperienceReward : 0);
    SetText(kExperienceText, text);
    if (offer) {
        ShowDescription(*offer, kFirstDescriptionText, kDescriptionLineLimit, kLastDescriptionText);
        return;
    }
    for (int id = kFirstDescriptionText; id <= kLastDescriptionText; ++id)
        SetText(id, "", false);
}

void CMissionBoardScreen::Accept()
{
    const CQuest* offer = ShownOffer();
    if (!offer || !gPlayerShip)
        return;
    const int questId = offer->mQuestId;
    gPlayerShip->AcceptQuest(questId);
    if (CQuest* taken = gPlayerShip->FindQuest(questId))
        taken->Start();
    Leave();
}

void CMissionBoardScreen::Leave()
{
    // The offers are made anew at the next opening, so they never outlive a change of pilot,
    // level or taken missions.
    mEntered = 0;
    gCurrentScreen = mReturnScreen ? mReturnScreen : gFlightScreen;
}

void CMissionBoardScreen::OnMouseUp(int, int x, int y)
{
    switch (OnMouseUpControls(x, y)) {
    case kBackButton:
        Leave();
        break;
    case kAcceptButton:
        Accept();
        break;
    case kPreviousButton:
        mOffer = PreviousPage(mOffers, mOffer);
        ShowOffer();
        break;
    case kNextButton:
        mOffer = NextPage(mOffers, mOffer);
        ShowOffer();
        break;
    default:
        break;
    }
}

void CMissionBoardScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape)
        Leave();
}
