// A temporary game folder for tests and benchmarks: a content database of its own, a fresh save
// database and the game's files, so nothing touches the built game or a player's saves. It needs
// no test framework: a failure throws std::runtime_error with the reason.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include <stdlib.h>

#include "db/database_builder.h"

class GameFolder {
public:
    enum class Kind {
        // The built content database with every shipped row; raster/, x/ and sound/ link to the
        // built game's folders and are read-only here.
        kShipped,
        // The content tables without rows, and empty raster/, x/ and sound/ for the test's own files.
        kBare,
    };

    explicit GameFolder(Kind kind = Kind::kShipped)
    {
        char pattern[] = "/tmp/varnok-game-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("cannot make a temporary game folder");
        mFolder = pattern;
        try {
            Fill(kind);
        } catch (...) {
            std::error_code ignored;
            std::filesystem::remove_all(mFolder, ignored);
            throw;
        }
    }
    ~GameFolder()
    {
        std::error_code ignored;
        if (!mPrevious.empty())
            std::filesystem::current_path(mPrevious, ignored);
        std::filesystem::remove_all(mFolder, ignored);
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // Makes the folder the working directory, as the game expects, until the folder goes.
    void Enter()
    {
        if (mPrevious.empty())
            mPrevious = std::filesystem::current_path();
        std::filesystem::current_path(mFolder);
    }

    const std::filesystem::path& Path() const { return mFolder; }
    std::string ContentFile() const { return (mFolder / "config" / "varnok.dat").string(); }
    std::string SaveFile() const { return (mFolder / "config" / "pe.dat").string(); }

    // Runs SQL (rows to add, rows to change) on this folder's own databases.
    void Content(const std::string& sql) const { Check(ApplySql(ContentFile(), sql)); }
    void Save(const std::string& sql) const { Check(ApplySql(SaveFile(), sql)); }

    // Writes a file below the folder ("x/a.x"). Linked folders are refused: the write would
    // land in the built game.
    void WriteFile(const std::string& relativePath, const std::string& bytes) const
    {
        if (std::filesystem::is_symlink(mFolder / *std::filesystem::path(relativePath).begin()))
            throw std::runtime_error("refusing to write into the built game: " + relativePath);
        const std::filesystem::path path = mFolder / relativePath;
        std::ofstream out(path, std::ios::binary);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            throw std::runtime_error("cannot write " + path.string());
    }

private:
    void Fill(Kind kind)
    {
        namespace fs = std::filesystem;
        const fs::path game = VARNOK_GAME_DIR;
        const std::string sql = std::string(VARNOK_SOURCE_DIR) + "/content/";
        fs::create_directories(mFolder / "config");
        if (kind == Kind::kShipped) {
            fs::copy_file(game / "config" / "varnok.dat", ContentFile());
            for (const char* shared : {"raster", "x", "sound"})
                fs::create_directory_symlink(game / shared, mFolder / shared);
        } else {
            Check(BuildDatabase(ContentFile(), {sql + "varnok.sql"}, BuildMode::kReplace));
            for (const char* own : {"raster", "x", "sound"})
                fs::create_directory(mFolder / own);
        }
        Check(BuildDatabase(SaveFile(), {sql + "pe.sql"}, BuildMode::kReplace));
    }
    static void Check(const std::optional<std::string>& error)
    {
        if (error)
            throw std::runtime_error(*error);
    }

    std::filesystem::path mFolder;
    std::filesystem::path mPrevious;
};
