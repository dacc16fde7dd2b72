// A game set up in the window: the players, who the computer plays and at
// which level, the speed, the turn limit and the screen. Its defaults start
// a game at once: "Joueur 1" against the computer's "Joueur 2".
#pragma once

#include <cstdint>
#include <string>

#include "game.h"
#include "pace.h"

struct GameSetup {
    int32_t count = 2;
    std::string names[kMaxPlayers];
    int32_t computer[kMaxPlayers] = {0, 1, 1, 1, 1, 1};
    int32_t level[kMaxPlayers] = {};
    Speed speed = Speed::kNormal;
    int32_t turnLimit = 0;
    bool fullScreen = false;
    // A person confirms the sales and mortgages the game makes for them.
    int32_t confirmSales = 1;

    GameSetup();
};

// Fills a new game's players and their set-up copy, as the console's
// dialogue does, names cleaned the same way.
void ApplySetup(const GameSetup& setup, CGame& game);
