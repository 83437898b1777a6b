// The network road: two copies of the game on this machine. This process hosts; a second process
// (this test binary again, told the host's port) joins through its host row on 127.0.0.1. Both
// are driven only by keys and clicks: the main menu's Network button, host or join, a chat line
// each that both lobbies show, the host's Start, then each flies and fires and must see the other
// ship move and its shots arrive.
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
#include "net/remote_ship.h"
#include "road_fixture.h"
#include "screens/main_menu_screen.h"
#include "ships/shot.h"
#include "support/netpeer_loopback.h"
#include "ui/text_control.h"

extern char** environ;

namespace {

// Set only in the joining copy: the port the host listens on.
constexpr const char* kJoinPortVariable = "VARNOK_NET_ROAD_JOIN";
constexpr auto kPatience = std::chrono::seconds(20);
constexpr int kKeyE = 18;
constexpr int kKeyH = 35;
constexpr int kKeyY = 21;
constexpr int kFramesBetweenShots = 25;
// How far the other ship must be seen to fly.
constexpr float kSeenToMove = 5.0f;

// The joining copy, killed if it is still running when the host's test ends.
class CChildProcess {
public:
    explicit CChildProcess(uint16_t port)
    {
        std::vector<std::string> env;
        for (char** entry = environ; *entry; ++entry) {
            // The host's own report file is not the joiner's to write.
            if (std::string(*entry).rfind("GTEST_OUTPUT=", 0) != 0)
                env.emplace_back(*entry);
        }
        env.push_back(std::string(kJoinPortVariable) + "=" + std::to_string(port));
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string filter = "--gtest_filter=" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) +
                             "." + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        char self[] = "/proc/self/exe";
        char* argv[] = {self, filter.data(), nullptr};
        if (posix_spawn(&mPid, self, nullptr, nullptr, argv, envp.data()) != 0)
            mPid = 0;
    }
    ~CChildProcess()
    {
        if (mPid > 0 && !mExited) {
            kill(mPid, SIGKILL);
            waitpid(mPid, nullptr, 0);
        }
    }
    bool Started() const { return mPid > 0; }
    // The exit status once it has ended; nothing while it runs.
    std::optional<int> Exited()
    {
        if (mExited)
            return mStatus;
        int status = 0;
        if (waitpid(mPid, &status, WNOHANG) != mPid)
            return std::nullopt;
        mExited = true;
        mStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return mStatus;
    }

private:
    pid_t mPid = 0;
    bool mExited = false;
    int mStatus = -1;
};

