// The mission log: its list rebuilt from the pilot's missions at every opening, the pages of
// single missions and of chains, paging, and the ways back to flight.
#include "screens/quest_log_screen.h"

#include <algorithm>
#include <cstdio>

#include "core/keys.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "screens/flight_camera.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/text_control.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kRed = 0xFFFF0000u;

// Read without running the quest: a page never advances a mission.
bool IsComplete(const CQuest& quest)
{
    return quest.ReadState() == kQuestComplete;
}

bool IsSilentStep(const CQuestStep& step)
{
    return step.mType == kQuestStepConversation || step.mType == kQuestStepInterrupt;
}
}  // namespace

CQuestLogScreen::CQuestLogScreen()
{
    mScreenId = kScreenId;
}

CQuestLogScreen::~CQuestLogScreen() = default;

void CQuestLogScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    LoadTextControls();
    LoadButtons();
    LoadObjectControls();
    ShowButton(kPreviousButton, false);
    BuildList();
    LoadBackdrop();
}

void CQuestLogScreen::BuildList()
{
    mQuests.clear();
    mChainQuests.clear();
    if (gPlayerShip) {
        // A chain is one page, filed under its first mission, so no mission shows twice.
        for (const QuestMap* quests : {&gPlayerShip->mActiveQuests, &gPlayerShip->mCompletedQuests}) {
            for (const auto& [id, quest] : *quests) {
                const int first = FirstOfChain(id);
                mQuests.emplace(first, GetOrCreateQuest(first));
            }
        }
    }
    mPage = mQuests.empty() ? mQuests.end() : std::prev(mQuests.end());
    ShowPage();
}

int CQuestLogScreen::FirstOfChain(int questId)
{
    int first = questId;
    for (int i = 1; i < kChainLimit; ++i) {
        const int previous = gGameDatabase.GetPreviousQuestId(first);
        if (previous == 0)
            break;
        first = previous;
    }
    return first;
}

const CQuest* CQuestLogScreen::ShownQuest() const
{
    return mPage == mQuests.end() ? nullptr : mShown;
}

void CQuestLogScreen::ShowPage()
{
    const CQuest* quest = mPage == mQuests.end() ? nullptr : mPage->second;
    mShown = quest;
    if (!quest) {
        SetText(kNameText, "Quest is NULL");
        SetText(kCreditText, "$0");
        SetText(kExperienceText, "");
        return;
    }
    if (gGameDatabase.GetNextQuestId(quest->mQuestId) != 0)
        ShowChain(*quest);
    else
        ShowQuest(*quest);
}

void CQuestLogScreen::ShowHeading(const CQuest& quest, bool complete)
{
    SetText(kNameText, quest.mQuestName);
    SetText(kStateText, complete ? "Complete" : "Incomplete");
    if (CTextControl* name = GetTextControl(kNameText))
        name->colour = complete ? kWhite : kRed;
    char text[32];
    std::snprintf(text, sizeof text, "$%d", quest.mCreditReward);
    SetText(kCreditText, text);
    std::snprintf(text, sizeof text, "%d", quest.mExperienceReward);
    SetText(kExperienceText, text);
}

void CQuestLogScreen::ShowQuest(const CQuest& quest)
{
    ShowDescription(quest, kFirstDescriptionText, kDescriptionLineLimit, kLastClearedDescriptionText);
    const bool complete = IsComplete(quest);
    ShowHeading(quest, complete);
    if (complete) {
        ShowFinalConversation(quest);
        return;
    }
    bool stopped = false;
    ClearStepLines(ListSteps(quest, kFirstStepText, stopped));
}

