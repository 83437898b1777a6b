// The network screen: the host list, the typed host address, the host checkbox and connect.
#include "net/network_screen.h"

#include "core/keys.h"
#include "db/game_database.h"
#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "platform/os/message_queue.h"
#include "screens/main_menu_screen.h"
#include "ui/check_box.h"
#include "ui/text_control.h"

namespace {
constexpr int kBackdrop = 800;
}  // namespace

CNetworkScreen::CNetworkScreen()
{
    mScreenId = kScreenId;
    gNetworkManager.mHost = 0;
}

void CNetworkScreen::Enter()
{
    DeleteControls();
    mEntered = 1;
    LoadTextControls();
    LoadButtons();
    LoadCheckBoxes();
    LoadSpriteControls();
    // The box is shown as its row has it, so hosting follows what the player sees.
    const CCheckBox* host = GetCheckBox(kHostCheckBox);
    gNetworkManager.mHost = host && host->checked ? 1 : 0;
    for (std::string& line : mHostLines)
        line.clear();
    RowList<HostRow> hosts;
    int line = 0;
    for (const HostRow* row : gGameDatabase.GetHosts(hosts)) {
        if (line == kShownHosts)
            break;
        mHostLines[line] = row->host_address;
        if (CTextControl* text = GetTextControl(kFirstHostText + line))
            text->SetText(mHostLines[line].c_str());
        ++line;
    }
    ShowEntry();
}

int CNetworkScreen::Frame()
{
    if (!mEntered)
        Enter();
    DrawPage(kBackdrop);
    return 0;
}

void CNetworkScreen::OnMouseDown(int, int x, int y)
{
    if (OnMouseDownControls(x, y) != kHostCheckBox)
        return;
    if (const CCheckBox* host = GetCheckBox(kHostCheckBox))
        gNetworkManager.mHost = host->checked ? 1 : 0;
}

void CNetworkScreen::OnMouseUp(int, int x, int y)
{
    switch (OnMouseUpControls(x, y)) {
    case kBackButton:
        gCurrentScreen = gMainMenuScreen;
        break;
    case kConnectButton:
        Connect();
        break;
    case kAddHostButton:
        AddHost(mEntry.Typed());
        mEntry.Clear();
        ShowEntry();
        break;
    default:
        break;
    }
}

void CNetworkScreen::Connect()
{
    ShowStatus("");
    gNetworkManager.InitPeer();
    const bool inSession = gNetworkManager.mHost ? gNetworkManager.HostSession() : gNetworkManager.JoinSession();
    // Without a session there is no lobby to show: the player stays to try again, knowing why.
    if (!inSession) {
        if (gNetworkManager.mHost)
            ShowStatus(kHostFailedLine);
        else if (gNetworkManager.mJoinResult == netpeer::Result::kTimedOut)
            ShowStatus(kJoinTimedOutLine);
        else
            ShowStatus(gNetworkManager.mJoinResult == netpeer::Result::kRefused ? kJoinRefusedLine : kNoHostLine);
        return;
    }
    gLobbyScreen->SetEntered(false);
    gCurrentScreen = gLobbyScreen;
}

void CNetworkScreen::OnMouseMove(int, int) {}

void CNetworkScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape) {
        os::PostQuitMessage();
        return;
    }
    if (std::string typed; mEntry.OnKey(key, typed))
        AddHost(typed);
    ShowEntry();
}

void CNetworkScreen::AddHost(const std::string& address)
{
    if (address.empty())
        return;
    gGameDatabase.AddHost(address.c_str());
    for (int line = 0; line < kAddedHostLines; ++line) {
        if (!mHostLines[line].empty())
            continue;
        mHostLines[line] = address;
        if (CTextControl* text = GetTextControl(kFirstHostText + line))
            text->SetText(address.c_str());
        return;
    }
}

void CNetworkScreen::ShowStatus(const char* line)
{
    if (CTextControl* text = GetTextControl(kStatusText))
        text->SetText(line);
}

void CNetworkScreen::ShowEntry()
{
    if (CTextControl* text = GetTextControl(kEntryText))
        text->SetText(mEntry.Shown().c_str());
}
