// The fixture of the roads that fly the missions after the first: the places they go, the purse a
// reward is measured from, the mission log's pages, and each mission's flight from where a
// player meets it to its pay.
#pragma once

#include <string>

#include "quest_road_fixture.h"
#include "quests/quest.h"
#include "screens/mission_board_screen.h"
#include "screens/quest_log_screen.h"
#include "screens/station_screen.h"
#include "ui/button.h"

namespace missions {

constexpr int kBlockade = 3;
constexpr int kEastWormhole = 1004;
constexpr int kWarlord = 3500;
constexpr int kCinderDepot = 3001;
constexpr int kPicketDuty = 6;
constexpr int kWestWormhole = 3002;
constexpr int kCinder = 3;
// Varn as the Union fleet guards it once the blockade is broken.
constexpr int kGuardedVarn = 101;
constexpr int kVerdance = 4;
constexpr int kCinderToVerdance = 3003;
constexpr int kBloom = 4003;
constexpr int kSeeds = 4;
constexpr int kSeedBarge = 4500;
constexpr int kVarnToUmbral = 1005;
constexpr int kUmbral = 5;
constexpr int kDriftingBeacon = 5500;
constexpr int kUmbralLens = 5501;
constexpr int kLens = 5;
constexpr int kVarnExchange = 1001;
constexpr int kOre = 2;
// Where the observers wait, in the lee of Umbral Deep.
const Vec3 kObservers(0.0f, -140.0f, 0.0f);

}  // namespace missions

class MissionsRoadTest : public QuestRoadTest {
protected:
    // Pages the mission log for the finished mission: its own page, named and complete, or the
    // page of the chain it belongs to, which lists its last step done while the chain goes on.
    bool LogShowsFinished(const std::string& name, const std::string& lastLine)
    {
        road.ClickAt(700, 344);
        if (gCurrentScreen != gQuestLogScreen)
            return false;
        bool found = false;
        for (int page = 0; page < 8 && !found; ++page) {
            road.Frames(1);
            found = Text(gQuestLogScreen, CQuestLogScreen::kNameText) == name &&
                    Text(gQuestLogScreen, CQuestLogScreen::kStateText) == "Complete";
            for (int i = 0; i < CQuestLogScreen::kStepLineLimit && !found; ++i)
                found = Text(gQuestLogScreen, CQuestLogScreen::kFirstStepText + i) == lastLine;
            if (!found)
                ClickLogButton(CQuestLogScreen::kNextButton);
        }
        road.ClickAt(690, 580);
        return found;
    }
    // Flies into the wormhole; true once the ship is in the system it leads to. After a respawn or
    // a Start the ship may be at the far side of the system, well over a minute away.
    bool JumpThrough(int wormholeId, int systemId)
    {
        return FlyToward(wormholeId, 8000, [systemId] { return gResourceManager->mCurrentSystemId == systemId; });
    }
    // What a reward is measured from.
    struct Purse {
        int credits;
        int level;
        int experience;
        int nextLevel;
    };
    static Purse PurseNow()
    {
        return {gPlayerShip->mCredits, gPlayerShip->mLevel, gPlayerShip->mExperience,
                gPlayerShip->mNextLevelExperience};
    }
    // The credits and the experience a reward leaves: the experience is split by the level, and
    // each level it fills is a level up.
    void ExpectRewarded(const Purse& before, int creditReward, int experienceReward)
    {
        EXPECT_EQ(gPlayerShip->mCredits, before.credits + creditReward) << road.CurrentStep();
        int level = before.level;
        int experience = before.experience + experienceReward / before.level;
        for (int next = before.nextLevel; experience >= next; next = CPlayerShip::ExperienceForLevel(level)) {
            experience -= next;
            ++level;
        }
        EXPECT_EQ(gPlayerShip->mLevel, level) << road.CurrentStep();
        EXPECT_EQ(gPlayerShip->mExperience, experience) << road.CurrentStep();
    }
    // A fight's kills pay experience in the same frames as the mission, so only the credits are
    // exact; the experience has grown.
    void ExpectPaidAfterAFight(const Purse& before, int creditReward)
    {
        EXPECT_EQ(gPlayerShip->mCredits, before.credits + creditReward) << road.CurrentStep();
        EXPECT_TRUE(gPlayerShip->mLevel > before.level ||
                    (gPlayerShip->mLevel == before.level && gPlayerShip->mExperience > before.experience))
            << road.CurrentStep();
    }
    void ClickLogButton(int id)
    {
        const CButton* button = gQuestLogScreen->GetButton(id);
        if (button && button->visible)
            road.ClickAt(button->x + button->width / 2, button->y + button->height / 2);
    }
    // The mission log shows the mission finished, before and after a quit and a continue.
    void ExpectFinishedInTheLogAndKept(const std::string& name, const std::string& lastLine)
    {
        road.Step("the mission log shows " + name + " done");
        EXPECT_TRUE(LogShowsFinished(name, lastLine)) << road.CurrentStep();
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
        road.Step("quit through the options and continue: " + name + " stays finished");
        QuitAndStartAgain();
        ASSERT_FALSE(HasFailure());
        ContinueThePilot();
        ASSERT_FALSE(HasFailure());
        road.Frames(5);
        EXPECT_TRUE(LogShowsFinished(name, lastLine)) << road.CurrentStep();
    }

