// The road of the galaxy map and the mission log: a new pilot opens the map from flight, finds
// Varn marked as where the ship is, and closes it again, all by input records.
#include <cstring>

#include "road_fixture.h"
#include "screens/galaxy_map_screen.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

// The name shown beside the current system's marker.
const char* CurrentSystemName()
{
    const CSpriteControl* current = gGalaxyMapScreen->CurrentMarker();
    for (int slot = 0; current && slot < CGalaxyMapScreen::kSlotCount; ++slot) {
        if (gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kFirstMarker + slot) == current)
            return gGalaxyMapScreen->GetTextControl(CGalaxyMapScreen::kFirstName + slot)->text;
    }
    return "";
}

TEST_F(RoadTest, ANewPilotOpensTheGalaxyMapAndClosesIt)
{
    road.Frames(5);
    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFailure());

    road.Step("press M in flight: the map opens with Varn marked");
    road.Tap(kKeyM);
    ASSERT_EQ(gCurrentScreen, gGalaxyMapScreen) << road.CurrentStep();
    road.Frames(3);
    EXPECT_STREQ(CurrentSystemName(), "Varn") << road.CurrentStep();
    EXPECT_TRUE(gGalaxyMapScreen->GetSpriteControl(CGalaxyMapScreen::kPositionMarker)->visible);
    EXPECT_FALSE(gGalaxyMapScreen->Lines().empty()) << road.CurrentStep() << ": Varn's wormholes are known";

    road.Step("M again closes it");
    road.Tap(kKeyM);
    EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

    road.Step("the map's button in flight opens it, Close returns to flight");
    road.ClickAt(700, 308);
    ASSERT_EQ(gCurrentScreen, gGalaxyMapScreen) << road.CurrentStep();
    road.ClickAt(690, 580);
    EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    road.Frames(3);
}

}  // namespace
