// What tells a kept copy of a file's contents from a stale one: the file's full path, its size and
// its time of change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace gfx {

struct FileStamp {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;

    // The same file, unchanged since the other stamp was taken.
    bool Matches(const FileStamp& other) const { return size == other.size && modified == other.modified; }
};

// The stamp of the file at a game path; nothing when its size or time cannot be read.
std::optional<FileStamp> StampOf(const char* gamePath);

}  // namespace gfx
