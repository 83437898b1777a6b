// A temporary game folder whose databases are built from content/*.sql, with helpers that add
// rows and write files into it; and the headless game with a fresh resource manager run in it.
#pragma once

#include <string>
#include <vector>

#include "engine/resource_manager.h"
#include "support/headless_game.h"

class ResourceFolder {
public:
    // Makes the folder and its databases, opens them and works inside it.
    void CreateFolder();
    void RemoveFolder();

    // Adds rows (or any SQL) to the content database.
    void Content(const std::string& sql);
    // Writes a file below the game folder ("x/a.x").
    void WriteFile(const std::string& relativePath, const std::string& text);
    void WritePng(const std::string& relativePath, uint32_t width, uint32_t height, uint32_t colour);
    // A sprite row and its image file.
    void AddSprite(int spriteId, const std::string& file, uint32_t width = 16, uint32_t height = 16,
                   uint32_t colour = 0xFFFFFFFFu);
    // A mesh row and a text .x file with those materials' texture names, one triangle each.
    void AddMesh(int meshId, const std::string& file, const std::vector<std::string>& textures);
    // Mesh 0, the square that trails are drawn on.
    void AddTrailQuad();

    std::string mFolder;
    std::string mOldDirectory;
};

class ResourceFixture : public HeadlessGame, public ResourceFolder {
protected:
    void SetUp() override;
    void TearDown() override;

    // The draws recorded since the last ClearRecords.
    const std::vector<gfx::headless::DrawRecord>& Draws() const { return Device()->Draws(); }

    CResourceManager* rm = nullptr;
};
