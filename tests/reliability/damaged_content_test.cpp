// The game started on damaged content, through its own entry, in a child process: it ends with a
// clear message, or runs on and names the file it could not use; it never crashes or hangs, and
// the pilot saved in pe.dat is there, byte for byte, afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "reliability/child_process.h"
#include "screens/flight_screen.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "support/screen_cases.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game folder's shared file, made the folder's own so it can be damaged: the folder's link to
// the built game becomes a folder of links, and the file's link is taken away.
fs::path OwnFile(const GameFolder& folder, const std::string& relativePath)
{
    const fs::path shared = folder.Path() / fs::path(relativePath).parent_path();
    if (fs::is_symlink(shared)) {
        const fs::path built = fs::read_symlink(shared);
        fs::remove(shared);
        fs::create_directory(shared);
        for (const fs::directory_entry& entry : fs::directory_iterator(built))
            fs::create_symlink(entry.path(), shared / entry.path().filename());
    }
    const fs::path file = folder.Path() / relativePath;
    const std::string bytes = Bytes(file);
    fs::remove(file);
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

void Truncate(const fs::path& file)
{
    fs::resize_file(file, fs::file_size(file) / 3);
}

void Overwrite(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void MakeReadOnly(const fs::path& path)
{
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// A text mesh whose vertex count promises far more than the file holds.
const char kCorruptMesh[] = "xof 0302txt 0032\nMesh {\n 2147483647;\n 1.0; 2.0; 3.0;,\n 4.0; 5.0;";

struct Damage {
    const char* name;
    void (*apply)(const GameFolder& folder);
    // The file the message names.
    const char* file;
    // Either the game ends as a failure with its message, or it runs on with the file logged.
    bool endsAsFailure;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

const Damage kDamages[] = {
    {"missing_image", [](const GameFolder& f) { fs::remove(OwnFile(f, "raster/screen_menu.png")); },
     "raster/screen_menu.png", false},
    {"truncated_image", [](const GameFolder& f) { Truncate(OwnFile(f, "raster/back_union.png")); },
     "raster/back_union.png", false},
    {"corrupt_mesh", [](const GameFolder& f) { Overwrite(OwnFile(f, "x/planet.x"), kCorruptMesh); }, "x/planet.x",
     false},
    {"zero_byte_sound", [](const GameFolder& f) { Overwrite(OwnFile(f, "sound/loop_menu.wav"), ""); },
     "sound/loop_menu.wav", false},
    {"missing_content_database", [](const GameFolder& f) { fs::remove(f.ContentFile()); }, "config/varnok.dat", true},
    {"garbage_content_database", [](const GameFolder& f) { Overwrite(f.ContentFile(), std::string(4096, '\x5a')); },
     "config/varnok.dat", true},
    {"read_only_save_database", [](const GameFolder& f) { MakeReadOnly(f.SaveFile()); }, "config/pe.dat", true},
    {"read_only_config_folder", [](const GameFolder& f) { MakeReadOnly(f.Path() / "config"); }, "config/pe.dat",
     true},
};

// The menu through the game's own loop, then flight over the first system, where the world's
// meshes and sounds load. The exit code is the game's.
int PlayTheMenuThenFly()
{
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    options.maxFrames = 30;
    if (const int code = GameMain(options); code != 0)
        return code;
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    for (int frame = 0; frame < 30 && !os::QuitPosted(); ++frame)
        RunFrame();
    const bool quit = os::QuitPosted();
    StopGame();
    return quit ? 1 : 0;
}

class DamagedContentTest : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override
    {
        folder.Enter();
        os::ClearMessages();
        gWormholeRefusalText.clear();
        ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
        FlyNewPilot();
        StopGame();
        gGameDatabase.Close();
        os::ClearMessages();
        gWormholeRefusalText.clear();
    }
    void TearDown() override
    {
        fs::permissions(folder.Path() / "config", fs::perms::owner_all, fs::perm_options::add);
        os::ClearMessages();
    }

    GameFolder folder;
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend};
};

TEST_P(DamagedContentTest, EndsWithAMessageOrRunsOnAndNeverTouchesTheSave)
{
    const Damage& damage = GetParam();
    const std::string saved = Bytes(folder.SaveFile());
    ASSERT_FALSE(saved.empty());
    damage.apply(folder);

    const ChildEnd end = RunInChild(
        [] {
            ObeyFilePermissions();
            return PlayTheMenuThenFly();
        },
        (folder.Path() / "errors.txt").string(), std::chrono::seconds(30));

    ASSERT_FALSE(end.hung) << "the game hangs";
    ASSERT_EQ(end.signal, 0) << "the game crashes\n" << end.errors;
    if (damage.endsAsFailure)
        EXPECT_NE(end.exitCode, 0) << end.errors;
    else
        EXPECT_EQ(end.exitCode, 0) << end.errors;
    EXPECT_NE(end.errors.find(damage.file), std::string::npos) << "no message names the file:\n" << end.errors;
    EXPECT_EQ(Bytes(folder.SaveFile()), saved) << "pe.dat changed";
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, DamagedContentTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

}  // namespace