    // Flies into the Varn Exchange, opens its board, pages to the mission and accepts it; the board
    // returns to the station.
    void TakeFromTheExchangeBoard(int questId, int creditReward)
    {
        road.Step("fly into the Varn Exchange, page its board to mission " + std::to_string(questId) +
                  " and accept it");
        ASSERT_TRUE(FlyToward(missions::kVarnExchange, 6000, [] { return gCurrentScreen == gStationScreen; }))
            << road.CurrentStep();
        road.Frames(2);
        ClickStationButton(CStationScreen::kMissionsButton);
        ASSERT_EQ(gCurrentScreen, gMissionBoardScreen) << road.CurrentStep();
        road.Frames(1);
        PageTheBoardTo(questId);
        ASSERT_FALSE(HasFailure());
        EXPECT_EQ(Text(gMissionBoardScreen, CMissionBoardScreen::kCreditText),
                  "Credit Reward:    $" + std::to_string(creditReward))
            << road.CurrentStep();
        ClickControl(gMissionBoardScreen, CMissionBoardScreen::kAcceptButton);
        ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
        ASSERT_EQ(gPlayerShip->mActiveQuests.count(questId), 1u) << road.CurrentStep();
    }
    // On the mission board: pages to the mission's offer.
    void PageTheBoardTo(int questId)
    {
        const auto shown = [] { return gMissionBoardScreen->ShownOffer(); };
        for (int page = 0; page < 8 && shown() && shown()->mQuestId != questId; ++page)
            ClickControl(gMissionBoardScreen, CMissionBoardScreen::kNextButton);
        ASSERT_TRUE(shown() && shown()->mQuestId == questId)
            << road.CurrentStep() << ": the board never offered mission " << questId;
    }

