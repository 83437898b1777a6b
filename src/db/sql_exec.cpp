// Statement formatting and execution on SQLite 3.
#include "db/sql_exec.h"

#include <cstdarg>

#include <sqlite3.h>

std::string FormatSql(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char* text = sqlite3_vmprintf(format, args);
    va_end(args);
    if (text == nullptr)
        return std::string();
    std::string result(text);
    sqlite3_free(text);
    return result;
}

std::string IdList(const std::vector<int>& ids)
{
    if (ids.empty())
        return "0";
    std::string list;
    for (int id : ids) {
        if (!list.empty())
            list += ',';
        list += std::to_string(id);
    }
    return list;
}

std::optional<std::string> ExecSql(sqlite3* db, const std::string& sql, RowCallback callback, void* user)
{
    if (db == nullptr)
        return std::string("no database is open");
    char* error = nullptr;
    int result = sqlite3_exec(db, sql.c_str(), callback, user, &error);
    if (result == SQLITE_OK)
        return std::nullopt;
    std::string text = error != nullptr ? error : sqlite3_errstr(result);
    sqlite3_free(error);
    return text;
}
