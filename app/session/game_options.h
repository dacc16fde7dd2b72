// The game's command-line options. Without any, the game runs as it always
// has: the console dialogue, then the window.
#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "pace.h"

struct GameOptions {
    // Take the saved game up again instead of asking for a new one.
    bool resume = false;
    // The save to take up, when not the usual one.
    std::string resumeFile;
    Speed speed = Speed::kNormal;
    // The speed was named: it wins over a resumed game's own.
    bool speedChosen = false;
    // Computer turns at least "Très rapide".
    bool fastComputers = false;
    // No sound, whatever a resumed game was played with.
    bool mute = false;
    // A seeded game is the same game every time it is played.
    bool seeded = false;
    uint64_t seed = 0;
    // The level of every computer player of the dialogue.
    int32_t computerLevel = 0;
    // Rounds after which the richest wins; 0 for none.
    int32_t turnLimit = 0;
    // The window opens at once on the title screen: no console dialogue.
    bool menu = false;
};

// The rows of the game's options, writing into `options`.
std::vector<CommandLineOption> GameOptionTable(GameOptions& options);

extern const CommandLineProgram kGameProgram;
