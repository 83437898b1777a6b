// The road of the galaxy map and the mission log: a new pilot opens the map from flight, finds
// Varn marked as where the ship is, and closes it again; then Varn Traffic Control's first job
// comes in, and the pilot finds it in the mission log and where it leads on the map. All by
// input records.
#include <cstring>

#include "quests/quest.h"
#include "quests/quest_step.h"
#include "road_fixture.h"
#include "screens/galaxy_map_screen.h"
#include "screens/quest_log_screen.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

// The job Varn Traffic Control gives every new pilot who arrives.
constexpr int kFirstJob = 1;

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

TEST_F(RoadTest, ANewPilotOpensTheMapAndFindsTheFirstJobInTheLog)
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

    road.Step("Varn Traffic Control offers the first job on arrival");
    road.Frames(60);
    ASSERT_EQ(gPlayerShip->mActiveQuests.count(kFirstJob), 1u) << road.CurrentStep();

    road.Step("the mission log's button shows the job, under way");
    road.ClickAt(700, 344);
    ASSERT_EQ(gCurrentScreen, gQuestLogScreen) << road.CurrentStep();
    road.Frames(2);
    ASSERT_NE(gQuestLogScreen->ShownQuest(), nullptr) << road.CurrentStep();
    EXPECT_STREQ(gQuestLogScreen->GetTextControl(CQuestLogScreen::kStateText)->text, "Incomplete");
    EXPECT_STRNE(gQuestLogScreen->GetTextControl(CQuestLogScreen::kNameText)->text, "Quest is NULL");
    EXPECT_STRNE(gQuestLogScreen->GetTextControl(CQuestLogScreen::kFirstDescriptionText)->text, "");

    road.Step("Back returns to flight");
    road.ClickAt(690, 580);
    EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

    road.Step("the map marks the system where the job waits, Varn, as the pilot's");
    road.Tap(kKeyM);
    ASSERT_EQ(gCurrentScreen, gGalaxyMapScreen) << road.CurrentStep();
    const CQuestStep* step = gPlayerShip->mActiveQuests.at(kFirstJob)->CurrentStep();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->mSystemId % 100, 1) << road.CurrentStep();
    EXPECT_STREQ(CurrentSystemName(), "Varn") << road.CurrentStep();
    road.Tap(kKeyEscape);
    EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
}

}  // namespace
