// The game on a real window under an X server of its own, in a child process, when that server
// goes away: on the menu and in flight, the game ends by itself with one line on stderr and a
// failure status, after saving the flying pilot, instead of spinning on the dead connection.
#include <string>

#include <gtest/gtest.h>
#include <poll.h>
#include <sqlite3.h>

#include "app/entry.h"
#include "app/globals.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "reliability/child_process.h"
#include "reliability/saved_pilot.h"
#include "screens/load_pilot_screen.h"
#include "ships/player_ship.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "support/screen_cases.h"

namespace {

// Credits only the pilot in flight has; the save holds them only if the game saved on its way out.
constexpr int kCreditsInFlight = 4321;

// A virtual X server on a display number it picks itself.
class OwnXServer {
public:
    OwnXServer()
    {
        int numberPipe[2];
        if (pipe(numberPipe) != 0)
            return;
        mPid = fork();
        if (mPid == 0) {
            close(numberPipe[0]);
            const std::string fd = std::to_string(numberPipe[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(numberPipe[1]);
        // The server writes the number and then a newline, and dies if the pipe closes in between.
        std::string number;
        pollfd ready{numberPipe[0], POLLIN, 0};
        char c = 0;
        while (mPid > 0 && number.find('\n') == std::string::npos && poll(&ready, 1, 10000) == 1 &&
               read(numberPipe[0], &c, 1) == 1)
            number += c;
        if (number.find('\n') != std::string::npos)
            mDisplay = ":" + std::to_string(std::atoi(number.c_str()));
        close(numberPipe[0]);
    }
    ~OwnXServer() { Kill(); }
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    // Empty when the server did not start.
    const std::string& Display() const { return mDisplay; }
    void Kill()
    {
        if (mPid <= 0)
            return;
        kill(mPid, SIGTERM);
        waitpid(mPid, nullptr, 0);
        mPid = -1;
    }

private:
    pid_t mPid = -1;
    std::string mDisplay;
};

int ReadInt(void* user, int, char** values, char**)
{
    *static_cast<int*>(user) = values[0] ? std::atoi(values[0]) : -1;
    return 0;
}

// The pilot's credits as pe.dat holds them, read as SQLite reads them; -1 when unreadable.
int SavedCredits(const std::string& file, int playerId)
{
    sqlite3* db = nullptr;
    int credits = -1;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_exec(db, ("select credits from player where player_id = " + std::to_string(playerId)).c_str(), &ReadInt,
                     &credits, nullptr);
    sqlite3_close(db);
    return credits;
}

struct Place {
    const char* name;
    // Whether the saved pilot flies when the display goes.
    bool flying;
};

void PrintTo(const Place& place, std::ostream* out)
{
    *out << place.name;
}

const Place kPlaces[] = {{"menu", false}, {"flight", true}};

class LostDisplayTest : public ::testing::TestWithParam<Place> {
protected:
    void SetUp() override
    {
        playerId = SaveANewPilot(folder);
        ASSERT_FALSE(HasFailure());
    }
    void TearDown() override { os::ClearMessages(); }

    GameFolder folder;
    int playerId = 0;
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend, audio::Backend::kSilent};
};

TEST_P(LostDisplayTest, TheGameEndsAsAFailureAndKeepsThePilot)
{
    const Place& place = GetParam();
    OwnXServer server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    const int savedCredits = SavedCredits(folder.SaveFile(), playerId);
    int readyPipe[2];
    ASSERT_EQ(pipe(readyPipe), 0);

    const ChildEnd end = RunInChild(
        [&] {
            close(readyPipe[0]);
            setenv("DISPLAY", server.Display().c_str(), 1);
            if (StartGame(gfx::Backend::kOpenGl))
                return 2;
            if (place.flying) {
                if (!FlySavedPilot(gGameDatabase.GetCurrentPlayerId()))
                    return 3;
                gPlayerShip->mCredits = kCreditsInFlight;
            }
            RunLoop(20);
            const char ready = 1;
            if (write(readyPipe[1], &ready, 1) != 1)
                return 4;
            // Ends only by a quit message, which the lost display never posts.
            RunLoop(0);
            StopGame();
            return 0;
        },
        (folder.Path() / "errors.txt").string(), std::chrono::seconds(30),
        [&](pid_t) {
            close(readyPipe[1]);
            pollfd ready{readyPipe[0], POLLIN, 0};
            char byte = 0;
            if (poll(&ready, 1, 20000) == 1 && read(readyPipe[0], &byte, 1) == 1)
                server.Kill();
        });
    close(readyPipe[0]);

    ASSERT_FALSE(end.hung) << "the game goes on without its display\n" << end.errors;
    ASSERT_EQ(end.signal, 0) << "the game crashes\n" << end.errors;
    EXPECT_EQ(end.exitCode, 1) << end.errors;
    EXPECT_NE(end.errors.find("varnok: the display was lost"), std::string::npos) << end.errors;
    EXPECT_EQ(SavedCredits(folder.SaveFile(), playerId), place.flying ? kCreditsInFlight : savedCredits);
}

INSTANTIATE_TEST_SUITE_P(Everywhere, LostDisplayTest, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

}  // namespace