class NetRoadTest : public RoadTest {
protected:
    // Runs frames, giving the other copy time, until done holds; false after the patience runs out.
    bool FramesUntil(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end || HasFatalFailure())
                return false;
            road.Frames(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    void ClickControl(int x, int y, int width, int height) { road.ClickAt(x + width / 2, y + height / 2); }

    // The pilot made through the menus goes back to the main menu, then to the network screen.
    void ToTheNetworkScreen()
    {
        MakePilotThroughTheMenus();
        road.Step("Esc opens the options, Main Menu leaves flight");
        road.Tap(kKeyEscape);
        road.ClickAt(400, 456);
        ASSERT_EQ(gCurrentScreen, gMainMenuScreen) << road.CurrentStep();
        road.Step("the main menu's Network button opens the network screen");
        road.ClickAt(188, 366);
        ASSERT_EQ(gCurrentScreen, gNetworkScreen) << road.CurrentStep();
    }

    static std::vector<std::string> ShownNames()
    {
        std::vector<std::string> names;
        for (int place = 0; place < CLobbyScreen::kNamePlaces; ++place) {
            const CTextControl* text = gLobbyScreen->GetTextControl(CLobbyScreen::kFirstNameText + place);
            if (text && text->visible)
                names.emplace_back(text->text);
        }
        return names;
    }
    static bool ChatShows(const std::string& line)
    {
        for (int i = 0; i < CLobbyScreen::kChatLines; ++i) {
            const CTextControl* text = gLobbyScreen->GetTextControl(CLobbyScreen::kFirstChatText + i);
            if (text && line == text->text)
                return true;
        }
        return false;
    }
    static bool Heard(const std::string& line)
    {
        return std::find(gNetworkManager.mChatLines.begin(), gNetworkManager.mChatLines.end(), line) !=
               gNetworkManager.mChatLines.end();
    }

    void TypeChat(std::initializer_list<int> keys)
    {
        for (int key : keys)
            road.Tap(key);
        road.Tap(kKeyReturn);
    }

    // In the lobby with both players: say a line, wait for the other's.
    void Chat(std::initializer_list<int> keys, const std::string& mine, const std::string& theirs)
    {
        road.Step("both players are named in the lobby");
        ASSERT_TRUE(FramesUntil([] { return ShownNames().size() == 2; })) << road.CurrentStep();
        for (const std::string& name : ShownNames())
            EXPECT_EQ(name.rfind("Player ", 0), 0u) << name;
        road.Step("type \"" + mine + "\" and Return; both lines show");
        TypeChat(keys);
        ASSERT_TRUE(FramesUntil([&] { return ChatShows(mine) && ChatShows(theirs); })) << road.CurrentStep();
    }

    // In flight: thrust and fire until the other ship is seen flying and firing, and the other copy
    // has seen this one do the same.
    void FlyFireAndWatch(const std::string& seen, const std::string& otherSeen)
    {
        road.Step("in flight with a session id");
        ASSERT_TRUE(FramesUntil([] { return gCurrentScreen == gFlightScreen && gPlayerShip &&
                                            gPlayerShip->mId >= kFirstObjectId; }))
            << road.CurrentStep();
        road.Step("the other ship appears");
        ASSERT_TRUE(FramesUntil([] { return !gNetworkManager.RemoteShips().empty(); })) << road.CurrentStep();
        const int otherId = gNetworkManager.RemoteShips().front()->mId;
        EXPECT_NE(otherId, gPlayerShip->mId);
        const Vec3 firstSeen = gNetworkManager.RemoteShips().front()->mPosition;

        road.Step("thrust and fire until the other ship is seen to move and its shot arrives");
        road.Press(kKeyW);
        bool moved = false;
        bool shotArrived = false;
        bool told = false;
        int frame = 0;
        ASSERT_TRUE(FramesUntil([&] {
            auto* other = dynamic_cast<CRemoteShip*>(gResourceManager->FindObject(otherId));
            if (!other)
                return false;
            moved = moved || Vec3Length(Vec3::Difference(other->mPosition, firstSeen)) > kSeenToMove;
            for (const auto& [id, object] : gResourceManager->mObjects) {
                if (auto* shot = dynamic_cast<CShot*>(object); shot && shot->Owner() == other)
                    shotArrived = true;
            }
            if (moved && shotArrived && !told) {
                gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{seen});
                told = true;
            }
            if (++frame % kFramesBetweenShots == 0)
                road.Tap(kKeyTab);
            return told && Heard(otherSeen);
        })) << road.CurrentStep() << ": moved " << moved << ", shot arrived " << shotArrived;
        road.Release(kKeyW);
    }
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
        Chat({kKeyH, kKeyE, kKeyY}, "hey", "hi");
        road.Step("the host's Start takes this copy into flight too");
        FlyFireAndWatch("seen by the guest", "seen by the host");
        return;
    }

    const uint16_t port = netpeer_test::FreePort();
    ToTheNetworkScreen();
    road.Step("tick Host this session and Connect");
    road.ClickAt(488, 108);
    // A copy hosts on the port of the host row it last tried; this one is given the road's own.
    gNetworkManager.mPort = port;
    road.ClickAt(544, 206);
    ASSERT_EQ(gCurrentScreen, gLobbyScreen) << road.CurrentStep();
    road.Frames(2);
    ASSERT_EQ(ShownNames().size(), 1u) << "the host's own name";

    road.Step("a second copy of the game joins");
    CChildProcess guest(port);
    ASSERT_TRUE(guest.Started());
    Chat({kKeyH, kKeyI}, "hi", "hey");
    road.Step("Start");
    road.ClickAt(656, 436);
    FlyFireAndWatch("seen by the host", "seen by the guest");

    road.Step("the joining copy passes its own road");
    ASSERT_TRUE(FramesUntil([&] { return guest.Exited().has_value(); })) << road.CurrentStep();
    EXPECT_EQ(guest.Exited(), 0);
}

}  // namespace
