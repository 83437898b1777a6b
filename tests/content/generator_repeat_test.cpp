// The asset generator gives the same bytes on every run: a second run must match the built game folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "content/game_files.h"

namespace {

namespace fs = std::filesystem;

uint64_t Fnv1a(const std::vector<uint8_t>& bytes)
{
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : bytes)
        h = (h ^ b) * 1099511628211ull;
    return h;
}

TEST(GeneratorRepeatTest, SecondRunMatchesTheGameFolderByteForByte)
{
    const fs::path generator = fs::path(content_check::GameDir()) / ".." / "tools" / "varnok_assetgen";
    ASSERT_TRUE(fs::exists(generator)) << generator;
    const fs::path scratch = fs::temp_directory_path() / ("varnok_assetgen_" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    std::string command = "\"" + generator.string() + "\" \"" + scratch.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    int compared = 0;
    for (const char* folder : {"raster", "x", "sound"})
        for (const auto& entry : fs::directory_iterator(scratch / folder)) {
            auto fresh = content_check::ReadFile(entry.path().string());
            auto built = content_check::ReadFile(
                (fs::path(content_check::GameDir()) / folder / entry.path().filename()).string());
            ASSERT_TRUE(fresh && built) << folder << "/" << entry.path().filename().string();
            EXPECT_EQ(Fnv1a(*fresh), Fnv1a(*built)) << folder << "/" << entry.path().filename().string() << " differs";
            ++compared;
        }
    fs::remove_all(scratch);
    EXPECT_GT(compared, 400);
}

}  // namespace
