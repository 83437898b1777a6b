// Builds database files from SQL scripts: the build's content and save databases, and test fixtures.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class BuildMode {
    kReplace,       // build from scratch, replacing any existing file
    kKeepExisting,  // leave an existing file untouched (a player's saves)
};

// Runs the scripts in order into a new database at output (its folder is created). The file only
// appears once every script has run; a failure leaves no half-built file. Returns the error, if any.
std::optional<std::string> BuildDatabase(const std::string& output, const std::vector<std::string>& sqlFiles,
                                         BuildMode mode);

// Runs SQL text on an existing database file. Returns the error, if any.
std::optional<std::string> ApplySql(const std::string& databaseFile, const std::string& sql);
