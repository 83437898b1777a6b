// CQuestLogScreen: the pilot's missions, under way and finished, one page each, with their
// description, rewards and progress; a chain of missions shows as one page.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "screens/quest_pages_screen.h"

class CQuest;

class CQuestLogScreen : public CQuestPagesScreen {
public:
    static constexpr int kScreenId = 16;
    static constexpr int kBackButton = 900;
    static constexpr int kPreviousButton = 902;
    static constexpr int kNextButton = 903;
    static constexpr int kFirstDescriptionText = 910;
    static constexpr int kDescriptionLineLimit = 11;
    // The last description text a page empties.
    static constexpr int kLastClearedDescriptionText = 918;
    static constexpr int kCreditText = 921;
    static constexpr int kExperienceText = 922;
    static constexpr int kFirstStepText = 925;
    static constexpr int kStepLineLimit = 16;
    static constexpr int kStateText = 941;
    static constexpr int kNameText = 942;
    // A chain page follows at most this many missions.
    static constexpr int kChainLimit = 10;

    CQuestLogScreen();
    ~CQuestLogScreen() override;

    void Enter() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnKeyDown(int key) override;

    // The mission of the page shown (on a chain's page, the one under way); null without one.
    const CQuest* ShownQuest() const;

private:
    // The pilot's quests, active ones first, a page each, a chain's page under its first mission;
    // the log owns none of the pilot's.
    void BuildList();
    static int FirstOfChain(int questId);
    void ShowPage();
    void ShowQuest(const CQuest& quest);
    void ShowChain(const CQuest& first);
    // Name, state and rewards of the quest.
    void ShowHeading(const CQuest& quest, bool complete);
    void ShowFinalConversation(const CQuest& quest);
    // The step lines of the quests, in order, from the step text given; returns the next free text.
    int ListSteps(const CQuest& quest, int text, bool& stopped);
    void SetLine(int text, const char* line, uint32_t colour);
    void ClearStepLines(int fromText);
    void Leave();
    // The quest of that id: the pilot's, else one made for the chain page, which the log keeps.
    const CQuest* GetOrCreateQuest(int questId);

    std::map<int, const CQuest*> mQuests;
    std::map<int, const CQuest*>::const_iterator mPage = mQuests.end();
    std::map<int, std::unique_ptr<CQuest>> mChainQuests;
    const CQuest* mShown = nullptr;
};

extern CQuestLogScreen* gQuestLogScreen;
