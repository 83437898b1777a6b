// A temporary game folder for tests that run the game: the shipped content database and files
// of the built game, and a fresh save database, so no test touches a player's saves. The
// working directory is the folder while it exists.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "db/database_builder.h"

class TempGameFolder {
public:
    TempGameFolder()
    {
        namespace fs = std::filesystem;
        const fs::path game = VARNOK_GAME_DIR;
        char pattern[] = "/tmp/varnok-game-XXXXXX";
        mFolder = mkdtemp(pattern);
        fs::create_directories(mFolder / "config");
        fs::copy_file(game / "config" / "varnok.dat", mFolder / "config" / "varnok.dat");
        auto error = BuildDatabase((mFolder / "config" / "pe.dat").string(),
                                   {std::string(VARNOK_SOURCE_DIR) + "/content/pe.sql"}, BuildMode::kReplace);
        EXPECT_FALSE(error) << *error;
        for (const char* shared : {"raster", "x", "sound"})
            fs::create_directory_symlink(game / shared, mFolder / shared);
        mPrevious = fs::current_path();
        fs::current_path(mFolder);
    }
    ~TempGameFolder()
    {
        std::filesystem::current_path(mPrevious);
        std::filesystem::remove_all(mFolder);
    }
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    const std::filesystem::path& Path() const { return mFolder; }

private:
    std::filesystem::path mFolder;
    std::filesystem::path mPrevious;
};
