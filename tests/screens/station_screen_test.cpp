// The station screen: the services' prices and what they take, the refuel pulse, the hail
// panel's feeds, a station without services, and the ways out.
#include "screens/station_screen.h"

#include <string>

#include "core/keys.h"
#include "game_screens_fixture.h"
#include "screens/delete_pilot_screen.h"
#include "screens/info_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/mission_board_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/store_screen.h"
#include "screens/upgrade_screen.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/shield.h"
#include "ui/button.h"
#include "ui/movie_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/dock_view.h"

namespace {

class StationScreenTest : public GameScreensTest {
protected:
    void SetUp() override
    {
        GameScreensTest::SetUp();
        ship = &FlyNewPilot();
        station = rm->FindObject(1001);
        ASSERT_NE(station, nullptr);
    }
    void Dock()
    {
        ship->mPosition = station->mPosition;
        station->Interact(ship);
        ASSERT_EQ(gCurrentScreen, gStationScreen);
        gStationScreen->Frame();
    }
    // A press and a release on the control, as the mouse gives them.
    void Click(int x, int y)
    {
        gStationScreen->OnMouseDown(0, x, y);
        gStationScreen->OnMouseUp(0, x, y);
    }
    void ClickButton(int id)
    {
        const CButton* button = gStationScreen->GetButton(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->visible) << id;
        const int left = button->flippedX ? button->x - button->width : button->x;
        Click(left + button->width / 2, button->y + button->height / 2);
    }
    std::string Text(int id) { return gStationScreen->GetTextControl(id)->text; }
    bool Shown(int id)
    {
        if (const CButton* button = gStationScreen->GetButton(id))
            return button->visible;
        return gStationScreen->GetTextControl(id)->visible;
    }

