// The pilot screens: name entry, the skill pool and hulls of the new-pilot screen, a second new
// pilot of a run, a full pilot pool, and the load and delete lists after a delete.
#include <string>
#include <type_traits>

#include "core/keys.h"
#include "game_screens_fixture.h"
#include "screens/delete_pilot_screen.h"
#include "screens/load_pilot_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/pilot_name_screen.h"
#include "ui/button.h"
#include "ui/keyboard.h"
#include "ui/mouse_over_button.h"
#include "ui/sprite_control.h"

namespace {

constexpr int kKeyQ = 16;
constexpr int kKeyApostrophe = 40;

class PilotScreensTest : public GameScreensTest {
protected:
    template <typename Control>
    void Click(CScreen& screen, const Control* control)
    {
        ASSERT_NE(control, nullptr);
        int x = control->x + 2;
        if constexpr (std::is_same_v<Control, CButton>)
            x = control->flippedX ? control->x - 2 : x;
        screen.OnMouseDown(0, x, control->y + 2);
        screen.OnMouseUp(0, x, control->y + 2);
    }
    void Type(int key, int times)
    {
        for (int i = 0; i < times; ++i)
            gPilotNameScreen->OnKeyDown(key);
    }
    // Saved pilots with these ids, straight into the save database.
    void SavePilots(std::initializer_list<int> ids)
    {
        for (int id : ids)
            folder.Save("INSERT INTO player (player_id, ship_id, character_name, level, system_id) VALUES (" +
                        std::to_string(id) + ", 1, 'Pilot " + std::to_string(id) + "', 1, 1);");
    }
    std::vector<std::string> ListedNames(CPilotListScreen& list)
    {
        std::vector<std::string> names;
        for (const PilotRow& row : list.Pilots())
            names.emplace_back(row.character_name);
        return names;
    }
};

TEST_F(PilotScreensTest, TheNameTakesFortySevenCharactersNoApostropheAndBackspaceStopsAtEmpty)
{
    gPilotNameScreen->Enter();
    gPilotNameScreen->OnKeyDown(kKeyBackspace);
    EXPECT_STREQ(gPilotNameScreen->Buffer(), "_");
    Type(kKeyApostrophe, 1);
    EXPECT_STREQ(gPilotNameScreen->Buffer(), "_") << "the apostrophe is refused";
    Type(kKeyQ, 48);
    EXPECT_EQ(gPilotNameScreen->TypedLength(), CPilotNameScreen::kNameLimit) << "the 48th character is ignored";
    gPilotNameScreen->OnKeyDown(kKeyDelete);
    EXPECT_EQ(gPilotNameScreen->TypedLength(), CPilotNameScreen::kNameLimit - 1);
    gPilotNameScreen->OnKeyDown(kKeyReturn);
    EXPECT_EQ(gCurrentScreen, gNewPilotScreen);
    EXPECT_EQ(std::string(gNewPilotScreen->PilotName()), std::string(46, 'q'));
    gPilotNameScreen->Frame();
    EXPECT_STREQ(gPilotNameScreen->Buffer(), "_") << "the next pilot is named afresh";
}

TEST_F(PilotScreensTest, SpendingAllFivePointsHidesThePlusButtonsCreateWaitsForThemAndTheNextPilotStartsAfresh)
{
    gNewPilotScreen->Enter();
    CScreen& screen = *gNewPilotScreen;
    const int plus = CNewPilotScreen::kFirstSkillButton;
    Click(screen, screen.GetMouseOverButton(plus + 1));
    EXPECT_EQ(gNewPilotScreen->Skill(0), 1) << "a skill never goes below 1";
    Click(screen, screen.GetButton(CNewPilotScreen::kCreateButton));
    EXPECT_TRUE(screen.GetSpriteControl(CNewPilotScreen::kPointsLeftNotice)->visible);
    EXPECT_EQ(gPlayerShip, nullptr);
    for (int i = 0; i < 5; ++i)
        Click(screen, screen.GetMouseOverButton(plus + 2 * (i % 2)));
    EXPECT_EQ(gNewPilotScreen->PointsLeft(), 0);
    EXPECT_EQ(gNewPilotScreen->Skill(0), 4);
    for (int i = 0; i < CNewPilotScreen::kSkillCount; ++i)
        EXPECT_FALSE(screen.GetMouseOverButton(plus + 2 * i)->visible) << "plus of skill " << i;
    Click(screen, screen.GetMouseOverButton(plus + 1));
    EXPECT_TRUE(screen.GetMouseOverButton(plus)->visible) << "a point back shows them again";
    Click(screen, screen.GetMouseOverButton(plus));
    gResourceManager->mPortalActive = 1;
    Click(screen, screen.GetButton(CNewPilotScreen::kCreateButton));
    ASSERT_NE(gPlayerShip, nullptr);
    EXPECT_FALSE(gResourceManager->mPortalActive) << "no portal stands from the last flight";
    gPilotNameScreen->OnKeyDown(kKeyReturn);
    gNewPilotScreen->Frame();
    EXPECT_EQ(gNewPilotScreen->PointsLeft(), CNewPilotScreen::kStartingPoints) << "the next pilot starts afresh";
    EXPECT_EQ(gNewPilotScreen->Skill(0), 1);
}

TEST_F(PilotScreensTest, TheHullChoiceWrapsBothWays)
{
    gNewPilotScreen->Enter();
    CScreen& screen = *gNewPilotScreen;
    RowList<CreateShipRow> rows;
    gGameDatabase.GetCreateShips(rows);
    ASSERT_GE(rows.size(), 2u);
    const int first = rows.front()->ship_id;
    const int last = rows.back()->ship_id;
    EXPECT_EQ(gNewPilotScreen->CurrentShipId(), first);
    Click(screen, screen.GetButton(CNewPilotScreen::kPreviousHullButton));
    EXPECT_EQ(gNewPilotScreen->CurrentShipId(), last);
    Click(screen, screen.GetButton(CNewPilotScreen::kNextHullButton));
    EXPECT_EQ(gNewPilotScreen->CurrentShipId(), first);
}

TEST_F(PilotScreensTest, AFullPilotPoolShowsTheNoticeAndNeverWritesOverAPilot)
{
    SavePilots({0, 1, 2, 3, 4, 5, 6, 7});
    folder.Save("DELETE FROM player_test WHERE test_num > 7;");
    gCurrentScreen = gMainMenuScreen;
    gMainMenuScreen->Enter();
    Click(*gMainMenuScreen, gMainMenuScreen->GetButton(CMainMenuScreen::kNewPilotButton));
    EXPECT_EQ(gCurrentScreen, gMainMenuScreen);
    EXPECT_TRUE(gMainMenuScreen->GetSpriteControl(CMainMenuScreen::kPilotsFullSprite)->visible);
}

TEST_F(PilotScreensTest, DeletingTheFlyingPilotKeepsItDeletedAfterQuitting)
{
    CPlayerShip& ship = FlyNewPilot();
    const int id = ship.mPlayerId;
    gDeletePilotScreen->Enter();
    ASSERT_EQ(gDeletePilotScreen->Pilots().size(), 1u);
    Click(*gDeletePilotScreen, gDeletePilotScreen->GetMouseOverButton(CDeletePilotScreen::kFirstButton));
    EXPECT_EQ(gPlayerShip, nullptr);
    EXPECT_TRUE(gDeletePilotScreen->Pilots().empty());
    StopGame();
    EXPECT_EQ(gGameDatabase.GetPlayer(id), nullptr) << "the shutdown saved the deleted pilot again";
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
    rm = gResourceManager;
}

TEST_F(PilotScreensTest, TheLoadListIsBuiltAgainAfterADeleteAndAnUnknownPilotIsRefused)
{
    SavePilots({0, 1});
    gLoadPilotScreen->Enter();
    EXPECT_EQ(ListedNames(*gLoadPilotScreen), (std::vector<std::string>{"Pilot 0", "Pilot 1"}));
    gDeletePilotScreen->Enter();
    Click(*gDeletePilotScreen, gDeletePilotScreen->GetMouseOverButton(CDeletePilotScreen::kFirstButton));
    gCurrentScreen = gMainMenuScreen;
    gMainMenuScreen->Enter();
    Click(*gMainMenuScreen, gMainMenuScreen->GetButton(CMainMenuScreen::kLoadPilotButton));
    ASSERT_EQ(gCurrentScreen, gLoadPilotScreen);
    gLoadPilotScreen->Frame();
    EXPECT_EQ(ListedNames(*gLoadPilotScreen), (std::vector<std::string>{"Pilot 1"}));
    EXPECT_FALSE(gLoadPilotScreen->GetMouseOverButton(CLoadPilotScreen::kFirstButton + 1)->visible);
    EXPECT_FALSE(FlySavedPilot(0)) << "pilot 0 is gone";
    EXPECT_EQ(gPlayerShip, nullptr);
    EXPECT_TRUE(FlySavedPilot(1));
    EXPECT_EQ(gCurrentScreen, gFlightScreen);
    EXPECT_STREQ(gPlayerShip->mPilotName, "Pilot 1");
}

}  // namespace
