// The galaxy map: systems, links and the pulsing marks, and the ways back to flight.
#include "screens/galaxy_map_screen.h"

#include <cmath>
#include <cstring>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/keys.h"
#include "core/saturated.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "screens/flight_camera.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr int kBackdropWidth = 800;
constexpr float kMapCameraHeight = -70.0f;
// Names sit right of their marker; lines join the markers' centres.
constexpr float kNameOffset = 15.0f;
constexpr float kMarkerCentre = 8.0f;
constexpr float kPositionMarkerOffset = 20.0f;
constexpr uint32_t kLineFvf = gfx::kFvfXyzRhw | gfx::kFvfTex1;
constexpr uint32_t kLineStride = 24;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

struct LineVertex {
    float x, y, z, rhw, u, v;
};

uint32_t GreenPulse()
{
    const uint32_t p = static_cast<uint32_t>(gPulse) & 0xFFu;
    return 0xFF00FF00u | p << 16 | p;
}

uint32_t RedPulse()
{
    const uint32_t p = static_cast<uint32_t>(gPulse) & 0xFFu;
    return 0xFFFF0000u | p << 8 | p;
}
}  // namespace

CGalaxyMapScreen::CGalaxyMapScreen()
{
    mScreenId = kScreenId;
    const gfx::ColorValue grey{0.5f, 0.5f, 0.5f, 0.5f};
    mLineMaterial.diffuse = grey;
    mLineMaterial.ambient = grey;
    mLineMaterial.specular = grey;
    mLineMaterial.emissive = grey;
}

void CGalaxyMapScreen::Enter()
{
    DeleteControls();
    mLines.clear();
    mHighlightedMarkers.clear();
    mHighlightedNames.clear();
    mCurrentMarker = nullptr;
    mCurrentName = nullptr;
    gCamera.Reset();
    gCamera.SetEye(0.0f, 0.0f, kMapCameraHeight);
    gCamera.SetTarget(0.0f, 0.0f, 0.0f);
    gCamera.Apply();
    LoadSpriteControls();
    LoadButtons();
    LoadTextControls();
    PlaceSystems();
    StoreLinks();
    mEntered = 1;
}

std::list<int32_t> CGalaxyMapScreen::NewQuestSystems()
{
    std::list<int32_t> systems;
    if (!gPlayerShip)
        return systems;
    std::vector<int32_t> questIds;
    for (const QuestMap* quests : {&gPlayerShip->mCompletedQuests, &gPlayerShip->mActiveQuests}) {
        for (const auto& entry : *quests)
            questIds.push_back(entry.first);
    }
    return gGameDatabase.GetQuestSystems(systems, gPlayerShip->mAlignment, questIds);
}

void CGalaxyMapScreen::Highlight(CSpriteControl* marker, CTextControl* name)
{
    if (marker)
        mHighlightedMarkers.push_back(marker);
    if (name)
        mHighlightedNames.push_back(name);
}

void CGalaxyMapScreen::HighlightQuestSystem(int systemId, CSpriteControl* marker, CTextControl* name,
                                            const std::list<int32_t>& newQuestSystems)
{
    if (gPlayerShip) {
        for (const auto& [id, quest] : gPlayerShip->mActiveQuests) {
            const CQuestStep* step = quest->CurrentStep();
            if (step && systemId == step->mSystemId % 100)
                Highlight(marker, name);
        }
    }
    if (marker)
        marker->colour = kWhite;
    if (name)
        name->colour = kWhite;
    for (int32_t questSystem : newQuestSystems) {
        if (systemId == questSystem % 100)
            Highlight(marker, name);
    }
}

void CGalaxyMapScreen::PlaceSystems()
{
    RowList<GalaxySystemRow> rows;
    gGameDatabase.GetGalaxySystems(rows, kGalaxyId);
    const int current = gResourceManager->mCurrentSystemId;
    const std::list<int32_t> newQuestSystems = NewQuestSystems();
    auto row = rows.begin();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CSpriteControl* marker = GetSpriteControl(kFirstMarker + slot);
        CTextControl* name = GetTextControl(kFirstName + slot);
        if (row == rows.end()) {
            if (marker)
                marker->visible = 0;
            if (name)
                name->visible = 0;
            continue;
        }
        const GalaxySystemRow& system = **row++;
        if (marker) {
            marker->x = PixelCoordinate(system.x_galaxy);
            marker->y = PixelCoordinate(system.y_galaxy);
            marker->visible = 1;
        }
        if (name) {
            name->SetTextAt(PixelCoordinate(system.x_galaxy + kNameOffset), PixelCoordinate(system.y_galaxy), system.system_name);
            name->visible = 1;
        }
        if (system.system_id % 100 == current % 100) {
            mCurrentMarker = marker;
            mCurrentName = name;
            if (CSpriteControl* position = GetSpriteControl(kPositionMarker)) {
                position->x = PixelCoordinate(system.x_galaxy - kPositionMarkerOffset);
                position->y = PixelCoordinate(system.y_galaxy);
                position->visible = 1;
            }
        } else {
            HighlightQuestSystem(system.system_id, marker, name, newQuestSystems);
        }
    }
}

