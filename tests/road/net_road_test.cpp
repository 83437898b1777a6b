// The network road: two copies of the game on this machine. This process hosts; a second process
// (this test binary again, told the host's port) joins through its host row on 127.0.0.1. Both
// are driven only by keys and clicks: the main menu's Network button, host or join, a chat line
// each that both lobbies show, the host's Start, then each flies and fires and must see the other
// ship move and its shots arrive.
#include <cstdlib>
#include <string>

#include "net_road_steps.h"
#include "road_fixture.h"

namespace {

using namespace net_road;

class NetRoadTest : public RoadTest {
protected:
    // The pilot made through the menus goes back to the main menu, then to the network screen.
    void ToTheNetworkScreen()
    {
        MakePilotThroughTheMenus();
        road.Step("Esc, the options' Main Menu, then the main menu's Network button");
        FlyToTheNetworkScreen();
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
        return;
    }

    ToTheNetworkScreen();
    ASSERT_FALSE(HasFatalFailure());
    net.HostAGuest();
}

}  // namespace
