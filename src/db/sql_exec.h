// Statement text and execution: statements grow as long as they need, text values are escaped.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct sqlite3;

using RowCallback = int (*)(void* user, int columns, char** values, char** names);

// printf-style formatting into a string of any length. Besides %d, %f, %x and %s it knows %q:
// the text with every apostrophe doubled, for values inside single quotes.
std::string FormatSql(const char* format, ...);

// Comma-separated ids ("3,17,4"); an empty list becomes "0", which no row matches.
std::string IdList(const std::vector<int>& ids);

// Runs the statement with the callback for each row; SQLite's error (a null handle included) when
// it fails, else nothing.
std::optional<std::string> ExecSql(sqlite3* db, const std::string& sql, RowCallback callback, void* user);
