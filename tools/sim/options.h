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
};

// The rows of the simulator's options, writing into `options`.
std::vector<CommandLineOption> SimOptionTable(SimOptions& options);

// The command that plays the game of `seed` alone, as this run played it:
// every option that shapes a game, the turn limit included.
std::string ReplayCommand(const SimOptions& options, uint64_t seed);

extern const CommandLineProgram kSimProgram;
