// The game's command-line options. Without any, the game runs as it always
// has: the console dialogue, then the window.
#pragma once

#include <vector>

#include "command_line.h"

struct GameOptions {
};

// The rows of the game's options, writing into `options`.
std::vector<CommandLineOption> GameOptionTable(GameOptions& options);

extern const CommandLineProgram kGameProgram;
