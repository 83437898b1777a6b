// The store: prices by the communication skill, purchases that fall short, refills, the stock walk,
// selling by drag and drop, and the devices the ship cannot do without.
#include "screens/store_screen.h"

#include <climits>
#include <string>

#include "game_screens_fixture.h"
#include "screens/station_screen.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "ui/cursor.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

class StoreScreenTest : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        ship = &FlyNewPilot();
        gCurrentScreen = gStoreScreen;
        gStoreScreen->SetEntered(false);
        gStoreScreen->Frame();
    }
    CDeviceInfo* Offer(CStoreScreen::OfferKind kind, int index = 0)
    {
        return gStoreScreen->Offers(kind).at(index);
    }
    int OfferDrag(CStoreScreen::OfferKind kind, int index = 0)
    {
        return CStoreScreen::kOfferPlaces[kind].firstDrag + index;
    }
    bool Notice(int spriteId) { return gStoreScreen->GetSpriteControl(spriteId)->visible != 0; }
    std::string PanelLine(int i) { return gStoreScreen->GetTextControl(CStoreScreen::kFirstPanelLine + i)->text; }

    CPlayerShip* ship = nullptr;
};

struct PriceCase {
    const char* name;
    int communication;
    int creditValue;
    int purchase;
    int sale;
    // Credits the pilot holds when it sells, and holds after the sale.
    int heldAtSale;
    int afterSale;
};

const PriceCase kPrices[] = {
    {"NoSkill", 0, 1000, 1000, 250, 0, 250},
    {"ThirtyOneThousand", 30, 1000, 700, 500, 0, 500},
    {"FiftyAndOdd", 50, 999, 499, 499, 0, 499},
    {"CappedAtFifty", 80, 999, 499, 499, 0, 499},
    {"TheLargestValue", 0, INT_MAX, INT_MAX, 536870912, 0, 536870912},
    {"ASaleAtTheLargestCredits", 0, 1000, 1000, 250, INT_MAX - 100, INT_MAX},
};

class StorePriceTest : public StoreScreenTest, public ::testing::WithParamInterface<PriceCase> {};

// The panel's price is the price taken, and the price a sale pays.
TEST_P(StorePriceTest, ThePanelThePurchaseAndTheSaleAgree)
{
    const PriceCase& c = GetParam();
    ship->mCommunication = c.communication;
    CDeviceInfo* armor = Offer(CStoreScreen::kArmorOffers);
    armor->mCreditValue = c.creditValue;
    EXPECT_EQ(DescribeDevice(*armor, true, PanelForm::kStore).at(1).text,
              "Purchase Price: $" + std::to_string(c.purchase));

    ship->mCredits = c.purchase;
    const int carried = ship->mCarriedCount;
    gStoreScreen->OnDrop(OfferDrag(CStoreScreen::kArmorOffers), CStoreScreen::kFirstCargoSnap);
    ASSERT_EQ(ship->mCarriedCount, carried + 1) << "credits equal to the price buy the device";
    EXPECT_EQ(ship->mCredits, 0);
    EXPECT_EQ(DescribeDevice(*ship->mCarried[carried], false, PanelForm::kStore).at(1).text,
              "Selling Price: $" + std::to_string(c.sale));

    ship->mCredits = c.heldAtSale;
    gStoreScreen->OnDrop(CStoreScreen::kFirstCargoDrag + carried, CStoreScreen::kFirstSellSnap);
    EXPECT_EQ(ship->mCredits, c.afterSale);
    EXPECT_EQ(ship->mCarriedCount, carried);
}

INSTANTIATE_TEST_SUITE_P(Cases, StorePriceTest, ::testing::ValuesIn(kPrices),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StorePrices, ARefillCostsAtLeastOneWhileAnythingIsMissingAndAtMost999999)
{
    EXPECT_EQ(AmmoRefillPrice(9, 10, 500, SellFactor(0)), 1);
    EXPECT_EQ(AmmoRefillPrice(99, 100, 50, SellFactor(0)), 1);
    EXPECT_EQ(AmmoRefillPrice(10, 10, 500, SellFactor(0)), 0);
    EXPECT_EQ(AmmoRefillPrice(0, 10, 500, SellFactor(50)), 25);
    EXPECT_EQ(AmmoRefillPrice(0, 1000000, 2000000000, SellFactor(50)), 999999);
    EXPECT_EQ(CreditsAfterSale(-35, 0.25f, 100), -10);
}

