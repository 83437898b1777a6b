// The network and lobby screens on the shipped rows: typing, the host list, chat and names,
// connecting, and the start of a game, each as a player's clicks and keys reach the screen.
#include <iterator>
#include <string>

#include "core/keys.h"
#include "engine/resource_manager.h"
#include "net/lobby_screen.h"
#include "net/network_pump.h"
#include "net/network_screen.h"
#include "platform/os/message_queue.h"
#include "screens/flight_screen.h"
#include "screens/game_screens_fixture.h"
#include "screens/main_menu_screen.h"
#include "screens/upgrade_screen.h"
#include "support/netpeer_loopback.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kKeyA = 30;
constexpr int kKeyApostrophe = 40;

class NetworkScreensTest : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        ResetNetworkManager();
    }
    void TearDown() override
    {
        ResetNetworkManager();
        GameScreensTest::TearDown();
    }

    static void Show(CScreen* screen)
    {
        screen->SetEntered(false);
        gCurrentScreen = screen;
        screen->Enter();
    }
    static std::string Text(const CScreen* screen, int id)
    {
        const CTextControl* text = screen->GetTextControl(id);
        return text ? text->text : "<none>";
    }
    static void Click(CScreen* screen, int buttonId)
    {
        const CButton* button = screen->GetButton(buttonId);
        ASSERT_NE(button, nullptr) << buttonId;
        const int x = button->x + button->width / 2;
        const int y = button->y + button->height / 2;
        screen->OnMouseDown(0, x, y);
        screen->OnMouseUp(0, x, y);
    }
    static void TickHost()
    {
        const CCheckBox* box = gNetworkScreen->GetCheckBox(CNetworkScreen::kHostCheckBox);
        ASSERT_NE(box, nullptr);
        gNetworkScreen->OnMouseDown(0, box->x + box->width / 2, box->y + box->height / 2);
        gNetworkScreen->OnMouseUp(0, box->x + box->width / 2, box->y + box->height / 2);
    }
    void Hosts(const std::string& values)
    {
        Content("DELETE FROM host; INSERT INTO host (host_description, host_address, host_port) VALUES " + values +
                ";");
    }
};

struct EntryCase {
    const char* name;
    CScreen* (*screen)();
    int entryText;
};

class TextEntryTest : public NetworkScreensTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(TextEntryTest, KeepsFortySevenCharactersMendsWithBackspaceAndEscapeQuits)
{
    CScreen* screen = GetParam().screen();
    Show(screen);
    screen->OnKeyDown(kKeyBackspace);
    EXPECT_EQ(Text(screen, GetParam().entryText), "_");
    for (int i = 0; i < 60; ++i)
        screen->OnKeyDown(kKeyA);
    EXPECT_EQ(Text(screen, GetParam().entryText), std::string(47, 'a') + "_");
    screen->OnKeyDown(kKeyDelete);
    EXPECT_EQ(Text(screen, GetParam().entryText), std::string(46, 'a') + "_");
    EXPECT_FALSE(os::QuitPosted());
    screen->OnKeyDown(kKeyEscape);
    EXPECT_TRUE(os::QuitPosted());
}

INSTANTIATE_TEST_SUITE_P(
    BothScreens, TextEntryTest,
    ::testing::Values(EntryCase{"network", []() -> CScreen* { return gNetworkScreen; }, CNetworkScreen::kEntryText},
                      EntryCase{"lobby", []() -> CScreen* { return gLobbyScreen; }, CLobbyScreen::kEntryText}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST_F(NetworkScreensTest, TheHostListShowsTheRowsAndTypedHostsAreStoredAsTyped)
{
    Hosts("('This computer', '127.0.0.1', 6734)");
    Show(gNetworkScreen);
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kFirstHostText), "127.0.0.1");
    for (int key : {23, kKeyApostrophe, 31, 52, 2})
        gNetworkScreen->OnKeyDown(key);
    gNetworkScreen->OnKeyDown(kKeyReturn);
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kEntryText), "_");
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kFirstHostText + 1), "i's.1");
    EXPECT_FALSE(os::QuitPosted());

    // Lines 2-30 fill up; the 32nd host is stored but waits for the next entry to be shown.
    for (int i = 2; i <= 31; ++i)
        gNetworkScreen->AddHost("10.0.0." + std::to_string(i));
    EXPECT_EQ(gNetworkScreen->HostLine(30), "10.0.0.30");
    EXPECT_EQ(gNetworkScreen->HostLine(31), "");
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kFirstHostText + 31), "");
    RowList<HostRow> rows;
    ASSERT_EQ(gGameDatabase.GetHosts(rows).size(), 32u);
    const HostRow& typed = **std::next(rows.begin());
    EXPECT_STREQ(typed.host_address, "i's.1");
    EXPECT_EQ(typed.host_port, kDefaultNetPort);
    Show(gNetworkScreen);
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kFirstHostText + 31), "10.0.0.31");
}

