// The shutdown keeps the pilot: it is saved, then deleted before the world it flies in.
#include "db/game_database.h"
#include "ships/player_ship.h"
#include "support/headless_game.h"
#include "world/player_view.h"

namespace {

class ShutdownTest : public HeadlessGame {};

TEST_F(ShutdownTest, ThePilotIsSavedAndForgotten)
{
    ReplacePlayerShip(new CPlayerShip(1, "Leaving", 10, 11, 1, 3, 4, 1, 1, 1, 1, 1, 0xFFFFFFFFu, 1));
    gPlayerShip->mCredits = 777;
    gPlayerShip->AddCompounds(1, 4);
    const int playerId = gPlayerShip->mPlayerId;
    // The game's own screens go back first, as the fixture does.
    flightView.reset();
    flightScreen.reset();
    currentScreen.reset();
    StopGame();
    EXPECT_EQ(gPlayerShip, nullptr);
    EXPECT_EQ(gPlayerView, nullptr);
    const PlayerRecord* saved = gGameDatabase.GetPlayer(playerId);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->credits, 777);
    EXPECT_EQ(saved->common_compounds, 4);
    EXPECT_EQ(gGameDatabase.GetCurrentPlayerId(), playerId);
    // The fixture stops the game once more.
    ASSERT_FALSE(StartGame(gfx::Backend::kHeadless));
}

}  // namespace