void CGalaxyMapScreen::StoreLinks()
{
    std::vector<int32_t> visited;
    if (gPlayerShip)
        visited.assign(gPlayerShip->mVisitedSystems.begin(), gPlayerShip->mVisitedSystems.end());
    RowList<SystemLinkRow> links;
    for (const SystemLinkRow* link : gGameDatabase.GetSystemLinks(links, kGalaxyId, visited)) {
        if (static_cast<int>(mLines.size()) >= kLineLimit)
            break;
        mLines.push_back({static_cast<float>(link->s1_x_galaxy) + kMarkerCentre,
                          static_cast<float>(link->s1_y_galaxy) + kMarkerCentre,
                          static_cast<float>(link->s2_x_galaxy) + kMarkerCentre,
                          static_cast<float>(link->s2_y_galaxy) + kMarkerCentre});
    }
}

int CGalaxyMapScreen::Frame()
{
    if (!mEntered)
        Enter();
    const uint32_t green = GreenPulse();
    const uint32_t red = RedPulse();
    if (mCurrentName)
        mCurrentName->colour = green;
    if (mCurrentMarker)
        mCurrentMarker->colour = green;
    if (CSpriteControl* position = GetSpriteControl(kPositionMarker))
        position->colour = green;
    if (CTextControl* caption = GetTextControl(kRedCaption))
        caption->colour = red;
    if (CTextControl* caption = GetTextControl(kGreenCaption))
        caption->colour = green;
    for (CSpriteControl* marker : mHighlightedMarkers)
        marker->colour = red;
    for (CTextControl* name : mHighlightedNames)
        name->colour = red;
    gResourceManager->DrawScreenSprite(kBackdrop, kBackdropWidth);
    for (const ScreenLine& line : mLines)
        DrawScreenLine(line.x1, line.y1, line.x2, line.y2);
    DrawControls();
    return 0;
}

void CGalaxyMapScreen::DrawScreenLine(float x1, float y1, float x2, float y2)
{
    LineVertex corners[4];
    if (std::fabs(x1 - x2) <= std::fabs(y1 - y2)) {
        corners[0] = {x1 - 1.0f, y1, 0.0f, 1.0f, 0.0f, 0.0f};
        corners[1] = {x1 + 1.0f, y1, 0.0f, 1.0f, 1.0f, 0.0f};
        corners[2] = {x2 + 1.0f, y2, 0.0f, 1.0f, 1.0f, 1.0f};
        corners[3] = {x2 - 1.0f, y2, 0.0f, 1.0f, 0.0f, 1.0f};
    } else {
        corners[0] = {x1, y1 - 1.0f, 0.0f, 1.0f, 0.0f, 0.0f};
        corners[1] = {x2, y2 - 1.0f, 0.0f, 1.0f, 1.0f, 0.0f};
        corners[2] = {x2, y2 + 1.0f, 0.0f, 1.0f, 1.0f, 1.0f};
        corners[3] = {x1, y1 + 1.0f, 0.0f, 1.0f, 0.0f, 1.0f};
    }
    gDevice->SetMaterial(mLineMaterial);
    gDevice->SetTexture(0, nullptr);
    gfx::VertexBuffer* buffer = nullptr;
    if (gfx::Failed(
            gDevice->CreateVertexBuffer(sizeof corners, gfx::kUsageWriteOnly, kLineFvf, gfx::kPoolManaged, &buffer)))
        return;
    void* data = nullptr;
    if (!gfx::Failed(buffer->Lock(0, 0, &data, 0))) {
        std::memcpy(data, corners, sizeof corners);
        buffer->Unlock();
        // A line drawn right to left winds the other way; neither way may be culled.
        const uint32_t cull = gDevice->GetRenderState(gfx::kRsCullMode);
        gDevice->SetRenderState(gfx::kRsCullMode, gfx::kCullNone);
        gDevice->SetStreamSource(0, buffer, kLineStride);
        gDevice->SetVertexShader(kLineFvf);
        gDevice->DrawPrimitive(gfx::kPrimTriangleFan, 0, 2);
        gDevice->SetRenderState(gfx::kRsCullMode, cull);
    }
    buffer->Release();
}

void CGalaxyMapScreen::Leave(CScreen* to)
{
    PlaceFlightCamera();
    mEntered = 0;
    gCurrentScreen = to;
}

void CGalaxyMapScreen::OnMouseUp(int, int x, int y)
{
    if (OnMouseUpControls(x, y) == kCloseButton)
        Leave(mReturnScreen ? mReturnScreen : gFlightScreen);
}

void CGalaxyMapScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CGalaxyMapScreen::OnMouseMove(int, int)
{
}

void CGalaxyMapScreen::OnKeyDown(int key)
{
    if (key == kKeyM || key == kKeyEscape)
        Leave(gFlightScreen);
}
