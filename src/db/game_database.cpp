// CGameDatabase: construction and opening both databases.
#include "db/game_database.h"

#include <cstdlib>

#include <sqlite3.h>

#include "db/query_shapes.h"
#include "platform/os/message_queue.h"
#include "platform/os/path.h"

namespace {

// A backup or a database browser may hold a database for a moment; the game waits that long for
// it rather than failing and ending.
constexpr int kBusyTimeoutMs = 5000;

// SQL's random() draws on the game's dice rather than on SQLite's own generator, which no seed of
// the game reaches: a stock shuffled by it replays with the dice.
void GameDice(sqlite3_context* context, int, sqlite3_value**)
{
    sqlite3_result_int64(context, std::rand());
}

}  // namespace

CGameDatabase::CGameDatabase() = default;

CGameDatabase::~CGameDatabase()
{
    Close();
}

bool CGameDatabase::Open()
{
    return Open("config\\varnok.dat", "config\\pe.dat");
}

bool CGameDatabase::Open(const std::string& contentFile, const std::string& saveFile)
{
    Close();
    std::optional<std::string> problem = OpenFile(contentFile, &mContent);
    if (!problem)
        problem = OpenFile(saveFile, &mSave);
    if (!problem)
        problem = CannotWrite(saveFile, mSave);
    if (!problem)
        return MakeMissingSettingsRow();
    // A game without its databases ends as a failure.
    os::PostFailureQuit("%s", problem->c_str());
    return false;
}

void CGameDatabase::Close()
{
    sqlite3_close_v2(mContent);
    sqlite3_close_v2(mSave);
    mContent = nullptr;
    mSave = nullptr;
}

namespace {

int CountTables(void* user, int columns, char** values, char**)
{
    if (columns == 1 && values[0] != nullptr)
        *static_cast<int*>(user) = std::atoi(values[0]);
    return 0;
}

// The check's first row: "ok", or the first fault it found, without the heading of the database
// that holds it.
int FirstCheckRow(void* user, int columns, char** values, char**)
{
    auto* row = static_cast<std::string*>(user);
    if (columns != 1 || !row->empty() || values[0] == nullptr)
        return 0;
    *row = values[0];
    row->erase(0, row->find_last_of('\n') + 1);
    return 0;
}

}  // namespace

// A save database that cannot be written (a read-only file or folder) would lose every save of
// the session, so the player hears of it before playing. The probe is rolled back: the file is
// untouched. A database busy in another copy of the game is writable.
std::optional<std::string> CGameDatabase::CannotWrite(const std::string& gamePath, sqlite3* db)
{
    if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return std::nullopt;
    const int result = sqlite3_exec(db, "create table write_probe ( x )", nullptr, nullptr, nullptr);
    const std::string problem = sqlite3_errmsg(db);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (result == SQLITE_OK || result == SQLITE_BUSY || result == SQLITE_LOCKED)
        return std::nullopt;
    return "cannot write the database " + os::NativePath(gamePath) + ": " + problem;
}

// Opens an existing file read-write; never creates one, so a missing save file cannot be replaced
// by an empty one. A file without tables is no game database either, and a damaged one is refused
// before a damaged page reads as no rows (a save as "no pilot"); it is left as it is.
std::optional<std::string> CGameDatabase::OpenFile(const std::string& gamePath, sqlite3** handle)
{
    std::string path = os::NativePath(gamePath);
    sqlite3* db = nullptr;
    int result = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // Before the first query: a lock held elsewhere at start is waited for like any other.
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_create_function(db, "random", 0, SQLITE_UTF8, nullptr, &GameDice, nullptr, nullptr);
    }
    std::string problem;
    int tables = 0;
    std::string check;
    if (result != SQLITE_OK) {
        problem = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    } else if (sqlite3_exec(db, "select count(*) from sqlite_master", &CountTables, &tables, nullptr) != SQLITE_OK) {
        problem = sqlite3_errmsg(db);
    } else if (tables == 0) {
        problem = "it holds no tables";
    } else if (sqlite3_exec(db, "pragma quick_check", &FirstCheckRow, &check, nullptr) != SQLITE_OK) {
        problem = sqlite3_errmsg(db);
    } else if (check != "ok") {
        problem = "it is damaged (" + check + ")";
    }
    if (!problem.empty()) {
        std::string reason = "cannot open the database " + path + ": " + problem;
        sqlite3_close_v2(db);
        return reason;
    }
    *handle = db;
    return std::nullopt;
}
