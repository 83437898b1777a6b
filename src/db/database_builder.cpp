// Database files from SQL scripts, built aside and moved into place whole.
#include "db/database_builder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sqlite3.h>

namespace {

std::optional<std::string> ReadFile(const std::string& path, std::string* text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot read " + path;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *text = buffer.str();
    return std::nullopt;
}

std::optional<std::string> Exec(sqlite3* db, const std::string& sql, const std::string& where)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return std::nullopt;
    std::string message = where + ": " + (error != nullptr ? error : sqlite3_errmsg(db));
    sqlite3_free(error);
    return message;
}

std::optional<std::string> RunScripts(const std::string& file, const std::vector<std::string>& sqlFiles)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::string message = "cannot create " + file + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return message;
    }
    std::optional<std::string> error = Exec(db, "BEGIN", file);
    for (const std::string& script : sqlFiles) {
        if (error)
            break;
        std::string sql;
        error = ReadFile(script, &sql);
        if (!error)
            error = Exec(db, sql, script);
    }
    if (!error)
        error = Exec(db, "COMMIT", file);
    sqlite3_close(db);
    return error;
}

}  // namespace

std::optional<std::string> BuildDatabase(const std::string& output, const std::vector<std::string>& sqlFiles,
                                         BuildMode mode)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (mode == BuildMode::kKeepExisting && fs::exists(output, ec))
        return std::nullopt;
    fs::path target(output);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    std::string partial = output + ".partial";
    fs::remove(partial, ec);
    std::optional<std::string> error = RunScripts(partial, sqlFiles);
    if (!error) {
        fs::rename(partial, target, ec);
        if (ec)
            error = "cannot move " + partial + " to " + output + ": " + ec.message();
    }
    if (error)
        fs::remove(partial, ec);
    return error;
}

std::optional<std::string> ApplySql(const std::string& databaseFile, const std::string& sql)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databaseFile.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string message = "cannot open " + databaseFile + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return message;
    }
    std::optional<std::string> error = Exec(db, sql, databaseFile);
    sqlite3_close(db);
    return error;
}