void CQuestLogScreen::ShowChain(const CQuest& first)
{
    std::vector<const CQuest*> chain{&first};
    for (int next = gGameDatabase.GetNextQuestId(first.mQuestId);
         next != 0 && static_cast<int>(chain.size()) < kChainLimit; next = gGameDatabase.GetNextQuestId(next))
        chain.push_back(GetOrCreateQuest(next));
    // The page speaks of the mission under way; a chain with none shows its last mission.
    const CQuest* shown = chain.back();
    for (const CQuest* quest : chain) {
        if (gPlayerShip && gPlayerShip->mActiveQuests.count(quest->mQuestId)) {
            shown = quest;
            break;
        }
    }
    mShown = shown;
    ShowDescription(*shown, kFirstDescriptionText, kDescriptionLineLimit, kLastClearedDescriptionText);
    // The chain is done when its last mission is.
    const bool complete = IsComplete(*chain.back());
    ShowHeading(*shown, complete);
    if (complete) {
        ShowFinalConversation(*shown);
        return;
    }
    int text = kFirstStepText;
    bool stopped = false;
    for (const CQuest* quest : chain) {
        if (stopped)
            break;
        text = ListSteps(*quest, text, stopped);
    }
    ClearStepLines(text);
}

int CQuestLogScreen::ListSteps(const CQuest& quest, int text, bool& stopped)
{
    // Steps of a finished mission count as done whatever their own flag says.
    const bool done = IsComplete(quest);
    for (int i = 0; i < quest.StepCount() && text < kFirstStepText + kStepLineLimit; ++i) {
        const CQuestStep& step = *quest.Step(i);
        if (!IsSilentStep(step)) {
            if (step.mStatus != 1 && !done) {
                SetLine(text, step.mBeginStepString, kRed);
                stopped = true;
                return text + 1;
            }
            SetLine(text++, step.mCompleteStepString, kWhite);
        }
        if (!done && i >= quest.mCurrentStep) {
            stopped = true;
            break;
        }
    }
    return text;
}

void CQuestLogScreen::ShowFinalConversation(const CQuest& quest)
{
    int text = kFirstStepText;
    if (quest.StepCount() > 0) {
        RowList<ConversationLineRow> lines;
        gGameDatabase.GetConversationFeeds(lines, quest.Step(quest.StepCount() - 1)->mQuestStepId);
        for (const ConversationLineRow* line : lines) {
            if (text >= kFirstStepText + kStepLineLimit)
                break;
            SetLine(text++, line->line, kWhite);
        }
    }
    ClearStepLines(text);
}

void CQuestLogScreen::SetLine(int text, const char* line, uint32_t colour)
{
    SetText(text, line);
    if (CTextControl* control = GetTextControl(text))
        control->colour = colour;
}

void CQuestLogScreen::ClearStepLines(int fromText)
{
    for (int id = fromText; id < kFirstStepText + kStepLineLimit; ++id)
        SetText(id, "", false);
}

const CQuest* CQuestLogScreen::GetOrCreateQuest(int questId)
{
    if (const CQuest* own = gPlayerShip ? gPlayerShip->FindQuest(questId) : nullptr)
        return own;
    std::unique_ptr<CQuest>& made = mChainQuests[questId];
    if (!made)
        made = std::make_unique<CQuest>(questId);
    return made.get();
}

void CQuestLogScreen::OnMouseUp(int, int x, int y)
{
    switch (OnMouseUpControls(x, y)) {
    case kPreviousButton:
        ShowButton(kNextButton, true);
        mPage = PreviousPage(mQuests, mPage);
        ShowPage();
        if (mPage == mQuests.begin())
            ShowButton(kPreviousButton, false);
        break;
    case kNextButton:
        ShowButton(kPreviousButton, true);
        mPage = NextPage(mQuests, mPage);
        ShowPage();
        if (mPage != mQuests.end() && std::next(mPage) == mQuests.end())
            ShowButton(kNextButton, false);
        break;
    case kBackButton:
        PlaceFlightCamera();
        Leave();
        break;
    default:
        break;
    }
}

void CQuestLogScreen::OnKeyDown(int key)
{
    if (key == kKeyM || key == kKeyEscape)
        Leave();
}

void CQuestLogScreen::Leave()
{
    gCurrentScreen = gFlightScreen;
    mEntered = 0;
}
