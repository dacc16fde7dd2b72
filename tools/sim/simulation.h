// Plays whole games between computer players through the real rules, and
// checks every rule of the game state after every step.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "computer_level.h"
#include "foolish_acts.h"
#include "player.h"
#include "tables.h"

// How one game went. A turn is one step of the game: one throw of the dice
// and what follows it (a double gives its thrower another turn).
struct GameOutcome {
    uint64_t seed = 0;
    int players = 0;
    int turns = 0;
    bool finished = false;
    int winnerSeat = -1;
    int64_t moneyBySeat[kMaxPlayers] = {};  // cash at the end; 0 once ruined
    std::string violation;                  // the first broken rule, or ""
    int32_t levelBySeat[kMaxPlayers] = {};
    bool endedOnLimit = false;
};

// What shapes one game.
struct GameSetup {
    int players = 4;
    uint64_t seed = 1;
    int maxTurns = 2000;
    int turnLimit = 0;
    int32_t levelBySeat[kMaxPlayers] = {};
    // Strong computer players propose deals to the others.
    bool computerDeals = false;
};

// What the computer players did, by level: the foolish acts, the buildings
// put up and sold back at half price, and how long each step of a player of
// the strong level took, in milliseconds.
struct ActCounts {
    int64_t foolish[kLevelCount][kFoolishActCount] = {};
    int64_t built[kLevelCount] = {};
    int64_t soldBack[kLevelCount] = {};
    std::vector<double> strongStepMs;
    // Deals done between computer players.
    int64_t deals = 0;
};

// For every throw, the square where the thrower stood once its landing was
// over; a stay in prison counts on the prison's square.
struct LandingCounts {
    int64_t squares[kSquareCount] = {};
    int64_t throws = 0;
};

class CGameLog;

// Plays one game of `players` computer players from `seed`, for at most
// `maxTurns` turns; adds its throws to `landings` when given, and writes its
// messages to `log` as the window's console does, when given.
GameOutcome PlayGame(int players, uint64_t seed, int maxTurns, LandingCounts* landings,
                     CGameLog* log = nullptr);
// The same for any setup; adds what the players did to `acts` when given.
GameOutcome PlayGame(const GameSetup& setup, LandingCounts* landings, CGameLog* log,
                     ActCounts* acts);

// Folds a game's outcome into a running hash, so that any change in how
// games end shows.
uint64_t HashOutcome(uint64_t hash, const GameOutcome& outcome);
