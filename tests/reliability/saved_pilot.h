// The start of every real-game child: a game folder whose pe.dat holds one new pilot, saved and
// closed as the game leaves it, with nothing left posted.
#pragma once

#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/globals.h"
#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "ships/player_ship.h"
#include "support/game_folder.h"
#include "support/screen_cases.h"

// The new pilot's id; the caller asserts that no failure was recorded.
inline int SaveANewPilot(GameFolder& folder)
{
    folder.Enter();
    os::ClearMessages();
    if (StartGame(gfx::Backend::kHeadless)) {
        ADD_FAILURE() << "the game did not start";
        return 0;
    }
    FlyNewPilot();
    const int playerId = gPlayerShip->mPlayerId;
    StopGame();
    gGameDatabase.Close();
    os::ClearMessages();
    return playerId;
}
