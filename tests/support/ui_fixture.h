// The headless game on its temporary game folder, with rows added for test screens, and helpers
// that read back which sprites were drawn where.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "support/headless_game.h"

// One sprite as the sprite drawer handed it to the device.
struct DrawnSprite {
    gfx::Texture* texture = nullptr;
    int x = 0;
    int y = 0;
    float width = 0.0f;  // negative when mirrored
    uint32_t colour = 0;
};

class UiFixture : public HeadlessGame {
protected:
    // Test sprites, each a generated image of a known size.
    static constexpr int kButtonSprite = 9001;  // 128 x 32
    static constexpr int kSmallSprite = 9002;   // 64 x 32
    static constexpr int kBoxSprite = 9003;     // 16 x 16
    static constexpr int kMarkSprite = 9004;    // 16 x 16
    static constexpr int kMeterSprite = 9005;   // 128 x 16
    static constexpr int kKnobSprite = 9006;    // 16 x 16
    static constexpr int kSlotSprite = 9007;    // 32 x 32
    static constexpr int kIconSprite = 9008;    // 32 x 32

    void SetUp() override
    {
        HeadlessGame::SetUp();
        Rows(
            "INSERT INTO sprite VALUES (9001, 'button.png'); INSERT INTO sprite VALUES (9002, 'button_small.png');"
            "INSERT INTO sprite VALUES (9003, 'check_box.png'); INSERT INTO sprite VALUES (9004, 'check_mark.png');"
            "INSERT INTO sprite VALUES (9005, 'slider_meter.png'); INSERT INTO sprite VALUES (9006, "
            "'slider_knob.png'); INSERT INTO sprite VALUES (9007, 'slot.png');"
            "INSERT INTO sprite VALUES (9008, 'icon_weapon.png');");
    }

    // Adds rows to the content database the game has open.
    void Rows(const std::string& sql) { folder.Content(sql); }

    // One row of values: numbers as they are, text quoted.
    template <class... Values>
    void Insert(const char* table, const Values&... values)
    {
        std::string row;
        ((row += (row.empty() ? "" : ", ") + Sql(values)), ...);
        Rows(std::string("INSERT INTO ") + table + " VALUES (" + row + ");");
    }
    static std::string Sql(int value) { return std::to_string(value); }
    static std::string Sql(double value) { return std::to_string(value); }
    static std::string Sql(const char* text) { return std::string("'") + text + "'"; }
    static const char* Flag(bool on) { return on ? "true" : "false"; }

    // A control row of the test screen.
    void Control(int id, int screen, int x, int y, bool visible = true, const char* size = "medium",
                 const char* colour = "ffffffff")
    {
        Insert("control", id, screen, x, y, Flag(visible), size, colour);
    }

    // Rows of one control each; colours are up ffffffff, down ff0000ff, over ff00ff00.
    void ButtonRow(int id, int screen, int x, int y, const char* text = "", bool visible = true,
                   int sprite = kButtonSprite, const char* size = "medium")
    {
        Control(id, screen, x, y, visible, size);
        Insert("button", id, id, text, sprite, "ff0000ff", 1, 2);
    }
    void MouseOverRow(int id, int screen, int x, int y, bool visible = true)
    {
        Control(id, screen, x, y, visible);
        Insert("mouse_over_button", id, id, "", kSmallSprite, "ff0000ff", 1, 2, "ff00ff00", 6);
    }
    void TextRow(int id, int screen, int x, int y, const char* text, const char* size = "medium")
    {
        Control(id, screen, x, y, true, size);
        Insert("text_control", id, id, text);
    }
    void CheckBoxRow(int id, int screen, int x, int y, bool checked, bool visible = true)
    {
        Control(id, screen, x, y, visible, "small");
        Insert("checkbox", id, id, "Sound", kBoxSprite, kMarkSprite, Flag(checked), 1);
    }
    void SliderRow(int id, int screen, int x, int y, int value, int maximum, bool visible = true)
    {
        Control(id, screen, x, y, visible, "small");
        Insert("slider", id, id, "Volume", kKnobSprite, kMeterSprite, value, maximum, 1, "true");
    }
    void SpriteRow(int id, int screen, int x, int y, bool visible = true)
    {
        Control(id, screen, x, y, visible);
        Insert("sprite_control", id, id, kSlotSprite);
    }
    void DragRow(int id, int screen, int x, int y, int snapSet, bool visible = true)
    {
        Control(id, screen, x, y, visible);
        Insert("drag_button", id, id, snapSet, kIconSprite, 1, 2, 0);
    }
    void SnapRow(int id, int screen, int x, int y, int snapSet)
    {
        Control(id, screen, x, y);
        Insert("snap_control", id, id, snapSet, kSlotSprite);
    }

    // The sprites that draw() hands to the device, drawn inside a scene of their own.
    template <class Draw>
    std::vector<DrawnSprite> Drawn(Draw draw)
    {
        TakeSprites();
        gDevice->BeginScene();
        draw();
        gDevice->EndScene();
        return TakeSprites();
    }

    // Every sprite drawn since the last call, in order.
    std::vector<DrawnSprite> TakeSprites()
    {
        std::vector<DrawnSprite> sprites;
        const auto& draws = Device()->Draws();
        for (size_t i = mDrawsSeen; i < draws.size(); ++i) {
            const gfx::headless::DrawRecord& draw = draws[i];
            if (draw.kind != gfx::headless::DrawCallKind::kDrawPrimitiveUP || draw.type != gfx::kPrimTriangleFan ||
                draw.stride != kSpriteVertexBytes || draw.vertices.size() < 2 * kSpriteVertexBytes)
                continue;
            float corner[2][2];
            uint32_t colour = 0;
            std::memcpy(corner[0], draw.vertices.data(), sizeof corner[0]);
            std::memcpy(corner[1], draw.vertices.data() + kSpriteVertexBytes, sizeof corner[1]);
            std::memcpy(&colour, draw.vertices.data() + 16, sizeof colour);
            // The drawer places texel centres on pixel centres: half a pixel back.
            sprites.push_back(DrawnSprite{draw.textures[0], static_cast<int>(corner[0][0] + 0.5f),
                                          static_cast<int>(corner[0][1] + 0.5f), corner[1][0] - corner[0][0], colour});
        }
        mDrawsSeen = draws.size();
        return sprites;
    }

    gfx::Texture* SpriteTexture(int spriteId) { return gResourceManager->FindSpriteTexture(spriteId); }
    gfx::Texture* GlyphTexture(char c, int size) { return SpriteTexture(gResourceManager->GetGlyph(c, size)); }

private:
    static constexpr size_t kSpriteVertexBytes = 28;
    size_t mDrawsSeen = 0;
};
