// The road test's fixture: a headless game played through the menus and the flight keys, with
// the helpers every road shares (a new pilot made through the menus, flying toward an object,
// the log lines).
#pragma once

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "core/keys.h"
#include "core/message_log.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "net/network_screen.h"
#include "road_driver.h"
#include "screens/delete_pilot_screen.h"
#include "screens/flight_screen.h"
#include "screens/info_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "screens/station_screen.h"
#include "screens/store_screen.h"
#include "ships/device_info.h"
#include "ships/player_ship.h"
#include "support/headless_game.h"
#include "ui/button.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/snap_control.h"
#include "world/world_object.h"

// Letter keys the road types.
constexpr int kKeyR = 19;
constexpr int kKeyI = 23;
constexpr int kKeyN = 49;
constexpr int kKeyX = 45;

class RoadTest : public HeadlessGame {
protected:
    static constexpr unsigned kRoadSeed = 20261209;

    void SetUp() override
    {
        HeadlessGame::SetUp();
        // The road runs the game's own screens, not the fixture's recording ones.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
        // The start-up seeds the dice from the clock; a road plays the same game on every run.
        std::srand(kRoadSeed);
    }

    size_t ObjectCount() const
    {
        return gResourceManager->mObjects.size() + gResourceManager->mSuns.size() +
               gResourceManager->mWormholes.size() + gResourceManager->mNebulae.size();
    }

    // Main menu, New Pilot, the name "Rin", five points, Create and Continue: the pilot flies.
    void MakePilotThroughTheMenus(int hullIndex = 0)
    {
        road.Step("click New Pilot");
        road.ClickAt(150, 316);
        ASSERT_EQ(gCurrentScreen, gPilotNameScreen) << road.CurrentStep();
        road.Step("type a name, capital first, with a slip mended by Backspace, then Enter");
        // The keyboard poll takes one record a frame.
        Key(kKeyLeftShift, true);
        road.Frames(1);
        road.Tap(kKeyR);
        Key(kKeyLeftShift, false);
        road.Frames(1);
        for (int key : {kKeyI, kKeyN, kKeyX, static_cast<int>(kKeyBackspace)})
            road.Tap(key);
        EXPECT_STREQ(gPilotNameScreen->Buffer(), "Rin_") << road.CurrentStep();
        road.Tap(kKeyReturn);
        ASSERT_EQ(gCurrentScreen, gNewPilotScreen) << road.CurrentStep();
        EXPECT_STREQ(gNewPilotScreen->PilotName(), "Rin");
        CreatePilotOnTheNewPilotScreen(hullIndex);
    }

    // On the new-pilot screen: the hull, the five points refused and then spent, Create and
    // Continue; the pilot flies.
    void CreatePilotOnTheNewPilotScreen(int hullIndex)
    {
        road.Step("pick hull " + std::to_string(hullIndex) + " with the next-hull button");
        for (int i = 0; i < hullIndex; ++i)
            road.ClickAt(746, 356);
        road.Step("Create with points left is refused");
        road.ClickAt(100, 436);
        ASSERT_EQ(gCurrentScreen, gNewPilotScreen) << road.CurrentStep();
        road.Step("spend the five points: tactical, navigation twice, science twice");
        for (int skill : {1, 2, 2, 4, 4})
            road.ClickAt(254, 166 + 40 * skill);
        EXPECT_EQ(gNewPilotScreen->PointsLeft(), 0) << road.CurrentStep();
        road.Step("Create, then Continue on the information page");
        road.ClickAt(100, 436);
        ASSERT_EQ(gCurrentScreen, gInfoScreen) << road.CurrentStep();
        road.ClickAt(390, 516);
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
        road.Frames(5);
    }

    // The in-flight screen steers and updates the ship itself.
    static bool SteerFromKeys(int) { return true; }
    // Runs frames until done() holds, at most limit of them; false when it never did.
    bool FramesUntil(int limit, const std::function<bool()>& done)
    {
        for (int frame = 0; frame < limit && !done() && !HasFailure(); ++frame)
            road.Frames(1);
        return done();
    }

