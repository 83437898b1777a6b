// The crew's road: a pilot whose name brings a fortune flies, opens the ship-and-crew page from
// flight, wins skill points from a pirate and spends one, moves a weapon to the hold and back,
// jettisons it and picks it up again in space, docks and buys the next larger hull at the
// station's shipyard, launches, and finds all of it in pe.dat after quitting.
#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "road_fixture.h"
#include "screens/crew_screen.h"
#include "screens/station_screen.h"
#include "screens/upgrade_screen.h"
#include "ships/lead_ship_ai.h"
#include "ships/shield.h"
#include "ui/object_control.h"
#include "ui/text_control.h"
#include "world/device_object.h"

namespace {

using Page = CShipStatusScreen;
constexpr int kKeyE = 18;
constexpr int kKeyL = 38;
constexpr int kKeyV = 47;
constexpr int kFirstPirate = 1020;
constexpr int kVarnExchange = 1001;
constexpr int kFirstRunTimeId = 100000;

// Screen points of the controls the road uses, from the screens' rows.
constexpr int kCrewButtonX = 736, kCrewButtonY = 380;
constexpr int kNavigationPlusX = 210, kNavigationPlusY = 194;
constexpr int kSecondWeaponX = 486, kSecondWeaponY = 330;
constexpr int kFirstHoldX = 446, kFirstHoldY = 430;
constexpr int kJettisonX = 668, kJettisonY = 462;
constexpr int kShieldX = 668, kShieldY = 330;
constexpr int kBackX = 700, kBackY = 536;
constexpr int kNextHullX = 692, kNextHullY = 356;
constexpr int kBuyX = 600, kBuyY = 416;

class CrewRoadTest : public RoadTest {
protected:
    // Main menu, New Pilot, the name "Midas Vell" typed, then the new-pilot screen as any pilot.
    void MakeWealthyPilot()
    {
        road.Step("click New Pilot and type Midas Vell");
        road.ClickAt(150, 316);
        ASSERT_EQ(gCurrentScreen, gPilotNameScreen) << road.CurrentStep();
        // A negative code is typed with shift held.
        const int keys[] = {-kKeyM, kKeyI, kKeyD, kKeyA, kKeyS, kKeySpace, -kKeyV, kKeyE, kKeyL, kKeyL};
        for (int key : keys) {
            if (key < 0) {
                Key(kKeyLeftShift, true);
                road.Frames(1);
            }
            road.Tap(key < 0 ? -key : key);
            if (key < 0) {
                Key(kKeyLeftShift, false);
                road.Frames(1);
            }
        }
        road.Tap(kKeyReturn);
        ASSERT_EQ(gCurrentScreen, gNewPilotScreen) << road.CurrentStep();
        CreatePilotOnTheNewPilotScreen(0);
    }
    // Presses at one point and releases at another, a frame for each record.
    void Drag(int fromX, int fromY, int toX, int toY)
    {
        road.MoveTo(fromX, fromY);
        road.PressButton(0, true);
        road.MoveTo(toX, toY);
        road.PressButton(0, false);
    }
    const char* Text(int id) const { return gShipStatusScreen->GetTextControl(id)->text; }
    // The devices floating in the system that were dropped during play.
    static std::set<CDeviceObject*> DroppedDevices()
    {
        std::set<CDeviceObject*> devices;
        for (auto& [id, object] : gResourceManager->mObjects) {
            if (auto* device = dynamic_cast<CDeviceObject*>(object); device && id > kFirstRunTimeId && device->mActive)
                devices.insert(device);
        }
        return devices;
    }
};

TEST_F(CrewRoadTest, APilotSpendsAPointRefitsJettisonsAndBuysALargerHull)
{
    road.Step("the main menu runs");
    road.Frames(10);
    MakeWealthyPilot();
    ASSERT_FALSE(HasFatalFailure());
    CPlayerShip& ship = *gPlayerShip;
    EXPECT_EQ(ship.mCredits, 10000) << "the name's fortune";
    const int firstHull = ship.mShipId;

    road.Step("fly a little, then open the ship-and-crew page with its button");
    road.HoldKey(kKeyW, 30, SteerFromKeys);
    road.ClickAt(kCrewButtonX, kCrewButtonY);
    ASSERT_EQ(gCurrentScreen, gShipStatusScreen) << road.CurrentStep();
    road.Frames(1);
    EXPECT_STREQ(Text(Page::kPilotNameText), "Midas Vell");
    EXPECT_STREQ(Text(Page::kCreditsText), "10000");
    EXPECT_STREQ(Text(Page::kLevelUpsText), "0");
    EXPECT_FALSE(gShipStatusScreen->GetMouseOverButton(Page::kNavigationButton)->visible) << "nothing to spend";

    road.Step("hovering the shield slot shows the shield");
    road.MoveTo(kShieldX, kShieldY);
    EXPECT_EQ(gShipStatusScreen->GetObjectControl(Page::kShipView)->meshId, ship.mShield->mDisplayMeshId);

    road.Step("T flies on");
    road.Tap(kKeyT);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

    // The road places the ship where a fight happens, as the pirates' road does.
    road.Step("destroy the first system's pirate lead for experience");
    CLeadShipAI* pirate = gResourceManager->FindLeadShip(kFirstPirate);
    ASSERT_NE(pirate, nullptr) << road.CurrentStep();
    ship.SelectWeaponSlot(0);
    for (int frame = 0; frame < 6000 && pirate->mActive && ship.mActive; ++frame) {
        const Vec3 aim = pirate->mPosition;
        if (Vec3Length(Vec3::Difference(aim, ship.mPosition)) > 40.0f)
            ship.SetPosition(Vec3::Sum(aim, Vec3(30.0f, 0.0f, 0.0f)));
        ship.FireWeapon(&aim);
        road.Frames(1);
    }
    ASSERT_EQ(pirate->mActive, 0) << road.CurrentStep();
    ASSERT_TRUE(ship.mActive) << road.CurrentStep();
    ASSERT_GE(ship.mLevelUps, 1) << road.CurrentStep();

    // A larger hull asks for the level a pilot has after the first few missions; the road gives
    // their experience rather than flying them again (the missions' roads fly them).
    road.Step("the experience of the first missions brings the pilot to level 4");
    while (ship.mLevel < 4)
        ship.AddExperience(ship.mNextLevelExperience * ship.mLevel);
    ASSERT_EQ(ship.mLevel, 4) << road.CurrentStep();

    road.Step("T opens the page; spend a point on navigation");
    road.Tap(kKeyT);
    ASSERT_EQ(gCurrentScreen, gShipStatusScreen) << road.CurrentStep();
    const int navigation = ship.mNavigation;
    const int levelUps = ship.mLevelUps;
    road.ClickAt(kNavigationPlusX, kNavigationPlusY);
    EXPECT_EQ(ship.mNavigation, navigation + 1) << road.CurrentStep();
    EXPECT_EQ(ship.mLevelUps, levelUps - 1) << road.CurrentStep();
    EXPECT_EQ(std::string(Text(Page::kNavigationText)), std::to_string(navigation + 1));
    EXPECT_EQ(std::string(Text(Page::kLevelUpsText)), std::to_string(levelUps - 1));

    road.Step("drag the second weapon into the hold, then back onto its slot");
    const int secondWeapon = ship.mWeapons[1]->mDeviceId;
    // The pirate's loot may already be in the hold; the weapon goes to the first free place.
    const int carried = ship.mCarriedCount;
    const int holdX = kFirstHoldX + 40 * (carried % 5);
    const int holdY = kFirstHoldY + 38 * (carried / 5);
    Drag(kSecondWeaponX, kSecondWeaponY, holdX, holdY);
    ASSERT_EQ(ship.mWeaponCount, 1) << road.CurrentStep();
    ASSERT_EQ(ship.mCarriedCount, carried + 1) << road.CurrentStep();
    EXPECT_TRUE(gShipStatusScreen->GetDragButton(Page::kFirstCargoDrag + carried)->visible) << road.CurrentStep();
    Drag(holdX, holdY, kSecondWeaponX, kSecondWeaponY);
    ASSERT_EQ(ship.mWeaponCount, 2) << road.CurrentStep();
    EXPECT_EQ(ship.mWeapons[1]->mDeviceId, secondWeapon) << road.CurrentStep();
    EXPECT_EQ(ship.mCarriedCount, carried) << road.CurrentStep();

    road.Step("jettison the second weapon into space");
    const std::set<CDeviceObject*> before = DroppedDevices();
    Drag(kSecondWeaponX, kSecondWeaponY, kJettisonX, kJettisonY);
    EXPECT_EQ(ship.mWeaponCount, 1) << road.CurrentStep();
    std::vector<CDeviceObject*> jettisoned;
    for (CDeviceObject* device : DroppedDevices())
        if (!before.count(device))
            jettisoned.push_back(device);
    ASSERT_EQ(jettisoned.size(), 1u) << road.CurrentStep() << ": one device floats out beside the ship";
    CDeviceObject* floating = jettisoned.front();
    EXPECT_EQ(floating->mDeviceId, secondWeapon);
    const int floatingId = floating->mId;

    road.Step("back to flight, fly to the device and pick it up");
    road.ClickAt(kBackX, kBackY);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    ASSERT_TRUE(FlyToward(floatingId, 3000, [&] {
        CWorldObject* device = gResourceManager->FindObject(floatingId);
        return !device || !device->mActive;
    })) << road.CurrentStep();
    ASSERT_EQ(ship.mCarriedCount, carried + 1) << road.CurrentStep();
    EXPECT_EQ(ship.mCarried[carried]->mDeviceId, secondWeapon) << road.CurrentStep();

    road.Step("fly into the Varn Exchange, which docks");
    ASSERT_TRUE(FlyToward(kVarnExchange, 6000, [] { return gCurrentScreen == gStationScreen; })) << road.CurrentStep();
    road.Frames(2);

    road.Step("open the shipyard from the station and step to the next larger hull");
    RowList<UpgradeShipRow> rows;
    std::vector<const UpgradeShipRow*> offered(
        std::begin(gGameDatabase.GetUpgradeShips(rows, ship.mAlignment, static_cast<int>(ship.mSize))), std::end(rows));
    ASSERT_FALSE(offered.empty()) << road.CurrentStep();
    const UpgradeShipRow next =
        **std::min_element(offered.begin(), offered.end(),
                           [](const UpgradeShipRow* a, const UpgradeShipRow* b) { return a->size < b->size; });
    ClickStationButton(CStationScreen::kUpgradeButton);
    ASSERT_EQ(gCurrentScreen, gShipUpgradeScreen) << road.CurrentStep();
    for (size_t i = 0; i < offered.size() && gShipUpgradeScreen->ShownShipId() != next.ship_id; ++i)
        road.ClickAt(kNextHullX, kNextHullY);
    ASSERT_EQ(gShipUpgradeScreen->ShownShipId(), next.ship_id) << road.CurrentStep();
    EXPECT_STREQ(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kNameText)->text, next.ship_type);
    const int price = std::atoi(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kPriceText)->text);
    EXPECT_EQ(price, UpgradePrice(ship, next.credit_value));

    road.Step("buy it; the shipyard returns to the station");
    const int purse = ship.mCredits;
    road.ClickAt(kBuyX, kBuyY);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
    EXPECT_EQ(ship.mShipId, next.ship_id) << road.CurrentStep();
    EXPECT_NE(ship.mShipId, firstHull);
    EXPECT_EQ(ship.mCredits, purse - price) << road.CurrentStep();
    EXPECT_EQ(ship.mHitPoints, next.max_hit_points) << road.CurrentStep();

    road.Step("launch and fly the new hull");
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    road.HoldKey(kKeyW, 30, SteerFromKeys);
    EXPECT_TRUE(ship.mActive);

    road.Step("quit from the options; the save holds the hull, the skill and the devices");
    const int playerId = ship.mPlayerId;
    const int credits = ship.mCredits;
    std::vector<std::pair<int, int>> fitted;
    for (int i = 0; i < ship.mCarriedCount; ++i)
        fitted.emplace_back(i, ship.mCarried[i]->mDeviceId);
    for (int i = 0; i < ship.mWeaponCount; ++i)
        fitted.emplace_back(10 + i, ship.mWeapons[i]->mDeviceId);
    QuitThroughTheOptions();
    ASSERT_FALSE(HasFatalFailure());
    const PlayerRecord* saved = gGameDatabase.GetPlayer(playerId);
    ASSERT_NE(saved, nullptr) << road.CurrentStep();
    EXPECT_EQ(saved->ship_id, next.ship_id);
    EXPECT_EQ(saved->nav_level, navigation + 1);
    EXPECT_EQ(saved->credits, credits);
    EXPECT_EQ(saved->level_up, levelUps - 1);
    RowList<PlayerDeviceRow> devices;
    std::vector<std::pair<int, int>> savedDevices;
    for (const PlayerDeviceRow* row : gGameDatabase.GetPlayerDevices(devices, playerId))
        savedDevices.emplace_back(row->device_number, row->device_id);
    std::sort(savedDevices.begin(), savedDevices.end());
    EXPECT_EQ(savedDevices, fitted) << "the hold and the weapon slots, the picked-up weapon among them";
}

}  // namespace
