// CNetworkScreen: host or join a network game, see the known hosts and type new host addresses.
#pragma once

#include <array>
#include <string>

#include "net/text_entry.h"
#include "ui/screen.h"

class CNetworkScreen : public CScreen {
public:
    static constexpr int kScreenId = 18;
    static constexpr int kBackButton = 1100;
    static constexpr int kAddHostButton = 1101;
    static constexpr int kConnectButton = 1102;
    static constexpr int kHostCheckBox = 1003;
    static constexpr int kEntryText = 1088;
    static constexpr int kFirstHostText = 1110;
    // Says why the last Connect left the player here.
    static constexpr int kStatusText = 1149;
    static constexpr const char* kJoinTimedOutLine = "No host answered in time.";
    static constexpr const char* kJoinRefusedLine = "The host turned this game away.";
    static constexpr const char* kNoHostLine = "No host address of the list works.";
    static constexpr const char* kHostFailedLine = "The port is in use: no game hosted.";
    // Lines filled from the host rows on entry; an added host takes a free one of the first 31.
    static constexpr int kShownHosts = 32;
    static constexpr int kAddedHostLines = 31;

    CNetworkScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // Stores the address as a host row and shows it in the first free line; nothing for "".
    void AddHost(const std::string& address);

    const std::string& HostLine(int line) const { return mHostLines[line]; }
    std::string EntryShown() const { return mEntry.Shown(); }

private:
    void Connect();
    void ShowEntry();
    void ShowStatus(const char* line);

    std::array<std::string, 50> mHostLines;
    CTextEntry mEntry;
};

extern CNetworkScreen* gNetworkScreen;