TEST_F(NetworkScreensTest, AFailedHostOrJoinStaysSayingWhyAndASessionOpensTheLobbyWithItsPlayer)
{
    // Another game hosts on a port of this machine.
    netpeer::Peer other;
    netpeer_test::Recorder events;
    const std::string taken = std::to_string(netpeer_test::FreePort());
    ASSERT_TRUE(other.Initialize(events.Handler()));
    ASSERT_EQ(other.Host(netpeer_test::kDesc, netpeer_test::Loopback(std::stoi(taken))), netpeer::Result::kOk);
    const struct {
        std::string hosts;
        const char* line;
    } failures[] = {
        {"('nowhere', '', 6734), ('bad port', '127.0.0.1', 70000)", CNetworkScreen::kNoHostLine},
        {"('silent', '127.0.0.1', " + std::to_string(netpeer_test::FreePort()) + ")", CNetworkScreen::kJoinTimedOutLine},
        {"('another game', '127.0.0.1', " + taken + ")", CNetworkScreen::kJoinRefusedLine},
    };
    Show(gNetworkScreen);
    for (const auto& failure : failures) {
        Hosts(failure.hosts);
        Click(gNetworkScreen, CNetworkScreen::kConnectButton);
        EXPECT_EQ(gCurrentScreen, gNetworkScreen) << failure.hosts;
        EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kStatusText), failure.line) << failure.hosts;
    }

    // Hosting on the port the other game holds fails too.
    TickHost();
    ASSERT_EQ(gNetworkManager.mHost, 1);
    gNetworkManager.mPort = std::stoi(taken);
    Click(gNetworkScreen, CNetworkScreen::kConnectButton);
    EXPECT_EQ(gCurrentScreen, gNetworkScreen);
    EXPECT_EQ(Text(gNetworkScreen, CNetworkScreen::kStatusText), CNetworkScreen::kHostFailedLine);
    other.Close();

    gNetworkManager.mPort = netpeer_test::FreePort();
    Click(gNetworkScreen, CNetworkScreen::kConnectButton);
    ASSERT_EQ(gCurrentScreen, gLobbyScreen);
    // The player's own event came before the lobby was shown.
    ASSERT_TRUE(PumpNetwork([] { return !gNetworkManager.mPlayerNames.empty(); }));
    gLobbyScreen->Frame();
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstNameText), gNetworkManager.mPlayerNames[0]);
    EXPECT_TRUE(gLobbyScreen->GetTextControl(CLobbyScreen::kFirstNameText)->visible);
    EXPECT_FALSE(gLobbyScreen->GetTextControl(CLobbyScreen::kFirstNameText + 1)->visible);
    // Main Menu leaves the session: no later Start can reach this game.
    Click(gLobbyScreen, CLobbyScreen::kMainMenuButton);
    EXPECT_EQ(gCurrentScreen, gMainMenuScreen);
    ApplyNetworkEvents();
    EXPECT_FALSE(gNetworkManager.mPeer->GetPeerInfo(gLocalPlayerId));
}

TEST_F(NetworkScreensTest, ChatFillsTheLastPlaceThenScrollsLongLinesAndNamesAreCutToTheirPanelsAndAnEighteenthNameIsNotShown)
{
    gNetworkManager.mPlayerNames = {"Host", "Guest"};
    Show(gLobbyScreen);
    for (int i = 1; i <= CLobbyScreen::kChatLines; ++i)
        gLobbyScreen->AddChatLine("line " + std::to_string(i));
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstChatText), "line 1");
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstChatText + 25), "line 26");
    gLobbyScreen->AddChatLine("line 27");
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstChatText), "line 2");
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstChatText + 25), "line 27");
    // A peer's longest line is kept whole but drawn only as far as the chat panel reaches,
    // short of the players' panel (control 1087) beside it.
    const std::string longest(99, 'w');
    gLobbyScreen->AddChatLine(longest);
    EXPECT_EQ(gLobbyScreen->ChatLine(25), longest);
    const CTextControl* shown = gLobbyScreen->GetTextControl(CLobbyScreen::kFirstChatText + 25);
    const std::string drawn = shown->text;
    EXPECT_EQ(longest.rfind(drawn, 0), 0u);
    EXPECT_GT(drawn.size(), 40u);
    EXPECT_LT(shown->x + static_cast<int>(drawn.size()) * shown->glyphAdvance, gLobbyScreen->GetSpriteControl(1087)->x);

    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstNameText + 1), "Guest");
    // A peer's long name is drawn only as far as the players' pane (224 wide) reaches.
    gLobbyScreen->AddPlayerName(std::string(250, 'n'));
    const CTextControl* name = gLobbyScreen->GetTextControl(CLobbyScreen::kFirstNameText + 2);
    const std::string drawnName = name->text;
    EXPECT_EQ(drawnName, std::string(drawnName.size(), 'n'));
    EXPECT_GE(drawnName.size(), 14u) << "as long as a Player name";
    EXPECT_LT(name->x + static_cast<int>(drawnName.size()) * name->glyphAdvance,
              gLobbyScreen->GetSpriteControl(1087)->x + 224);
    for (int i = 4; i <= 18; ++i)
        gLobbyScreen->AddPlayerName("Player " + std::to_string(i));
    for (int place = 0; place < CLobbyScreen::kNamePlaces; ++place)
        EXPECT_TRUE(gLobbyScreen->GetTextControl(CLobbyScreen::kFirstNameText + place)->visible) << place;
    EXPECT_EQ(Text(gLobbyScreen, CLobbyScreen::kFirstNameText + 16), "Player 17");
}

