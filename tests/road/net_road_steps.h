// The network road's hands: a second copy of the game started as a joining guest, and the steps
// both copies take from the network screen through the lobby into a shared flight. The copies
// pace each other in real time, so every wait has a patience instead of a frame count.
#pragma once

#include <algorithm>
#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

#include "net/lobby_screen.h"
#include "net/network_manager.h"
#include "net/network_screen.h"
#include "net/remote_ship.h"
#include "road_fixture.h"
#include "ships/player_ship.h"
#include "ships/shot.h"
#include "support/netpeer_loopback.h"
#include "ui/text_control.h"

extern char** environ;

namespace net_road {

// Set only in the joining copy: the port the host listens on.
constexpr const char* kJoinPortVariable = "VARNOK_NET_ROAD_JOIN";
// The test a joining copy runs: it plays the guest's side when the join port is set.
constexpr const char* kGuestRoad = "NetRoadTest.TwoCopiesHostAndJoinChatStartAndSeeEachOtherFlyAndFire";
constexpr auto kPatience = std::chrono::seconds(20);
// A blow no ship survives, dealt in both games alike.
constexpr int kDeadlyBlow = 1000000;
constexpr const char* kStruck = "struck";
constexpr const char* kSeenDead = "seen dead";
constexpr const char* kGoneAhead = "gone ahead";
constexpr const char* kAtTheShipyard = "at the shipyard";
constexpr const char* kReadyToBeStruck = "ready to be struck";
constexpr const char* kStruckByTheHost = "struck by the host";
// Where the host fires from: off the guest's side, not touching it.
constexpr float kFiringDistance = 25.0f;
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
        std::string filter = std::string("--gtest_filter=") + kGuestRoad;
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

class CNetRoad {
public:
    explicit CNetRoad(CRoadDriver& road) : mRoad(road) {}