    // The blockade from its orders to its pay, every step by input.
    void FlyTheBlockade()
    {
        CloseTheOrders();
        if (!HasFailure())
            JumpAndFightTheWarlord();
    }
    void CloseTheOrders()
    {
        road.Step("the middle button closes the orders");
        ASSERT_TRUE(FramesUntil(40, [] { return gFlightScreen->IsHailOpen(); })) << road.CurrentStep();
        road.MoveTo(400, 120);
        road.Click(2);
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Fly to the east wormhole."; }))
            << road.CurrentStep();
    }
    // From the way to the wormhole to the warlord's end, which breaks the blockade in flight.
    void JumpAndFightTheWarlord()
    {
        JumpToCinder();
        if (!HasFailure())
            ReportAtTheDepot();
        if (!HasFailure())
            FightTheWarlord();
    }
    void JumpToCinder()
    {
        road.Step("follow the arrow to the east wormhole");
        ASSERT_TRUE(FramesUntil(20, [] { return gPlayerShip->mGuideTarget != nullptr; }))
            << road.CurrentStep() << ": no arrow points at the wormhole";
        const Vec3 mouth = gPlayerShip->mGuideTarget->mPosition;
        FlyTowardPoint(
            [&](Vec3* at) {
                *at = mouth;
                return true;
            },
            4000, [] { return Logged("The east wormhole is ahead."); });
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Jump to Cinder through the east wormhole."; }))
            << road.CurrentStep();

        road.Step("fly into the east wormhole to Cinder");
        ASSERT_TRUE(FlyToward(missions::kEastWormhole, 4000, [] {
            return gResourceManager->mCurrentSystemId == missions::kCinder;
        })) << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Report at the Cinder Depot."; }))
            << road.CurrentStep();
    }
    // The arrow points at the object, whatever else is under way or selected.
    void ExpectTheArrowAt(int objectId)
    {
        EXPECT_TRUE(FramesUntil(
            20, [objectId] { return gPlayerShip->mGuideTarget && gPlayerShip->mGuideTarget->mId == objectId; }))
            << road.CurrentStep() << ": the arrow does not point at " << objectId;
    }
    void ReportAtTheDepot()
    {
        road.Step("follow the arrow into the Cinder Depot to report");
        ExpectTheArrowAt(missions::kCinderDepot);
        FlyToward(missions::kCinderDepot, 4000, [] { return gCurrentScreen != gFlightScreen; });
        ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
        road.Frames(2);
        EXPECT_TRUE(gStationScreen->IsHailOpen()) << road.CurrentStep();
        EXPECT_EQ(Text(gStationScreen, CStationScreen::kFirstHailLine), "Cinder Depot here. Glad you came, pilot.")
            << road.CurrentStep();

        road.Step("Space closes the call; launch and clear the depot");
        road.Tap(kKeySpace);
        EXPECT_FALSE(gStationScreen->IsHailOpen()) << road.CurrentStep();
        ClickStationButton(CStationScreen::kLaunchButton);
        LeaveTheDepot();
    }
    void FightTheWarlord()
    {
        road.Step("fight Warlord Kesh until he is no more: the blockade is broken and paid");
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Find Warlord Kesh and end the blockade."; }))
            << road.CurrentStep();
        ASSERT_NE(gResourceManager->FindObject(missions::kWarlord), nullptr) << road.CurrentStep();
        ExpectTheArrowAt(missions::kWarlord);
        const Purse before = PurseNow();
        FightUntilLogged("Warlord Kesh is no more.", 300);
        ASSERT_TRUE(Logged("Warlord Kesh is no more.")) << road.CurrentStep();
        ASSERT_NE(gPlayerShip->mActive, 0) << road.CurrentStep() << ": the warlord won";
        ASSERT_TRUE(FramesUntil(60, [] { return Logged("The blockade is broken. Varn trades again."); }))
            << road.CurrentStep();
        ExpectPaidAfterAFight(before, 1500);
        const CQuest* blockade = gPlayerShip->FindQuest(missions::kBlockade);
        ASSERT_NE(blockade, nullptr) << road.CurrentStep();
        EXPECT_EQ(blockade->mState, kQuestComplete) << road.CurrentStep();
    }

    // The depot lies between its launch and Cinder's wormholes; a straight line would dock again.
    void LeaveTheDepot()
    {
        road.Step("clear the depot");
        const Vec3 clear(-100.0f, 0.0f, 0.0f);
        FlyTowardPoint(
            [&](Vec3* at) {
                *at = clear;
                return true;
            },
            600, [&] { return Vec3Length(Vec3::Difference(clear, gPlayerShip->mPosition)) < 20.0f; });
    }

