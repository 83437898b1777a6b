// The seam between game and platform: only the platform layer sees the libraries it wraps,
// and only the database code sees SQLite.
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Source files under src/ that include a header matching pattern.
std::vector<std::string> FilesIncluding(const std::regex& pattern)
{
    std::vector<std::string> found;
    const fs::path src = fs::path(VARNOK_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            if (std::regex_search(line, pattern)) {
                found.push_back(fs::relative(entry.path(), src).string());
                break;
            }
        }
    }
    return found;
}

bool Under(const std::string& path, const std::string& folder)
{
    return path.rfind(folder, 0) == 0;
}

}  // namespace

TEST(Layering, OnlyThePlatformLayerIncludesTheLibrariesItWraps)
{
    const std::regex platformLibraries(R"(#include\s*<(SDL|epoxy/|enet/|png\.h|jpeglib\.h|ft2build\.h))");
    std::vector<std::string> files = FilesIncluding(platformLibraries);
    EXPECT_FALSE(files.empty()) << "the pattern found nothing at all";
    for (const std::string& file : files)
        EXPECT_TRUE(Under(file, "platform/")) << file << " includes a platform library";
}

TEST(Layering, OnlyTheDatabaseCodeIncludesSqlite)
{
    std::vector<std::string> files = FilesIncluding(std::regex(R"(#include\s*<sqlite3\.h>)"));
    EXPECT_FALSE(files.empty()) << "the pattern found nothing at all";
    for (const std::string& file : files) {
        EXPECT_TRUE(Under(file, "db/")) << file << " includes sqlite3.h";
        EXPECT_EQ(fs::path(file).extension(), ".cpp") << file << " exposes sqlite3.h through a header";
    }
}