TEST_F(NetworkScreensTest, StartNeedsAPilotAndBuildsItsShipOnceWhenTheStartComesBack)
{
    gNetworkManager.mPort = netpeer_test::FreePort();
    gNetworkManager.mHost = 1;
    gNetworkManager.InitPeer();
    ASSERT_TRUE(gNetworkManager.HostSession());
    Show(gLobbyScreen);
    Click(gLobbyScreen, CLobbyScreen::kStartButton);
    EXPECT_EQ(gCurrentScreen, gLobbyScreen);
    EXPECT_EQ(gLobbyScreen->ChatLine(0), CLobbyScreen::kNoPilotLine);

    // Credits that were never saved mark the ship flying before the start, which finds this
    // player on the shipyard page.
    FlyNewPilot().SetCredits(4242);
    Show(gLobbyScreen);
    Click(gLobbyScreen, CLobbyScreen::kStartButton);
    EXPECT_EQ(gCurrentScreen, gLobbyScreen) << "the start waits for its own message";
    EXPECT_EQ(gPlayerShip->GetCredits(), 4242);
    Show(gShipUpgradeScreen);
    gResourceManager->mPortalActive = 1;
    ASSERT_TRUE(PumpNetwork([] { return gCurrentScreen == gFlightScreen; }));
    EXPECT_FALSE(gResourceManager->mPortalActive) << "a way back of the last flight stands in this one";
    ASSERT_NE(gPlayerShip, nullptr);
    EXPECT_EQ(gPlayerShip->GetCredits(), 500) << "the saved pilot flies";
    gCurrentScreen = gShipUpgradeScreen;
    gShipUpgradeScreen->Frame();
    EXPECT_EQ(Text(gShipUpgradeScreen, CShipUpgradeScreen::kCreditsText), "500");
    EXPECT_EQ(gPlayerShip->mId, 21);
    EXPECT_EQ(gPlayerShip->mSystemId, 1);
    // The host's own snapshot comes back before this line and builds no ship of itself.
    gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{"after the snapshot"});
    ASSERT_TRUE(PumpNetwork([] { return !gNetworkManager.mChatLines.empty(); }));
    EXPECT_TRUE(gNetworkManager.RemoteShips().empty());
    EXPECT_FALSE(os::QuitPosted());

    // Main Menu from the flight's options leaves the session too.
    gCurrentScreen = gFlightScreen;
    gFlightScreen->Frame();
    gFlightScreen->OnKeyDown(kKeyEscape);
    Click(gFlightScreen, CFlightScreen::kMainMenuButton);
    EXPECT_EQ(gCurrentScreen, gMainMenuScreen);
    ApplyNetworkEvents();
    EXPECT_FALSE(gNetworkManager.mPeer->GetPeerInfo(gLocalPlayerId));
}

TEST_F(NetworkScreensTest, AStartIsRefusedInASystemWithoutWidthOrWithASavedHullWithoutItsRow)
{
    CPlayerShip* flying = &FlyNewPilot();
    Show(gLobbyScreen);
    Content("UPDATE system SET x_dimension = 0 WHERE system_id = 2");
    gNetworkManager.OnStartGame(MsgStartGame{2});
    Content("DELETE FROM ship WHERE ship_id = " + std::to_string(flying->mShipId));
    gNetworkManager.OnStartGame(MsgStartGame{1});
    EXPECT_EQ(gCurrentScreen, gLobbyScreen);
    EXPECT_EQ(gPlayerShip, flying);
}

}  // namespace
