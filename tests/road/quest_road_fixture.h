// The fixture of the mission roads: every line the log was given, the texts a player reads, and
// the hands that fly, aim and fight; and the first job flown from its hail to its pay, which
// opens the chain of jobs that follow it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "road_fixture.h"
#include "screens/conversation_screen.h"
#include "ships/weapon_records.h"
#include "ui/cursor.h"
#include "ui/text_control.h"

class QuestRoadTest : public RoadTest {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        Posted().clear();
        SetFlightMessageListener([](const std::string& line) { Posted().push_back(line); });
    }
    void TearDown() override
    {
        SetFlightMessageListener(nullptr);
        RoadTest::TearDown();
    }
    // Every line the log was given; it shows only the last four, and fights post many.
    static std::vector<std::string>& Posted()
    {
        static std::vector<std::string> lines;
        return lines;
    }
    static bool Logged(const std::string& line)
    {
        return std::find(Posted().begin(), Posted().end(), line) != Posted().end();
    }
    static std::string Text(CScreen* screen, int controlId)
    {
        const CTextControl* text = screen->GetTextControl(controlId);
        return text && text->visible ? text->text : "";
    }
    static std::string CenterMessage() { return Text(gFlightScreen, CFlightScreen::kCenterMessage); }

    // Moves the pointer over the point in the flight plane, correcting like a hand would: a small
    // move from the middle of the screen measures how far a pixel reaches at this zoom.
    void AimAt(const Vec3& point)
    {
        road.MoveTo(400, 300);
        float x0 = 0.0f;
        float y0 = 0.0f;
        gCursor.PickRay(&x0, &y0, 30.0f);
        road.MoveMouse(10, 10);
        float x1 = 0.0f;
        float y1 = 0.0f;
        gCursor.PickRay(&x1, &y1, 30.0f);
        const float perPixelX = (x1 - x0) / 10.0f;
        const float perPixelY = (y1 - y0) / 10.0f;
        if (std::fabs(perPixelX) < 1e-4f || std::fabs(perPixelY) < 1e-4f)
            return;
        for (int i = 0; i < 4; ++i) {
            gCursor.PickRay(&x1, &y1, 30.0f);
            const int dx = static_cast<int>((point.x - x1) / perPixelX);
            const int dy = static_cast<int>((point.y - y1) / perPixelY);
            if (dx == 0 && dy == 0)
                return;
            road.MoveMouse(dx, dy);
        }
    }

    // Closes in on the selected enemy and fires at it with the left button held, until the line
    // says the step is done.
    void FightUntilLogged(const std::string& line, int limit)
    {
        for (int round = 0; round < limit && !Logged(line) && gPlayerShip->mActive && !HasFailure(); ++round) {
            CWorldObject* enemy = gPlayerShip->mTarget;
            // What the last one dropped, or a friend under the pointer, may be selected; Space picks
            // the nearest enemy ship.
            if (!enemy || !enemy->mActive || (enemy->mType != kTypeLeadShip && enemy->mType != kTypeWingman) ||
                enemy->mAffiliate == gPlayerShip->mAffiliate) {
                road.Tap(kKeySpace);
                enemy = gPlayerShip->mTarget;
                if (!enemy) {
                    road.Frames(10);
                    continue;
                }
            }
            const int enemyId = enemy->mId;
            FlyToward(enemyId, 40, [&] {
                const CWorldObject* at = Locate(enemyId);
                return !at || Vec3Length(Vec3::Difference(at->mPosition, gPlayerShip->mPosition)) < 35.0f;
            });
            const CWorldObject* at = Locate(enemyId);
            if (!at || !at->mActive)
                continue;
            // A weapon fired dry gives way to the next one, as the right button does.
            const CWeaponInfo* weapon = gPlayerShip->SelectedWeapon();
            if (weapon && gPlayerShip->GetAmmo(weapon->mDeviceId) == 0)
                road.Click(1);
            AimAt(at->mPosition);
            road.PressButton(0, true);
            for (int i = 0; i < 4 && Locate(enemyId) && Locate(enemyId)->mActive; ++i)
                AimAt(Locate(enemyId)->mPosition);
            road.PressButton(0, false);
        }
    }

    // A new pilot on the hull, made through the menus, flies the first job to its pay.
    void FlyTheFirstJobAsANewPilot(int hullIndex)
    {
        MakePilotThroughTheMenus(hullIndex);
        if (!HasFailure())
            FlyTheFirstJob();
    }
    // The first job from the hail to the pay, every step by input; ends as the next job is offered.
    void FlyTheFirstJob()
    {
        road.Step("Traffic Control hails the new pilot with the first job");
        ASSERT_TRUE(FramesUntil(60, [] { return gFlightScreen->IsHailOpen(); })) << road.CurrentStep();
        EXPECT_EQ(CenterMessage(), "Varn Traffic Control is hailing you.") << road.CurrentStep();
        EXPECT_EQ(Text(gFlightScreen, CFlightScreen::kFirstHailText), "Varn Traffic Control to the new ship.")
            << road.CurrentStep();

        road.Step("the middle button closes the hail, and the job's first flight begins");
        road.MoveTo(400, 120);
        road.Click(2);
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Fly to the salvage beacon."; }))
            << road.CurrentStep();
        EXPECT_TRUE(Logged("Traffic Control signs off.")) << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(20, [] { return gPlayerShip->mGuideTarget != nullptr; }))
            << road.CurrentStep() << ": no arrow points at the beacon";

        road.Step("fly where the arrow points until Traffic Control calls");
        const Vec3 beacon = gPlayerShip->mGuideTarget->mPosition;
        FlyTowardPoint(
            [&](Vec3* at) {
                *at = beacon;
                return true;
            },
            3000, [] { return gCurrentScreen == gConversationScreen; });
        ASSERT_EQ(gCurrentScreen, gConversationScreen) << road.CurrentStep();
        EXPECT_TRUE(Logged("Beacon reached. Someone got here first.")) << road.CurrentStep();

        road.Step("read the first page, turn it with Space, then Space again back to flight");
        road.Frames(30);
        EXPECT_EQ(Text(gConversationScreen, CConversationScreen::kFirstLine),
                  "Traffic Control here. Our scopes show two")
            << road.CurrentStep();
        road.Tap(kKeySpace);
        EXPECT_EQ(Text(gConversationScreen, CConversationScreen::kFirstLine),
                  "Drive them off. Aim with the pointer and")
            << road.CurrentStep();
        road.Tap(kKeySpace);
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

        road.Step("the raiders come; fight them until they are scrap");
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Scrap raiders! Drive them off."; }))
            << road.CurrentStep();
        FightUntilLogged("The raiders are scrap themselves now.", 200);
        ASSERT_TRUE(Logged("The raiders are scrap themselves now.")) << road.CurrentStep();
        ASSERT_NE(gPlayerShip->mActive, 0) << road.CurrentStep() << ": the raiders won";

        road.Step("follow the arrow back to the Exchange: the salvage is delivered beside it");
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Fly back to the Varn Exchange."; }))
            << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(20, [] { return gPlayerShip->mGuideTarget != nullptr; }))
            << road.CurrentStep() << ": no arrow points at the drop";
        const int credits = gPlayerShip->mCredits;
        const Vec3 drop = gPlayerShip->mGuideTarget->mPosition;
        FlyTowardPoint(
            [&](Vec3* at) {
                *at = drop;
                return true;
            },
            3000, [] { return Logged("Salvage delivered to the Exchange."); });
        EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep() << ": docked before the delivery";
        ASSERT_TRUE(Logged("Salvage delivered to the Exchange.")) << road.CurrentStep();

        road.Step("the job is paid, and the next one is offered");
        ASSERT_TRUE(FramesUntil(20, [] { return Logged("Traffic Control: well flown, pilot."); }))
            << road.CurrentStep();
        EXPECT_EQ(gPlayerShip->mCredits, credits + 500) << road.CurrentStep();
        ASSERT_TRUE(FramesUntil(40, [] { return CenterMessage() == "Orders from Varn Traffic Control."; }))
            << road.CurrentStep();
    }
};