    // An object of the system by id, nebulae included (they have a map of their own).
    static CWorldObject* Locate(int objectId)
    {
        if (CWorldObject* object = gResourceManager->FindObject(objectId))
            return object;
        auto nebula = gResourceManager->mNebulae.find(objectId);
        return nebula == gResourceManager->mNebulae.end() ? nullptr : nebula->second;
    }

    // Flies the player's ship toward the object with held keys, as a player would: turn with A
    // or D until the nose points at it, then thrust with W. Stops once done() holds.
    bool FlyToward(int objectId, int maxFrames, const std::function<bool()>& done)
    {
        return FlyTowardPoint(
            [objectId](Vec3* at) {
                const CWorldObject* target = Locate(objectId);
                if (target)
                    *at = target->mPosition;
                return target != nullptr;
            },
            maxFrames, done);
    }
    // The same toward the point where() gives each frame; where() false ends the flight.
    bool FlyTowardPoint(const std::function<bool(Vec3*)>& where, int maxFrames, const std::function<bool()>& done)
    {
        int held = 0;
        for (int frame = 0; frame < maxFrames && !done(); ++frame) {
            Vec3 point;
            if (!where(&point))
                return done();
            const Vec3 to = Vec3::Difference(point, gPlayerShip->mPosition);
            float off = std::atan2(-to.x, to.y) - gPlayerShip->mRotation.z;
            while (off > 3.14159f)
                off -= 6.28318f;
            while (off < -3.14159f)
                off += 6.28318f;
            const int key = off > 0.15f ? kKeyA : off < -0.15f ? kKeyD : kKeyW;
            if (key != held) {
                if (held)
                    road.Release(held);
                road.Press(key);
                held = key;
            }
            road.Frames(1, SteerFromKeys);
            if (HasFailure())
                break;
        }
        if (held)
            road.Release(held);
        road.Frames(1, SteerFromKeys);
        return done();
    }
    // Flies into the station until its screen shows.
    bool DockAt(int stationId)
    {
        const bool docked = FlyToward(stationId, 6000, [] { return gCurrentScreen == gStationScreen; });
        road.Frames(2);
        return docked;
    }
    // Clicks the middle of a control as drawn: a button, mirrored or not, or a mouse-over button.
    void ClickControl(CScreen* screen, int id)
    {
        if (const CButton* button = screen->GetButton(id)) {
            ASSERT_TRUE(button->visible) << road.CurrentStep() << ": button " << id << " is hidden";
            const int left = button->flippedX ? button->x - button->width : button->x;
            road.ClickAt(left + button->width / 2, button->y + button->height / 2);
            return;
        }
        const CMouseOverButton* row = screen->GetMouseOverButton(id);
        ASSERT_TRUE(row && row->visible) << road.CurrentStep() << ": no control " << id << " to click";
        road.ClickAt(row->x + row->width / 2, row->y + row->height / 2);
    }
    void ClickStationButton(int id) { ClickControl(gStationScreen, id); }
    // Picks the drag button up and lets it go over the snap.
    void DragOnto(CScreen* screen, int dragId, int snapId)
    {
        const CDragButton* drag = screen->GetDragButton(dragId);
        const CSnapControl* snap = screen->GetSnapControl(snapId);
        ASSERT_TRUE(drag && snap && drag->visible) << road.CurrentStep() << ": drag " << dragId;
        road.MoveTo(drag->x + drag->width / 2, drag->y + drag->height / 2);
        road.PressButton(0, true);
        road.MoveTo(snap->x + snap->width / 2, snap->y + snap->height / 2);
        road.PressButton(0, false);
    }
    // The cheapest weapon on offer that the credits pay for; -1 when there is none.
    static int AffordableWeaponOffer(const CPlayerShip& ship)
    {
        int cheapest = -1;
        const auto& offers = gStoreScreen->Offers(CStoreScreen::kWeaponOffers);
        for (int k = 0; k < static_cast<int>(offers.size()); ++k) {
            const int price = static_cast<int>(ship.BuyFactor() * static_cast<float>(offers[k]->mCreditValue));
            if (price <= ship.mCredits && (cheapest < 0 || offers[k]->mCreditValue < offers[cheapest]->mCreditValue))
                cheapest = k;
        }
        return cheapest;
    }
    // Esc, then the quit button: the frame that takes the release posts quit, and the game stops
    // and saves the pilot. Returns the pilot's id (0 without one).
    int QuitThroughTheOptions()
    {
        road.Tap(kKeyEscape);
        road.MoveTo(390, 496);
        road.PressButton(0, true);
        gDirectInput->Feed(input::DeviceKind::kMouse, input::kMouseButton0, 0);
        os::AdvanceManualTime(CRoadDriver::kFrameMs);
        EXPECT_EQ(RunFrame(), 0) << road.CurrentStep();
        EXPECT_TRUE(os::QuitPosted()) << road.CurrentStep();
        const int playerId = gPlayerShip ? gPlayerShip->mPlayerId : 0;
        StopGame();
        os::ClearMessages();
        return playerId;
    }
    // Respawn on the death notice: the ship lives again, whole, at the save point beside the
    // station it last docked at, which stood at dockedAt then.
    void RespawnBeside(const Vec3& dockedAt)
    {
        ClickControl(gFlightScreen, CFlightScreen::kRespawnButton);
        CPlayerShip* ship = gPlayerShip;
        ASSERT_TRUE(ship->mActive) << road.CurrentStep();
        EXPECT_NEAR(ship->mHomeX, dockedAt.x + 20.0f, 0.01f) << road.CurrentStep();
        EXPECT_NEAR(ship->mHomeY, dockedAt.y + 20.0f, 0.01f) << road.CurrentStep();
        EXPECT_LT(Vec3Length(Vec3::Difference(ship->mPosition, Vec3(ship->mHomeX, ship->mHomeY, 30.0f))), 2.0f)
            << road.CurrentStep();
        EXPECT_EQ(ship->GetHitPoints(), ship->GetMaxHitPoints()) << road.CurrentStep();
    }
    // Starts the game again after a quit, with the road's dice rather than the clock's.
    void StartAgain()
    {
        ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
        std::srand(kRoadSeed);
        road.Frames(5);
        ASSERT_EQ(gCurrentScreen, gMainMenuScreen) << road.CurrentStep();
    }
    // Quits through the options and starts the game again at the main menu.
    void QuitAndStartAgain()
    {
        QuitThroughTheOptions();
        StartAgain();
    }
    // From the main menu: Continue flies the pilot who flew last.
    void ContinueThePilot()
    {
        ClickControl(gMainMenuScreen, CMainMenuScreen::kContinueButton);
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
        ASSERT_NE(gPlayerShip, nullptr) << road.CurrentStep();
    }
    // From the main menu: Load Pilot, then the first pilot of the list.
    void LoadTheFirstPilot()
    {
        ClickControl(gMainMenuScreen, CMainMenuScreen::kLoadPilotButton);
        ASSERT_EQ(gCurrentScreen, gLoadPilotScreen) << road.CurrentStep();
        road.Frames(2);
        ClickControl(gLoadPilotScreen, CLoadPilotScreen::kFirstButton);
        ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    }
    // From the main menu: Delete Pilot, then the first pilot of the list; none is left.
    void RetireTheOnlyPilot()
    {
        ClickControl(gMainMenuScreen, CMainMenuScreen::kDeletePilotButton);
        ASSERT_EQ(gCurrentScreen, gDeletePilotScreen) << road.CurrentStep();
        road.Frames(2);
        ClickControl(gDeletePilotScreen, CDeletePilotScreen::kFirstButton);
        RowList<PilotRow> pilots;
        EXPECT_TRUE(gGameDatabase.GetPilots(pilots).empty()) << road.CurrentStep() << ": the pilot was not retired";
    }
    // From flight: Esc, the options' Main Menu, then the main menu's Network button.
    void FlyToTheNetworkScreen()
    {
        road.Tap(kKeyEscape);
        road.ClickAt(400, 456);
        ASSERT_EQ(gCurrentScreen, gMainMenuScreen) << road.CurrentStep();
        ClickControl(gMainMenuScreen, CMainMenuScreen::kNetworkButton);
        ASSERT_EQ(gCurrentScreen, gNetworkScreen) << road.CurrentStep();
    }
    static bool Logged(const std::string& line)
    {
        for (const std::string& message : FlightMessages()) {
            if (message == line)
                return true;
        }
        return false;
    }

    void TearDown() override
    {
        ReplacePlayerShip(nullptr);
        HeadlessGame::TearDown();
    }

    CRoadDriver road;
};
