// Four games on loopback for fifteen minutes (or as told): each a process of this program with
// its own game, headless or in a GL window, and its own folder. The first hosts, the others join, the host starts, and all
// circle one another, fire at the nearest ship and respawn when struck down. Each game prints
// its resident memory and heap in use when flight begins, every minute and at the end.
//
// bench_net_soak [seconds] [games] [headless | gl]
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/frame.h"
#include "bench_game_setup.h"
#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "support/netpeer_loopback.h"
#include "support/screen_cases.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultSeconds = 900;
constexpr int kDefaultGames = 4;
constexpr auto kFrame = std::chrono::milliseconds(16);
constexpr auto kSampleEvery = std::chrono::seconds(60);
constexpr auto kPatience = std::chrono::seconds(30);
constexpr float kCircleRadius = 15.0f;
constexpr float kTurnsPerSecond = 0.05f;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

void Sample(int game, const char* when, double seconds)
{
    size_t shots = 0;
    for (const auto& [id, object] : gResourceManager->mObjects)
        shots += object->mType == kTypeShot ? 1 : 0;
    std::printf("net_soak: game %d %-5s %4.0f s: resident %6.1f MB, heap in use %6.1f MB, %3zu objects, %3zu shots, "
                "%zu copies, hull %d\n",
                game, when, seconds, static_cast<double>(ResidentKb()) / 1024.0,
                static_cast<double>(mallinfo2().uordblks) / 1048576.0, gResourceManager->mObjects.size(), shots,
                gNetworkManager.RemoteShips().size(), gPlayerShip->mHitPoints);
    std::fflush(stdout);
}

// One frame of the game at about sixty a second.
void Frame()
{
    RunFrame();
    std::this_thread::sleep_for(kFrame);
}

bool FramesUntil(const std::function<bool()>& done)
{
    const auto end = Clock::now() + kPatience;
    while (!done()) {
        if (Clock::now() > end)
            return false;
        Frame();
    }
    return true;
}

// The ship circles the middle of the system, each game at its own place on the circle, and fires
// at the nearest other ship it sees; struck down, it lives again where it is.
void Fly(int game, int games, double seconds)
{
    CPlayerShip& ship = *gPlayerShip;
    if (!ship.mActive)
        ship.Restore();
    const double angle = 6.28318 * (kTurnsPerSecond * seconds + static_cast<double>(game) / games);
    ship.mPosition.x = kCircleRadius * static_cast<float>(std::cos(angle));
    ship.mPosition.y = kCircleRadius * static_cast<float>(std::sin(angle));
    ship.mDestination = ship.mPosition;
    const CRemoteShip* nearest = nullptr;
    for (const CRemoteShip* copy : gNetworkManager.RemoteShips()) {
        const bool here = gResourceManager->FindObject(copy->mId) == copy;
        if (here && copy->mActive &&
            (!nearest || Vec3LengthSq(Vec3::Difference(copy->mPosition, ship.mPosition)) <
                             Vec3LengthSq(Vec3::Difference(nearest->mPosition, ship.mPosition))))
            nearest = copy;
    }
    if (nearest)
        ship.Fire(&nearest->mPosition);
}

int PlayOneGame(int game, int games, uint16_t port, int seconds, gfx::Backend backend)
{
    BenchGame bench;
    if (!bench.Start(backend))
        return 1;
    gDevice->EndScene();
    // Each pilot of its own side, so that the shots of one strike the others, without shield or
    // armor and firing his beam, so that they strike one another down.
    RowList<CreateShipRow> rows;
    const CreateShipRow hull = *gGameDatabase.GetCreateShips(rows).front();
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Soak Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, 0, 0, 2, 2, 2, 2, 2,
                                      0xFFFFFFFFu, kAlignmentNeutral + game));
    gPlayerShip->SelectWeapon(hull.weapon_id_1);
    gPlayerShip->Save();
    gFlightScreen->SetSystemBackdrop(gPlayerShip->mSystemId);
    gCurrentScreen = gFlightScreen;

    gNetworkManager.mPort = port;
    gNetworkManager.mHost = game == 0 ? 1 : 0;
    gNetworkManager.InitPeer();
    if (game == 0 ? !gNetworkManager.HostSession()
                  : gNetworkManager.mPeer->Connect(VarnokSession(), netpeer_test::Loopback(port), netpeer::Address{}) !=
                        netpeer::Result::kOk) {
        std::fprintf(stderr, "net_soak: game %d could not %s\n", game, game == 0 ? "host" : "join");
        return 1;
    }
    if (!FramesUntil([games] { return gNetworkManager.mPlayerNames.size() == static_cast<size_t>(games); })) {
        std::fprintf(stderr, "net_soak: game %d saw %zu players\n", game, gNetworkManager.mPlayerNames.size());
        return 1;
    }
    if (game == 0)
        gNetworkManager.Send(netpeer::kAllPlayers, MsgStartGame{1});
    if (!FramesUntil([] { return gPlayerShip && gPlayerShip->mId >= kFirstObjectId; })) {
        std::fprintf(stderr, "net_soak: game %d has no id\n", game);
        return 1;
    }
    const auto start = Clock::now();
    auto nextSample = start;
    const auto end = start + std::chrono::seconds(seconds);
    int deaths = 0;
    bool wasActive = true;
    for (auto now = start; now < end; now = Clock::now()) {
        const double elapsed = std::chrono::duration<double>(now - start).count();
        if (now >= nextSample) {
            Sample(game, now == start ? "first" : "", elapsed);
            nextSample += kSampleEvery;
        }
        deaths += wasActive && !gPlayerShip->mActive ? 1 : 0;
        wasActive = gPlayerShip->mActive != 0;
        Fly(game, games, elapsed);
        Frame();
    }
    Sample(game, "last", static_cast<double>(seconds));
    std::printf("net_soak: game %d was struck down %d times\n", game, deaths);
    gNetworkManager.ClosePeer();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : kDefaultSeconds;
    const int games = argc > 2 ? std::atoi(argv[2]) : kDefaultGames;
    const std::string backendName = argc > 3 ? argv[3] : "headless";
    const gfx::Backend backend = backendName == "gl" ? gfx::Backend::kOpenGl : gfx::Backend::kHeadless;
    // A game of the run: bench_net_soak SECONDS GAMES BACKEND PORT INDEX.
    if (argc > 5)
        return PlayOneGame(std::atoi(argv[5]), games, static_cast<uint16_t>(std::atoi(argv[4])), seconds, backend);

    const std::string port = std::to_string(netpeer_test::FreePort());
    std::vector<pid_t> children;
    for (int game = 0; game < games; ++game) {
        const std::string index = std::to_string(game);
        const std::string secondsText = std::to_string(seconds);
        const std::string gamesText = std::to_string(games);
        char* args[] = {argv[0],
                        const_cast<char*>(secondsText.c_str()),
                        const_cast<char*>(gamesText.c_str()),
                        const_cast<char*>(backendName.c_str()),
                        const_cast<char*>(port.c_str()),
                        const_cast<char*>(index.c_str()),
                        nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, args, environ) != 0) {
            std::fprintf(stderr, "net_soak: game %d did not start\n", game);
            return 1;
        }
        children.push_back(pid);
        // The host listens before the others join.
        if (game == 0)
            std::this_thread::sleep_for(std::chrono::seconds(2));
    }
    int failed = 0;
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        failed += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}
