// The shipyard: prices at the pilot's buying share, the order it steps through the larger hulls,
// a list without a larger hull, and what a purchase changes and what it refuses.
#include "screens/upgrade_screen.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "game_screens_fixture.h"
#include "ships/engine.h"
#include "ui/button.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kCourier = 1;
constexpr int kMarauder = 4;
constexpr int kCutter = 20;
constexpr int kCorsair = 22;

class UpgradeScreenTest : public GameScreensTest {
protected:
    // A saved pilot of the hull in flight, who docked and opened the shipyard from there.
    CPlayerShip& OpenShipyard(int shipId, int credits = 0, int level = 1)
    {
        RowList<CreateShipRow> rows;
        CreateShipRow hull{};
        for (const CreateShipRow* row : gGameDatabase.GetCreateShips(rows))
            hull = row->ship_id == shipId ? *row : hull;
        ReplacePlayerShip(new CPlayerShip(shipId, "Test Pilot", hull.weapon_id_1, hull.weapon_id_2,
                                          hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 0, 0, 0,
                                          0, 0, 0xFFFFFFFFu, hull.affiliate));
        gPlayerShip->mCredits = credits;
        gPlayerShip->mLevel = level;
        gFlightScreen->SetSystemBackdrop(1);
        gShipUpgradeScreen->SetReturnScreen(gFlightScreen);
        gCurrentScreen = gShipUpgradeScreen;
        gShipUpgradeScreen->Enter();
        return *gPlayerShip;
    }
    void Press(int buttonId)
    {
        const CButton* button = gShipUpgradeScreen->GetButton(buttonId);
        ASSERT_NE(button, nullptr);
        gShipUpgradeScreen->OnMouseDown(0, button->x + 2, button->y + 2);
        gShipUpgradeScreen->OnMouseUp(0, button->x + 2, button->y + 2);
    }
    std::vector<int> Offered(const CPlayerShip& ship)
    {
        RowList<UpgradeShipRow> rows;
        std::vector<int> ids;
        for (const UpgradeShipRow* row :
             gGameDatabase.GetUpgradeShips(rows, ship.mAlignment, static_cast<int>(ship.mSize)))
            ids.push_back(row->ship_id);
        return ids;
    }
    bool Shown(int id) const
    {
        const CSpriteControl* sprite = gShipUpgradeScreen->GetSpriteControl(id);
        return sprite && sprite->visible;
    }
};

struct PriceCase {
    int hullValue;
    int newValue;
    int communication;
    int price;
};

TEST_F(UpgradeScreenTest, PriceIsTheBuyingShareLessTheOldHullAndAtLeastOneHundred)
{
    CPlayerShip& ship = OpenShipyard(kCourier);
    const PriceCase cases[] = {
        {900, 1000, 0, 100}, {1000, 5000, 50, 1500}, {3000, 1000, 0, 100}, {2000, 3500, 3, 1395}, {0, 999, 1, 989},
        {0, INT_MAX, 0, INT_MAX}};
    for (const PriceCase& c : cases) {
        ship.mHullCreditValue = c.hullValue;
        ship.mCommunication = c.communication;
        EXPECT_EQ(UpgradePrice(ship, c.newValue), c.price)
            << c.hullValue << " -> " << c.newValue << " at communication " << c.communication;
    }
}

TEST_F(UpgradeScreenTest, OpensOnTheSecondLargerHullAndStepsRoundBothWays)
{
    const std::vector<int> offered = Offered(OpenShipyard(kCourier));
    ASSERT_GE(offered.size(), 3u);
    const size_t n = offered.size();
    EXPECT_EQ(gShipUpgradeScreen->ShownShipId(), offered[1]);
    for (size_t step = 2; step <= n; ++step) {
        Press(CShipUpgradeScreen::kNextButton);
        EXPECT_EQ(gShipUpgradeScreen->ShownShipId(), offered[step % n]) << "next " << step - 1;
    }
    Press(CShipUpgradeScreen::kPreviousButton);
    EXPECT_EQ(gShipUpgradeScreen->ShownShipId(), offered[n - 1]) << "previous from the first wraps to the last";
}

TEST_F(UpgradeScreenTest, AHullOfTheWholeSizeButNoLargerIsNeverShown)
{
    CPlayerShip& ship = OpenShipyard(kMarauder);
    ship.mSize = 5.7f;
    gShipUpgradeScreen->Enter();
    const std::vector<int> offered = Offered(ship);
    ASSERT_NE(std::find(offered.begin(), offered.end(), kCorsair), offered.end()) << "the Corsair is offered";
    for (size_t i = 0; i < 2 * offered.size(); ++i) {
        EXPECT_NE(gShipUpgradeScreen->ShownShipId(), kCorsair);
        Press(CShipUpgradeScreen::kNextButton);
    }
}

