// The galaxy map: which systems fill its slots, which one is current, the links it keeps, the
// quads of its lines and the ways back to flight.
#include "screens/galaxy_map_screen.h"

#include <cstring>
#include <string>

#include "core/camera.h"
#include "core/keys.h"
#include "platform/os/message_queue.h"
#include "quest_pages_fixture.h"
#include "screens/main_menu_screen.h"
#include "ui/button.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

class GalaxyMapTest : public QuestPagesTest {
protected:
    // Hides every shipped system and adds count visible ones of galaxy 1 from id 10 up.
    void ReplaceGalaxy(int count)
    {
        Content("update system set visible = 'false';");
        Content("with recursive n(i) as (select 0 union all select i + 1 from n where i < 200) "
                "insert into system (system_id, galaxy_id, system_name, system_description, x_dimension, "
                "y_dimension, x_galaxy, y_galaxy, system_type, visible) select 10 + i, 1, 'S' || (10 + i), '', "
                "100.0, 100.0, i, 2 * i, 'union', 'true' from n where i < " +
                std::to_string(count) + ";");
    }
    void OpenMap()
    {
        gGalaxyMapScreen->SetReturnScreen(gFlightScreen);
        gCurrentScreen = gGalaxyMapScreen;
        gGalaxyMapScreen->Enter();
    }
    static int ShownMarkers()
    {
        int shown = 0;
        for (int slot = 0; slot < CGalaxyMapScreen::kSlotCount; ++slot) {
            const CSpriteControl* marker = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + slot);
            const CTextControl* name = gGalaxyMapScreen->GetTextControl(CGalaxyMapScreen::kFirstName + slot);
            EXPECT_EQ(marker->visible, name->visible) << "slot " << slot;
            shown += marker->visible;
        }
        return shown;
    }
};

TEST_F(GalaxyMapTest, FillsOneSlotPerVisibleSystemUpToNinetyNine)
{
    FlyNewPilot();
    for (int count : {0, 5, 99, 100}) {
        SCOPED_TRACE(count);
        ReplaceGalaxy(count);
        OpenMap();
        EXPECT_EQ(ShownMarkers(), std::min(count, CGalaxyMapScreen::kSlotCount));
        Content("delete from system where system_id >= 10 and system_id < 200;");
    }
}

TEST_F(GalaxyMapTest, PlacesEachSystemAtItsGalaxyPointWithItsNameBeside)
{
    FlyNewPilot();
    ReplaceGalaxy(3);
    OpenMap();
    const CSpriteControl* marker = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + 2);
    const CTextControl* name = gGalaxyMapScreen->GetTextControl(CGalaxyMapScreen::kFirstName + 2);
    EXPECT_EQ(marker->x, 2);
    EXPECT_EQ(marker->y, 4);
    EXPECT_EQ(name->x, 17);
    EXPECT_EQ(name->y, 4);
    EXPECT_STREQ(name->text, "S12");
}

TEST_F(GalaxyMapTest, ASystemFarOffTheMapIsHeldOffItOnItsOwnSide)
{
    FlyNewPilot();
    ReplaceGalaxy(2);
    Content("update system set x_galaxy = 1e12, y_galaxy = -1e12 where system_id = 10;");
    Content("update system set x_galaxy = 'nan', y_galaxy = 3 where system_id = 11;");
    OpenMap();
    const CSpriteControl* far = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker);
    const CTextControl* farName = gGalaxyMapScreen->GetTextControl(CGalaxyMapScreen::kFirstName);
    EXPECT_GT(far->x, 800);
    EXPECT_LT(far->y, 0);
    EXPECT_GE(farName->x, far->x);
    const CSpriteControl* notANumber = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + 1);
    EXPECT_EQ(notANumber->x, 0);
    EXPECT_EQ(notANumber->y, 3);
    gGalaxyMapScreen->Frame();
}

