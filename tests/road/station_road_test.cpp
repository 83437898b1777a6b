// The road through the first station: a new pilot flies straight into it and launches, mines,
// docks, sells the ore, repairs and refuels, buys a weapon in the store and drags it onto a slot,
// sells the old one, buys ammunition and launches; every docking saves, and the save holds what
// the pilot did.
#include <string>
#include <vector>

#include <sqlite3.h>

#include "road_fixture.h"
#include "screens/station_screen.h"
#include "screens/store_screen.h"
#include "ships/engine.h"
#include "ships/weapon_records.h"
#include "ui/text_control.h"

namespace {

constexpr int kVarnExchange = 1001;
constexpr int kToCinder = 1004;
constexpr int kBackToVarn = 3002;

class StationRoadTest : public RoadTest {
protected:
    // The rows of a query on the save file, as the pilot's next load would read them.
    std::vector<std::vector<std::string>> Saved(const std::string& sql)
    {
        std::vector<std::vector<std::string>> rows;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(folder.SaveFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_exec(
                db, sql.c_str(),
                [](void* out, int count, char** values, char**) {
                    auto& table = *static_cast<std::vector<std::vector<std::string>>*>(out);
                    table.emplace_back();
                    for (int i = 0; i < count; ++i)
                        table.back().push_back(values[i] ? values[i] : "");
                    return 0;
                },
                &rows, nullptr);
        }
        sqlite3_close(db);
        return rows;
    }
    int SavedInt(const std::string& column)
    {
        const auto rows = Saved("select " + column + " from player");
        return rows.size() == 1 ? std::stoi(rows[0][0]) : -1;
    }
    std::vector<int> SavedWeapons()
    {
        std::vector<int> ids;
        for (const auto& row : Saved("select device_id from player_device where device_number >= 10 order by "
                                     "device_number"))
            ids.push_back(std::stoi(row[0]));
        return ids;
    }
};

TEST_F(StationRoadTest, ANewPilotTradesAtTheFirstStationAndEveryDockingSaves)
{
    road.Step("the main menu runs");
    road.Frames(10);
    MakePilotThroughTheMenus();
    ASSERT_FALSE(HasFatalFailure());
    CPlayerShip& ship = *gPlayerShip;
    const int oldWeapon = ship.mWeapons[1]->mDeviceId;

    road.Step("steer straight at Varn Exchange from where a new pilot starts: docked within a minute");
    constexpr int kMinuteOfFrames = 60000 / CRoadDriver::kFrameMs;
    ASSERT_TRUE(FlyToward(kVarnExchange, kMinuteOfFrames, [] { return gCurrentScreen == gStationScreen; }))
        << road.CurrentStep();
    road.Frames(2);
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    // The ore lies beyond the station from here: clear it first, or the way there docks again.
    const Vec3 clear(300.0f, 100.0f, 30.0f);
    FlyTowardPoint(
        [&](Vec3* at) {
            *at = clear;
            return true;
        },
        1200, [&] { return Vec3Length(Vec3::Difference(clear, ship.mPosition)) < 20.0f; });
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();

    road.Step("fire the selected weapon a few times with Tab");
    const int loaded = ship.GetAmmo(ship.mWeapons[0]->mDeviceId);
    for (int shot = 0; shot < 4; ++shot) {
        road.Tap(kKeyTab);
        road.Frames(5);
    }
    EXPECT_LT(ship.GetAmmo(ship.mWeapons[0]->mDeviceId), loaded) << road.CurrentStep();

    road.Step("mine the ore fields until the hold is full");
    for (int lump : {1006, 1015, 1016}) {
        ASSERT_TRUE(FlyToward(lump, 6000, [&] { return !gResourceManager->FindObject(lump)->mActive; }))
            << road.CurrentStep() << ": lump " << lump << " was never reached";
        if (Logged("Cargo bay is full"))
            break;
    }
    road.Step("pick up the launcher floating near the field, to sell");
    ASSERT_TRUE(FlyToward(1013, 6000, [&] { return !gResourceManager->FindObject(1013)->mActive; }))
        << road.CurrentStep();
    ASSERT_EQ(ship.mCarriedCount, 1) << road.CurrentStep();
    const int mined = ship.GetCompoundSaleValue();
    ASSERT_GT(mined, 0) << road.CurrentStep();
    // Scraped on the rocks: the hull shows it.
    ship.mHitPoints -= 25;

    road.Step("dock at Varn Exchange: the docking saves the pilot at the station");
    ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
    const CWorldObject* station = gResourceManager->FindObject(kVarnExchange);
    EXPECT_EQ(SavedInt("system_id"), 1) << road.CurrentStep();
    EXPECT_EQ(SavedInt("cast(x_pos as integer)"), static_cast<int>(station->mPosition.x + 20.0f)) << road.CurrentStep();
    EXPECT_EQ(SavedInt("cast(y_pos as integer)"), static_cast<int>(station->mPosition.y + 20.0f)) << road.CurrentStep();
    // A mission may have paid for ore on the way in; the save holds what the pilot has now.
    int credits = ship.mCredits;
    EXPECT_EQ(SavedInt("credits"), credits) << road.CurrentStep();
    EXPECT_GT(SavedInt("common_compounds") + SavedInt("rare_compounds"), 0) << road.CurrentStep();

    road.Step("sell the compounds for the price shown");
    const int sale = ship.GetCompoundSaleValue();
    EXPECT_GT(sale, 0) << road.CurrentStep();
    EXPECT_LE(sale, mined) << road.CurrentStep();
    EXPECT_EQ(std::string(gStationScreen->GetTextControl(CStationScreen::kSaleText)->text), "$" + std::to_string(sale))
        << road.CurrentStep();
    ClickStationButton(CStationScreen::kSellButton);
    EXPECT_EQ(ship.mCredits, credits + sale) << road.CurrentStep();
    EXPECT_EQ(ship.CargoTons(), 0) << road.CurrentStep();

    road.Step("repair for at most ten credits");
    credits = ship.mCredits;
    ClickStationButton(CStationScreen::kRepairButton);
    EXPECT_EQ(ship.mHitPoints, ship.mMaxHitPoints) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, credits - 10) << road.CurrentStep();

