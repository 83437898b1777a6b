// Rows and files that resource tests add to a bare game folder, and the headless game run on
// such a folder with its resource manager.
#pragma once

#include <string>
#include <vector>

#include "engine/resource_manager.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

class ResourceFiles {
public:
    explicit ResourceFiles(GameFolder& folder) : mFiles(folder) {}

    // Adds rows (or any SQL) to the content database.
    void Content(const std::string& sql) { mFiles.Content(sql); }
    // Writes a file below the game folder ("x/a.x").
    void WriteFile(const std::string& relativePath, const std::string& text) { mFiles.WriteFile(relativePath, text); }
    void WritePng(const std::string& relativePath, uint32_t width, uint32_t height, uint32_t colour);
    // A sprite row and its image file.
    void AddSprite(int spriteId, const std::string& file, uint32_t width = 16, uint32_t height = 16,
                   uint32_t colour = 0xFFFFFFFFu);
    // A mesh row and a text .x file with those materials' texture names, one triangle each.
    void AddMesh(int meshId, const std::string& file, const std::vector<std::string>& textures);
    // Mesh 0, the square that trails are drawn on.
    void AddTrailQuad();

private:
    GameFolder& mFiles;
};

class ResourceFixture : public HeadlessGame, public ResourceFiles {
protected:
    ResourceFixture() : HeadlessGame(GameFolder::Kind::kBare), ResourceFiles(folder) {}
    void SetUp() override;

    // The draws recorded since the last ClearRecords.
    const std::vector<gfx::headless::DrawRecord>& Draws() const { return Device()->Draws(); }

    CResourceManager* rm = nullptr;
};