TEST_F(GalaxyMapTest, AVariantSystemShowsItsBaseSystemAsCurrent)
{
    FlyNewPilot();
    for (int entered : {1, 101, 3}) {
        SCOPED_TRACE(entered);
        rm->mCurrentSystemId = entered;
        OpenMap();
        CSpriteControl* current = gGalaxyMapScreen->CurrentMarker();
        ASSERT_NE(current, nullptr);
        // The shipped galaxy lists Varn first, then Lustalla and Cinder.
        const int slot = entered % 100 - 1;
        EXPECT_EQ(current, gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + slot));
        const CSpriteControl* arrow = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kPositionMarker);
        EXPECT_TRUE(arrow->visible);
        EXPECT_EQ(arrow->x, current->x - 20);
        EXPECT_EQ(arrow->y, current->y);
        gGalaxyMapScreen->Frame();
        EXPECT_EQ(current->colour & 0xFF00FF00u, 0xFF00FF00u) << "the current system pulses green";
    }
}

TEST_F(GalaxyMapTest, KeepsAtMostFiveHundredLinks)
{
    FlyNewPilot();
    OpenMap();
    const size_t shipped = gGalaxyMapScreen->Lines().size();
    EXPECT_GT(shipped, 0u) << "Varn's wormholes are drawn";
    Content("with recursive n(i) as (select 0 union all select i + 1 from n where i + 1 < 600) "
            "insert into object (object_id, system_id, quest_step_id, object_name, object_type) "
            "select 90000 + i, 1, 0, 'Extra', 'wormhole' from n;");
    Content("insert into wormhole_object (wormhole_id, object_id, jump_system_id) "
            "select object_id, object_id, 3 from object where object_id >= 90000;");
    OpenMap();
    EXPECT_EQ(gGalaxyMapScreen->Lines().size(), 500u);
}

TEST_F(GalaxyMapTest, LinesJoinTheMarkerCentres)
{
    FlyNewPilot();
    Content("update system set x_galaxy = 100, y_galaxy = 200 where system_id = 1;");
    Content("update system set x_galaxy = 300, y_galaxy = 50 where system_id = 3;");
    OpenMap();
    bool found = false;
    for (const CGalaxyMapScreen::ScreenLine& line : gGalaxyMapScreen->Lines())
        found |= line.x1 == 108.0f && line.y1 == 208.0f && line.x2 == 308.0f && line.y2 == 58.0f;
    EXPECT_TRUE(found) << "no line from Varn to Cinder";
}

// Slots of the shipped galaxy: Varn, Lustalla, Cinder, Verdance, Umbral.
constexpr int kCinderSlot = 2;
constexpr int kVerdanceSlot = 3;

int TimesHighlighted(int slot)
{
    const CSpriteControl* marker = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + slot);
    int times = 0;
    for (const CSpriteControl* highlighted : gGalaxyMapScreen->HighlightedMarkers())
        times += highlighted == marker;
    return times;
}

TEST_F(GalaxyMapTest, MissionSystemsPulseRedOncePerMissionThatLeadsThere)
{
    FlyNewPilot();
    // Under way with its step in Cinder; another step waits in Varn, where the pilot is.
    AddQuest(1101, 1, {{"goto", 3}});
    AddQuest(1102, 1, {{"goto", 1}});
    // Finished, opening a mission that begins in Cinder's variant.
    AddQuest(1103, 1, {{"goto", 5}});
    AddQuest(1104, 1, {{"goto", 103}}, 1103);
    gPlayerShip->AcceptQuest(1101);
    gPlayerShip->AcceptQuest(1102);
    gPlayerShip->mCompletedQuests[1103] = new CQuest(1103);
    OpenMap();
    EXPECT_EQ(TimesHighlighted(kCinderSlot), 2);
    EXPECT_EQ(TimesHighlighted(0), 0) << "the current system pulses green only";
    EXPECT_EQ(TimesHighlighted(kVerdanceSlot), 0);
    gGalaxyMapScreen->Frame();
    const CSpriteControl* cinder = gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + kCinderSlot);
    EXPECT_EQ(cinder->colour & 0xFFFF0000u, 0xFFFF0000u);
}