TEST_F(StoreScreenTest, ARefillFillsTheLoadAndIsRefusedWhenShort)
{
    CWeaponInfo* bolt = rm->GetDeviceWeaponInfo(11);
    ship->mAmmo[11] = bolt->mMaxAmmo - 1;
    gStoreScreen->Rebuild();
    ASSERT_EQ(gStoreScreen->Refills().size(), 1u);
    const int price = AmmoRefillPrice(bolt->mMaxAmmo - 1, bolt->mMaxAmmo, bolt->mCreditValue, ship->SellFactor());
    EXPECT_EQ(price, 1);

    ship->mCredits = 0;
    const CMouseOverButton* refill = gStoreScreen->GetMouseOverButton(CStoreScreen::kFirstRefillButton);
    gStoreScreen->OnMouseDown(0, refill->x + 4, refill->y + 4);
    gStoreScreen->OnMouseUp(0, refill->x + 4, refill->y + 4);
    EXPECT_TRUE(Notice(CStoreScreen::kNoCreditsSprite));
    EXPECT_EQ(ship->GetAmmo(11), bolt->mMaxAmmo - 1);

    ship->mCredits = 1;
    gStoreScreen->OnMouseDown(0, refill->x + 4, refill->y + 4);
    EXPECT_FALSE(Notice(CStoreScreen::kNoCreditsSprite)) << "a press hides the notices";
    gStoreScreen->OnMouseUp(0, refill->x + 4, refill->y + 4);
    EXPECT_EQ(ship->mCredits, 0);
    EXPECT_EQ(ship->GetAmmo(11), bolt->mMaxAmmo);
    EXPECT_TRUE(gStoreScreen->Refills().empty());
    EXPECT_FALSE(gStoreScreen->GetMouseOverButton(CStoreScreen::kFirstRefillButton)->visible);
}

TEST_F(StoreScreenTest, SixteenWeaponsShortOfAmmunitionGiveFifteenRefills)
{
    CWeaponInfo* bolt = rm->GetDeviceWeaponInfo(11);
    while (ship->mWeaponCount < kPlayerListSize)
        ship->AddWeapon(bolt);
    for (int i = 0; i < 6; ++i)
        ship->AddCarriedDevice(gGameDatabase.CreateDevice(11));
    ship->mAmmo[11] = 0;
    ship->mAmmo[10] = 0;
    gStoreScreen->Rebuild();
    EXPECT_EQ(gStoreScreen->Refills().size(), 15u);
    for (int i = 0; i < CStoreScreen::kRefillCount; ++i) {
        EXPECT_TRUE(gStoreScreen->GetMouseOverButton(CStoreScreen::kFirstRefillButton + i)->visible);
        EXPECT_FALSE(gStoreScreen->GetSpriteControl(CStoreScreen::kFirstRefillPlaceholder + i)->visible);
    }
}

TEST_F(StoreScreenTest, AFifthArmorEndsTheStockWalk)
{
    std::string rows =
        "INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, "
        "eng_level, nav_level, sci_level, tac_level) VALUES (9900, 'tester', 1, 1, 1.0, 1, 1, 1, 1, 1);"
        "INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (9900, 3);";
    for (int i = 0; i < 6; ++i) {
        const std::string id = std::to_string(9901 + i);
        rows += "INSERT INTO device_main (device_id, device_name, device_description, device_mod, device_type, "
                "credit_value, display_mesh_id, ailment_id, for_sale) VALUES (" + id + ", 'Plate " + id +
                "', '', 'crystal', 'armor', 100, 20, 0, 'true');"
                "INSERT INTO armor (armor_id, device_id, armor_class, max_hit_points, regeneration_rate) VALUES (" +
                id + ", " + id + ", 1, 10, 1);"
                "INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (9900, " + id + ");";
    }
    Content(rows);
    CopyBounded(ship->mAlignment, sizeof ship->mAlignment, "tester");
    // The shield comes before the fifth armor in five of seven orders; after it, it is not listed.
    int withShield = 0;
    for (int visit = 0; visit < 40; ++visit) {
        gStoreScreen->SetEntered(false);
        gStoreScreen->Frame();
        ASSERT_EQ(gStoreScreen->Offers(CStoreScreen::kArmorOffers).size(), 5u);
        withShield += static_cast<int>(gStoreScreen->Offers(CStoreScreen::kShieldOffers).size());
    }
    EXPECT_GT(withShield, 0);
    EXPECT_LT(withShield, 40);
}

