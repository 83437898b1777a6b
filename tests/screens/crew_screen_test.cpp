// The ship-and-crew page: the derived figures, skill points, the help box, every kind of drop
// with the buttons seated again after it, the jettison ring, and what the page leaves behind
// when the last weapon or the shield goes.
#include "screens/crew_screen.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "core/keys.h"
#include "game_screens_fixture.h"
#include "screens/crew_stat_texts.h"
#include "screens/info_screen.h"
#include "ships/armor.h"
#include "ships/charge_shot.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/object_control.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/device_object.h"

namespace {

using Page = CShipStatusScreen;
constexpr int kFusionThruster = 2;
constexpr int kDataCore = 5;
constexpr int kShieldConverter = 16;
constexpr int kFirstRunTimeId = 100000;

class CrewScreenTest : public GameScreensTest {
protected:
    CPlayerShip& OpenPage()
    {
        CPlayerShip& ship = FlyNewPilot();
        gShipStatusScreen->SetReturnScreen(gFlightScreen);
        gCurrentScreen = gShipStatusScreen;
        gShipStatusScreen->Enter();
        return ship;
    }
    const char* Text(int id) const { return gShipStatusScreen->GetTextControl(id)->text; }
    void Click(int x, int y)
    {
        gShipStatusScreen->OnMouseDown(0, x, y);
        gShipStatusScreen->OnMouseUp(0, x, y);
    }
    void ClickSkill(int button)
    {
        gShipStatusScreen->Frame();
        const CMouseOverButton* plus = gShipStatusScreen->GetMouseOverButton(button);
        Click(plus->x + 2, plus->y + 2);
    }
    // The drag buttons that show must rest on their own slot's snap, and the rest hide.
    void ExpectSeated(const CPlayerShip& ship)
    {
        auto check = [](int drag, int snap, bool filled) {
            const CDragButton* button = gShipStatusScreen->GetDragButton(drag);
            const CSnapControl* slot = gShipStatusScreen->GetSnapControl(snap);
            EXPECT_EQ(button->visible != 0, filled) << "drag button " << drag;
            if (filled) {
                EXPECT_EQ(slot->dragButton, button) << "snap " << snap;
                EXPECT_TRUE(button->x == slot->x && button->y == slot->y) << "drag button " << drag << " off its snap";
            } else {
                EXPECT_FALSE(slot->bound) << "empty snap " << snap;
            }
        };
        for (int i = 0; i < Page::kSlots; ++i) {
            check(Page::kFirstWeaponDrag + i, Page::kFirstWeaponSnap + i, i < ship.mWeaponCount);
            check(Page::kFirstCargoDrag + i, Page::kFirstCargoSnap + i, i < ship.mCarriedCount);
        }
        check(Page::kShieldDrag, Page::kShieldSnap, ship.mShield != nullptr);
        check(Page::kArmorDrag, Page::kArmorSnap, ship.mArmor != nullptr);
        check(Page::kEngineDrag, Page::kEngineSnap, ship.mEngine != nullptr);
    }
    // Devices spawned during the test: they take run-time ids, the system's own do not.
    std::vector<CDeviceObject*> DroppedDevices() const
    {
        std::vector<CDeviceObject*> devices;
        for (auto& [id, object] : gResourceManager->mObjects) {
            auto* device = dynamic_cast<CDeviceObject*>(object);
            if (device && id > kFirstRunTimeId)
                devices.push_back(device);
        }
        return devices;
    }
};

TEST(CrewStatTextsTest, SpeedAndDiscountFiguresReadAsThePageShowsThem)
{
    EXPECT_EQ(TopSpeedText(12.0f, 1.0f), "8.0") << "capped, no bonus part";
    EXPECT_EQ(TopSpeedText(6.0f, 1.5f), "6.0 +2.0") << "9.0 capped at 8.0";
    EXPECT_EQ(TopSpeedText(6.0f, 1.0f), "6.0");
    EXPECT_EQ(DiscountText(BuyFactor(20)), "-19~") << "the float product truncates";
    EXPECT_EQ(DiscountText(BuyFactor(90)), "-50~") << "the discount stops at half";
    EXPECT_EQ(ScienceBonusText(1.2f), "+20~");
}

struct EngineeringCase {
    int engineering;
    const char* rate;
};

TEST_F(CrewScreenTest, SpendingEngineeringSetsTheRepairRateItShows)
{
    const EngineeringCase cases[] = {
        {38, "2.0 HP/Sec"}, {32, "2.0 Sec/HP"}, {36, "1.0 HP/Sec"}, {40, "10.0 HP/Sec"}, {45, "10.0 HP/Sec"}};
    CPlayerShip& ship = OpenPage();
    for (const EngineeringCase& c : cases) {
        ship.mEngineering = c.engineering - 1;
        ship.mLevelUps = 1;
        ClickSkill(Page::kEngineeringButton);
        EXPECT_EQ(ship.mEngineering, c.engineering);
        EXPECT_STREQ(Text(Page::kRepairRateText), c.rate) << "engineering " << c.engineering;
        EXPECT_STREQ(Text(Page::kLevelUpsText), "0");
    }
}

TEST_F(CrewScreenTest, SkillButtonsShowAndSpendOnlyWhileLevelUpsWait)
{
    CPlayerShip& ship = OpenPage();
    ship.mLevelUps = 0;
    ship.mCommunication = 19;
    ClickSkill(Page::kCommunicationButton);
    EXPECT_FALSE(gShipStatusScreen->GetMouseOverButton(Page::kCommunicationButton)->visible);
    EXPECT_EQ(ship.mCommunication, 19) << "a hidden button spends nothing";
    ship.mLevelUps = 1;
    ClickSkill(Page::kCommunicationButton);
    EXPECT_EQ(ship.mCommunication, 20);
    EXPECT_STREQ(Text(Page::kDiscountText), "-19~");
    gShipStatusScreen->Frame();
    EXPECT_FALSE(gShipStatusScreen->GetMouseOverButton(Page::kScienceButton)->visible) << "the last point is spent";
}

TEST_F(CrewScreenTest, TheHelpBoxHidesTheTextsItCoversAndGoesWithTheCursor)
{
    CPlayerShip& ship = OpenPage();
    ship.mLevelUps = 1;
    gShipStatusScreen->Frame();
    const CMouseOverButton* tactical = gShipStatusScreen->GetMouseOverButton(Page::kTacticalButton);
    gShipStatusScreen->OnMouseMove(tactical->x + 2, tactical->y + 2);
    const CSpriteControl* box = gShipStatusScreen->GetSpriteControl(Page::kHelpBox);
    ASSERT_TRUE(box->visible);
    EXPECT_EQ(box->y, tactical->y + 30);
    EXPECT_STREQ(Text(Page::kFirstHelpText), "Tactical:");
    EXPECT_FALSE(gShipStatusScreen->GetTextControl(Page::kNavigationText)->visible) << "the row under the box";
    EXPECT_TRUE(gShipStatusScreen->GetTextControl(Page::kTacticalText)->visible) << "the hovered row stays";
    EXPECT_EQ(gShipStatusScreen->GetMouseOverButton(Page::kNavigationButton)->colour, 0x20FFFFFFu);
    gShipStatusScreen->OnMouseMove(790, 590);
    EXPECT_FALSE(box->visible);
    EXPECT_TRUE(gShipStatusScreen->GetTextControl(Page::kNavigationText)->visible);
    EXPECT_FALSE(gShipStatusScreen->GetTextControl(Page::kFirstHelpText)->visible);
    EXPECT_EQ(gShipStatusScreen->GetMouseOverButton(Page::kNavigationButton)->colour, 0x99FFFFFFu);
}

// Each drop: the hold it starts with, the drag button, the snap, and the hold and fittings after.
struct DropCase {
    const char* what;
    int drag;
    int snap;
    int weaponsAfter;
    int carriedAfter;
    bool shieldAfter;
    int engineAfter;
    size_t dropped;
};

class CrewDropTest : public CrewScreenTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(CrewDropTest, DoesWhatTheSlotsSayAndSeatsTheButtonsAgain)
{
    const DropCase& c = GetParam();
    CPlayerShip& ship = OpenPage();
    ship.AddCarriedDevice(new CEngine(kFusionThruster));
    ship.AddCarriedDevice(new CGenericDevice(kDataCore));
    // Enough of a pilot to fit the thruster.
    ship.mLevel = 5;
    const int engineBefore = ship.mEngine->mDeviceId;
    gShipStatusScreen->OnDrop(c.drag, c.snap);
    EXPECT_EQ(ship.mWeaponCount, c.weaponsAfter);
    EXPECT_EQ(ship.mCarriedCount, c.carriedAfter);
    EXPECT_EQ(ship.mShield != nullptr, c.shieldAfter);
    EXPECT_EQ(ship.mEngine ? ship.mEngine->mDeviceId : 0, c.engineAfter ? c.engineAfter : engineBefore);
    EXPECT_EQ(DroppedDevices().size(), c.dropped);
    ExpectSeated(ship);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, CrewDropTest,
    ::testing::Values(
        DropCase{"weapon_to_cargo", Page::kFirstWeaponDrag, Page::kFirstCargoSnap + 5, 1, 3, true, 0, 0},
        DropCase{"weapon_jettisoned", Page::kFirstWeaponDrag + 1, Page::kFirstJettisonSnap, 1, 2, true, 0, 1},
        DropCase{"carried_engine_fitted", Page::kFirstCargoDrag, Page::kEngineSnap, 2, 2, true, kFusionThruster, 0},
        DropCase{"carried_engine_jettisoned", Page::kFirstCargoDrag, Page::kLastJettisonSnap, 2, 1, true, 0, 1},
        DropCase{"mission_device_kept", Page::kFirstCargoDrag + 1, Page::kFirstJettisonSnap, 2, 2, true, 0, 0},
        DropCase{"shield_to_cargo", Page::kShieldDrag, Page::kFirstCargoSnap + 2, 2, 3, false, 0, 0},
        DropCase{"shield_jettisoned", Page::kShieldDrag, Page::kFirstJettisonSnap, 2, 2, false, 0, 1},
        DropCase{"engine_stays", Page::kEngineDrag, Page::kFirstJettisonSnap, 2, 2, true, 0, 0},
        DropCase{"weapon_on_shield_slot", Page::kFirstWeaponDrag, Page::kShieldSnap, 2, 2, true, 0, 0}),
    [](const ::testing::TestParamInfo<DropCase>& info) { return std::string(info.param.what); });

TEST_F(CrewScreenTest, ACarriedEngineStaysWhileNoEngineIsFitted)
{
    CPlayerShip& ship = OpenPage();
    ship.AddCarriedDevice(new CEngine(kFusionThruster));
    gShipStatusScreen->OnDrop(Page::kEngineDrag, Page::kFirstCargoSnap + 1);
    ASSERT_EQ(ship.mEngine, nullptr);
    ASSERT_EQ(ship.mCarriedCount, 2);
    for (int slot : {0, 1})
        gShipStatusScreen->OnDrop(Page::kFirstCargoDrag + slot, Page::kFirstJettisonSnap);
    EXPECT_EQ(ship.mCarriedCount, 2);
    EXPECT_TRUE(DroppedDevices().empty());
}

// A weapon moved to the hold is still the shared weapon record; throwing it out from there must
// leave the record to the cache, which every other ship firing that weapon reads.
TEST_F(CrewScreenTest, AWeaponJettisonedFromTheHoldLeavesTheSharedRecordWhole)
{
    CPlayerShip& ship = OpenPage();
    const int deviceId = ship.mWeapons[1]->mDeviceId;
    CWeaponInfo* shared = gResourceManager->GetDeviceWeaponInfo(deviceId);
    gShipStatusScreen->OnDrop(Page::kFirstWeaponDrag + 1, Page::kFirstCargoSnap);
    ASSERT_EQ(ship.mCarriedCount, 1);
    gShipStatusScreen->OnDrop(Page::kFirstCargoDrag, Page::kFirstJettisonSnap);
    EXPECT_EQ(ship.mCarriedCount, 0);
    ASSERT_EQ(gResourceManager->GetDeviceWeaponInfo(deviceId), shared);
    EXPECT_EQ(shared->mDeviceId, deviceId);
    ASSERT_TRUE(ship.AddWeapon(shared));
    EXPECT_EQ(ship.mWeapons[1]->mDeviceId, deviceId);
}

// A real press, drag and release: the release drops the button, whose handler seats every drag
// button again while the release is still being handled.
TEST_F(CrewScreenTest, ADraggedWeaponReleasedOverTheHoldMovesThere)
{
    CPlayerShip& ship = OpenPage();
    const CDragButton* weapon = gShipStatusScreen->GetDragButton(Page::kFirstWeaponDrag + 1);
    const CSnapControl* hold = gShipStatusScreen->GetSnapControl(Page::kFirstCargoSnap + 3);
    gCursor.SetPosition(weapon->x + 4, weapon->y + 4);
    gShipStatusScreen->OnMouseDown(0, weapon->x + 4, weapon->y + 4);
    gCursor.SetPosition(hold->x + 16, hold->y + 16);
    gShipStatusScreen->OnMouseUp(0, hold->x + 16, hold->y + 16);
    EXPECT_EQ(ship.mWeaponCount, 1);
    EXPECT_EQ(ship.mCarriedCount, 1);
    ExpectSeated(ship);
}

TEST_F(CrewScreenTest, TheNinthJettisonLandsWhereTheFirstDid)
{
    CPlayerShip& ship = OpenPage();
    std::vector<std::pair<float, float>> offsets;
    std::set<CDeviceObject*> seen;
    for (int i = 0; i < 9; ++i) {
        ship.AddCarriedDevice(new CArmor(4));
        gShipStatusScreen->OnDrop(Page::kFirstCargoDrag, Page::kFirstJettisonSnap + i % 4);
        for (CDeviceObject* device : DroppedDevices())
            if (seen.insert(device).second)
                offsets.emplace_back(device->mPosition.x - ship.mPosition.x, device->mPosition.y - ship.mPosition.y);
    }
    ASSERT_EQ(offsets.size(), 9u);
    const std::set<std::pair<float, float>> ring(offsets.begin(), offsets.begin() + 8);
    EXPECT_EQ(ring.size(), 8u) << "a ring of eight";
    EXPECT_FLOAT_EQ(offsets[8].first, offsets[0].first);
    EXPECT_FLOAT_EQ(offsets[8].second, offsets[0].second);
    for (auto [dx, dy] : offsets)
        EXPECT_NEAR(std::max(std::abs(dx), std::abs(dy)), dx == 0.0f || dy == 0.0f ? 1.5f * ship.mSize : ship.mSize,
                    0.001f);
}

// With the shield jettisoned under a running shield charge and every weapon thrown after it, the
// charge ends, nothing is selected, and flight's weapon keys find nothing to read.
TEST_F(CrewScreenTest, NoShieldAndNoWeaponLeaveNothingToChargeOrFire)
{
    CPlayerShip& ship = OpenPage();
    ASSERT_TRUE(ship.AddWeapon(gResourceManager->GetDeviceWeaponInfo(kShieldConverter)));
    ship.SelectWeapon(kShieldConverter);
    ship.mShield->mPoints = 1;
    gResourceManager->LaunchWeapon(kShieldConverter, &ship, &ship.mPosition, &ship.mPosition);
    ASSERT_NE(ship.mActiveChargeId, 0);
    const int charge = ship.mActiveChargeId;
    gShipStatusScreen->OnDrop(Page::kShieldDrag, Page::kFirstJettisonSnap);
    gResourceManager->UpdateObjects();
    EXPECT_EQ(ship.mShield, nullptr);
    EXPECT_EQ(ship.mActiveChargeId, 0);
    CWorldObject* shot = gResourceManager->FindObject(charge);
    EXPECT_TRUE(!shot || !shot->mActive) << "the charge ended";
    while (ship.mWeaponCount > 0)
        gShipStatusScreen->OnDrop(Page::kFirstWeaponDrag, Page::kFirstJettisonSnap + 1);
    EXPECT_EQ(ship.SelectedWeapon(), nullptr);
    EXPECT_STREQ(Text(Page::kAmmoText), "0");
    EXPECT_STREQ(Text(Page::kDamageText), "0");
    ExpectSeated(ship);
    gShipStatusScreen->OnKeyDown(kKeyT);
    ASSERT_EQ(gCurrentScreen, gFlightScreen);
    for (int key :
         {static_cast<int>(kKeyF1), static_cast<int>(kKeyF1) + 4, static_cast<int>(kKeyF), static_cast<int>(kKeyG)})
        gFlightScreen->OnKeyDown(key);
    ship.FireWeapon(&ship.mPosition);
    EXPECT_EQ(ship.SelectedWeapon(), nullptr);
}

TEST_F(CrewScreenTest, HoveringADeviceShowsItsMeshAndDescriptionAndTheBackButtonReturnsToTheOpener)
{
    CPlayerShip& ship = OpenPage();
    const CObjectControl* view = gShipStatusScreen->GetObjectControl(Page::kShipView);
    const CSpriteControl* panel = gShipStatusScreen->GetSpriteControl(Page::kPanelSprite);
    EXPECT_EQ(view->meshId, ship.mHullMeshId);
    EXPECT_FALSE(panel->visible);
    const CMouseOverButton* shield = gShipStatusScreen->GetMouseOverButton(Page::kShieldHover);
    gShipStatusScreen->OnMouseMove(shield->x + 4, shield->y + 4);
    EXPECT_EQ(view->meshId, ship.mShield->mDisplayMeshId);
    ASSERT_TRUE(panel->visible);
    EXPECT_EQ(panel->x, shield->x >= 400 ? 490 : 5);
    EXPECT_EQ(panel->y, shield->y < 301 ? 80 : 200);
    const CTextControl* name = gShipStatusScreen->GetTextControl(Page::kFirstPanelText);
    EXPECT_TRUE(name->visible);
    EXPECT_EQ(name->x, panel->x + 10);
    EXPECT_EQ(std::string(name->text).rfind(ship.mShield->mName, 0), 0u) << name->text;
    const CMouseOverButton* empty = gShipStatusScreen->GetMouseOverButton(Page::kFirstCargoHover + 4);
    gShipStatusScreen->OnMouseMove(empty->x + 4, empty->y + 4);
    EXPECT_EQ(view->meshId, ship.mHullMeshId) << "an empty slot shows the hull";
    EXPECT_FALSE(panel->visible) << "an empty slot closes the panel";
    EXPECT_FALSE(name->visible);
    EXPECT_TRUE(gShipStatusScreen->GetTextControl(Page::kCreditsText)->visible);

    // The station opens the page the same way; the information page stands in for it here.
    gShipStatusScreen->SetReturnScreen(gInfoScreen);
    const CButton* back = gShipStatusScreen->GetButton(Page::kBackButton);
    Click(back->x + 4, back->y + 4);
    EXPECT_EQ(gCurrentScreen, gShipStatusScreen->GetReturnScreen());
    EXPECT_FALSE(gShipStatusScreen->IsEntered()) << "the next visit rebuilds the page";
}

}  // namespace