TEST_F(GalaxyMapTest, FortyFinishedMissionsStillFindTheNextOne)
{
    FlyNewPilot();
    for (int id = 2001; id <= 2040; ++id)
        gPlayerShip->mCompletedQuests[id] = new CQuest(id);
    AddQuest(2041, 1, {{"goto", 4}}, 2040);
    OpenMap();
    EXPECT_FALSE(os::QuitPosted()) << "the statement failed";
    EXPECT_EQ(TimesHighlighted(kVerdanceSlot), 1);
}

struct LineCase {
    float x1, y1, x2, y2;
    float corners[4][2];
};

class ScreenLineTest : public GameScreensTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ScreenLineTest, DrawsATwoPixelQuadAcrossTheLongerAxis)
{
    const LineCase& c = GetParam();
    Device()->ClearRecords();
    gGalaxyMapScreen->DrawScreenLine(c.x1, c.y1, c.x2, c.y2);
    ASSERT_EQ(Device()->Draws().size(), 1u);
    const gfx::headless::DrawRecord& draw = Device()->Draws().back();
    EXPECT_EQ(draw.type, gfx::kPrimTriangleFan);
    EXPECT_EQ(draw.primitiveCount, 2u);
    ASSERT_EQ(draw.stride, 24u);
    ASSERT_EQ(draw.vertices.size(), 96u);
    EXPECT_EQ(draw.state.renderStates[gfx::kRsCullMode], gfx::kCullNone) << "a line may run either way";
    for (int i = 0; i < 4; ++i) {
        float xyzw[4];
        std::memcpy(xyzw, draw.vertices.data() + 24 * i, sizeof xyzw);
        EXPECT_EQ(xyzw[0], c.corners[i][0]) << "corner " << i;
        EXPECT_EQ(xyzw[1], c.corners[i][1]) << "corner " << i;
        EXPECT_EQ(xyzw[2], 0.0f);
        EXPECT_EQ(xyzw[3], 1.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScreenLineTest,
    ::testing::Values(LineCase{10, 10, 20, 40, {{9, 10}, {11, 10}, {21, 40}, {19, 40}}},
                      LineCase{10, 10, 40, 20, {{10, 9}, {40, 19}, {40, 21}, {10, 11}}},
                      LineCase{40, 20, 10, 10, {{40, 19}, {10, 9}, {10, 11}, {40, 21}}},
                      LineCase{5, 5, 25, 25, {{4, 5}, {6, 5}, {26, 25}, {24, 25}}}));

TEST_F(GalaxyMapTest, LeavesForItsOpenerByButtonAndForFlightByKey)
{
    CPlayerShip& ship = FlyNewPilot();
    ship.mPosition = Vec3(120.0f, -40.0f, 30.0f);
    for (int key : {static_cast<int>(kKeyM), static_cast<int>(kKeyEscape)}) {
        OpenMap();
        gGalaxyMapScreen->OnKeyDown(key);
        EXPECT_EQ(gCurrentScreen, gFlightScreen) << key;
        EXPECT_FALSE(gGalaxyMapScreen->IsEntered());
        EXPECT_EQ(gCamera.GetEyeX(), 120.0f);
        EXPECT_EQ(gCamera.GetEyeY(), -40.0f);
        EXPECT_EQ(gCamera.GetZoom(), gCameraHeight);
    }
    OpenMap();
    // Opened from elsewhere (a station), the close button goes back there.
    gGalaxyMapScreen->SetReturnScreen(gMainMenuScreen);
    const CButton* close = gGalaxyMapScreen->GetButton(CGalaxyMapScreen::kCloseButton);
    ASSERT_NE(close, nullptr);
    gGalaxyMapScreen->OnMouseDown(0, close->x + 10, close->y + 10);
    gGalaxyMapScreen->OnMouseUp(0, close->x + 10, close->y + 10);
    EXPECT_EQ(gCurrentScreen, gMainMenuScreen);
    EXPECT_FALSE(gGalaxyMapScreen->IsEntered());
}

}  // namespace
