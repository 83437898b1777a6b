// A sprite, backdrop, mesh or sound file that is missing or broken: one line on stderr naming
// the file, however often it is asked for, and the game runs on without it.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/os/message_queue.h"
#include "support/resource_fixture.h"

namespace {

struct UnreadableCase {
    const char* name;
    const char* rowSql;  // the row that names the file
    const char* file;    // below the game folder
    bool present;        // false: missing; true: written with bytes that are no such file
    std::function<void(CResourceManager&)> load;
};

class UnreadableFile : public ResourceFixture, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFile, SaysSoOnceNamingTheFileAndTheGameRunsOn)
{
    const UnreadableCase& c = GetParam();
    Content(c.rowSql);
    std::filesystem::create_directories(folder.Path() / "sound");
    if (c.present)
        WriteFile(c.file, "these bytes are no image, mesh or sound");
    testing::internal::CaptureStderr();
    for (int attempt = 0; attempt < 3; ++attempt) {
        c.load(*rm);
        // Emptied caches try the file again, and still say nothing more.
        rm->ReleaseAll();
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(c.file), std::string::npos) << errors;
    EXPECT_FALSE(os::QuitPosted());
}

void LoadSprite(CResourceManager& rm)
{
    EXPECT_EQ(rm.GetSpriteTexture(9101), nullptr);
}
void LoadBackdrop(CResourceManager& rm)
{
    rm.DrawScreenSprite(9102, 800);
}
void LoadMesh(CResourceManager& rm)
{
    EXPECT_EQ(rm.GetMesh(9103)->mesh, nullptr);
}
void LoadSound(CResourceManager& rm)
{
    EXPECT_EQ(rm.LoadSound(9104), nullptr);
}

const char kSpriteRow[] = "INSERT INTO sprite VALUES (9101, 'lost.png');";
const char kBackdropRow[] = "INSERT INTO sprite VALUES (9102, 'lost_backdrop.jpg');";
const char kMeshRow[] = "INSERT INTO mesh VALUES (9103, 'lost.x');";
const char kSoundRow[] = "INSERT INTO sound VALUES (9104, 'lost.wav');";

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableFile,
    ::testing::Values(UnreadableCase{"MissingSprite", kSpriteRow, "raster/lost.png", false, LoadSprite},
                      UnreadableCase{"BrokenSprite", kSpriteRow, "raster/lost.png", true, LoadSprite},
                      UnreadableCase{"MissingBackdrop", kBackdropRow, "raster/lost_backdrop.jpg", false, LoadBackdrop},
                      UnreadableCase{"BrokenBackdrop", kBackdropRow, "raster/lost_backdrop.jpg", true, LoadBackdrop},
                      UnreadableCase{"MissingMesh", kMeshRow, "x/lost.x", false, LoadMesh},
                      UnreadableCase{"BrokenMesh", kMeshRow, "x/lost.x", true, LoadMesh},
                      UnreadableCase{"MissingSound", kSoundRow, "sound/lost.wav", false, LoadSound},
                      UnreadableCase{"BrokenSound", kSoundRow, "sound/lost.wav", true, LoadSound}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.name); });

}  // namespace
