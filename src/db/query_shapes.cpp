// Statement execution with the game's one failure rule: a failed statement ends the game.
#include "db/query_shapes.h"

#include <cstdlib>

#include "platform/os/message_queue.h"

bool RunOrQuit(sqlite3* db, const std::string& sql, RowCallback callback, void* user)
{
    // After the first failure the game is ending: a later statement would only fail the same way,
    // or write what the failure left half made.
    if (os::FailurePosted())
        return false;
    const std::optional<std::string> error = ExecSql(db, sql, callback, user);
    if (!error)
        return true;
    os::PostFailureQuit("a statement failed (%s): %s", error->c_str(), sql.c_str());
    return false;
}

int IgnoreRow(void*, int, char**, char**)
{
    return 0;
}

int ScalarRow(void* user, int columns, char** values, char**)
{
    if (columns != 1)
        return 0;
    *static_cast<int32_t*>(user) = values[0] != nullptr ? std::atoi(values[0]) : 0;
    return 0;
}
