// The simulator's command line.
#pragma once

#include <cstdint>
#include <string>

struct SimOptions {
    int games = 100;
    int players = 4;
    uint64_t seed = 1;  // game i plays from seed + i
    int maxTurns = 2000;
    bool landings = false;
};

// Reads the options; on a bad one returns false and says why in `error`.
bool ParseOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);

extern const char kUsage[];
