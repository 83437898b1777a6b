// CMissionBoardScreen: the missions a station offers the pilot, one page each, and the way to
// take one. Opened from the station screen, which it returns to (its return screen).
#pragma once

#include <map>
#include <memory>

#include "screens/quest_pages_screen.h"

class CQuest;

class CMissionBoardScreen : public CQuestPagesScreen {
public:
    static constexpr int kScreenId = 15;
    static constexpr int kBackButton = 850;
    static constexpr int kAcceptButton = 851;
    static constexpr int kPreviousButton = 852;
    static constexpr int kNextButton = 853;
    static constexpr int kFirstDescriptionText = 860;
    static constexpr int kDescriptionLineLimit = 10;
    static constexpr int kLastDescriptionText = 869;
    static constexpr int kCreditText = 871;
    static constexpr int kExperienceText = 872;

    CMissionBoardScreen();
    ~CMissionBoardScreen() override;

    void Enter() override;
    void OnMouseUp(int button, int x, int y) override;
    // Esc leaves, as Back does.
    void OnKeyDown(int key) override;

    // The offer shown; null when the station offers nothing.
    const CQuest* ShownOffer() const;
    int OfferCount() const { return static_cast<int>(mOffers.size()); }

private:
    // The offers are made anew: quests of the pilot's level and hull alignment whose
    // prerequisite the pilot has and which the pilot has not taken yet.
    void BuildOffers();
    void ShowOffer();
    void Accept();
    void Leave();

    // The board owns its offers; they go when the offers are rebuilt and with the board.
    std::map<int, std::unique_ptr<CQuest>> mOffers;
    std::map<int, std::unique_ptr<CQuest>>::const_iterator mOffer = mOffers.end();
};

extern CMissionBoardScreen* gMissionBoardScreen;
