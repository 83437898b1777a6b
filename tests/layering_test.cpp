// The architecture as the includes draw it: only the platform layer sees the libraries and the
// backends it wraps, only the database code sees SQLite, and each folder includes only the
// floors below its own (the shell and the screens alone may include each other).
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct Include {
    std::string file;    // relative to src/
    std::string target;  // as written between the quotes or angle brackets
};

std::vector<Include> AllIncludes()
{
    static const std::regex include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    std::vector<Include> found;
    const fs::path src = fs::path(VARNOK_SOURCE_DIR) / "src";
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(file, line)) {
            if (std::regex_search(line, match, include))
                found.push_back({fs::relative(entry.path(), src).string(), match[1]});
        }
    }
    return found;
}

std::string TopFolder(const std::string& path)
{
    return path.substr(0, path.find('/'));
}

bool Under(const std::string& path, const std::string& folder)
{
    return path.rfind(folder, 0) == 0;
}

// What each folder may include besides itself.
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"platform", {}},
    {"core", {"platform"}},
    {"db", {"platform"}},
    {"engine", {"platform", "core", "db"}},
    {"ui", {"platform", "core", "db", "engine"}},
    {"world", {"platform", "core", "db", "engine", "ui", "ships", "quests"}},
    {"ships", {"platform", "core", "db", "engine", "ui", "world", "quests"}},
    {"quests", {"platform", "core", "db", "engine", "ui", "world", "ships"}},
    {"screens", {"platform", "core", "db", "engine", "ui", "world", "ships", "quests", "net", "app"}},
    {"net", {"platform", "core", "db", "engine", "ui", "world", "ships", "quests", "screens"}},
    {"app", {"platform", "core", "db", "engine", "ui", "world", "ships", "quests", "screens", "net"}},
};

// The folders of src/ that the quoted includes name.
const std::set<std::string>& ProjectFolders()
{
    static const std::set<std::string> folders = [] {
        std::set<std::string> names;
        for (const auto& [folder, allowed] : kMayInclude)
            names.insert(folder);
        return names;
    }();
    return folders;
}

}  // namespace

TEST(Layering, OnlyThePlatformLayerIncludesTheLibrariesItWraps)
{
    const std::regex library(R"(^(SDL|SDL2/|X11/|epoxy/|GL/|enet/|png\.h|jpeglib\.h|ft2build\.h|freetype))");
    int seen = 0;
    for (const Include& include : AllIncludes()) {
        if (!std::regex_search(include.target, library))
            continue;
        ++seen;
        EXPECT_TRUE(Under(include.file, "platform/")) << include.file << " includes " << include.target;
    }
    EXPECT_GT(seen, 0) << "the pattern found nothing at all";
}

TEST(Layering, OnlyThePlatformLayerIncludesItsBackends)
{
    const std::regex backend(R"(^platform/.*/(gl|headless|sdl|silent)/)");
    for (const Include& include : AllIncludes()) {
        if (!std::regex_search(include.target, backend))
            continue;
        EXPECT_TRUE(Under(include.file, "platform/")) << include.file << " includes " << include.target;
    }
}

TEST(Layering, OnlyTheDatabaseCodeIncludesSqlite)
{
    int seen = 0;
    for (const Include& include : AllIncludes()) {
        if (include.target.rfind("sqlite", 0) != 0)
            continue;
        ++seen;
        EXPECT_TRUE(Under(include.file, "db/")) << include.file << " includes " << include.target;
        EXPECT_EQ(fs::path(include.file).extension(), ".cpp") << include.file << " exposes SQLite through a header";
    }
    EXPECT_GT(seen, 0) << "the pattern found nothing at all";
}

TEST(Layering, EachFolderIncludesOnlyTheFloorsBelowIt)
{
    std::set<std::pair<std::string, std::string>> edges;
    for (const Include& include : AllIncludes()) {
        const std::string from = TopFolder(include.file);
        const std::string to = TopFolder(include.target);
        if (include.target.find('/') == std::string::npos || !ProjectFolders().count(to))
            continue;
        auto allowed = kMayInclude.find(from);
        ASSERT_NE(allowed, kMayInclude.end()) << "src/" << from << " is on no floor; add it to the table";
        if (from != to) {
            EXPECT_TRUE(allowed->second.count(to)) << include.file << " reaches up into " << include.target;
            edges.insert({from, to});
        }
    }
    for (const auto& [from, to] : edges) {
        if (from < to && edges.count({to, from}) && !(from == "app" && to == "screens"))
            ADD_FAILURE() << from << "/ and " << to << "/ include each other";
    }
}

TEST(Layering, TheShellHoldsOnlyTheShell)
{
    const std::set<std::string> shell = {"entry", "frame", "device_setup", "globals", "input", "main"};
    for (const auto& entry : fs::directory_iterator(fs::path(VARNOK_SOURCE_DIR) / "src" / "app"))
        EXPECT_TRUE(shell.count(entry.path().stem().string())) << entry.path().filename() << " is not the shell's";
}