TEST_F(StoreScreenTest, TheLastWeaponAndTheShieldSellEvenWhileAChargeRuns)
{
    // A shield charge reads the owner's shield every frame.
    while (ship->mWeaponCount > 0)
        ship->RemoveWeapon(0);
    ship->AddWeapon(rm->GetDeviceWeaponInfo(16));
    ship->SelectWeaponSlot(0);
    ship->mFireTimer = 100000;
    ship->FireWeapon(&ship->mPosition);
    ASSERT_NE(ship->mActiveChargeId, 0);

    gStoreScreen->OnDrop(CStoreScreen::kFirstWeaponDrag, CStoreScreen::kFirstCargoSnap);
    EXPECT_EQ(ship->mWeaponCount, 1) << "the only weapon does not go to the cargo";
    gStoreScreen->OnDrop(CStoreScreen::kFirstWeaponDrag, CStoreScreen::kFirstSellSnap);
    gStoreScreen->OnDrop(CStoreScreen::kShieldDrag, CStoreScreen::kFirstSellSnap + 1);
    EXPECT_EQ(ship->mWeaponCount, 0);
    EXPECT_EQ(ship->SelectedWeapon(), nullptr);
    EXPECT_EQ(ship->mShield, nullptr);

    for (int frame = 0; frame < 5; ++frame)
        rm->UpdateObjects();
    for (int key = 0; key < 10; ++key)
        ship->SelectWeaponSlot(key);
    ship->NextWeapon();
    ship->PreviousWeapon();
    EXPECT_EQ(ship->SelectedWeapon(), nullptr);
    EXPECT_EQ(ship->mActiveChargeId, 0);
}

TEST_F(StoreScreenTest, TheEngineAndMissionDevicesStayAndAFullHoldTakesNoMoney)
{
    gStoreScreen->OnDrop(CStoreScreen::kEngineDrag, CStoreScreen::kFirstSellSnap);
    EXPECT_TRUE(Notice(CStoreScreen::kEngineNotSoldSprite));
    EXPECT_NE(ship->mEngine, nullptr);

    ship->AddCarriedDevice(gGameDatabase.CreateDevice(5));
    gStoreScreen->OnDrop(CStoreScreen::kFirstCargoDrag, CStoreScreen::kFirstSellSnap);
    EXPECT_TRUE(Notice(CStoreScreen::kMissionNotSoldSprite));
    EXPECT_EQ(ship->mCarriedCount, 1);

    ship->UnequipEngine();
    gStoreScreen->OnDrop(CStoreScreen::kFirstCargoDrag + 1, CStoreScreen::kFirstSellSnap);
    EXPECT_EQ(ship->mCarriedCount, 2) << "a carried engine is the ship's only engine";

    while (ship->mCarriedCount < kPlayerListSize)
        ship->AddCarriedDevice(gGameDatabase.CreateDevice(5));
    ship->mCredits = 100000;
    const size_t shields = gStoreScreen->Offers(CStoreScreen::kShieldOffers).size();
    ASSERT_GT(shields, 0u);
    gStoreScreen->OnDrop(OfferDrag(CStoreScreen::kShieldOffers), CStoreScreen::kFirstCargoSnap + 9);
    EXPECT_EQ(ship->mCredits, 100000);
    EXPECT_EQ(gStoreScreen->Offers(CStoreScreen::kShieldOffers).size(), shields);
}

