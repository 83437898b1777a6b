// The shutdown keeps the pilot: it is saved, then deleted before the world it flies in. A network
// session ends first of all, so that nothing a peer sends meets what is being deleted.
#include <chrono>
#include <thread>

#include "db/game_database.h"
#include "net/network_pump.h"
#include "ships/player_ship.h"
#include "support/headless_game.h"
#include "support/netpeer_loopback.h"
#include "world/player_view.h"

namespace {

class ShutdownTest : public HeadlessGame {};

TEST_F(ShutdownTest, ThePilotIsSavedAndForgotten)
{
    ReplacePlayerShip(new CPlayerShip(1, "Leaving", 10, 11, 1, 3, 4, 1, 1, 1, 1, 1, 0xFFFFFFFFu, 1));
    gPlayerShip->mCredits = 777;
    gPlayerShip->AddCompounds(1, 4);
    const int playerId = gPlayerShip->mPlayerId;
    // The game's own screens go back first, as the fixture does.
    flightView.reset();
    flightScreen.reset();
    currentScreen.reset();
    StopGame();
    EXPECT_EQ(gPlayerShip, nullptr);
    EXPECT_EQ(gPlayerView, nullptr);
    const PlayerRecord* saved = gGameDatabase.GetPlayer(playerId);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->credits, 777);
    EXPECT_EQ(saved->common_compounds, 4);
    EXPECT_EQ(gGameDatabase.GetCurrentPlayerId(), playerId);
    // The fixture stops the game once more.
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
}

TEST_F(ShutdownTest, TheNetworkSessionEndsFirstAndItsWaitingEventsAreDropped)
{
    const uint16_t port = netpeer_test::FreePort();
    gNetworkManager.mPort = port;
    gNetworkManager.InitPeer();
    ASSERT_TRUE(gNetworkManager.HostSession());
    netpeer::Peer guest;
    netpeer_test::Recorder guestEvents;
    ASSERT_TRUE(guest.Initialize(guestEvents.Handler()));
    ASSERT_EQ(guest.Connect(VarnokSession(), netpeer_test::Loopback(port), netpeer::Address{}), netpeer::Result::kOk);
    const NetBytes chat = EncodeMessage(MsgChatLine{"still talking"});
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(guest.SendTo(netpeer::kAllPlayers, chat.data(), chat.size()));
    // No frame runs, so the lines wait in the queue.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    // Left open, the guest would take the port as the next host once the game's session ends.
    guest.Close();

    flightView.reset();
    flightScreen.reset();
    currentScreen.reset();
    StopGame();
    gNetworkManager.ApplyEvents();
    EXPECT_TRUE(gNetworkManager.mChatLines.empty());
    // The port is free again at once.
    netpeer::Peer next;
    netpeer_test::Recorder nextEvents;
    ASSERT_TRUE(next.Initialize(nextEvents.Handler()));
    EXPECT_EQ(next.Host(netpeer_test::kDesc, netpeer_test::Loopback(port)), netpeer::Result::kOk);
    next.Close();
    ResetNetworkManager();
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
}

}  // namespace