    // Picket Duty, from the picket's hail on arriving in guarded Varn to its pay.
    void FlyPicketDuty()
    {
        road.Step("the Union picket hails with the duty");
        ASSERT_TRUE(FramesUntil(60, [] { return gFlightScreen->IsHailOpen(); })) << road.CurrentStep();
        EXPECT_EQ(CenterMessage(), "The Union picket is hailing you.") << road.CurrentStep();
        EXPECT_EQ(Text(gFlightScreen, CFlightScreen::kFirstHailText), "Union picket to the hero of the blockade.")
            << road.CurrentStep();
        ASSERT_EQ(gPlayerShip->mActiveQuests.count(missions::kPicketDuty), 1u) << road.CurrentStep();

        road.Step("the middle button closes the hail; the raiders come to the line");
        road.MoveTo(400, 120);
        road.Click(2);
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Raiders at the picket line!"; }))
            << road.CurrentStep();

        road.Step("fight the raiders until they break off; the duty is paid");
        const Purse before = PurseNow();
        FightUntilLogged("The raiders break off.", 300);
        ASSERT_TRUE(Logged("The raiders break off.")) << road.CurrentStep();
        ASSERT_NE(gPlayerShip->mActive, 0) << road.CurrentStep() << ": the raiders won";
        ASSERT_TRUE(FramesUntil(40, [] { return Logged("The picket line holds. Varn is safe."); }))
            << road.CurrentStep();
        ExpectPaidAfterAFight(before, 1000);
    }

    // Seeds of the Bloom, from Verdance's wormhole to its pay.
    void FlySeedsOfTheBloom()
    {
        road.Step("fly toward the Bloom: the seed barge's job is offered on the way");
        ASSERT_TRUE(FlyToward(missions::kBloom, 4000, [] {
            return gPlayerShip->mActiveQuests.count(missions::kSeeds) != 0;
        })) << road.CurrentStep();
        EscortAndGuardTheSeeds();
    }
    // From the escort's first call, in Verdance with the job taken, to its pay.
    void EscortAndGuardTheSeeds()
    {
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Escort the Seed Barge to Grove Station."; }))
            << road.CurrentStep();
        ASSERT_NE(gResourceManager->FindObject(missions::kSeedBarge), nullptr)
            << road.CurrentStep() << ": no barge to escort";
        ExpectTheArrowAt(missions::kSeedBarge);

        road.Step("keep with the barge until it reaches Grove Station");
        const Purse before = PurseNow();
        ASSERT_TRUE(FlyToward(missions::kSeedBarge, 3000, [] { return Logged("The barge reached the station."); }))
            << road.CurrentStep();

        road.Step("drive off the raiders while the seeds are unloaded; the job is paid");
        ASSERT_TRUE(FramesUntil(40, [] {
            return CenterMessage() == "Drive off the raiders while the seeds are unloaded.";
        })) << road.CurrentStep();
        EXPECT_FALSE(Logged("The seeds are unloaded and planted.")) << road.CurrentStep() << ": no raider was fought";
        FightUntilLogged("The seeds are unloaded and planted.", 300);
        ASSERT_NE(gPlayerShip->mActive, 0) << road.CurrentStep() << ": the raiders won";
        ASSERT_TRUE(FramesUntil(40, [] { return Logged("Grove Station thanks you for the seeds."); }))
            << road.CurrentStep() << (Logged("Mission failed: Seeds of the Bloom") ? ": the barge was lost" : "");
        EXPECT_EQ(CenterMessage(), "Mission Complete") << road.CurrentStep();
        ExpectPaidAfterAFight(before, 800);
    }

    // The Umbral Lens, once taken, from its first step in Umbral to its pay.
    void RecoverTheLens()
    {
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Recover the Umbral Lens."; }))
            << road.CurrentStep();

        road.Step("fly to the lens and pick it up");
        const Purse before = PurseNow();
        ASSERT_TRUE(FlyToward(missions::kUmbralLens, 4000, [] { return Logged("The lens is aboard."); }))
            << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Fly to the observers off Umbral Deep."; }))
            << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(20, [] { return gPlayerShip->mGuideTarget != nullptr; }))
            << road.CurrentStep() << ": no arrow points at the observers";

        road.Step("follow the arrow to the observers off Umbral Deep until they take the lens; the search is paid");
        FlyTowardPoint(
            [](Vec3* at) {
                *at = missions::kObservers;
                return true;
            },
            4000, [] { return Logged("The observers take the lens."); });
        ASSERT_TRUE(Logged("The observers take the lens.")) << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(40, [] { return Logged("The observers of Umbral see clearly again."); }))
            << road.CurrentStep();
        ExpectRewarded(before, 600, 130);
    }
};
