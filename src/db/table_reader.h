// Read-only access to whole query results as text, for tools and checks that walk the content.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace db {

struct QueryResult {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // NULL reads as ""
};

// Opens the database file read-only, runs one statement and returns every row. Nothing (and the
// reason in *error) when the file cannot be opened or the statement fails.
std::optional<QueryResult> ReadQuery(const std::string& databasePath, const std::string& sql,
                                     std::string* error = nullptr);

}  // namespace db
