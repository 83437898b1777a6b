// The network road: two copies of the game on this machine. This process hosts; a second process
// (this test binary again, told the host's port) joins through its host row on 127.0.0.1. Both
// are driven by keys and clicks: the main menu's Network button, host or join, a chat line each
// that both lobbies show, the host's Start, then each flies and fires and must see the other ship
// move and its shots arrive, and the host's shots at the guest count in the guest's game. The host
// falls and respawns, the guest buys a hull and takes a Start on the shipyard page; after each,
// both still see each other. Then the guest flies through a wormhole: apart, neither game shows
// the other or a shot of it, until the host follows.
#include <cstdlib>
#include <string>

#include "net_road_steps.h"
#include "road_fixture.h"
#include "screens/upgrade_screen.h"

namespace {

using namespace net_road;

constexpr int kVarnExchange = 1001;
constexpr int kVarnToUmbral = 1005;
constexpr int kUmbral = 5;

class NetRoadTest : public RoadTest {
protected:
    // The pilot made through the menus goes back to the main menu, then to the network screen.
    void ToTheNetworkScreen()
    {
        MakePilotThroughTheMenus();
        road.Step("Esc, the options' Main Menu, then the main menu's Network button");
        FlyToTheNetworkScreen();
    }

    // The guest's side: a blow here does not kill the host's ship, its fall in its own game does,
    // and it comes back; docked, the guest buys a hull and stays on the shipyard page until the
    // next Start takes it into flight.
    void SeeTheHostFallThenRefitAndRestart()
    {
        road.Step("a deadly blow here leaves the host's ship flying; struck down in its own game, it dies here");
        CRemoteShip* host = CNetRoad::OtherShip();
        ASSERT_NE(host, nullptr) << road.CurrentStep();
        host->TakeDamage(kDeadlyBlow, 0);
        EXPECT_TRUE(host->mActive) << road.CurrentStep();
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kStruck});
        ASSERT_TRUE(net.FramesUntil([host] { return !host->mActive; })) << road.CurrentStep();
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kSeenDead});
        road.Step("the host respawns");
        net.SeeEachOther("respawned, seen by the guest", "respawned, seen by the host");

        road.Step("dock, buy the next hull as a pilot who earned it, and open the shipyard again");
        ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
        gPlayerShip->mLevel = 10;
        gPlayerShip->mCredits = 100000;
        ClickStationButton(CStationScreen::kUpgradeButton);
        ClickControl(gShipUpgradeScreen, CShipUpgradeScreen::kBuyButton);
        ClickStationButton(CStationScreen::kUpgradeButton);
        ASSERT_EQ(gCurrentScreen, gShipUpgradeScreen) << road.CurrentStep();
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kAtTheShipyard});

        road.Step("the Start takes this copy from the shipyard into flight, its ship in the middle");
        road.MoveTo(400, 300);
        net.SeeEachOther("restarted, seen by the guest", "restarted, seen by the host", [] {
            Vec3 middle = gPlayerShip->mPosition;
            gCursor.PickRay(&middle.x, &middle.y, middle.z);
            return gCurrentScreen == gFlightScreen && Vec3Length(Vec3::Difference(middle, gPlayerShip->mPosition)) < 1;
        });
    }

    // Into the wormhole from Varn to Umbral; true once there. A Start or a respawn may leave the
    // ship at the far side of the system, well over a minute away.
    bool FlyThroughTheWormhole()
    {
        return FlyToward(kVarnToUmbral, 8000, [] { return gResourceManager->mCurrentSystemId == kUmbral; });
    }

    CNetRoad net{road};
};

TEST_F(NetRoadTest, TwoCopiesHostAndJoinChatStartAndSeeEachOtherFlyAndFire)
{
    if (const char* joinPort = std::getenv(kJoinPortVariable)) {
        // The joining copy: its own host table names only the host's port.
        folder.Content(std::string("DELETE FROM host; INSERT INTO host (host_description, host_address, host_port) "
                                   "VALUES ('Road host', '127.0.0.1', ") +
                       joinPort + ");");
        ToTheNetworkScreen();
        road.Step("Connect with the host box clear joins through the host row");
        road.ClickAt(544, 206);
        ASSERT_EQ(gCurrentScreen, gLobbyScreen) << road.CurrentStep();
        net.Chat({kKeyH, kKeyE, kKeyY}, "hey", "hi");
        road.Step("the host's Start takes this copy into flight too");
        net.FlyFireAndWatch("seen by the guest", "seen by the host");
        net.TheHostStrikesTheGuest(true);
        SeeTheHostFallThenRefitAndRestart();
        net.GoApartThenMeet(true, [this] { return FlyThroughTheWormhole(); });
        return;
    }

    ToTheNetworkScreen();
    ASSERT_FALSE(HasFatalFailure());
    net.HostAGuest([this] { net.GoApartThenMeet(false, [this] { return FlyThroughTheWormhole(); }); });
}

}  // namespace