TEST_F(StoreScreenTest, AWeaponBoughtIntoTheCargoComesWithItsFullLoad)
{
    // A hull the stores sell only the seeker missile to; each weapon row is drawn one time in two.
    Content("INSERT INTO device_criteria (device_criteria_id, alignment, level, ship_level, ship_size, com_level, "
            "eng_level, nav_level, sci_level, tac_level) VALUES (9910, 'loader', 1, 1, 1.0, 1, 1, 1, 1, 1);"
            "INSERT INTO device_criteria_xref (device_criteria_id, device_id) VALUES (9910, 12);");
    CopyBounded(ship->mAlignment, sizeof ship->mAlignment, "loader");
    ASSERT_EQ(ship->GetAmmo(12), -1);
    int visits = 0;
    do {
        gStoreScreen->SetEntered(false);
        gStoreScreen->Frame();
    } while (gStoreScreen->Offers(CStoreScreen::kWeaponOffers).empty() && ++visits < 40);
    ASSERT_EQ(gStoreScreen->Offers(CStoreScreen::kWeaponOffers).size(), 1u);
    ship->mCredits = 100000;
    gStoreScreen->OnDrop(OfferDrag(CStoreScreen::kWeaponOffers), CStoreScreen::kFirstCargoSnap);
    ASSERT_EQ(ship->mCarriedCount, 1);
    EXPECT_EQ(ship->GetAmmo(12), rm->GetDeviceWeaponInfo(12)->mMaxAmmo);
}

// A real drag: the press picks the button up, the release over a slot drops it, and the drop
// seats every drag button again while the release is still being handed round.
TEST_F(StoreScreenTest, ADragOntoTheCargoUnequipsAndSeatsTheButtonsAgain)
{
    const CSnapControl* cargo = gStoreScreen->GetSnapControl(CStoreScreen::kFirstCargoSnap);
    const CDragButton* armor = gStoreScreen->GetDragButton(CStoreScreen::kArmorDrag);
    ASSERT_TRUE(armor->visible);
    gCursor.SetPosition(armor->x + 5, armor->y + 5);
    gStoreScreen->OnMouseDown(0, armor->x + 5, armor->y + 5);
    ASSERT_TRUE(armor->dragging);
    gCursor.SetPosition(cargo->x + 5, cargo->y + 5);
    gStoreScreen->OnMouseMove(cargo->x + 5, cargo->y + 5);
    gStoreScreen->OnMouseUp(0, cargo->x + 5, cargo->y + 5);
    EXPECT_EQ(ship->mArmor, nullptr);
    ASSERT_EQ(ship->mCarriedCount, 1);
    EXPECT_EQ(ship->mCarried[0]->mDeviceType, kDeviceArmor);
    const CDragButton* carried = gStoreScreen->GetDragButton(CStoreScreen::kFirstCargoDrag);
    EXPECT_TRUE(carried->visible);
    EXPECT_EQ(carried->spriteId, 20002);
    EXPECT_EQ(carried->x, cargo->x);
    EXPECT_FALSE(armor->visible);
    EXPECT_FALSE(gStoreScreen->GetSnapControl(CStoreScreen::kArmorSnap)->bound);

    // Back onto the ship, then the hover describes it.
    gCursor.SetPosition(carried->x + 5, carried->y + 5);
    gStoreScreen->OnMouseDown(0, carried->x + 5, carried->y + 5);
    const CSnapControl* slot = gStoreScreen->GetSnapControl(CStoreScreen::kArmorSnap);
    gCursor.SetPosition(slot->x + 5, slot->y + 5);
    gStoreScreen->OnMouseUp(0, slot->x + 5, slot->y + 5);
    ASSERT_NE(ship->mArmor, nullptr);
    gStoreScreen->OnMouseMove(slot->x + 5, slot->y + 5);
    EXPECT_EQ(PanelLine(0), std::string(ship->mArmor->mName) + " (Crystal)");
    EXPECT_TRUE(gStoreScreen->GetSpriteControl(CStoreScreen::kPanelSprite)->visible);
    gStoreScreen->OnMouseMove(790, 590);
    EXPECT_FALSE(gStoreScreen->GetSpriteControl(CStoreScreen::kPanelSprite)->visible);
}

}  // namespace
