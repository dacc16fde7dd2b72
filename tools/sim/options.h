// The simulator's command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "command_line.h"

struct SimOptions {
    int games = 100;
    int players = 4;
    uint64_t seed = 1;  // game i plays from seed + i
    int maxTurns = 2000;
    bool landings = false;
    // Each game's messages, as the window's console tells them.
    bool log = false;
    // One computer level per seat; empty, every seat plays "normal".
    std::vector<int32_t> levels;
    // Game i seats level k at seat (k + i) mod players.
    bool rotate = false;
    // Turns at which the share of games still running is printed.
    std::vector<int> reportAt;
    // Rounds after which the richest wins; 0 for none.
    int turnLimit = 0;
    // Strong computer players propose deals to each other (--trades deals).
    bool deals = false;
};

// The rows of the simulator's options, writing into `options`.
std::vector<CommandLineOption> SimOptionTable(SimOptions& options);

// Why options that each read well do not go together, or "".
std::string CheckSimOptions(const SimOptions& options);

// The level of each seat in the game of `seed`.
std::vector<int32_t> SeatLevels(const SimOptions& options, uint64_t seed);

// The command that plays the game of `seed` alone, as this run played it:
// every option that shapes a game, the turn limit included.
std::string ReplayCommand(const SimOptions& options, uint64_t seed);

extern const CommandLineProgram kSimProgram;
