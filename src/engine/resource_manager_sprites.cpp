// Textures, sprites and backdrops: loading from the sprite rows, caching, and drawing whole
// images, sprite-sheet cells and full-screen backdrops.
#include "engine/resource_manager.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/graphics_globals.h"
#include "db/game_database.h"
#include "engine/unreadable_files.h"
#include "platform/gfx/image_load.h"
#include "platform/gfx/math.h"
#include "platform/gfx/sprite.h"

namespace {

constexpr uint32_t kBackdropWidth = 800;
constexpr uint32_t kBackdropHeight = 600;

const char* ImageProblem(gfx::Result result)
{
    return result == gfx::kNotFound ? "missing or unreadable" : "not a whole PNG or JPEG image";
}

}  // namespace

gfx::Texture* CResourceManager::CreateTextureFromFile(const std::string& path)
{
    auto cached = mPathTextures.find(path);
    if (cached != mPathTextures.end())
        return cached->second;
    try {
        gfx::Texture* texture = nullptr;
        gfx::Result result = gfx::CreateTextureFromFile(gDevice, path.c_str(), &texture);
        if (gfx::Failed(result) || !texture) {
            ReportUnreadableFile(path, ImageProblem(result));
            return nullptr;
        }
        mPathTextures.emplace(path, texture);
        return texture;
    } catch (...) {
        ReportUnreadableFile(path, "it could not be loaded");
        return nullptr;
    }
}

gfx::Texture* CResourceManager::GetSpriteTexture(int spriteId)
{
    gfx::Texture* texture = nullptr;
    if (const ResourceFileRecord* row = gGameDatabase.GetSprite(spriteId))
        texture = CreateTextureFromFile(row->path);
    // A sprite that failed is remembered as null and not tried again until the cache empties.
    auto [entry, inserted] = mSpriteTextures.emplace(spriteId, texture);
    if (!inserted)
        return entry->second;
    if (texture)
        texture->AddRef();
    return texture;
}

gfx::Texture* CResourceManager::FindSpriteTexture(int spriteId)
{
    auto cached = mSpriteTextures.find(spriteId);
    if (cached != mSpriteTextures.end())
        return cached->second;
    return GetSpriteTexture(spriteId);
}

gfx::Surface* CResourceManager::LoadBackdrop(int spriteId)
{
    gfx::Surface* surface = nullptr;
    const ResourceFileRecord* row = gGameDatabase.GetSprite(spriteId);
    if (row &&
        gfx::Failed(gDevice->CreateImageSurface(kBackdropWidth, kBackdropHeight, gfx::kFormatA8R8G8B8, &surface)))
        surface = nullptr;
    if (surface) {
        if (gfx::Result result = gfx::LoadSurfaceFromFile(surface, row->path); gfx::Failed(result))
            ReportUnreadableFile(row->path, ImageProblem(result));
    }
    mBackdrops.emplace(spriteId, surface);
    return surface;
}

void CResourceManager::DrawScreenSprite(int spriteId, int width)
{
    auto cached = mBackdrops.find(spriteId);
    gfx::Surface* backdrop = cached != mBackdrops.end() ? cached->second : LoadBackdrop(spriteId);
    if (!backdrop || !gBackBuffer)
        return;
    gfx::Rect rect{0, 0, width, static_cast<int32_t>(kBackdropHeight)};
    gfx::Point origin{0, 0};
    gDevice->CopyRects(backdrop, &rect, 1, gBackBuffer, &origin);
}

void CResourceManager::DrawSpriteRect(int spriteId, const gfx::Rect* source, int x, int y, uint32_t colour,
                                      float xScale, float yScale)
{
    gfx::Matrix placement =
        gfx::MatrixMultiply(gfx::MatrixScaling(xScale, yScale, 1.0f),
                            gfx::MatrixTranslation(static_cast<float>(x), static_cast<float>(y), 0.0f));
    gfx::Texture* texture = FindSpriteTexture(spriteId);
    if ((colour >> 24) < 0xFF) {
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
        gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendOne);
        gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendOne);
        gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendTextureFactorAlpha);
        gDevice->SetRenderState(gfx::kRsTextureFactor, 0xFFFFFFFFu);
    } else {
        gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);
    }
    // A sprite without a texture draws nothing.
    if (!texture || !mSpriteDrawer)
        return;
    mSpriteDrawer->Begin();
    mSpriteDrawer->DrawTransform(texture, source, placement, colour);
    mSpriteDrawer->End();
}

void CResourceManager::DrawSpriteTransformed(const SpriteDrawRecord& record)
{
    if (record.spriteId == 0)
        return;
    DrawSpriteRect(record.spriteId, nullptr, *record.x, *record.y, *record.colour, *record.xScale, *record.yScale);
}

namespace {

// A cell's edge in texels. Rows may hold any cell size or frame count, and the edge must still
// be an int.
int CellEdge(int64_t index, int cell)
{
    return static_cast<int>(std::clamp<int64_t>(index * cell, INT_MIN, INT_MAX));
}

}  // namespace

void CResourceManager::DrawSpriteFrame(const SpriteFrameRecord& record)
{
    int perRow = *record.cellsPerRow < 1 ? 1 : *record.cellsPerRow;
    int row = *record.frame / perRow;
    int column = *record.frame % perRow;
    int cell = *record.cellSize;
    gfx::Rect source{CellEdge(column, cell), CellEdge(row, cell), CellEdge(int64_t{column} + 1, cell),
                     CellEdge(int64_t{row} + 1, cell)};
    DrawSpriteRect(record.spriteId, &source, *record.x, *record.y, *record.colour, *record.xScale, *record.yScale);
}

gfx::SurfaceDesc CResourceManager::GetSpriteSize(int spriteId)
{
    gfx::SurfaceDesc desc;
    if (gfx::Texture* texture = FindSpriteTexture(spriteId))
        texture->GetLevelDesc(0, &desc);
    return desc;
}
