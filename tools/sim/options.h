// The simulator's command line.
#pragma once

#include <cstdint>
#include <vector>

#include "command_line.h"

struct SimOptions {
    int games = 100;
    int players = 4;
    uint64_t seed = 1;  // game i plays from seed + i
    int maxTurns = 2000;
    bool landings = false;
};

// The rows of the simulator's options, writing into `options`.
std::vector<CommandLineOption> SimOptionTable(SimOptions& options);

extern const CommandLineProgram kSimProgram;
