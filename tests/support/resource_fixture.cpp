// The resource test fixture: a bare game folder and a fresh resource manager per test.
#include "support/resource_fixture.h"

#include "platform/gfx/image_files.h"

void ResourceFixture::SetUp()
{
    HeadlessGame::SetUp();
    rm = gResourceManager;
    Device()->ClearRecords();
    os::ClearMessages();
}

void ResourceFiles::WritePng(const std::string& relativePath, uint32_t width, uint32_t height, uint32_t colour)
{
    std::vector<uint8_t> pixels;
    for (uint32_t i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                     static_cast<uint8_t>(colour), static_cast<uint8_t>(colour >> 24)});
    std::vector<uint8_t> png = gfx::testing::EncodePng(width, height, PNG_FORMAT_RGBA, pixels);
    ASSERT_FALSE(png.empty());
    WriteFile(relativePath, std::string(png.begin(), png.end()));
}

void ResourceFiles::AddSprite(int spriteId, const std::string& file, uint32_t width, uint32_t height, uint32_t colour)
{
    Content("INSERT INTO sprite VALUES (" + std::to_string(spriteId) + ", '" + file + "');");
    WritePng("raster/" + file, width, height, colour);
}

void ResourceFiles::AddMesh(int meshId, const std::string& file, const std::vector<std::string>& textures)
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

void ResourceFiles::AddTrailQuad()
{
    Content("INSERT INTO mesh VALUES (0, 'quad.x');");
    WriteFile("x/quad.x",
              "xof 0302txt 0032\nMesh Quad {\n 4;\n -1.0;-1.0;0.0;, 1.0;-1.0;0.0;, 1.0;1.0;0.0;, "
              "-1.0;1.0;0.0;;\n 2;\n 3;0,2,1;, 3;0,3,2;;\n MeshTextureCoords { 4; 0.0;1.0;, 1.0;1.0;, "
              "1.0;0.0;, 0.0;0.0;; }\n}\n");
}
