// The game's command-line options. Without any, the game runs as it always
// has: the console dialogue, then the window.
#pragma once

#include <string>
#include <vector>

#include "command_line.h"

struct GameOptions {
    // Take the saved game up again instead of asking for a new one.
    bool resume = false;
    // The save to take up, when not the usual one.
    std::string resumeFile;
};

// The rows of the game's options, writing into `options`.
std::vector<CommandLineOption> GameOptionTable(GameOptions& options);

extern const CommandLineProgram kGameProgram;
