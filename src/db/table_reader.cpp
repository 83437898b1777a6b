// Whole-result queries on a read-only database connection.
#include "db/table_reader.h"

#include <sqlite3.h>

namespace db {

namespace {

int CollectRow(void* context, int count, char** values, char** names)
{
    auto* result = static_cast<QueryResult*>(context);
    if (result->columns.empty())
        for (int i = 0; i < count; ++i)
            result->columns.emplace_back(names[i] ? names[i] : "");
    std::vector<std::string> row;
    row.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        row.emplace_back(values[i] ? values[i] : "");
    result->rows.push_back(std::move(row));
    return 0;
}

}  // namespace

std::optional<QueryResult> ReadQuery(const std::string& databasePath, const std::string& sql, std::string* error)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(databasePath.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        if (error)
            *error = handle ? sqlite3_errmsg(handle) : "cannot open " + databasePath;
        sqlite3_close(handle);
        return std::nullopt;
    }
    QueryResult result;
    char* message = nullptr;
    int rc = sqlite3_exec(handle, sql.c_str(), CollectRow, &result, &message);
    if (rc != SQLITE_OK) {
        if (error)
            *error = message ? message : "query failed";
        sqlite3_free(message);
        sqlite3_close(handle);
        return std::nullopt;
    }
    sqlite3_close(handle);
    return result;
}

}  // namespace db
