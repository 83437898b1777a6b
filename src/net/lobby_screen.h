// CLobbyScreen: the players of a network session gather, see each other's names, chat and start.
#pragma once

#include <array>
#include <string>

#include "net/text_entry.h"
#include "ui/screen.h"

class CLobbyScreen : public CScreen {
public:
    static constexpr int kScreenId = 17;
    static constexpr int kMainMenuButton = 1000;
    static constexpr int kStartButton = 1001;
    static constexpr int kNetworkButton = 1002;
    static constexpr int kEntryText = 1089;
    static constexpr int kFirstChatText = 1040;
    static constexpr int kChatLines = 26;
    // Small glyphs that fit the chat panel from where its lines begin; a longer line is cut there.
    static constexpr size_t kChatShownChars = 56;
    static constexpr int kFirstNameText = 1070;
    static constexpr int kNamePlaces = 17;
    // Medium glyphs that fit the players' panel from where the names begin; a longer name is cut.
    static constexpr size_t kNameShownChars = 19;
    // Shown in the chat when the game cannot start for this player.
    static constexpr const char* kNoPilotLine = "Make or load a pilot before the game starts.";

    CLobbyScreen();

    // Loads the controls and shows the session's players and chat so far.
    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // The first hidden name place shows the name; nothing once all are taken.
    void AddPlayerName(const std::string& name);
    void OnChatLine(const std::string& text) { AddChatLine(text); }
    // Appends below the last line, scrolling the oldest out when all are taken.
    void AddChatLine(const std::string& text);
    // To every player; this lobby shows the line when it comes back.
    void SendChat(const std::string& text);

    const std::string& ChatLine(int line) const { return mChatLines[line]; }
    std::string EntryShown() const { return mEntry.Shown(); }

private:
    void Start();
    void ShowEntry();
    void ShowChatLine(int line);

    std::array<std::string, kChatLines> mChatLines;
    CTextEntry mEntry;
};

extern CLobbyScreen* gLobbyScreen;