    ScopedGlobal<int32_t> pulse{gPulse, 0};
    CPlayerShip* ship = nullptr;
    CWorldObject* station = nullptr;
};

struct RepairCase {
    const char* name;
    int hullMissing;
    const char* shown;
    int taken;
};

const RepairCase kRepairs[] = {
    {"ThreeHullPointsCostOne", 3, "$1", 1},
    {"AHundredCostTenAndMendEverything", 100, "$10", 10},
};

class StationRepairTest : public StationScreenTest, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(StationRepairTest, ShowsAndTakesAtMostTenAndRestoresTheWholeShip)
{
    const RepairCase& c = GetParam();
    Dock();
    ASSERT_FALSE(Shown(CStationScreen::kRepairButton)) << "nothing to mend";
    ship->mHitPoints -= c.hullMissing;
    if (c.hullMissing > 10) {
        ship->mShield->mPoints = 0;
        ship->mArmor->mPoints = 1;
    }
    gStationScreen->Frame();
    EXPECT_EQ(Text(CStationScreen::kRepairText), c.shown);
    const int credits = ship->mCredits;
    ClickButton(CStationScreen::kRepairButton);
    EXPECT_EQ(ship->mCredits, credits - c.taken);
    EXPECT_EQ(ship->mHitPoints, ship->mMaxHitPoints);
    EXPECT_EQ(ship->mShield->mPoints, ship->mShield->mMaxPoints);
    EXPECT_EQ(ship->mArmor->mPoints, ship->mArmor->mMaxPoints);
    gStationScreen->Frame();
    EXPECT_FALSE(Shown(CStationScreen::kRepairButton));
}

INSTANTIATE_TEST_SUITE_P(Cases, StationRepairTest, ::testing::ValuesIn(kRepairs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StationScreenTest, TheRefuelButtonPulsesOnlyBelowHalfATank)
{
    Dock();
    ship->mEngine->mMaxFuel = 100;
    ship->mEngine->mFuel = 50;
    gStationScreen->Frame();
    EXPECT_EQ(gStationScreen->GetButton(CStationScreen::kRefuelButton)->colour, 0x99FFFFFFu);
    EXPECT_EQ(Text(CStationScreen::kRefuelText), "$50");
    ship->mEngine->mFuel = 49;
    gStationScreen->Frame();
    EXPECT_EQ(gStationScreen->GetButton(CStationScreen::kRefuelButton)->colour, 0xFFFF0000u);
    EXPECT_EQ(gStationScreen->GetTextControl(CStationScreen::kRefuelText)->colour, 0xFFFF0000u);
}

TEST_F(StationScreenTest, ARefuelMayLeaveTheCreditsShortAndTheStoreThenRefusesToSell)
{
    Dock();
    ship->mEngine->mMaxFuel = 100;
    ship->mEngine->mFuel = 60;
    ship->mCredits = 5;
    gStationScreen->Frame();
    ClickButton(CStationScreen::kRefuelButton);
    EXPECT_EQ(ship->mCredits, -35);
    EXPECT_EQ(ship->mEngine->mFuel, 100);

    ClickButton(CStationScreen::kStoreButton);
    ASSERT_EQ(gCurrentScreen, gStoreScreen);
    gStoreScreen->Frame();
    const size_t armor = gStoreScreen->Offers(CStoreScreen::kArmorOffers).size();
    ASSERT_GT(armor, 0u) << "every store of the first system sells armor to a new pilot";
    gStoreScreen->OnDrop(CStoreScreen::kOfferPlaces[CStoreScreen::kArmorOffers].firstDrag, CStoreScreen::kFirstCargoSnap);
    EXPECT_EQ(ship->mCredits, -35);
    EXPECT_EQ(gStoreScreen->Offers(CStoreScreen::kArmorOffers).size(), armor);
    EXPECT_TRUE(gStoreScreen->GetSpriteControl(CStoreScreen::kNoCreditsSprite)->visible);
}

TEST_F(StationScreenTest, HailFeedsAreCentredOnTheirLinesAFeedShowsAtMostThirtyTwoAndNoLinesOpenNoPanel)
{
    // A dock step without lines armed the station.
    auto* dock = dynamic_cast<CDockView*>(station);
    ASSERT_NE(dock, nullptr);
    dock->SetPendingHail(9901, "miner");
    Dock();
    EXPECT_FALSE(gStationScreen->IsHailOpen());
    EXPECT_TRUE(Shown(CStationScreen::kLaunchButton));

    std::string rows;
    for (int i = 0; i < 3; ++i)
        rows += "INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, line_num, feed, "
                "line) VALUES (" + std::to_string(9000 + i) + ", 9901, " + std::to_string(i) + ", 1, 'line " +
                std::to_string(i) + "');";
    for (int i = 0; i < 40; ++i)
        rows += "INSERT INTO quest_step_conversation (quest_step_conversation_id, quest_step_id, line_num, feed, "
                "line) VALUES (" + std::to_string(9100 + i) + ", 9901, " + std::to_string(i) + ", 2, 'more');";
    Content(rows);
    gStationScreen->Hail(9901, "miner");
    EXPECT_TRUE(gStationScreen->IsHailOpen());
    EXPECT_EQ(gStationScreen->GetMovieControl(CStationScreen::kHailPortrait)->frameRecord.spriteId, 15102);
    EXPECT_FALSE(Shown(CStationScreen::kLaunchButton));
    for (int i = 0; i < 3; ++i) {
        const CTextControl* line = gStationScreen->GetTextControl(CStationScreen::kFirstHailLine + i);
        EXPECT_TRUE(line->visible);
        EXPECT_EQ(line->y, 515 + 15 * i);
    }
    EXPECT_FALSE(Shown(CStationScreen::kFirstHailLine + 3));

    gStationScreen->OnKeyDown(kKeySpace);
    for (int i = 0; i < CStationScreen::kHailLineCount; ++i)
        EXPECT_TRUE(Shown(CStationScreen::kFirstHailLine + i)) << i;
    EXPECT_STREQ(gStationScreen->GetTextControl(CStationScreen::kHailCaption)->text, "Incoming transmission")
        << "the long feed leaves the panel's fixed texts alone";

    gStationScreen->OnKeyDown(kKeySpace);
    EXPECT_FALSE(gStationScreen->IsHailOpen());
    EXPECT_FALSE(Shown(CStationScreen::kFirstHailLine));
    EXPECT_TRUE(Shown(CStationScreen::kLaunchButton));
    EXPECT_TRUE(Shown(CStationScreen::kStoreButton));
}

TEST_F(StationScreenTest, AStationWithoutServicesStillRepairsButOpensNoPages)
{
    Dock();
    gStationScreen->OpenForStation(CStationScreen::kNoServicesMesh);
    ship->mHitPoints -= 10;
    gStationScreen->Frame();
    for (int id : {CStationScreen::kStoreButton, CStationScreen::kMissionsButton, CStationScreen::kUpgradeButton,
                   CStationScreen::kGalaxyButton, CStationScreen::kCrewButton})
        EXPECT_FALSE(Shown(id)) << id;
    EXPECT_TRUE(Shown(CStationScreen::kRepairButton));
    // Closing a hail there does not bring the pages back.
    gStationScreen->OnKeyDown(kKeyEscape);
    EXPECT_FALSE(Shown(CStationScreen::kStoreButton));
    gStationScreen->OpenForStation(1);
    EXPECT_TRUE(Shown(CStationScreen::kStoreButton));
}

TEST_F(StationScreenTest, LaunchingLeavesTheStationBehindAndTheInformationPageComesBack)
{
    Dock();
    ClickButton(CStationScreen::kInfoButton);
    ASSERT_EQ(gCurrentScreen, gInfoScreen);
    gInfoScreen->OnKeyDown(kKeyEscape);
    EXPECT_EQ(gCurrentScreen, gStationScreen) << "flight would dock again at once";

    const Vec3 docked = ship->mPosition;
    ClickButton(CStationScreen::kLaunchButton);
    EXPECT_EQ(gCurrentScreen, gFlightScreen);
    EXPECT_FLOAT_EQ(ship->mPosition.x, docked.x + 20.0f);
    EXPECT_FLOAT_EQ(ship->mPosition.y, docked.y + 20.0f);
    // The next world pass does not dock again.
    rm->UpdateObjects();
    EXPECT_EQ(gCurrentScreen, gFlightScreen);
}

TEST_F(StationScreenTest, EscLeavesEveryPageAndAPageWithoutItsWayOutEndsTheGame)
{
    Dock();
    const struct {
        CScreen* page;
        int wayOut;
        CScreen* afterEsc;
    } pages[] = {
        {gStationScreen, CStationScreen::kLaunchButton, gStationScreen},
        {gStoreScreen, CStoreScreen::kBackButton, gStationScreen},
        {gShipUpgradeScreen, CShipUpgradeScreen::kBackButton, gStationScreen},
        {gMissionBoardScreen, CMissionBoardScreen::kBackButton, gStationScreen},
        {gLoadPilotScreen, CLoadPilotScreen::kBackButton, gMainMenuScreen},
        {gDeletePilotScreen, CDeletePilotScreen::kBackButton, gMainMenuScreen},
        {gNewPilotScreen, 0, gMainMenuScreen},
    };
    for (const auto& [page, wayOut, afterEsc] : pages) {
        page->SetReturnScreen(gStationScreen);
        gCurrentScreen = page;
        page->Enter();
        page->OnKeyDown(kKeyEscape);
        EXPECT_EQ(gCurrentScreen, afterEsc) << page->GetScreenId();
        if (wayOut == 0)
            continue;
        Content("DELETE FROM button WHERE control_id = " + std::to_string(wayOut));
        page->Enter();
        EXPECT_TRUE(os::FailurePosted()) << "screen " << page->GetScreenId() << " could not be left";
        os::ClearMessages();
    }
}

}  // namespace
