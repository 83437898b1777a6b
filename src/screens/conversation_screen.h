// CConversationScreen: the conversation of a quest step. The camera turns to the speaker, which
// goes on moving in its system, the speaker's portrait is shown, and the lines come one page at
// a time; Space turns the page, and after the last page, Esc or the middle button the game
// returns to flight.
#pragma once

#include <string>
#include <vector>

#include "quests/conversation_view.h"
#include "ui/screen.h"

class CConversationScreen : public CScreen, public CConversationView {
public:
    static constexpr int kScreenId = 19;
    static constexpr int kPortrait = 2503;
    static constexpr int kFirstLine = 2510;
    static constexpr int kLastLine = 2541;
    static constexpr int kFirstCaption = 2542;
    static constexpr int kSecondCaption = 2543;
    // A page shows at most this many lines.
    static constexpr int kPageLineLimit = 31;

    CConversationScreen();

    void SetUpCamera(CWorldObject* speaker) override;
    // Reads the first page and the number of pages, shows the portrait of the keyword and the
    // backdrop of the current system's faction, and finds the speaker afresh.
    void Start(int questStepId, const char* keyword) override;
    void Open() override;
    bool IsOpen() const override;

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    int LineCount() const { return mLineCount; }
    int Feed() const { return mFeed; }
    int BackdropSpriteId() const { return mBackdropSpriteId; }

private:
    // Reads the page of the current feed and lays it out around y 530.
    void ShowFeed();
    void ShowCaptions(bool shown);
    // Back to flight.
    void End();

    int mBackdropSpriteId = 0;
    int mLineCount = 0;
    int mFeed = 1;
    int mQuestStepId = 0;
    int mLastFeed = 0;
    std::vector<std::string> mLines;
    // The speaker by object id, looked up every frame; 0 when there is none to look at.
    int mSpeakerId = 0;
};

extern CConversationScreen* gConversationScreen;