    // Runs frames, giving the other copy time, until done holds; false after the patience runs out.
    bool FramesUntil(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end || ::testing::Test::HasFatalFailure())
                return false;
            mRoad.Frames(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
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

    // In the lobby with both players: say a line, wait for the other's.
    void Chat(std::initializer_list<int> keys, const std::string& mine, const std::string& theirs)
    {
        mRoad.Step("both players are named in the lobby");
        ASSERT_TRUE(FramesUntil([] { return ShownNames().size() == 2; })) << mRoad.CurrentStep();
        for (const std::string& name : ShownNames())
            EXPECT_EQ(name.rfind("Player ", 0), 0u) << name;
        mRoad.Step("type \"" + mine + "\" and Return; both lines show");
        for (int key : keys)
            mRoad.Tap(key);
        mRoad.Tap(kKeyReturn);
        ASSERT_TRUE(FramesUntil([&] { return ChatShows(mine) && ChatShows(theirs); })) << mRoad.CurrentStep();
    }

    // In flight: thrust and fire until the other ship is seen flying and firing, and the other copy
    // has seen this one do the same.
    void FlyFireAndWatch(const std::string& seen, const std::string& otherSeen)
    {
        mRoad.Step("in flight with a session id");
        ASSERT_TRUE(FramesUntil([] {
            return gCurrentScreen == gFlightScreen && gPlayerShip && gPlayerShip->mId >= kFirstObjectId;
        })) << mRoad.CurrentStep();
        mRoad.Step("the other ship appears");
        ASSERT_TRUE(FramesUntil([] { return !gNetworkManager.RemoteShips().empty(); })) << mRoad.CurrentStep();
        const int otherId = gNetworkManager.RemoteShips().front()->mId;
        EXPECT_NE(otherId, gPlayerShip->mId);
        const Vec3 firstSeen = gNetworkManager.RemoteShips().front()->mPosition;

        mRoad.Step("thrust and fire until the other ship is seen to move and its shot arrives");
        mRoad.Press(kKeyW);
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
                mRoad.Tap(kKeyTab);
            return told && Heard(otherSeen);
        })) << mRoad.CurrentStep()
            << ": moved " << moved << ", shot arrived " << shotArrived;
        mRoad.Release(kKeyW);
    }

    // The host's shots strike the guest's ship in the host's game, and count in the guest's. The
    // host changes sides unseen by the guest, whose copy of it keeps the old side, so that there
    // its shots strike nothing: only the host's word of a blow can hurt the guest.
    void TheHostStrikesTheGuest(bool guest)
    {
        mRoad.Step("the host's shots at the guest count in the guest's game");
        if (guest) {
            const int whole = gPlayerShip->GetHitPoints();
            gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kReadyToBeStruck});
            ASSERT_TRUE(FramesUntil([whole] { return gPlayerShip->GetHitPoints() < whole; })) << mRoad.CurrentStep();
            gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kStruckByTheHost});
            return;
        }
        ASSERT_TRUE(FramesUntil([] { return Heard(kReadyToBeStruck); })) << mRoad.CurrentStep();
        const int side = gPlayerShip->mAffiliate;
        gPlayerShip->mAffiliate = side + 1;
        ASSERT_TRUE(FramesUntil([] {
            if (CRemoteShip* guestShip = OtherShip()) {
                gPlayerShip->mPosition = Vec3::Sum(guestShip->mPosition, Vec3(kFiringDistance, 0, 0));
                gPlayerShip->Fire(&guestShip->mPosition);
            }
            return Heard(kStruckByTheHost);
        })) << mRoad.CurrentStep();
        gPlayerShip->mAffiliate = side;
    }

    // The other player's ship as this game shows it, live; null while there is none.
    static CRemoteShip* OtherShip()
    {
        const std::vector<CRemoteShip*> ships = gNetworkManager.RemoteShips();
        const auto live = std::find_if(ships.begin(), ships.end(), [](CRemoteShip* ship) { return ship->mActive; });
        return live == ships.end() ? nullptr : *live;
    }
    // Until this game shows the other ship as shown holds, then says so, and hears the same back.
    void SeeEachOther(const std::string& seen, const std::string& otherSeen,
                      const std::function<bool()>& shown = [] { return true; })
    {
        bool told = false;
        ASSERT_TRUE(FramesUntil([&] {
            if (!told && OtherShip() && shown())
                told = gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{seen});
            return told && Heard(otherSeen);
        })) << mRoad.CurrentStep() << ": seen " << told;
    }

    // From the network screen: host the session, let a second copy of the game join, chat, start,
    // see each other fly and fire, and still see each other after a fall, a refit and a restart;
    // then what follows is played; the guest's own road must pass too.
    void HostAGuest(const std::function<void()>& then)
    {
        const uint16_t port = netpeer_test::FreePort();
        mRoad.Step("tick Host this session and Connect");
        mRoad.ClickAt(488, 108);
        // A copy hosts on the port of the host row it last tried; this one is given the road's own.
        gNetworkManager.mPort = port;
        mRoad.ClickAt(544, 206);
        ASSERT_EQ(gCurrentScreen, gLobbyScreen) << mRoad.CurrentStep();
        ASSERT_TRUE(FramesUntil([] { return ShownNames().size() == 1; })) << "the host's own name";

        mRoad.Step("a second copy of the game joins");
        CChildProcess guest(port);
        ASSERT_TRUE(guest.Started());
        Chat({kKeyH, kKeyI}, "hi", "hey");
        mRoad.Step("Start");
        mRoad.ClickAt(656, 436);
        FlyFireAndWatch("seen by the host", "seen by the guest");
        TheHostStrikesTheGuest(false);
        FallThenSeeTheGuestRefitAndRestart();
        then();

        mRoad.Step("the joining copy passes its own road");
        ASSERT_TRUE(FramesUntil([&] { return guest.Exited().has_value(); })) << mRoad.CurrentStep();
        EXPECT_EQ(guest.Exited(), 0);
    }

    // The host's side: struck down in its own game, it is seen dead by the guest and respawns; the
    // guest's new hull shows here; a Start, as a newcomer's lobby sends it, restarts both.
    void FallThenSeeTheGuestRefitAndRestart()
    {
        mRoad.Step("struck down in this game, seen dead in the guest's, respawn; each sees the other again");
        const int hull = OtherShip() ? OtherShip()->mShipId : 0;
        ASSERT_TRUE(FramesUntil([] { return Heard(kStruck); })) << mRoad.CurrentStep();
        gPlayerShip->TakeDamage(kDeadlyBlow, 0);
        mRoad.Frames(30);
        ASSERT_TRUE(FramesUntil([] { return Heard(kSeenDead); })) << mRoad.CurrentStep();
        mRoad.ClickAt(356, 370);
        ASSERT_TRUE(gPlayerShip->mActive) << mRoad.CurrentStep() << ": not respawned";
        SeeEachOther("respawned, seen by the host", "respawned, seen by the guest");

        mRoad.Step("the guest's bought hull shows and is named here");
        ASSERT_TRUE(FramesUntil([] { return Heard(kAtTheShipyard); }) && OtherShip()) << mRoad.CurrentStep();
        EXPECT_NE(OtherShip()->mShipId, hull) << mRoad.CurrentStep();
        EXPECT_STREQ(OtherShip()->mShipName, gGameDatabase.GetShip(OtherShip()->mShipId)->ship_type);

        mRoad.Step("a Start while the guest is on its shipyard page");
        gNetworkManager.Send(netpeer::kAllPlayers, MsgStartGame{1});
        // This copy's own messages come back in order: once the line is here, so was the Start.
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{"started again"});
        ASSERT_TRUE(FramesUntil([] { return Heard("started again"); })) << mRoad.CurrentStep();
        SeeEachOther("restarted, seen by the host", "restarted, seen by the guest");
    }

    // The guest goes through the wormhole to Umbral, the host after it. Apart, both fire, and neither game shows the
    // other or a shot of it; once the host has followed, each sees the other again.
    void GoApartThenMeet(bool guest, const std::function<bool()>& flyThroughTheWormhole)
    {
        ASSERT_NE(OtherShip(), nullptr);
        const int otherId = OtherShip()->mId;
        if (guest) {
            mRoad.Step("through the wormhole to Umbral");
            ASSERT_TRUE(flyThroughTheWormhole()) << mRoad.CurrentStep();
            gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{kGoneAhead});
        } else {
            // A copy may be out of sight for a moment while it is rebuilt: only the guest knows it left.
            ASSERT_TRUE(FramesUntil([] { return Heard(kGoneAhead); })) << mRoad.CurrentStep();
        }
        mRoad.Step("apart, both fire: neither game shows the other or a shot of it");
        ASSERT_TRUE(FramesUntil([otherId] { return !gResourceManager->FindObject(otherId); })) << mRoad.CurrentStep();
        const std::string mine = guest ? "apart, seen by the guest" : "apart, seen by the host";
        const std::string theirs = guest ? "apart, seen by the host" : "apart, seen by the guest";
        bool shown = false;
        bool told = false;
        int frame = 0;
        ASSERT_TRUE(FramesUntil([&] {
            shown = shown || gResourceManager->FindObject(otherId);
            for (const auto& [id, object] : gResourceManager->mObjects) {
                auto* shot = dynamic_cast<CShot*>(object);
                shown = shown || (shot && shot->Owner() == gResourceManager->FindOtherPlayer(otherId));
            }
            if (++frame % kFramesBetweenShots == 0)
                mRoad.Tap(kKeyTab);
            if (frame == 4 * kFramesBetweenShots)
                told = gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{mine});
            return told && Heard(theirs);
        })) << mRoad.CurrentStep();
        EXPECT_FALSE(shown) << mRoad.CurrentStep();
        if (!guest) {
            mRoad.Step("the host follows through the wormhole");
            ASSERT_TRUE(flyThroughTheWormhole()) << mRoad.CurrentStep();
        }
        mRoad.Step("together in Umbral, each sees the other again");
        SeeEachOther(guest ? "together, seen by the guest" : "together, seen by the host",
                     guest ? "together, seen by the host" : "together, seen by the guest",
                     [otherId] { return gResourceManager->FindObject(otherId) != nullptr; });
    }

    static bool Heard(const std::string& line)
    {
        return std::find(gNetworkManager.mChatLines.begin(), gNetworkManager.mChatLines.end(), line) !=
               gNetworkManager.mChatLines.end();
    }

private:
    static bool ChatShows(const std::string& line)
    {
        for (int i = 0; i < CLobbyScreen::kChatLines; ++i) {
            const CTextControl* text = gLobbyScreen->GetTextControl(CLobbyScreen::kFirstChatText + i);
            if (text && line == text->text)
                return true;
        }
        return false;
    }

    CRoadDriver& mRoad;
};

}  // namespace net_road