    road.Step("refuel: a credit for each unit of fuel");
    credits = ship.mCredits;
    const int burnt = ship.mEngine->mMaxFuel - ship.mEngine->mFuel;
    ASSERT_GT(burnt, 0) << road.CurrentStep();
    ClickStationButton(CStationScreen::kRefuelButton);
    EXPECT_EQ(ship.mEngine->mFuel, ship.mEngine->mMaxFuel) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, credits - burnt) << road.CurrentStep();

    road.Step("open the store and sell the old weapon from its slot");
    ClickStationButton(CStationScreen::kStoreButton);
    ASSERT_EQ(gCurrentScreen, gStoreScreen) << road.CurrentStep();
    road.Frames(2);
    credits = ship.mCredits;
    const int oldValue = ship.mWeapons[1]->mCreditValue;
    DragOnto(gStoreScreen, CStoreScreen::kFirstWeaponDrag + 1, CStoreScreen::kFirstSellSnap);
    EXPECT_EQ(ship.mWeaponCount, 1) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, CreditsAfterSale(credits, ship.SellFactor(), oldValue)) << road.CurrentStep();
    EXPECT_EQ(std::string(gStoreScreen->GetTextControl(CStoreScreen::kCreditsText)->text),
              "$" + std::to_string(ship.mCredits))
        << road.CurrentStep();

    road.Step("sell the salvaged launcher from the cargo");
    credits = ship.mCredits;
    const int salvage = ship.mCarried[0]->mCreditValue;
    DragOnto(gStoreScreen, CStoreScreen::kFirstCargoDrag, CStoreScreen::kFirstSellSnap + 1);
    EXPECT_EQ(ship.mCarriedCount, 0) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, CreditsAfterSale(credits, ship.SellFactor(), salvage)) << road.CurrentStep();
    EXPECT_FALSE(gStoreScreen->GetDragButton(CStoreScreen::kFirstCargoDrag)->visible) << road.CurrentStep();

    road.Step("buy a weapon by dragging it onto a free weapon slot");
    // The stock is drawn anew after a trip through a wormhole; a store without a weapon the
    // credits pay for is visited again after one.
    int offer = AffordableWeaponOffer(ship);
    for (int trip = 0; offer < 0 && trip < 5; ++trip) {
        road.ClickAt(148, 580);
        ClickStationButton(CStationScreen::kLaunchButton);
        ASSERT_TRUE(FlyToward(kToCinder, 8000, [] { return gResourceManager->mCurrentSystemId == 3; }));
        ASSERT_TRUE(FlyToward(kBackToVarn, 8000, [] { return gResourceManager->mCurrentSystemId == 1; }));
        ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
        ClickStationButton(CStationScreen::kStoreButton);
        road.Frames(2);
        offer = AffordableWeaponOffer(ship);
    }
    ASSERT_GE(offer, 0) << road.CurrentStep() << ": no weapon the credits pay for";
    const CDeviceInfo* bought = gStoreScreen->Offers(CStoreScreen::kWeaponOffers)[offer];
    const int boughtId = bought->mDeviceId;
    const int price = static_cast<int>(ship.BuyFactor() * static_cast<float>(bought->mCreditValue));
    credits = ship.mCredits;
    DragOnto(gStoreScreen, CStoreScreen::kOfferPlaces[CStoreScreen::kWeaponOffers].firstDrag + offer,
             CStoreScreen::kFirstWeaponSnap + 1);
    ASSERT_EQ(ship.mWeaponCount, 2) << road.CurrentStep();
    EXPECT_EQ(ship.mWeapons[1]->mDeviceId, boughtId) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, credits - price) << road.CurrentStep();
    EXPECT_TRUE(gStoreScreen->GetDragButton(CStoreScreen::kFirstWeaponDrag + 1)->visible) << road.CurrentStep();

    road.Step("buy ammunition for the weapon that fired");
    ASSERT_FALSE(gStoreScreen->Refills().empty()) << road.CurrentStep();
    const CWeaponInfo* fired = gStoreScreen->Refills()[0];
    credits = ship.mCredits;
    const int refill =
        AmmoRefillPrice(ship.GetAmmo(fired->mDeviceId), fired->mMaxAmmo, fired->mCreditValue, ship.SellFactor());
    ClickControl(gStoreScreen, CStoreScreen::kFirstRefillButton);
    EXPECT_EQ(ship.GetAmmo(fired->mDeviceId), fired->mMaxAmmo) << road.CurrentStep();
    EXPECT_EQ(ship.mCredits, credits - refill) << road.CurrentStep();

    road.Step("back to the station and launch");
    road.ClickAt(148, 580);
    ASSERT_EQ(gCurrentScreen, gStationScreen) << road.CurrentStep();
    ClickStationButton(CStationScreen::kLaunchButton);
    ASSERT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep();
    road.HoldKey(kKeyW, 40, SteerFromKeys);
    EXPECT_EQ(gCurrentScreen, gFlightScreen) << road.CurrentStep() << ": the ship docked again at once";

    road.Step("dock again: the save holds the trade");
    const int traded = ship.mCredits;
    ASSERT_TRUE(DockAt(kVarnExchange)) << road.CurrentStep();
    EXPECT_EQ(SavedInt("credits"), traded) << road.CurrentStep();
    EXPECT_EQ(SavedInt("common_compounds"), 0) << road.CurrentStep();
    const std::vector<int> weapons = SavedWeapons();
    ASSERT_EQ(weapons.size(), 2u) << road.CurrentStep();
    EXPECT_EQ(weapons[1], boughtId) << road.CurrentStep();
    if (boughtId != oldWeapon) {
        EXPECT_NE(weapons[0], oldWeapon) << road.CurrentStep();
    }
    EXPECT_EQ(SavedInt("fuel"), ship.mEngine->mFuel) << road.CurrentStep();
}

}  // namespace
