// The resource test fixture: a fresh game folder and resource manager per test.
#include "support/resource_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "db/database_builder.h"
#include "db/game_database.h"
#include "support/png_file.h"

void ResourceFolder::CreateFolder()
{
    char pattern[] = "/tmp/varnok-rm-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mFolder = pattern;
    std::filesystem::create_directories(mFolder + "/raster");
    std::filesystem::create_directories(mFolder + "/x");
    const std::string content = std::string(VARNOK_SOURCE_DIR) + "/content/";
    auto error = BuildDatabase(mFolder + "/config/varnok.dat", {content + "varnok.sql"}, BuildMode::kReplace);
    ASSERT_FALSE(error) << *error;
    error = BuildDatabase(mFolder + "/config/pe.dat", {content + "pe.sql"}, BuildMode::kReplace);
    ASSERT_FALSE(error) << *error;
    mOldDirectory = std::filesystem::current_path().string();
    std::filesystem::current_path(mFolder);
    ASSERT_TRUE(gGameDatabase.Open());
}

void ResourceFolder::RemoveFolder()
{
    gGameDatabase.Close();
    std::filesystem::current_path(mOldDirectory);
    std::error_code ec;
    std::filesystem::remove_all(mFolder, ec);
}

void ResourceFixture::SetUp()
{
    CreateFolder();
    HeadlessGame::SetUp();
    rm = gResourceManager;
    Device()->ClearRecords();
    os::ClearMessages();
}

void ResourceFixture::TearDown()
{
    HeadlessGame::TearDown();
    RemoveFolder();
}

void ResourceFolder::Content(const std::string& sql)
{
    auto error = ApplySql(mFolder + "/config/varnok.dat", sql);
    ASSERT_FALSE(error) << *error;
}

void ResourceFolder::WriteFile(const std::string& relativePath, const std::string& text)
{
    std::ofstream out(mFolder + "/" + relativePath, std::ios::binary);
    out << text;
}

void ResourceFolder::WritePng(const std::string& relativePath, uint32_t width, uint32_t height, uint32_t colour)
{
    ASSERT_TRUE(testpng::WriteSolid(mFolder + "/" + relativePath, width, height, colour));
}

void ResourceFolder::AddSprite(int spriteId, const std::string& file, uint32_t width, uint32_t height, uint32_t colour)
{
    Content("INSERT INTO sprite VALUES (" + std::to_string(spriteId) + ", '" + file + "');");
    WritePng("raster/" + file, width, height, colour);
}

void ResourceFolder::AddMesh(int meshId, const std::string& file, const std::vector<std::string>& textures)
{
    Content("INSERT INTO mesh VALUES (" + std::to_string(meshId) + ", '" + file + "');");
    size_t n = textures.size();
    std::string x = "xof 0302txt 0032\nMesh M {\n " + std::to_string(3 * n) + ";\n";
    for (size_t i = 0; i < n; ++i) {
        std::string z = std::to_string(i);
        x += " 0.0;0.0;" + z + ";, 1.0;0.0;" + z + ";, 0.0;1.0;" + z + (i + 1 == n ? ";;\n" : ";,\n");
    }
    x += " " + std::to_string(n) + ";\n";
    for (size_t i = 0; i < n; ++i) {
        size_t v = 3 * i;
        x += " 3;" + std::to_string(v) + "," + std::to_string(v + 1) + "," + std::to_string(v + 2) +
             (i + 1 == n ? ";;\n" : ";,\n");
    }
    x += " MeshMaterialList {\n  " + std::to_string(n) + "; " + std::to_string(n) + ";";
    for (size_t i = 0; i < n; ++i)
        x += (i ? "," : " ") + std::to_string(i);
    x += ";;\n";
    for (const std::string& texture : textures) {
        x += "  Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;;";
        if (!texture.empty())
            x += " TextureFilename { \"" + texture + "\"; }";
        x += " }\n";
    }
    x += " }\n}\n";
    WriteFile("x/" + file, x);
}

void ResourceFolder::AddTrailQuad()
{
    Content("INSERT INTO mesh VALUES (0, 'quad.x');");
    WriteFile("x/quad.x",
              "xof 0302txt 0032\nMesh Quad {\n 4;\n -1.0;-1.0;0.0;, 1.0;-1.0;0.0;, 1.0;1.0;0.0;, "
              "-1.0;1.0;0.0;;\n 2;\n 3;0,2,1;, 3;0,3,2;;\n MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, "
              "1.0;0.0;, 0.0;0.0;; }\n}\n");
}
