// The set of files already reported as unusable.
#include "engine/unreadable_files.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "platform/os/path.h"

void ReportUnreadableFile(const std::string& gamePath, const std::string& why)
{
    static std::set<std::filesystem::path> reported;
    const std::string file = os::NativePath(gamePath);
    std::error_code ignored;
    if (reported.insert(std::filesystem::absolute(file, ignored)).second)
        std::fprintf(stderr, "varnok: cannot use %s (%s)\n", file.c_str(), why.c_str());
}