// Only hulls between the whole size and the exact size are offered: one round finds none, and
// the page says so instead of offering a purchase.
TEST_F(UpgradeScreenTest, WithNothingLargerThePageOffersNoHull)
{
    CPlayerShip& ship = OpenShipyard(kMarauder, 100000, 50);
    ship.mSize = 8.7f;
    gShipUpgradeScreen->Enter();
    ASSERT_FALSE(Offered(ship).empty());
    EXPECT_EQ(gShipUpgradeScreen->ShownShipId(), 0);
    for (int id :
         {CShipUpgradeScreen::kBuyButton, CShipUpgradeScreen::kNextButton, CShipUpgradeScreen::kPreviousButton})
        EXPECT_FALSE(gShipUpgradeScreen->GetButton(id)->visible) << "button " << id;
    EXPECT_STRNE(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kFirstDescriptionText)->text, "");
    gShipUpgradeScreen->OnMouseDown(0, 0, 0);
    EXPECT_FALSE(gShipUpgradeScreen->GetButton(CShipUpgradeScreen::kNextButton)->visible);
    EXPECT_EQ(ship.mCredits, 100000);
}

struct PurchaseCase {
    const char* what;
    int credits;
    int level;
    bool bought;
    int notice;
};

TEST_F(UpgradeScreenTest, BuyingTakesThePriceAndTheHullElseNamesWhatIsShort)
{
    const PurchaseCase cases[] = {
        {"level 4 with the price", 1500, 4, true, 0},
        {"level 3 is too low for ship level 2", 100000, 3, false, CShipUpgradeScreen::kLevelNotice},
        {"short of credits", 1499, 4, false, CShipUpgradeScreen::kNoCreditsNotice},
        {"both short: the level is named", 0, 1, false, CShipUpgradeScreen::kLevelNotice},
    };
    for (const PurchaseCase& c : cases) {
        SCOPED_TRACE(c.what);
        CPlayerShip& ship = OpenShipyard(kCourier, c.credits, c.level);
        ship.mHitPoints = 10;
        ship.AddCarriedDevice(new CEngine(2));
        ship.mEngine->mFuel = 1;
        for (int i = 0; i < 8 && gShipUpgradeScreen->ShownShipId() != kCutter; ++i)
            Press(CShipUpgradeScreen::kNextButton);
        ASSERT_EQ(gShipUpgradeScreen->ShownShipId(), kCutter);
        EXPECT_STREQ(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kPriceText)->text, "1500");
        EXPECT_STREQ(gShipUpgradeScreen->GetTextControl(CShipUpgradeScreen::kLevelText)->text, "4");
        Press(CShipUpgradeScreen::kBuyButton);
        EXPECT_EQ(ship.mShipId, c.bought ? kCutter : kCourier);
        EXPECT_EQ(ship.mCredits, c.bought ? c.credits - 1500 : c.credits);
        if (c.bought) {
            EXPECT_EQ(gCurrentScreen, gFlightScreen) << "back where the page was opened from";
            EXPECT_FLOAT_EQ(ship.mSize, 5.0f);
            EXPECT_EQ(ship.mHitPoints, ship.mMaxHitPoints);
            EXPECT_EQ(ship.mMaxHitPoints, 140);
            EXPECT_EQ(ship.mCargoCapacity, 28);
            EXPECT_EQ(ship.mWeaponCount, 2) << "weapons stay";
            EXPECT_EQ(ship.mCarriedCount, 1) << "the hold stays";
            EXPECT_EQ(ship.mEngine->mFuel, ship.mEngine->mMaxFuel) << "the engine is fitted again, full";
            continue;
        }
        EXPECT_EQ(gCurrentScreen, gShipUpgradeScreen);
        EXPECT_EQ(ship.mHitPoints, 10);
        EXPECT_EQ(Shown(CShipUpgradeScreen::kLevelNotice), c.notice == CShipUpgradeScreen::kLevelNotice);
        EXPECT_EQ(Shown(CShipUpgradeScreen::kNoCreditsNotice), c.notice == CShipUpgradeScreen::kNoCreditsNotice);
        gShipUpgradeScreen->OnMouseDown(0, 0, 0);
        EXPECT_FALSE(Shown(c.notice)) << "the next press clears the notice";
    }
}

}  // namespace
