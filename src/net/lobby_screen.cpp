// The lobby: player names, the chat, and the start of the game for every player.
#include "net/lobby_screen.h"

#include "core/keys.h"
#include "db/game_database.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
#include "platform/os/message_queue.h"
#include "screens/main_menu_screen.h"
#include "ui/text_control.h"

namespace {
constexpr int kBackdrop = 750;
constexpr int kStartSystem = 1;
}  // namespace

CLobbyScreen::CLobbyScreen()
{
    mScreenId = kScreenId;
}

void CLobbyScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    LoadTextControls();
    LoadButtons();
    LoadSpriteControls();
    for (std::string& line : mChatLines)
        line.clear();
    // What arrived before the lobby was shown: this player, the host, and their words.
    for (const std::string& name : gNetworkManager.mPlayerNames)
        AddPlayerName(name);
    for (const std::string& line : gNetworkManager.mChatLines)
        AddChatLine(line);
    ShowEntry();
}

int CLobbyScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(kBackdrop);
    return 0;
}

void CLobbyScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CLobbyScreen::OnMouseUp(int, int x, int y)
{
    switch (OnMouseUpControls(x, y)) {
    case kMainMenuButton:
        gCurrentScreen = gMainMenuScreen;
        break;
    case kNetworkButton:
        gNetworkScreen->SetEntered(false);
        gCurrentScreen = gNetworkScreen;
        break;
    case kStartButton:
        Start();
        break;
    default:
        break;
    }
}

void CLobbyScreen::Start()
{
    // The start message comes back to this peer too, and builds the ship there, once.
    if (gGameDatabase.GetCurrentPlayerId() < 0) {
        AddChatLine(kNoPilotLine);
        return;
    }
    gNetworkManager.Send(netpeer::kAllPlayers, MsgStartGame{kStartSystem});
}

void CLobbyScreen::OnMouseMove(int, int) {}

void CLobbyScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape) {
        os::PostQuitMessage();
        return;
    }
    if (std::string typed; mEntry.OnKey(key, typed))
        SendChat(typed);
    ShowEntry();
}

void CLobbyScreen::AddPlayerName(const std::string& name)
{
    if (name.empty())
        return;
    for (int place = 0; place < kNamePlaces; ++place) {
        CTextControl* text = GetTextControl(kFirstNameText + place);
        if (text && !text->visible) {
            text->SetText(name.substr(0, kNameShownChars).c_str());
            text->visible = 1;
            return;
        }
    }
}

void CLobbyScreen::AddChatLine(const std::string& text)
{
    if (text.empty())
        return;
    if (mChatLines[kChatLines - 1].empty()) {
        for (int line = 0; line < kChatLines; ++line) {
            if (mChatLines[line].empty()) {
                mChatLines[line] = text;
                ShowChatLine(line);
                return;
            }
        }
    }
    for (int line = 0; line + 1 < kChatLines; ++line) {
        mChatLines[line] = mChatLines[line + 1];
        ShowChatLine(line);
    }
    mChatLines[kChatLines - 1] = text;
    ShowChatLine(kChatLines - 1);
}

void CLobbyScreen::SendChat(const std::string& text)
{
    if (!text.empty())
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{text});
}

void CLobbyScreen::ShowChatLine(int line)
{
    if (CTextControl* text = GetTextControl(kFirstChatText + line))
        text->SetText(mChatLines[line].substr(0, kChatShownChars).c_str());
}

void CLobbyScreen::ShowEntry()
{
    if (CTextControl* text = GetTextControl(kEntryText))
        text->SetText(mEntry.Shown().c_str());
}
